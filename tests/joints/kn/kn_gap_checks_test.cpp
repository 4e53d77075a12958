// Gap-joint resistances: the worked values of brace 1, the 0.9 reduction, mode 3b beyond
// the plastic shear resistance, punching left out, and the verdicts of the summary.
#include <gtest/gtest.h>

#include <cmath>

#include "joints/kn/kn_gap_checks.h"
#include "joints/kn/kn_test_inputs.h"
#include "support/test_support.h"

namespace traxen {
namespace {

using testing::KnGapInputs;

// Brace 1 with fy0 = fy1 = 355, 200×200×8 chord, 100×100×5 brace at 45°, g = 50, β = 0.6,
// chord in tension (kn = 1).
ReportInputs WorkedBrace1() {
  ReportInputs in = KnGapInputs();
  in.g = 50;
  in.b2 = in.h2 = 140;  // β = (100 + 140 + 100 + 140) / 800 = 0.6
  in.N0_left = 300;
  in.N1 = -200;
  return in;
}

TEST(KnGapChecks, WorkedValuesOfBrace1) {
  const ReportInputs in = WorkedBrace1();
  const KnGapChecks checks = ComputePlainKnGapChecks(in);
  const KnGapBraceChecks& c = checks.brace1;
  EXPECT_DOUBLE_EQ(c.aux.beta, 0.6);
  EXPECT_DOUBLE_EQ(c.aux.gamma, 12.5);
  EXPECT_EQ(c.chord.kn, 1.0);
  EXPECT_NEAR(c.mode1.N_Rd, 606.6, 0.05);
  EXPECT_NEAR(c.aux.b_eff.value, 64.0, 1e-9);
  EXPECT_NEAR(c.mode2.N_Rd, 610.6, 0.05);
  EXPECT_NEAR(c.aux.alpha, 0.137, 0.0005);
  EXPECT_NEAR(c.aux.A_V, 3419.6, 0.05);
  EXPECT_NEAR(c.mode3a.N_Rd, 991.2, 0.05);
  EXPECT_NEAR(c.aux.b_ep.value, 40.0, 1e-9);
  EXPECT_NEAR(c.punching_limit, 0.92, 1e-12);
  EXPECT_TRUE(c.punching_applies);
  EXPECT_NEAR(c.mode4.N_Rd, 980.5, 0.05);
  for (const KnResistance* r : {&c.mode1, &c.mode2, &c.mode3a, &c.mode4}) {
    EXPECT_FALSE(r->reduced);
    EXPECT_EQ(r->N_Ed, 200.0);
    EXPECT_TRUE(r->passed);
  }
}

TEST(KnGapChecks, BothBracesShareTheChordStateOfBrace1) {
  ReportInputs in = KnGapInputs();
  in.theta2 = 60;
  in.N2 = 90;
  const KnGapChecks checks = ComputePlainKnGapChecks(in);
  const double N0 = in.N0_left + in.N1 * std::cos(45 * 3.14159265 / 180);
  EXPECT_DOUBLE_EQ(checks.brace1.chord.N0_Ed, N0);
  EXPECT_DOUBLE_EQ(checks.brace2.chord.N0_Ed, N0);
  EXPECT_EQ(checks.brace2.chord.kn, checks.brace1.chord.kn);
  EXPECT_DOUBLE_EQ(checks.brace2.mode3b.N_Ed, std::abs(N0));
  // Brace 2's own force and angle in its shear.
  EXPECT_NEAR(checks.brace2.V_Ed, 90 * std::sin(60 * 3.14159265 / 180), 1e-9);
  EXPECT_EQ(checks.brace2.mode3a.N_Ed, 90.0);
}

TEST(KnGapChecks, HighStrengthReducesChordModesByChordSteelAndBraceModeByBraceSteel) {
  ReportInputs in = WorkedBrace1();
  const KnGapBraceChecks base = ComputePlainKnGapChecks(in).brace1;
  in.fy0 = 420;
  in.fy1 = 355;
  in.fy2 = 420;
  const KnGapChecks high = ComputePlainKnGapChecks(in);
  const KnGapBraceChecks& c = high.brace1;
  EXPECT_TRUE(c.mode1.reduced);
  EXPECT_TRUE(c.mode3a.reduced);
  EXPECT_TRUE(c.mode3b.reduced);
  EXPECT_TRUE(c.mode4.reduced);
  EXPECT_FALSE(c.mode2.reduced);
  EXPECT_TRUE(high.brace2.mode2.reduced);
  EXPECT_NEAR(c.mode3a.N_Rd, 0.9 * base.mode3a.N_Rd * 420 / 355, 1e-9);
  // Exactly 355 is not reduced.
  EXPECT_FALSE(base.mode1.reduced);
}

TEST(KnGapChecks, ShearBeyondPlasticResistanceFailsMode3bWithoutANumber) {
  ReportInputs in = KnGapInputs();
  in.N1 = -2000;
  in.N2 = 2000;
  const KnGapChecks checks = ComputePlainKnGapChecks(in);
  const KnGapBraceChecks& c = checks.brace1;
  ASSERT_GT(std::abs(c.V_Ed), c.V_pl_Rd);
  EXPECT_TRUE(std::isnan(c.mode3b.N_Rd));
  EXPECT_FALSE(c.mode3b.passed);

  std::vector<ResistanceVerdict> verdicts;
  AppendKnGapVerdicts(c, verdicts);
  ASSERT_EQ(verdicts[3].mode, "3b");
  EXPECT_TRUE(std::isnan(verdicts[3].N_Rd));
  EXPECT_FALSE(verdicts[3].passed);
}

TEST(KnGapChecks, PunchingLeftOutWhenBetaExceedsItsLimit) {
  ReportInputs in = KnGapInputs();
  in.b0 = 120, in.t0 = 10;  // γ = 6, 1 − 1/γ = 0.833
  in.b1 = in.b2 = 110;      // β = 420 / 480 = 0.875
  const KnGapChecks checks = ComputePlainKnGapChecks(in);
  EXPECT_FALSE(checks.brace1.punching_applies);
  std::vector<ResistanceVerdict> verdicts;
  AppendKnGapVerdicts(checks.brace1, verdicts);
  AppendKnGapVerdicts(checks.brace2, verdicts);
  ASSERT_EQ(verdicts.size(), 8u);
  for (const auto& v : verdicts) EXPECT_NE(v.mode, "4");
}

TEST(KnGapChecks, EffectiveWidthsAreCappedAtTheBraceWidth) {
  ReportInputs in = WorkedBrace1();
  in.t0 = 16;  // b_eff = 10·355·256·100 / (200·355·5) = 256 mm, b_e,p = 80 mm
  in.b0 = in.h0 = 200;
  const KnGapBraceChecks c = ComputePlainKnGapChecks(in).brace1;
  EXPECT_NEAR(c.aux.b_eff.formula, 256.0, 1e-9);
  EXPECT_TRUE(c.aux.b_eff.capped);
  EXPECT_EQ(c.aux.b_eff.value, 100.0);
  EXPECT_NEAR(c.mode2.N_Rd, 355 * 5 * (200 - 20 + 100 + 100) / 1000.0, 1e-9);
  EXPECT_FALSE(c.aux.b_ep.capped);
}

TEST(KnGapChecks, VerdictsInPrintedOrderWithAbsoluteForces) {
  const KnGapChecks checks = ComputePlainKnGapChecks(KnGapInputs());
  std::vector<ResistanceVerdict> v;
  AppendKnGapVerdicts(checks.brace1, v);
  AppendKnGapVerdicts(checks.brace2, v);
  ASSERT_EQ(v.size(), 10u);
  const char* modes[] = {"1", "2", "3a", "3b", "4"};
  for (int k = 0; k < 10; ++k) {
    EXPECT_EQ(v[k].brace, k < 5 ? 1 : 2);
    EXPECT_EQ(v[k].mode, modes[k % 5]);
    EXPECT_GE(v[k].N_Ed, 0);
  }
  EXPECT_EQ(v[0].N_Ed, 152.0);
}

}  // namespace
}  // namespace traxen
