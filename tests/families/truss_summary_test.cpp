// The truss summary that opens a combined report: its figures are those of the check
// summary, failing joints are red, every line stays inside the page frame whatever the
// number of joints, and a report that is one of several numbers its pages on.
#include "families/truss_summary.h"

#include <fmt/format.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <string>
#include <vector>

#include "model/confirm_job.h"
#include "model/job_template.h"
#include "model/json_job.h"
#include "families/dispatch.h"
#include "report/text_metrics.h"
#include "support/test_support.h"

namespace traxen {
namespace {

Job ReadJob(const std::string& file) {
  JsonJob parsed;
  const LoadError e = ParseJsonJob(testing::ReadFile(testing::SourcePath(file)), file, parsed);
  EXPECT_FALSE(e) << e.message;
  ConfirmJsonJob(parsed.job, parsed.present);
  return parsed.job;
}

int LastDialog(const Job& job) { return job.family.is_kn == 1 ? 2 : 1; }

TrussJointLine Line(const std::string& name, const Job& job) {
  return SummarizeJoint(name, job, CheckJob(job, ReportInputs{}, LastDialog(job)));
}

bool HasText(const LaidOutReport& r, std::string_view text) {
  for (const auto& t : r.ops.texts())
    if (t.text.find(text) != std::string::npos) return true;
  return false;
}

TEST(TrussSummary, AJointsFiguresAreThoseOfItsCheckSummary) {
  for (const char* file : {"bench/jobs/kn_gap.json", "bench/jobs/tyx_x_reinforced.json"}) {
    const Job job = ReadJob(file);
    const CheckSummary s = CheckJob(job, ReportInputs{}, LastDialog(job));
    const TrussJointLine line = SummarizeJoint("J", job, s);
    const ResistanceVerdict* governing = GoverningVerdict(s);
    ASSERT_NE(governing, nullptr) << file;
    EXPECT_EQ(line.eta, Utilisation(*governing)) << file;
    EXPECT_EQ(line.outcome == JointOutcome::kPassed, s.passed()) << file;
    EXPECT_NE(line.governing.find(fmt::format("varras {}", governing->brace)), std::string::npos) << file;
  }
  // Outside the range of validity: nothing computed, the failed conditions counted.
  Job invalid = ReadJob("bench/jobs/kn_gap.json");
  invalid.kn.theta1 = 20;
  const TrussJointLine line = Line("J", invalid);
  EXPECT_EQ(line.outcome, JointOutcome::kOutsideValidity);
  EXPECT_TRUE(std::isnan(line.eta));
  EXPECT_EQ(UtilisationText(line.eta), "–");
}

// A circular joint's row names its kind and its tubes by diameter and wall.
TEST(TrussSummary, ACircularJointIsNamedByItsTubes) {
  struct Case {
    const char* family;
    const char* kind;
    const char* sections;
  };
  for (const Case& c : {Case{"chs_tyx", "CHS T/Y", "Ø88.9×5 / Ø60.3×3"}, Case{"chs_x", "CHS X", "Ø88.9×6 / Ø60.3×3"},
                        Case{"chs_kn", "CHS K/N", "Ø219.1×12.5 / Ø139.7×5 / Ø114.3×4"}}) {
    SCOPED_TRACE(c.family);
    const Job job = TemplateJob(c.family);
    const TrussJointLine line = SummarizeJoint("C", job, CheckJob(job, ReportInputs{}, 0));
    EXPECT_EQ(line.family, c.kind);
    EXPECT_EQ(line.sections, c.sections);
  }
}

// The summary's page header names the tubes of its joints: rectangular, circular, or both.
TEST(TrussSummary, ItsHeaderNamesTheTubesOfItsJoints) {
  struct Case {
    std::vector<const char*> families;
    const char* title;
  };
  for (const Case& c : {Case{{"tyx", "kn"}, "NELIKANTORUDEST SÕRESTIKE SÕLMEDE"},
                        Case{{"chs_tyx", "chs_kn"}, "ÜMARTORUDEST SÕRESTIKE SÕLMEDE"},
                        Case{{"kn", "chs_kn"}, "TORUDEST SÕRESTIKE SÕLMEDE"}}) {
    SCOPED_TRACE(c.title);
    TrussSummary summary;
    for (const char* family : c.families) {
      const Job job = TemplateJob(family);
      summary.joints.push_back(SummarizeJoint(family, job, CheckJob(job, ReportInputs{}, 0)));
    }
    const LaidOutReport r = LayOutTrussSummary(summary, 1);
    bool found = false;
    for (const auto& t : r.ops.texts()) found = found || t.text == c.title;
    EXPECT_TRUE(found);
  }
}

TEST(TrussSummary, AFailingJointIsRedAndTheTrussDoesNotPass) {
  TrussSummary summary;
  summary.joints = {{"A", "T/Y", "200×200×8 / 120×120×6", "varras 1: vöö pinna purunemine", 0.5,
                     JointOutcome::kPassed, 2},
                    {"B", "K/N", "…", "varras 2: varda purunemine", 1.2, JointOutcome::kFailed, 4}};
  const LaidOutReport r = LayOutTrussSummary(summary, 7);
  Color a_colour{}, b_colour{};
  for (const auto& t : r.ops.texts()) {
    if (t.text == "A") a_colour = t.color;
    if (t.text == "B") b_colour = t.color;
  }
  EXPECT_EQ(a_colour, kBlack);
  EXPECT_EQ(b_colour, kRed);
  EXPECT_TRUE(HasText(r, "Sõrestiku sõlmed: Ei rahulda! (1 sõlme 2-st)"));
  EXPECT_TRUE(HasText(r, "Leht "));
  EXPECT_TRUE(HasText(r, "1 / 7"));
  EXPECT_EQ(r.failed, 1);

  summary.joints.pop_back();
  EXPECT_TRUE(HasText(LayOutTrussSummary(summary, 3), "Sõrestiku sõlmed: Korras! (kõik 1 sõlme)"));
  summary.joints.clear();  // no joint is no passing truss
  EXPECT_FALSE(HasText(LayOutTrussSummary(summary, 1), "Korras!"));
}

// In English every word of the page is English, the governing check named as the joint's
// summary names it in that language.
TEST(TrussSummary, AnEnglishSummaryIsWhollyInEnglish) {
  const Job job = ReadJob("bench/jobs/kn_gap.json");
  const CheckSummary s = CheckJob(job, ReportInputs{}, LastDialog(job));
  const TrussJointLine line = SummarizeJoint("J", job, s, ReportLanguage::kEnglish);
  EXPECT_TRUE(line.governing.starts_with(fmt::format("brace {}: ", GoverningVerdict(s)->brace))) << line.governing;
  Job invalid = job;
  invalid.kn.theta1 = 20;
  const TrussJointLine outside =
      SummarizeJoint("K", invalid, CheckJob(invalid, ReportInputs{}, 2), ReportLanguage::kEnglish);
  EXPECT_EQ(outside.governing, "2 conditions not met");

  TrussSummary summary;
  summary.language = ReportLanguage::kEnglish;
  summary.joints = {line, outside};
  const LaidOutReport r = LayOutTrussSummary(summary, 5);
  EXPECT_TRUE(HasText(r, "SUMMARY OF THE TRUSS JOINTS"));
  EXPECT_TRUE(HasText(r, "Governing check"));
  EXPECT_TRUE(HasText(r, "outside validity: 2 conditions not met"));
  EXPECT_TRUE(HasText(r, "Truss joints: NOT OK (failed: 1 of 2; outside the range of validity: 1)"));
  EXPECT_TRUE(HasText(r, "Date: "));
  for (const auto& t : r.ops.texts()) {
    for (const char* word : {"Korras", "rahulda", "Sõ", "Leht", "Kuupäev", "varras", "eeldus"})
      EXPECT_EQ(t.text.find(word), std::string::npos) << t.text;
  }
}

TEST(TrussSummary, EveryLineStaysInsideTheFrameOfItsPage) {
  for (std::size_t n : {0u, 1u, 29u, 30u, 31u, 32u, 33u, 62u, 63u, 64u, 100u}) {
    TrussSummary summary;
    for (std::size_t i = 0; i < n; ++i)
      summary.joints.push_back({fmt::format("J{}", i), "T/Y", "", "", 0.5, JointOutcome::kPassed, 2});
    const LaidOutReport r = LayOutTrussSummary(summary, 1);
    EXPECT_EQ(r.page_count, TrussSummaryPageCount(n)) << n;
    EXPECT_EQ(r.page_count, TrussSummaryPageCount(summary)) << n;
    int rows = 0, verdict_page = -1, date_page = -2;
    std::vector<int> rows_on_page(r.page_count);
    for (const auto& t : r.ops.texts()) {
      const int page = t.at.y / kReportPageHeight, y = t.at.y % kReportPageHeight;
      EXPECT_LT(page, r.page_count) << n << " " << t.text;
      if (y < 120 || y > 1100) continue;  // header and footer
      EXPECT_LT(y + 20, 1100) << n << " " << t.text;
      if (t.text.starts_with("J")) ++rows, ++rows_on_page[page];
      if (t.text.starts_with("Sõrestiku sõlmed")) verdict_page = page;
      if (t.text.starts_with("Kuupäev")) date_page = page;
    }
    EXPECT_EQ(rows, static_cast<int>(n));
    EXPECT_EQ(verdict_page, date_page) << n;
    EXPECT_EQ(verdict_page, r.page_count - 1) << n;  // no page left empty after the verdict
    // The verdict never stands alone under the column titles: the last joint goes with it.
    if (n > 0) {
      EXPECT_GT(rows_on_page[verdict_page], 0) << n;
    }
    for (int page = 0; page + 1 < r.page_count; ++page) EXPECT_GT(rows_on_page[page], 0) << n << " page " << page;
  }
}

// A name or a list of sections wider than its column takes more lines of the row, and the
// rows after it move down: every character is on the page and no text runs into the next
// column or over the next row. The count of pages is that of the layout.
TEST(TrussSummary, ALongTextWrapsInItsColumnAndIsNeverCut) {
  struct Case {
    const char* joint;
    const char* sections;
  };
  const std::string long_word = "Sõrestikusõlmpaigutusnimetus_vasakpoolne";
  for (const Case& c : {Case{"Katusesõrestik telg A sõlm 12", "200×200×8 / 120×120×6"},
                        Case{long_word.c_str(), "Ø219.1×12.5 / Ø139.7×5 / Ø114.3×3.6 / Ø114.3×3.6"},
                        Case{"J", "Ø219.1×12.5 / Ø139.7×5 / Ø114.3×3.6 and a great deal more of it than fits"}}) {
    SCOPED_TRACE(c.joint);
    TrussSummary summary;
    for (int i = 0; i < 40; ++i)
      summary.joints.push_back({i % 3 == 1 ? c.joint : "K", "T/Y", c.sections, "varras 1: vöö pinna purunemine", 0.5,
                                JointOutcome::kPassed, 2});
    const LaidOutReport r = LayOutTrussSummary(summary, 1);
    EXPECT_EQ(r.page_count, TrussSummaryPageCount(summary));

    // The texts of each column, in order, and where the rows' numbers stand.
    std::map<int, std::string> joint_column, sections_column;
    std::vector<int> number_y;
    int previous_bottom = 0;
    for (const auto& t : r.ops.texts()) {
      const int y = t.at.y % kReportPageHeight;
      if (y < 250 || y > 1100 || t.at.x == 100) continue;  // the header, the footer, the verdict and the date
      EXPECT_EQ(t.text.find("…"), std::string::npos) << t.text;
      if (t.at.x == 95) {
        EXPECT_GE(t.at.y, previous_bottom) << "row " << t.text << " over the one before";
        number_y.push_back(t.at.y);
      }
      if (t.at.x == 122) {
        EXPECT_LE(t.at.x + ReportTextWidth({"Arial", 13, 400}, t.text), 184) << t.text;
        joint_column[t.at.y] += t.text;
      }
      if (t.at.x == 272) {
        EXPECT_LE(t.at.x + ReportTextWidth({"Arial", 13, 400}, t.text), 477) << t.text;
        sections_column[t.at.y] += (sections_column[t.at.y].empty() ? "" : " ") + t.text;
        previous_bottom = std::max(previous_bottom, t.at.y + 15);
      }
    }
    EXPECT_EQ(number_y.size(), 40u);
    // Put back together row by row (the lines of a row are 15 apart), each text is whole.
    std::string joints, sections;
    int last_y = -100;
    for (const auto& [y, text] : joint_column) {
      joints += (y - last_y == 15 ? std::string() : std::string("|")) + text;
      last_y = y;
    }
    last_y = -100;
    for (const auto& [y, text] : sections_column) {
      sections += (y - last_y == 15 ? std::string(" ") : std::string("|")) + text;
      last_y = y;
    }
    std::string joint_without_blanks = c.joint;
    std::erase(joint_without_blanks, ' ');
    std::erase(joints, ' ');
    EXPECT_NE(joints.find("|" + joint_without_blanks + "|"), std::string::npos) << joints;
    EXPECT_NE(sections.find(std::string("|") + c.sections + "|"), std::string::npos) << sections;
  }
}

TEST(TrussSummary, AReportOfSeveralNumbersItsPagesThroughTheDocument) {
  const Job job = ReadJob("bench/jobs/kn_gap.json");
  const LaidOutReport alone = LayOutReport(job, ReportInputs{}, 2, 0);
  const LaidOutReport third = LayOutReport(job, ReportInputs{}, 2, 0, true, 3, 9);
  EXPECT_EQ(alone.page_count, third.page_count);
  EXPECT_TRUE(HasText(third, "3 / 9"));
  EXPECT_TRUE(HasText(third, fmt::format("{} / 9", 2 + third.page_count)));
}

}  // namespace
}  // namespace traxen
