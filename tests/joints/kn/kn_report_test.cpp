// The plain K/N report as a whole: golden text reports, the summary of the same result,
// the hand-over to the reinforced report, and hostile inputs.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "joints/kn/kn_gap_checks.h"
#include "joints/kn/kn_gap_lines.h"
#include "joints/kn/kn_geometry_lines.h"
#include "joints/kn/kn_report.h"
#include "joints/kn/kn_test_inputs.h"
#include "model/job.h"
#include "families/dispatch.h"
#include "report/recording_surface.h"
#include "families/report_text.h"
#include "support/test_support.h"

namespace traxen {
namespace {

using testing::KnGapInputs;

class KnGoldenReport : public ::testing::TestWithParam<const char*> {};

TEST_P(KnGoldenReport, MatchesGolden) {
  const std::string base = testing::TestPath(std::string("joints/kn/reports/") + GetParam());
  EXPECT_TRUE(testing::MatchesGolden(base + ".txt", testing::RenderJobText(base + ".json")));
}

TEST_P(KnGoldenReport, EnglishReportMatchesGolden) {
  const std::string base = testing::TestPath(std::string("joints/kn/reports/") + GetParam());
  EXPECT_TRUE(
      testing::MatchesGolden(base + ".en.txt", testing::RenderJobText(base + ".json", ReportLanguage::kEnglish)));
}

INSTANTIATE_TEST_SUITE_P(Jobs, KnGoldenReport,
                         ::testing::Values("gap_joint", "overlap_brace1_on_top", "overlap_brace2_on_top",
                                           "eccentric_gap_joint", "failing_validity"));

Job KnJob() {
  Job job;
  job.family.is_kn = 1;
  KnJoint& k = job.kn;
  k.h0 = 200, k.b0 = 200, k.t0 = 8;
  k.h1 = 100, k.b1 = 100, k.t1 = 5;
  k.h2 = 100, k.b2 = 100, k.t2 = 5;
  k.theta1 = k.theta2 = 45;
  k.N1 = -152, k.N2 = 152;
  k.chord_class = k.brace1_class = k.brace2_class = 1;
  job.chord.A0 = 5924, job.chord.Wel0 = 353000;
  return job;
}

TEST(KnReport, SummaryOfAGapJoint) {
  const CheckSummary s = CheckJob(KnJob(), ReportInputs{}, 0);
  EXPECT_EQ(s.family, "kn");
  EXPECT_EQ(s.report, "plain");
  EXPECT_EQ(s.title, "  ÜLEKATTETA KN SÕLM ");
  ASSERT_TRUE(s.g.has_value());
  EXPECT_NEAR(*s.g, 58.58, 0.01);
  EXPECT_FALSE(s.p.has_value());
  EXPECT_FALSE(s.lambda_ov.has_value());
  EXPECT_TRUE(s.valid);
  EXPECT_EQ(s.verdicts.size(), 10u);
  EXPECT_TRUE(s.passed());
}

TEST(KnReport, SummaryOfAnOverlapJoint) {
  Job job = KnJob();
  job.kn.h0 = 100, job.kn.b0 = 150, job.kn.t0 = 6;
  const CheckSummary s = CheckJob(job, ReportInputs{}, 0);
  EXPECT_EQ(s.title, "  ÜLEKATTEGA KN SÕLM ");
  ASSERT_TRUE(s.p && s.lambda_ov);
  EXPECT_NEAR(*s.p, 141.42, 0.01);
  EXPECT_NEAR(*s.lambda_ov, -*s.g / *s.p * 100, 1e-12);
  ASSERT_EQ(s.verdicts.size(), 1u);
  EXPECT_EQ(s.verdicts[0].mode, "overlap");
  EXPECT_EQ(s.verdicts[0].brace, 1);  // equal widths: brace 1 is checked

  const std::string text = RenderReportText(job, ReportInputs{}, 0);
  EXPECT_EQ(text.find("Pealmine"), std::string::npos);  // neither brace is narrower
  EXPECT_NE(text.find("Ülekate λOv  = g/p×100 = 29.3%\n"), std::string::npos) << text;
}

TEST(KnReport, Mode3bBeyondPlasticShearPrintsAFailedVerdict) {
  ReportInputs in = KnGapInputs();
  StoreKnGeometry(in);
  in.N1 = -2000;
  const KnGapChecks checks = ComputePlainKnGapChecks(in);
  RecordingSurface surface;
  ReportCanvas canvas(surface);
  std::vector<ReportTextPiece> log;
  canvas.text_log = &log;
  PrintKnGapMode3b(canvas, KnUsedInputsOf(in), checks.brace1);
  const std::string text = ReportPiecesToText(log);
  EXPECT_NE(text.find("} /1000 = nan kN\n"), std::string::npos) << text;
  EXPECT_NE(text.find("N0,Rd  = nan kN < |N0,Ed | ="), std::string::npos) << text;
  EXPECT_EQ(canvas.failed, 0);  // a resistance verdict never stops the report
  bool red = false;
  for (const auto& t : surface.texts()) red |= t.text == "Ei rahulda! " && t.color == kRed;
  EXPECT_TRUE(red);
}

TEST(KnReport, SummaryOfAFailedValidityHasNoVerdicts) {
  Job job = KnJob();
  job.kn.theta2 = 20;  // θ2 < 30 and the gap grows beyond 1.5·(1 − β)
  const CheckSummary s = CheckJob(job, ReportInputs{}, 0);
  EXPECT_FALSE(s.valid);
  EXPECT_GE(s.failed_conditions, 1);
  EXPECT_TRUE(s.verdicts.empty());
  EXPECT_FALSE(s.passed());

  RecordingSurface surface;
  const RenderResult r = RenderReport(surface, job, ReportInputs{}, 0, {});
  EXPECT_EQ(r.failed, 1);
  const std::string text = RenderReportText(job, ReportInputs{}, 0);
  EXPECT_NE(text.find("EI SAA ARVUTADA, KUNA EELDUSED POLE TÄIDETUD!!!"), std::string::npos);
}

TEST(KnReport, GapExactlyZeroHasNoTitleAndStops) {
  Job job = KnJob();
  job.kn.e = -100;             // the axes meet on the chord face …
  job.kn.h1 = job.kn.h2 = 0;   // … and braces of no depth leave exactly no gap
  const CheckSummary s = CheckJob(job, ReportInputs{}, 0);
  ASSERT_TRUE(s.g.has_value());
  ASSERT_EQ(*s.g, 0.0);
  EXPECT_EQ(s.title, "");
  EXPECT_FALSE(s.p.has_value());
  EXPECT_FALSE(s.valid);
  EXPECT_TRUE(s.verdicts.empty());

  const std::string text = RenderReportText(job, ReportInputs{}, 0);
  EXPECT_NE(text.find("Varraste vahe g =  0.0 mm\n"), std::string::npos) << text;
  EXPECT_EQ(text.find("Ülekate "), std::string::npos);
  EXPECT_NE(text.find("g < t1  + t2 = 0.00 < 5.0 + 5.0 = 10.00 Ei rahulda \n"), std::string::npos);
  EXPECT_NE(text.find("EI SAA ARVUTADA, KUNA EELDUSED POLE TÄIDETUD!!!"), std::string::npos);
}

TEST(KnReport, AnyPlateHandsOverToTheReinforcedReport) {
  for (int flag = 0; flag < 3; ++flag) {
    Job job = KnJob();
    (flag == 0 ? job.kn.face_plate : flag == 1 ? job.kn.side_plates : job.kn.overlap_plate) = 1;
    EXPECT_EQ(CheckJob(job, ReportInputs{}, 0).report, "reinforced") << flag;
  }
}

TEST(KnReport, PrintedResistancesAreTheSummarysNumbers) {
  Job job = KnJob();
  const CheckSummary s = CheckJob(job, ReportInputs{}, 0);
  const std::string text = RenderReportText(job, ReportInputs{}, 0);
  for (const ResistanceVerdict& v : s.verdicts) {
    char rd[32];
    std::snprintf(rd, sizeof rd, " = %3.1lf kN >= |N", v.N_Rd);
    EXPECT_NE(text.find(rd), std::string::npos) << v.brace << " " << v.mode;
  }
}

TEST(KnReport, ChordStateLines) {
  ReportInputs in = KnGapInputs();
  struct Case {
    double e;
    bool lines;
    const char* limit_text;
  };
  for (const Case c : {Case{50, false, ""}, Case{-110, false, ""}, Case{50.5, true, "> 0.25×h 0  = 0.25×200.0 = 50.0 mm,"},
                       Case{-111, true, "< -0.55×h 0  = -0.55×200.0 = -110.0 mm,"}}) {
    in.e = c.e;
    const KnChordState state = ComputeKnChordState(in, 0.5, in.A0);
    const std::string text = testing::PrintedText(
        [&](ReportCanvas& canvas) { PrintKnChordStateLines(canvas, state); });
    EXPECT_EQ(text.find("Siin on eeldatud") != std::string::npos, c.lines) << c.e;
    if (c.lines) {
      EXPECT_NE(text.find(c.limit_text), std::string::npos) << text;
    }
  }

  // N0,Ed exactly 0: the one-segment kn line.
  in = KnGapInputs();
  in.N1 = -100;
  in.N0_left = 100 * std::cos(45 * 3.14159265 / 180);
  const KnChordState zero = ComputeKnChordState(in, 0.5, in.A0);
  const std::string text = testing::PrintedText(
      [&](ReportCanvas& canvas) { PrintKnChordStateLines(canvas, zero); });
  EXPECT_NE(text.find("k n =  1\n"), std::string::npos) << text;
  EXPECT_EQ(text.find("1,3 - 0,4"), std::string::npos);
}

// Degenerate input must render and check without a crash, hang or undefined behaviour.
TEST(KnReport, HostileInputsRenderAndCheck) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  std::vector<Job> jobs;
  for (double theta : {0.0, 180.0, 90.0, -45.0}) {
    Job j = KnJob();
    j.kn.theta1 = theta;
    jobs.push_back(j);
    j = KnJob();
    j.kn.theta2 = theta;
    jobs.push_back(j);
  }
  Job zero;
  zero.family.is_kn = 1;  // no sections chosen at all
  jobs.push_back(zero);
  for (double v : {nan, inf, -inf, 1e300}) {
    Job j = KnJob();
    j.kn.e = v;
    j.kn.N1 = v;
    jobs.push_back(j);
    j = KnJob();
    j.kn.h1 = v;
    j.kn.b0 = v;
    j.chord.A0 = v;
    jobs.push_back(j);
  }
  Job overlap_nan = KnJob();
  overlap_nan.kn.h0 = 100;
  overlap_nan.kn.b2 = nan;
  jobs.push_back(overlap_nan);

  for (const Job& job : jobs) {
    RecordingSurface surface;
    RenderReport(surface, job, ReportInputs{}, 0, {});
    const CheckSummary s = CheckJob(job, ReportInputs{}, 0);
    EXPECT_EQ(s.family, "kn");
    EXPECT_FALSE(RenderReportText(job, ReportInputs{}, 0).empty());
  }
}

}  // namespace
}  // namespace traxen
