// Whole circular hollow section reports through the family's entry points: compared with
// reviewed copies, agreeing with the check summary, nothing written over anything else; the
// published joints through the Job record; the brace welds of both families.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>

#include "base/number_format.h"
#include "chs_fixture.h"
#include "joints/chs/chs_compute.h"
#include "joints/chs/chs_job.h"
#include "model/confirm_job.h"
#include "model/json_job.h"
#include "support/test_support.h"

namespace traxen::testing {
namespace {

Job ReadJob(const std::string& name) {
  JsonJob read;
  const std::string path = TestPath("joints/chs/jobs/" + name + ".json");
  if (LoadError e = ReadJsonJob(ReadFile(path), path, read)) ADD_FAILURE() << e.message;
  ConfirmJsonJob(read.job, read.present);
  return read.job;
}

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

int Occurrences(const std::string& text, const std::string& part) {
  int n = 0;
  for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
  return n;
}

class ChsGolden : public ::testing::TestWithParam<const char*> {};

TEST_P(ChsGolden, ReportTextMatchesReviewedCopy) {
  const std::string name = GetParam();
  EXPECT_TRUE(MatchesGolden(TestPath("joints/chs/golden/" + name + ".txt"), ChsReportText(ReadJob(name))));
}

// The summary `traxen-cli check` prints and the report come from one computation.
TEST_P(ChsGolden, CheckSummaryAgreesWithPrintedReport) {
  const std::string name = GetParam();
  const Job job = ReadJob(name);
  ChsRendered out;
  RenderChs(job, out);
  const CheckSummary check = job.family.is_chs_kn == 1 ? CheckChsKnJob(job) : CheckChsTyxJob(job);
  EXPECT_EQ(check.family, out.summary.family);
  EXPECT_EQ(check.title, out.summary.title);
  EXPECT_TRUE(Contains(out.text, check.title.substr(2))) << check.title;
  ASSERT_EQ(check.verdicts.size(), out.summary.verdicts.size());
  for (const ResistanceVerdict& v : check.verdicts) {
    const std::string line = FormatNumber("N" + std::to_string(v.brace) + ",Rd = %3.1lf kN", v.N_Rd) +
                             (v.passed ? " >= |N" : " < |N") + std::to_string(v.brace) +
                             FormatNumber(",Ed| = %3.1lf kN", v.N_Ed) + (v.passed ? " Korras!" : " Ei rahulda!");
    EXPECT_TRUE(Contains(out.text, line)) << name << ": no line " << line;
  }
  EXPECT_EQ(check.valid, !Contains(out.text, "EI SAA ARVUTADA"));
  EXPECT_EQ(check.failed_conditions, static_cast<int>(check.failed_condition_names.size()));
  int failed_verdicts = 0;
  for (const ResistanceVerdict& v : check.verdicts) failed_verdicts += v.passed ? 0 : 1;
  EXPECT_EQ(Occurrences(out.text, "Ei rahulda!"), check.failed_conditions + failed_verdicts);
  EXPECT_EQ(out.failed != 0, check.failed_conditions > 0);
  EXPECT_EQ(Contains(out.text, "KEEVISÕMBLUSED"), check.valid);
}

TEST_P(ChsGolden, NoPieceOfALineOverlapsAnotherOrLeavesTheFrame) {
  ChsRendered out;
  RenderChs(ReadJob(GetParam()), out);
  for (std::size_t i = 1; i < out.pieces.size(); ++i) {
    const ReportTextPiece& a = out.pieces[i - 1];
    const ReportTextPiece& b = out.pieces[i];
    if (a.line_y == b.line_y) {
      EXPECT_GE(b.x, a.x_end) << "'" << a.text << "' / '" << b.text << "'";
    }
  }
  for (const ReportTextPiece& p : out.pieces) EXPECT_LE(p.x_end, 850) << p.text;
}

INSTANTIATE_TEST_SUITE_P(Jobs, ChsGolden,
                         ::testing::Values("t_published", "x_fy420", "k_gap_published", "k_overlap_note",
                                           "t_invalid"));

TEST(ChsFamily, PublishedTJointThroughTheJobRecord) {
  const CheckSummary s = CheckChsTyxJob(ReadJob("t_published"));
  EXPECT_EQ(s.family, "chs_tyx");
  EXPECT_EQ(s.report, "plain");
  EXPECT_EQ(s.title, "  ÜMARTORUDEST T ja Y SÕLM ");
  ASSERT_EQ(s.verdicts.size(), 2u);
  EXPECT_EQ(s.verdicts[0].mode, "1");
  EXPECT_NEAR(s.verdicts[0].N_Rd, 95.76, 0.01);
  EXPECT_EQ(s.verdicts[1].mode, "4");
  EXPECT_NEAR(s.verdicts[1].N_Rd, 163.242, 0.001);
  EXPECT_DOUBLE_EQ(s.verdicts[0].N_Ed, 79.5);
  EXPECT_EQ(ModeName(s, s.verdicts[0]), "chord face failure");
  EXPECT_EQ(ModeName(s, s.verdicts[1]), "punching shear");
  EXPECT_TRUE(s.passed());
  EXPECT_FALSE(s.g.has_value());
  // The chord's A0 and Wel0 are the ring's: the report says where they come from.
  const ChsResult r = ComputeChsTyx(ChsTyxInputsOf(ReadJob("t_published")));
  EXPECT_TRUE(r.A0_derived && r.Wel0_derived);
}

TEST(ChsFamily, PublishedKGapJointThroughTheJobRecord) {
  const Job job = ReadJob("k_gap_published");
  const ChsResult r = ComputeChsKn(ChsKnInputsOf(job));
  EXPECT_FALSE(r.A0_derived);
  EXPECT_DOUBLE_EQ(r.A0, 8110);
  EXPECT_TRUE(r.Wel0_derived);
  EXPECT_NEAR(r.g, 39.5, 0.05);
  EXPECT_NEAR(r.kg, 1.763, 0.001);
  EXPECT_NEAR(r.prestress.kp, 0.860, 0.001);
  const CheckSummary s = CheckChsKnJob(job);
  EXPECT_EQ(s.family, "chs_kn");
  EXPECT_EQ(s.title, "  ÜMARTORUDEST ÜLEKATTETA KN SÕLM ");
  ASSERT_TRUE(s.g.has_value());
  EXPECT_NEAR(*s.g, 39.5, 0.05);
  EXPECT_FALSE(s.p.has_value() || s.lambda_ov.has_value());
  ASSERT_EQ(s.verdicts.size(), 4u);
  EXPECT_EQ(s.verdicts[1].brace, 2);
  EXPECT_DOUBLE_EQ(s.verdicts[1].N_Ed, 500);  // N2 from equilibrium
}

TEST(ChsFamily, OverlapJointNamesItsOverlapAndTheHiddenToe) {
  const Job job = ReadJob("k_overlap_note");
  const CheckSummary s = CheckChsKnJob(job);
  EXPECT_EQ(s.title, "  ÜMARTORUDEST ÜLEKATTEGA KN SÕLM ");
  ASSERT_TRUE(s.lambda_ov.has_value() && s.p.has_value());
  EXPECT_GT(*s.lambda_ov, 60);
  EXPECT_NEAR(*s.p, 101.6 / std::sin(std::numbers::pi / 4), 1e-9);  // brace 2, the smaller, overlaps
  EXPECT_TRUE(Contains(ChsReportText(job), "varjatud serv tuleb keevitada"));
}

TEST(ChsFamily, FailedConditionsAreNamedAndNothingIsComputed) {
  const CheckSummary s = CheckChsTyxJob(ReadJob("t_invalid"));
  EXPECT_FALSE(s.valid);
  EXPECT_TRUE(s.verdicts.empty());
  EXPECT_FALSE(s.passed());
  const std::vector<std::string> expected = {"brace 1: 0.2 <= d1 / d0 <= 1.0", "chord: 10 <= d0 / t0 <= 50",
                                             "chord: section class 1 or 2", "brace 1: 30 <= theta1 <= 150",
                                             "brace 1: t1 >= 2.5"};
  EXPECT_EQ(s.failed_condition_names, expected);
}

TEST(ChsFamily, ANonFiniteInputNeverPasses) {
  for (double bad : {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity()}) {
    Job job = ReadJob("t_published");
    job.chs_tyx.N1 = bad;
    EXPECT_FALSE(CheckChsTyxJob(job).passed()) << bad;
    job = ReadJob("t_published");
    job.chord.Wel0 = bad;
    EXPECT_FALSE(CheckChsTyxJob(job).passed()) << bad;
    Job kn = ReadJob("k_gap_published");
    kn.chs_kn.e = bad;
    EXPECT_FALSE(CheckChsKnJob(kn).passed()) << bad;
    if (std::isnan(bad)) {
      EXPECT_EQ(ChsKnTitle(kn), "");
    }
  }
}

TEST(ChsFamily, BraceWeldsForEveryBrace) {
  struct Case {
    const char* job;
    std::size_t welds;
    double t2;
  };
  for (const Case& c : {Case{"t_published", 1, 0}, Case{"x_fy420", 2, 4}, Case{"k_gap_published", 2, 3.6}}) {
    const std::vector<BraceWeld> welds = ComputeBraceWelds(ReadJob(c.job));
    ASSERT_EQ(welds.size(), c.welds) << c.job;
    if (c.welds == 2) {
      EXPECT_DOUBLE_EQ(welds[1].t, c.t2) << c.job;
    }
  }
}

}  // namespace
}  // namespace traxen::testing
