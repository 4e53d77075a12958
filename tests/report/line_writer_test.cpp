// The report-line writer all joint families share: where its verdicts land and in what
// weight and colour, and how the second column keeps clear of a long left column.
#include "report/line_writer.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "report/recording_surface.h"
#include "report/report_note.h"
#include "report/text_metrics.h"

namespace traxen {
namespace {

TEST(LineWriter, VerdictPlacesWeightsAndColours) {
  struct Case {
    const char* name;
    bool passed;
    std::string_view weight;
    int verdict_x;       // 0: 30 units after the text
    int expected_gap;    // from the end of the text, -1: at verdict_x
    const char* text;
    int expected_weight;
  };
  for (const Case c : {Case{"pass after text", true, "normal", 0, 30, "Korras! ", 400},
                       Case{"fail after text", false, "normal", 0, 30, "Ei rahulda! ", 400},
                       Case{"bold column with room", true, "bold", 600, -1, "Korras! ", 700},
                       Case{"column pushed by long text", false, "bold", 120, 30, "Ei rahulda! ", 700}}) {
    SCOPED_TRACE(c.name);
    RecordingSurface s;
    ReportCanvas canvas(s);
    canvas.y = 173;
    LineWriter w(canvas);
    w.AtLeft().Check(c.passed, CheckKind::Verdict).Text("N", {"1,Rd", kSub}, " = 123.4 kN");
    const int text_end = w.x();
    w.Verdict(c.passed, c.weight, c.verdict_x);
    const auto& verdict = s.texts().back();
    EXPECT_EQ(verdict.text, c.text);
    EXPECT_EQ(verdict.at.x, c.expected_gap < 0 ? c.verdict_x : text_end + c.expected_gap);
    EXPECT_EQ(verdict.at.y, 173);
    EXPECT_EQ(verdict.font.weight, c.expected_weight);
    EXPECT_EQ(verdict.color, c.passed ? kBlack : kRed);
    EXPECT_EQ(canvas.text_color, kBlack);  // the next line starts black
    EXPECT_EQ(canvas.failed, 0);            // a resistance verdict never fails the report
  }
}

TEST(LineWriter, SecondColumnStartsAt350OrClearOfTheLeftColumn) {
  struct Case {
    const char* left;
    bool pushed;
  };
  for (const Case c : {Case{"short", false},
                       Case{"a left column long enough to reach into the second column's place", true}}) {
    RecordingSurface s;
    ReportCanvas canvas(s);
    LineWriter w(canvas);
    w.AtLeft().Text(c.left);
    const int left_end = w.x();
    w.AtRight().Text("right");
    const int right_x = s.texts().back().at.x;
    EXPECT_EQ(right_x, c.pushed ? left_end + 20 : canvas.left_margin + 350) << c.left;
    // After a line advance the second column is back at its place.
    w.NewLine().AtRight();
    EXPECT_EQ(w.x(), canvas.left_margin + 350);
  }
}

TEST(LineWriter, AFixedVerdictPlaceYieldsToTextThatReachesIt) {
  struct Case {
    int text_end, fixed, expected;
  };
  for (const Case c : {Case{300, 660, 660},    // room: the layout's place
                       Case{650, 660, 660},    // ten units clear still counts as room
                       Case{655, 660, 685},    // too close: 30 units after the text
                       Case{700, 660, 730}}) {  // past it ("0.3(Korras!" otherwise)
    EXPECT_EQ(VerdictPlace(c.text_end, c.fixed), c.expected) << c.text_end << " " << c.fixed;
  }
}

// A catalogue sentence lowers what follows '_' up to a blank, a bracket, a colon, a semicolon
// or a full stop; commas stay inside a subscript ("b_e,p"); a sentence without '_' is drawn
// whole, as it was before sentences could be marked.
TEST(LineWriter, MarkedSubscriptsAreLowered) {
  struct Case {
    const char* text;
    std::vector<std::pair<std::string, bool>> pieces;  // text, lowered
  };
  const Case cases[] = {
      {"(d_i > d_0 − 2t_0)", {{"(d", false}, {"i", true}, {" > d", false}, {"0", true}, {" − 2t", false},
                              {"0", true}, {")", false}}},
      {"b_e,p = 87.5", {{"b", false}, {"e,p", true}, {" = 87.5", false}}},
      {"V_pl,Rd: N_0,Ed.", {{"V", false}, {"pl,Rd", true}, {": N", false}, {"0,Ed", true}, {".", false}}},
      {"; seega vöö pinna läbisurumise ohtu pole !", {{"; seega vöö pinna läbisurumise ohtu pole !", false}}},
      {"a trailing _", {{"a trailing ", false}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    RecordingSurface s;
    ReportCanvas canvas(s);
    canvas.y = 173;
    LineWriter w(canvas);
    w.AtLeft().Marked(c.text);
    std::vector<std::pair<std::string, bool>> drawn;
    int x = canvas.left_margin;
    for (const auto& t : s.texts()) {
      const bool lowered = t.font.height == 13;
      drawn.emplace_back(t.text, lowered);
      EXPECT_EQ(t.at.y, lowered ? 180 : 173) << t.text;
      EXPECT_EQ(t.at.x, x) << t.text;  // one after the other
      x += ReportTextWidth(t.font, t.text);
    }
    EXPECT_EQ(drawn, c.pieces);
  }
}

// A run that would cross the frame's right edge continues on the next line, indented,
// between runs; a failing check keeps its red across the break, also across a page break.
TEST(LineWriter, LinePastTheFrameContinuesIndentedOnTheNextLine) {
  struct Case {
    const char* name;
    int line_offset;  // 874: the next advance starts a new page
  };
  for (const Case c : {Case{"same page", 23}, Case{"page break", 874}}) {
    SCOPED_TRACE(c.name);
    RecordingSurface s;
    ReportCanvas canvas(s);
    canvas.line_offset = c.line_offset;
    canvas.y = canvas.page_index * canvas.page_height + canvas.line_offset + 150;
    const int first_y = canvas.y;
    LineWriter w(canvas);
    w.AtLeft().Check(false, CheckKind::Condition);
    for (int i = 0; i < 12; ++i) w.Value("l", {"p", kSub}, " = ", "%3.1lf mm", 1234.5);
    w.Verdict(false);
    int lines = 0, last_y = first_y;
    for (const auto& t : s.texts()) {
      if (t.font.face != "Times New Roman" || (t.font.height != 19 && t.font.height != 13)) continue;  // header, footer
      EXPECT_LE(t.at.x + ReportTextWidth(t.font, t.text), kLineRightLimit) << t.text;
      EXPECT_EQ(t.color, kRed) << t.text;
      if (t.at.y - (t.font.height == 13 ? 7 : 0) != last_y) {
        ++lines;
        last_y = t.at.y;
        EXPECT_EQ(t.at.x, canvas.left_margin + kContinuationIndent) << "a continuation starts indented";
      }
    }
    EXPECT_GE(lines, 1);
    EXPECT_EQ(canvas.text_color, kBlack);
    EXPECT_EQ(canvas.page_index, c.line_offset == 874 ? 1 : 0);
  }
}

// A note goes on at the next line between its words, never inside a word or inside
// parentheses, and keeps every character it had; a short one stays on its line.
TEST(ReportNote, WrapsBetweenWordsAndKeepsAReferenceWhole) {
  const std::string sentence =
      "Note: chord wall t0 > 25 mm; the through-thickness properties of the chord material must be ensured "
      "(EN 1993-1-8 7.1.1(6)).";
  for (const std::string& text : {sentence, std::string("Short note (EN 1993-1-8 7.1.2(6)).")}) {
    RecordingSurface s;
    ReportCanvas canvas(s);
    canvas.line_offset = 23;
    canvas.y = canvas.line_offset + 150;
    LineWriter w(canvas);
    PrintNote(w, text);
    std::string joined;
    int lines = 0, last_y = -1;
    for (const auto& t : s.texts()) {
      if (t.font.height != 19) continue;  // header and footer
      EXPECT_LE(t.at.x + ReportTextWidth(t.font, t.text), kLineRightLimit) << t.text;
      if (t.at.y != last_y) {
        if (lines++ > 0) joined += ' ';  // the blank the line break stands for
        last_y = t.at.y;
      }
      joined += t.text;
      // The reference is one run, blanks and all.
      if (t.text.find("(EN") != std::string::npos) {
        EXPECT_NE(t.text.find("(6))"), std::string::npos) << t.text;
      }
    }
    EXPECT_EQ(joined, text);
    EXPECT_EQ(lines, text == sentence ? 2 : 1) << text;
  }
}

}  // namespace
}  // namespace traxen
