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

// The text drawn `offset` cells after the joint's name in the summary's row.
std::string SummaryCell(const LaidOutReport& summary, const std::string& joint, int offset) {
  const auto& texts = summary.ops.texts();
  for (std::size_t i = 0; i + offset < texts.size(); ++i)
    if (texts[i].text == joint) return texts[i + offset].text;
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
    EXPECT_EQ(SummaryCell(summary, joints[i].name, 6), fmt::format("{}", starts[i])) << joints[i].name;
  EXPECT_EQ(SummaryCell(summary, "K3", 5), "Ei rahulda!");
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
