// Full-strength brace welds: a/t for the usual steels, the weaker part governing, and which
// braces get a weld.
#include "families/joint_family.h"
#include "joints/welds/brace_welds.h"

#include <gtest/gtest.h>

#include <cmath>

#include "base/number_format.h"

namespace traxen {
namespace {

Job OneSteelTJoint(double fy, double fu) {
  Job job;
  job.family.is_tyx = 1;
  job.family.is_kn = 0;
  job.tyx.x_joint = 0;
  job.tyx.t1 = 10.0;
  job.steel.fy0 = job.steel.fy1 = job.steel.fy2 = fy;
  job.steel.fu0 = job.steel.fu1 = job.steel.fu2 = fu;
  job.steel.gamma_M0 = 1.0;
  job.steel.gamma_M2 = 1.25;
  return job;
}

// a/t = √2 βw γM2 fy / (γM0 fu), checked by hand:
//   S235: 1.4142 × 0.80 × 1.25 × 235 / 360 = 0.923
//   S275: 1.4142 × 0.85 × 1.25 × 275 / 430 = 0.961
//   S355: 1.4142 × 0.90 × 1.25 × 355 / 510 = 1.108
//   S420: 1.4142 × 1.00 × 1.25 × 420 / 520 = 1.428
//   S460: 1.4142 × 1.00 × 1.25 × 460 / 550 = 1.478
TEST(BraceWelds, ThroatPerWallForTheUsualSteels) {
  struct Case { double fy, fu, beta_w, a_over_t; };
  const Case cases[] = {
      {235, 360, 0.80, 0.92}, {275, 430, 0.85, 0.96}, {355, 510, 0.90, 1.11},
      {420, 520, 1.00, 1.43}, {460, 550, 1.00, 1.48},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.fy);
    const auto welds = ComputeBraceWelds(OneSteelTJoint(c.fy, c.fu));
    ASSERT_EQ(welds.size(), 1u);
    EXPECT_DOUBLE_EQ(welds[0].beta_w, c.beta_w);
    EXPECT_NEAR(welds[0].a_over_t, c.a_over_t, 0.005);
    EXPECT_NEAR(welds[0].a_min, 10.0 * welds[0].a_over_t, 1e-12);
  }
}

TEST(BraceWelds, CorrelationFactorStepsAtTheGradeLimits) {
  EXPECT_DOUBLE_EQ(WeldCorrelationFactor(235.0), 0.80);
  EXPECT_DOUBLE_EQ(WeldCorrelationFactor(235.1), 0.85);
  EXPECT_DOUBLE_EQ(WeldCorrelationFactor(275.0), 0.85);
  EXPECT_DOUBLE_EQ(WeldCorrelationFactor(355.0), 0.90);
  EXPECT_DOUBLE_EQ(WeldCorrelationFactor(355.1), 1.00);
}

// An S460 brace on an S355 chord: the chord's fu and βw govern the weld, the brace's fy and
// wall its force.
TEST(BraceWelds, WeakerChordGoverns) {
  Job job = OneSteelTJoint(355, 510);
  job.steel.fy1 = 460;
  job.steel.fu1 = 550;
  const BraceWeld w = ComputeBraceWelds(job).at(0);
  EXPECT_TRUE(w.chord_governs);
  EXPECT_DOUBLE_EQ(w.fu, 510);
  EXPECT_DOUBLE_EQ(w.beta_w, 0.90);
  EXPECT_NEAR(w.a_over_t, std::sqrt(2.0) * 0.90 * 1.25 * 460 / 510, 1e-12);

  // The other way round the brace is the weaker part.
  job = OneSteelTJoint(460, 550);
  job.steel.fy1 = 355;
  job.steel.fu1 = 510;
  EXPECT_FALSE(ComputeBraceWelds(job).at(0).chord_governs);
}

TEST(BraceWelds, KJointWeldsEachBraceByItsOwnWall) {
  Job job = OneSteelTJoint(355, 510);
  job.family.is_tyx = 0;
  job.family.is_kn = 1;
  job.kn.t1 = 6.0;
  job.kn.t2 = 4.0;
  const auto welds = ComputeBraceWelds(job);
  ASSERT_EQ(welds.size(), 2u);
  EXPECT_EQ(welds[0].brace, 1);
  EXPECT_EQ(welds[1].brace, 2);
  EXPECT_NEAR(welds[0].a_min, 6.0 * welds[0].a_over_t, 1e-12);
  EXPECT_NEAR(welds[1].a_min, 4.0 * welds[1].a_over_t, 1e-12);
  EXPECT_NEAR(welds[0].a_min, 6.645, 0.001);  // the 6.6 mm of a 6 mm S355 wall
}

TEST(BraceWelds, BracesByFamily) {
  Job x = OneSteelTJoint(355, 510);
  x.tyx.x_joint = 1;
  x.tyx.t2 = 8.0;
  const auto x_welds = ComputeBraceWelds(x);
  ASSERT_EQ(x_welds.size(), 2u);
  EXPECT_EQ(x_welds[1].brace, 2);
  EXPECT_DOUBLE_EQ(x_welds[1].t, 8.0);

  Job none;
  none.family.is_tyx = 0;
  none.family.is_kn = 0;
  EXPECT_TRUE(ComputeBraceWelds(none).empty());
}

// A zero ultimate strength gives an infinite throat, never a crash or a small number.
TEST(BraceWelds, ZeroStrengthGivesInfinity) {
  Job job = OneSteelTJoint(355, 0);
  EXPECT_TRUE(std::isinf(ComputeBraceWelds(job).at(0).a_min));
  EXPECT_FALSE(ComputeBraceWelds(job).at(0).sound);
}

// A weld is sound when it prints above 0.0 mm: at the rounding boundary of "%3.1lf" and
// for throats that are not numbers.
TEST(BraceWelds, AWeldThatPrintsAsZeroIsNotSound) {
  struct Case {
    double gamma_M0;
    const char* printed;
    bool sound;
  };
  // 10 mm of S355 wall to S355: a / t = 1.107 / γM0.
  const Case cases[] = {{1.0, "11.1", true}, {100, "0.1", true}, {300, "0.0", false}, {1e6, "0.0", false}};
  for (const Case& c : cases) {
    Job job = OneSteelTJoint(355, 510);
    job.steel.gamma_M0 = c.gamma_M0;
    const BraceWeld w = ComputeBraceWelds(job).at(0);
    EXPECT_EQ(FormatNumber("%3.1lf", w.a_min), c.printed) << c.gamma_M0;
    EXPECT_EQ(w.sound, c.sound) << c.gamma_M0;
  }
  Job nan = OneSteelTJoint(355, 510);
  nan.tyx.t1 = std::nan("");
  EXPECT_FALSE(ComputeBraceWelds(nan).at(0).sound);
}

}  // namespace
}  // namespace traxen

