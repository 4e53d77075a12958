// The parts of a truss's combined report: the summary first, then every joint's report under
// its name, page counts known before layout and the summary's page column pointing at the
// page each report really starts on.
#include "families/truss_report.h"

#include <fmt/format.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/confirm_job.h"
#include "model/json_job.h"
#include "support/test_support.h"

namespace traxen {
namespace {

TrussJoint ReadJoint(const std::string& name, const std::string& file) {
  JsonJob parsed;
  const LoadError e = ParseJsonJob(testing::ReadFile(testing::SourcePath(file)), file, parsed);
  EXPECT_FALSE(e) << e.message;
  ConfirmJsonJob(parsed.job, parsed.present);
  return {name, parsed.job, ReportInputs{}, parsed.job.family.is_kn == 1 ? 2 : 1};
}

// The summary's columns, by where their texts start.
constexpr int kReasonColumn = 188, kOutcomeColumn = 742, kPageColumn = 815;

// The text drawn in `column` on the first line of the joint's row in the summary.
std::string SummaryCell(const LaidOutReport& summary, const std::string& joint, int column) {
  const auto& texts = summary.ops.texts();
  for (const auto& row : texts)
    if (row.text == joint && row.at.x == 122)
      for (const auto& t : texts)
        if (t.at.y == row.at.y && t.at.x == column) return t.text;
  return "(no row " + joint + ")";
}

TEST(TrussReport, TheSummaryComesFirstAndEveryJointsReportStartsWhereItSays) {
  std::vector<TrussJoint> joints = {ReadJoint("K1", "bench/jobs/kn_gap.json"),
                                    ReadJoint("X2", "bench/jobs/tyx_x_reinforced.json"),
                                    ReadJoint("K3", "bench/jobs/kn_gap.json")};
  joints[2].job.kn.theta1 = 20;  // outside the range of validity: a shorter report
  std::vector<std::size_t> counted;
  const std::vector<ReportPart> parts =
      TrussReportParts(joints, JobInfo{}, 0, true, [&](std::size_t i) { counted.push_back(i); });

  ASSERT_EQ(parts.size(), 4u);
  EXPECT_EQ(counted, (std::vector<std::size_t>{0, 1, 2}));
  EXPECT_EQ(parts[0].bookmark, "Kokkuvõte");
  int total = 0;
  for (const ReportPart& p : parts) total += p.page_count;

  int first = 1;
  std::vector<int> starts;
  for (std::size_t k = 0; k < parts.size(); ++k) {
    const LaidOutReport laid = parts[k].lay_out(first, total);
    EXPECT_EQ(laid.page_count, parts[k].page_count) << k;
    if (k > 0) {
      EXPECT_EQ(parts[k].bookmark, joints[k - 1].name);
      const TrussJoint& j = joints[k - 1];
      EXPECT_EQ(parts[k].page_count, LayOutReport(j.job, j.working, j.last_dialog, 0, true).page_count);
      starts.push_back(first);
    }
    first += laid.page_count;
  }
  const LaidOutReport summary = parts[0].lay_out(1, total);
  for (std::size_t i = 0; i < joints.size(); ++i)
    EXPECT_EQ(SummaryCell(summary, joints[i].name, kPageColumn), fmt::format("{}", starts[i])) << joints[i].name;
  EXPECT_EQ(SummaryCell(summary, "K3", kOutcomeColumn), "Ei rahulda!");
}

// A row that could not be read is a line of the summary, in red with its reason, and no part of
// its own: the pages of the joints after it count on without it.
TEST(TrussReport, ARefusedRowIsListedWithItsReasonAndHasNoReport) {
  const std::vector<TrussJoint> joints = {ReadJoint("K1", "bench/jobs/kn_gap.json"),
                                    {"B2", {}, {}, 0, "row 3, column family: unknown family \"truss\""},
                                    ReadJoint("X3", "bench/jobs/tyx_x_reinforced.json")};
  const std::vector<ReportPart> parts = TrussReportParts(joints, JobInfo{}, 0, true);
  ASSERT_EQ(parts.size(), 3u);
  EXPECT_EQ(parts[1].bookmark, "K1");
  EXPECT_EQ(parts[2].bookmark, "X3");
  int total = 0;
  for (const ReportPart& p : parts) total += p.page_count;
  const LaidOutReport summary = parts[0].lay_out(1, total);
  EXPECT_EQ(SummaryCell(summary, "X3", kPageColumn), fmt::format("{}", 1 + parts[0].page_count + parts[1].page_count));
  EXPECT_EQ(SummaryCell(summary, "B2", kReasonColumn), "row 3, column family: unknown family \"truss\"");
  EXPECT_EQ(SummaryCell(summary, "B2", kOutcomeColumn), "Vigane rida");
  EXPECT_EQ(SummaryCell(summary, "B2", kPageColumn), "–");
  for (const auto& t : summary.ops.texts())
    if (t.text.starts_with("row 3") || t.text == "Vigane rida") {
      EXPECT_EQ(t.color, kRed);
    }
  EXPECT_EQ(summary.failed, 1);
  bool verdict = false;
  for (const auto& t : summary.ops.texts())
    verdict = verdict || t.text == "Sõrestiku sõlmed: Ei rahulda! (1 sõlme 3-st, neist 1 vigase rea tõttu)";
  EXPECT_TRUE(verdict);
}

// The summary's reason leaves out the table's name and the joint's, which the summary shows.
TEST(TrussReport, ARefusedRowsReasonIsTheMessageWithoutTheNamesBesideIt) {
  struct Case {
    const char* message;
    const char* joint;
    const char* reason;
  };
  for (const Case& c : {
           Case{"truss.csv row 3 (T2): key \"tyx.theta1\": 0 must be within (0, 180) degrees", "T2",
                "row 3: key \"tyx.theta1\": 0 must be within (0, 180) degrees"},
           Case{"truss.csv row 6 (row 6): a T/Y/X job must give this key: tyx.N1", "row 6",
                "row 6: a T/Y/X job must give this key: tyx.N1"},
           Case{"truss.csv row 4, column chord: no section \"9x9x8\"", "T3", "row 4, column chord: no section \"9x9x8\""},
           Case{"truss.csv row 12 (T1): x", "T2", "row 12 (T1): x"},  // another joint's name stays
           Case{"other.csv row 3 (T2): x", "T2", "other.csv row 3 (T2): x"},
       })
    EXPECT_EQ(RefusedRowReason(c.message, "truss.csv", c.joint), c.reason) << c.message;
}

TEST(TrussReport, EveryReportHasTheBraceWeldsOnlyWhenAsked) {
  const std::vector<TrussJoint> joints = {ReadJoint("K1", "bench/jobs/kn_gap.json")};
  for (const bool brace_welds : {true, false}) {
    const std::vector<ReportPart> parts = TrussReportParts(joints, JobInfo{}, 0, brace_welds);
    const LaidOutReport laid = parts[1].lay_out(2, 1 + parts[1].page_count);
    bool welds = false;
    for (const auto& t : laid.ops.texts()) welds = welds || t.text.find("KEEVISÕMBLUSED") != std::string::npos;
    EXPECT_EQ(welds, brace_welds);
  }
}

}  // namespace
}  // namespace traxen
