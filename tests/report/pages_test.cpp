// Line advance, page breaks, and what each page gets: frame, header, footer, separator.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "model/job.h"
#include "model/job_placeholders.h"
#include "report/arc_polyline.h"
#include "report/pages.h"
#include "report/recording_surface.h"
#include "report/text_metrics.h"

namespace traxen {
namespace {

int CountTexts(const RecordingSurface& s, const std::string& text) {
  return int(std::count_if(s.texts().begin(), s.texts().end(), [&](const auto& t) { return t.text == text; }));
}

TEST(NextLine, FirstAdvanceOfARenderingIsOffset23OnPageZero) {
  RecordingSurface s;
  ReportCanvas c(s);
  EXPECT_EQ(NextLine(c, 23, 23), 173);
  EXPECT_EQ(c.line_offset, 23);
  EXPECT_EQ(c.page_index, 0);
}

TEST(NextLine, LineAtOffset874BreaksToTheNextPageWithItsOwnDecoration) {
  JobInfo info;
  RecordingSurface s;
  ReportCanvas c(s);
  c.info = &info;
  int y = 0;
  int lines_on_first_page = 0;
  while (c.page_index == 0) {
    y = NextLine(c, 23, 23);
    if (c.page_index == 0) {
      ++lines_on_first_page;
      EXPECT_LE(c.line_offset, 874);
    }
  }
  EXPECT_EQ(lines_on_first_page, 38);  // offsets 23 .. 874
  EXPECT_EQ(y, 1229 + 150);
  EXPECT_EQ(c.page_number, 2);
  EXPECT_EQ(c.line_offset, 0);
  // The second page's frame, header, footer and separator.
  const std::string dump = s.Dump();
  EXPECT_NE(dump.find("rect 80 1349 850 2329"), std::string::npos);
  EXPECT_NE(dump.find("text 120 1249 \"NELIKANTORUDEST SÕRESTIKE SÕLMEDE\""), std::string::npos);
  EXPECT_NE(dump.find("line 0 2459 900 2459"), std::string::npos);
  EXPECT_EQ(CountTexts(s, "2"), 1);  // "Leht " followed by the page number 2
  EXPECT_EQ(CountTexts(s, "Leht "), 1);
  // Later pages hold lines from offset 0 up to 874 as well.
  while (c.page_index == 1) NextLine(c, 23, 23);
  EXPECT_EQ(c.page_number, 3);
}

TEST(PageHeader, EmptyClientStillDrawsItsLabelAndValueColumnFollowsLongerLabel) {
  JobInfo info;
  info.client = "";
  info.job_name = "Sild";
  RecordingSurface s;
  ReportCanvas c(s);
  c.info = &info;
  DrawPageHeader(c, 0, 1229);
  const auto& t = s.texts();
  auto find = [&](const std::string& text) {
    return std::find_if(t.begin(), t.end(), [&](const auto& r) { return r.text == text; });
  };
  ASSERT_NE(find("TELLIJA: "), t.end());
  const int w = ReportTextWidth({"Times New Roman", 16, 400}, "TELLIJA: ");
  ASSERT_NE(find("Sild"), t.end());
  EXPECT_EQ(find("Sild")->at, (Point{w + 120, 70}));
  EXPECT_EQ(find(kEmblemLine1)->color, kWhite);
  EXPECT_EQ(find(kEmblemLine2)->font, (Font{"Arial", 16, 700}));
}

// The Estonian title keeps its two fixed places; each English line is centred over the
// header's text column (x 100 to 590), whichever tubes the first line names.
TEST(PageHeader, EnglishTitleLinesAreCentredAndEstonianOnesStayInTheirPlaces) {
  constexpr int kAxis = (100 + 590) / 2;
  const Font title{"Times New Roman", 24, 700};
  for (const ReportTextKey first :
       {ReportTextKey::kHeaderTitle, ReportTextKey::kHeaderTitleRoundTubes, ReportTextKey::kHeaderTitleAnyTubes}) {
    for (const ReportLanguage language : kReportLanguages) {
      JobInfo info;
      RecordingSurface s;
      ReportCanvas c(s);
      c.info = &info;
      c.language = language;
      c.header_title = first;
      DrawPageHeader(c, 1, 1229);
      const auto& t = s.texts();
      const bool english = language == ReportLanguage::kEnglish;
      int found = 0;
      for (const ReportTextKey key : {first, ReportTextKey::kHeaderTitleSecondLine}) {
        const std::string_view text = ReportText(key, language);
        const auto line = std::find_if(t.begin(), t.end(), [&](const auto& r) { return r.text == text; });
        ASSERT_NE(line, t.end()) << text;
        ++found;
        const bool second = key == ReportTextKey::kHeaderTitleSecondLine;
        EXPECT_EQ(line->at.y, 1229 + (second ? 40 : 20)) << text;
        if (english) {
          const int centre = line->at.x + ReportTextWidth(title, text) / 2;
          EXPECT_LE(std::abs(centre - kAxis), 1) << text;
          EXPECT_GE(line->at.x, 100) << text;
        } else {
          EXPECT_EQ(line->at.x, second ? 300 : 120) << text;
        }
      }
      EXPECT_EQ(found, 2);
    }
  }
}

// A job whose header texts are still a new job's placeholders shows the placeholders of the
// report's language (an English report no "....(töö nimi)"); a job's own texts stay as given.
TEST(PageHeaderAndFooter, PlaceholdersReadInTheReportsLanguage) {
  const JobInfo estonian, english = PlaceholderJobInfo(Language::kEnglish);
  const JobInfo own{"Sild S3", "Maantee OÜ", "Mari Maasikas", "Sillaprojekt AS"};
  JobInfo named = estonian;  // a job name given, the rest left as a new job has it
  named.job_name = "Sild S3";
  JobInfo named_english = english;
  named_english.job_name = "Sild S3";
  struct Case {
    JobInfo info;
    ReportLanguage language;
    JobInfo shown;
    JobInfo absent;  // texts that must not be on the page
  };
  const Case cases[] = {
      {estonian, ReportLanguage::kEnglish, english, estonian},
      {english, ReportLanguage::kEstonian, estonian, english},
      {estonian, ReportLanguage::kEstonian, estonian, english},
      {own, ReportLanguage::kEnglish, own, english},
      {named, ReportLanguage::kEnglish, named_english, estonian},
  };
  for (const Case& k : cases) {
    RecordingSurface s;
    ReportCanvas c(s);
    c.info = &k.info;
    c.language = k.language;
    DrawPageHeader(c, 0, 1229);
    DrawPageFooter(c, 0, 1229);
    const JobInfo& shown = k.shown;
    const JobInfo& absent = k.absent;
    for (const std::string* text : {&shown.job_name, &shown.client, &shown.calculated_by, &shown.owner})
      EXPECT_EQ(CountTexts(s, *text), 1) << *text;
    for (const std::string* text : {&absent.job_name, &absent.client, &absent.calculated_by, &absent.owner})
      EXPECT_EQ(CountTexts(s, *text), 0) << *text;
  }
  EXPECT_TRUE(IsPlaceholderJobName(estonian.job_name));
  EXPECT_TRUE(IsPlaceholderJobName(english.job_name));
  EXPECT_FALSE(IsPlaceholderJobName("Sild S3"));
}

TEST(PageFooter, ShowsPageNumberAndAnEnglishDate) {
  JobInfo info;
  RecordingSurface s;
  ReportCanvas c(s);
  c.info = &info;
  DrawPageFooter(c, 4, 1229);
  EXPECT_EQ(CountTexts(s, "5"), 1);
  // 24 characters, English names, whatever the locale.
  const std::string date = FooterDate(0);
  EXPECT_EQ(date.size(), 24u);
  EXPECT_TRUE(date.starts_with("Thu Jan 01") || date.starts_with("Wed Dec 31")) << date;
}

// Job texts stay in their places: a text too long is cut after a whole character with "…"
// instead of running under the emblem, over the next label or off the page, and no control
// character reaches the page.
TEST(PageHeaderAndFooter, JobTextsAreOneLineCutToTheirPlace) {
  const std::string long_text(60, 'W');
  JobInfo info;
  info.job_name = "Töö\tnimi " + long_text;
  info.client = "\xE2\x80\xAETellija\nOÜ";  // short: only cleaned
  info.calculated_by = "Õie " + long_text;
  info.owner = "Firma\x1b[2J " + long_text;
  RecordingSurface s;
  ReportCanvas c(s);
  c.info = &info;
  DrawPageHeader(c, 2, 1229);
  DrawPageFooter(c, 2, 1229);
  struct Case {
    const char* starts;
    int end;  // where the text must end
    bool cut;
  };
  const Case cases[] = {
      {"Töö nimi W", 590, true}, {"Tellija OÜ", 590, false}, {"Õie W", 290, true}, {"Firma[2J W", 740, true}};
  int found = 0;
  for (const auto& t : s.texts()) {
    for (char ch : t.text) EXPECT_FALSE(static_cast<unsigned char>(ch) < 0x20) << t.text;
    EXPECT_EQ(t.text.find("\xE2\x80\xAE"), std::string::npos);
    for (const Case& k : cases) {
      if (!t.text.starts_with(k.starts)) continue;
      ++found;
      EXPECT_LE(t.at.x + ReportTextWidth(t.font, t.text), k.end) << t.text;
      EXPECT_EQ(t.text.ends_with("…"), k.cut) << t.text;
      if (k.cut) {
        EXPECT_GT(t.at.x + ReportTextWidth(t.font, t.text + "W"), k.end - 20) << "cut too short: " << t.text;
      }
    }
  }
  EXPECT_EQ(found, 4);
}

TEST(ArcPolyline, EmblemArchBulgesUpAndEndsExactlyAtTheEndPoint) {
  const auto points = ArcPoints({739, 60}, {675, 120}, {612, 60});
  ASSERT_EQ(points.size(), 101u);
  EXPECT_EQ(points.front(), (Point{612, 60}));
  EXPECT_EQ(points.back(), (Point{739, 60}));
  const auto top = std::min_element(points.begin(), points.end(), [](Point a, Point b) { return a.y < b.y; });
  EXPECT_EQ(top->y, 33);  // radius 87 above the centre at 120
  // The lower branch when the centre lies above the start and the end below it.
  const auto down = ArcPoints({100, 100}, {0, 0}, {0, 100});
  EXPECT_GT(down[50].y, 0);
  // A radius smaller than the x span keeps the previous y instead of taking a root of a negative.
  const auto clipped = ArcPoints({300, 0}, {0, 0}, {10, 0});
  for (const Point p : clipped) EXPECT_LE(std::abs(p.y), 10);
}


// A heading with the line after it, or a formula with its verdict, stays on one page: the
// block moves to the next page as a whole when its last line would not fit, never from a
// page's first line, and keeps a failing check's red.
TEST(KeepLinesTogether, MovesABlockThatWouldNotFitToTheNextPage) {
  struct Case {
    int line_offset, lines;
    bool moves;
  };
  for (const Case c : {Case{851, 2, false},   // its second line at 874: the last one that fits
                       Case{874, 1, false},   // a single line that is already written there
                       Case{874, 2, true},    // heading on the last line: moves with its line
                       Case{805, 4, false},   // formula and verdict end at 805 + 3 × 23 = 874
                       Case{828, 4, true},    // the verdict would fall to 897
                       Case{0, 60, false}}) {  // a page's first line cannot do better
    RecordingSurface s;
    ReportCanvas canvas(s);
    canvas.line_offset = c.line_offset;
    canvas.y = canvas.line_offset + 150;
    canvas.SetTextColor(kRed);
    const int y = KeepLinesTogether(canvas, c.lines);
    EXPECT_EQ(canvas.page_index, c.moves ? 1 : 0) << c.line_offset << " " << c.lines;
    EXPECT_EQ(y, c.moves ? 1229 + 150 : c.line_offset + 150);
    EXPECT_EQ(canvas.text_color, kRed);
  }
}

}  // namespace
}  // namespace traxen