// The report's closing section: present after computed checks, with the numbers the
// results carry; absent after a failed condition and when the reader asks for none.
#include "base/number_format.h"
#include "model/job_file.h"
#include "model/confirm_job.h"
#include "model/job_template.h"
#include "families/dispatch.h"
#include "families/report_text.h"
#include "support/test_support.h"

namespace traxen {
namespace {

LoadedJob LoadGapJoint() {
  LoadedJob loaded;
  EXPECT_FALSE(LoadJobFile(testing::TestPath("joints/kn/reports/gap_joint.json"), "", loaded));
  return loaded;
}

TEST(BraceWeldSection, PrintsTheThroatsTheResultsCarry) {
  const LoadedJob job = LoadGapJoint();
  const CheckSummary s = CheckJob(job.job, job.working, job.last_dialog);
  ASSERT_EQ(s.welds.size(), 2u);
  const std::string text = RenderReportText(job.job, job.working, job.last_dialog);
  const std::size_t heading = text.find("KEEVISÕMBLUSED\n");
  ASSERT_NE(heading, std::string::npos);
  std::size_t at = heading;
  for (const WeldSummary& w : s.welds) {
    at = text.find("a" + std::to_string(w.brace) + " >= √2×βw×γM2", at);
    ASSERT_NE(at, std::string::npos) << "brace " << w.brace;
    at = text.find("= " + FormatNumber("%3.1lf mm", w.a_min) + "\n", at);
    EXPECT_NE(at, std::string::npos) << "brace " << w.brace;
  }
}

// A job whose every check passes but whose weld prints as 0.0 mm (a partial factor typed as
// 1000) does not pass: the weld's line is red with the failed verdict.
TEST(BraceWeldSection, AWeldThatPrintsAsZeroFailsTheJob) {
  Job job = TemplateJob("tyx");
  JsonFieldSet none;
  ConfirmJsonJob(job, none);
  ASSERT_TRUE(CheckJob(job, ReportInputs{}, 1).passed());
  job.steel.gamma_M0 = 1000;
  const CheckSummary s = CheckJob(job, ReportInputs{}, 1);
  EXPECT_TRUE(s.valid);
  ASSERT_FALSE(s.verdicts.empty());
  for (const ResistanceVerdict& v : s.verdicts) EXPECT_TRUE(v.passed);
  ASSERT_EQ(s.welds.size(), 1u);
  EXPECT_FALSE(s.passed());
  const std::string text = RenderReportText(job, ReportInputs{}, 1);
  EXPECT_NE(text.find("= 0.0 mm Ei rahulda!"), std::string::npos) << text;
}

TEST(BraceWeldSection, AbsentAfterAFailedConditionOrWhenLeftOut) {
  LoadedJob job = LoadGapJoint();
  EXPECT_EQ(RenderReportText(job.job, job.working, job.last_dialog, false).find("KEEVISÕMBLUSED"),
            std::string::npos);

  job.job.kn.theta1 = 20;  // below the 30° the joint rules need
  const CheckSummary s = CheckJob(job.job, job.working, job.last_dialog);
  EXPECT_FALSE(s.valid);
  EXPECT_TRUE(s.welds.empty());
  const std::string text = RenderReportText(job.job, job.working, job.last_dialog);
  EXPECT_NE(text.find("EI SAA ARVUTADA"), std::string::npos);
  EXPECT_EQ(text.find("KEEVISÕMBLUSED"), std::string::npos);
}

}  // namespace
}  // namespace traxen
