// The check of round braces on a rectangular chord: the hand-computed resistances, every
// validity limit at, just inside and just outside its edge, which brace overlaps, the overlap
// formulas, the 0.9 reduction, the chord stress factor and hostile numbers.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <string>

#include "joints/rc/rc_compute.h"
#include "joints/rc/rc_job.h"
#include "joints/rc/rc_texts.h"
#include "model/json_job_rc.h"

namespace traxen::testing {
namespace {

const RcCondition* Find(const RcResult& r, RcConditionKind kind, int member = -1) {
  for (const RcCondition& c : r.conditions)
    if (c.kind == kind && (member < 0 || c.member == member)) return &c;
  return nullptr;
}

const RcResistance* Find(const RcResult& r, RcMode mode, int brace) {
  for (const RcResistance& x : r.resistances)
    if (x.mode == mode && x.brace == brace) return &x;
  return nullptr;
}

// SHS 200 × 200 × 8 with a CHS 114.3 × 5.0 brace at 90°, S355, k_n = 1 (a tie chord).
RcTyxInputs HandTJoint() {
  RcTyxInputs in;
  in.chord = {200, 200, 8, 355, 4000};
  in.brace = {114.3, 5, 355, 4000};
  in.theta1 = 90;
  in.N0 = 100;  // tension: k_n = 1
  in.N1 = -100;
  in.A0 = RcChordArea(200, 200, 8);
  in.Wel0 = RcChordModulus(200, 200, 8);
  return in;
}

// The same chord with two such braces at 45° and a gap of 50 mm.
RcKnInputs HandKGapJoint() {
  RcKnInputs in;
  in.chord = {200, 200, 8, 355, 4000};
  in.brace1 = in.brace2 = {114.3, 5, 355, 4000};
  in.theta1 = in.theta2 = 45;
  // g = (e + h0/2)(cot θ1 + cot θ2) − d1/(2 sin θ1) − d2/(2 sin θ2) = 50 mm.
  const double s = std::sin(45 * 3.14159265 / 180), c = std::cos(45 * 3.14159265 / 180);
  in.e = (50 + 114.3 / s) / (2 * c / s) - 100;
  in.N0_left = 300;  // the chord in tension: k_n = 1
  in.N1 = -300;
  in.N2 = 300;
  in.N0_right = in.N0_left + in.N1 * c - in.N2 * c;
  in.A0 = RcChordArea(200, 200, 8);
  in.Wel0 = RcChordModulus(200, 200, 8);
  return in;
}

TEST(RcCompute, HandComputedTJoint) {
  const RcResult r = ComputeRcTyx(HandTJoint());
  ASSERT_TRUE(r.valid) << r.failed_count;
  EXPECT_NEAR(r.beta, 0.5715, 1e-12);
  EXPECT_DOUBLE_EQ(r.stress.kn, 1.0);
  EXPECT_NEAR(RcTyxChordFace(1.0, 355, 8, r.beta, r.eta, 90), 199.44, 0.005);  // before π/4
  ASSERT_EQ(r.resistances.size(), 1u);
  EXPECT_EQ(r.resistances[0].mode, RcMode::kChordFace);
  EXPECT_NEAR(r.resistances[0].resistance, 156.64, 0.005);
  EXPECT_FALSE(r.resistances[0].reduced);
  EXPECT_DOUBLE_EQ(r.N1_Rd, r.resistances[0].resistance);
  EXPECT_TRUE(r.passed);
}

TEST(RcCompute, HandComputedKGapJoint) {
  const RcResult r = ComputeRcKn(HandKGapJoint());
  ASSERT_TRUE(r.valid) << r.failed_count;
  EXPECT_NEAR(r.g, 50, 1e-6);
  EXPECT_FALSE(r.overlap);
  EXPECT_DOUBLE_EQ(r.gamma, 12.5);
  EXPECT_DOUBLE_EQ(r.stress.kn, 1.0);
  EXPECT_DOUBLE_EQ(r.A_v, 3200);  // α = 0: the side walls alone
  for (int brace : {1, 2}) {
    SCOPED_TRACE(brace);
    EXPECT_NEAR(Find(r, RcMode::kChordFace, brace)->resistance, 453.81, 0.005);
    EXPECT_NEAR(Find(r, RcMode::kBrace, brace)->resistance, 552.13, 0.005);
    EXPECT_NEAR(Find(r, RcMode::kPunching, brace)->resistance, 880.21, 0.005);
    EXPECT_NEAR(Find(r, RcMode::kChordShear, brace)->resistance, 927.54, 0.005);  // no π/4
    EXPECT_NEAR(r.b_eff[brace - 1].value, 73.152, 1e-9);
    EXPECT_NEAR(r.b_ep[brace - 1].value, 45.72, 1e-9);
  }
  // The chord in the gap, without π/4: (A0 − Av) fy0 + Av fy0 √(1 − (V_Ed / V_pl,Rd)²).
  const double v_pl = 3200 * 355 / std::sqrt(3.0) / 1000;
  const double v_ed = 300 * std::sin(45 * 3.14159265 / 180);
  const double expected =
      ((r.A0 - 3200) * 355 + 3200 * 355 * std::sqrt(1 - (v_ed / v_pl) * (v_ed / v_pl))) / 1000;
  EXPECT_NEAR(Find(r, RcMode::kChordInGap, 2)->resistance, expected, 1e-9);
  EXPECT_NEAR(r.N1_Rd, 453.81, 0.005);
  // Verdicts of each brace in the rectangular K/N joint's order: 1, 2, 3a, 3b, 4.
  ASSERT_EQ(r.resistances.size(), 10u);
  EXPECT_EQ(r.resistances[3].mode, RcMode::kChordInGap);
  EXPECT_EQ(r.resistances[5].brace, 2);
}

// One validity limit: the job changed by `set` to `value` passes or fails the condition.
struct EdgeCase {
  const char* name;
  bool kn;
  RcConditionKind kind;
  int member;
  std::function<void(RcTyxInputs&, RcKnInputs&, double)> set;
  double value;
  bool passes;
};

// Sizes that put one ratio on its edge: the denominator held, the numerator moved.
std::vector<EdgeCase> EdgeCases() {
  using K = RcConditionKind;
  auto chord_h = [](RcTyxInputs& t, RcKnInputs&, double v) { t.chord.h = v; };
  auto chord_b = [](RcTyxInputs& t, RcKnInputs&, double v) { t.chord.b = v, t.brace.d = 0.5 * v; };
  auto chord_t = [](RcTyxInputs& t, RcKnInputs&, double v) { t.chord.t = v; };
  auto chord_fy = [](RcTyxInputs& t, RcKnInputs&, double v) { t.chord.fy = v; };
  auto chord_L = [](RcTyxInputs& t, RcKnInputs&, double v) { t.chord.L = v; };
  auto brace_d = [](RcTyxInputs& t, RcKnInputs&, double v) { t.brace.d = v; };
  auto brace_dt = [](RcTyxInputs& t, RcKnInputs&, double v) { t.brace.d = 2.5 * v, t.brace.t = 2.5; };
  auto brace_t = [](RcTyxInputs& t, RcKnInputs&, double v) { t.brace.t = v; };
  auto brace_fy = [](RcTyxInputs& t, RcKnInputs&, double v) { t.brace.fy = v; };
  auto theta = [](RcTyxInputs& t, RcKnInputs&, double v) { t.theta1 = v; };
  auto brace_L = [](RcTyxInputs& t, RcKnInputs&, double v) { t.brace.d = 125, t.brace.L = v; };
  auto between = [](RcTyxInputs&, RcKnInputs& k, double v) { k.theta1 = k.theta2 = (180 - v) / 2; };
  auto gap = [](RcTyxInputs&, RcKnInputs& k, double g) {
    // e that gives the gap g with θ1 = θ2 = 45°.
    const double s = std::sin(45 * 3.14159265 / 180), c = std::cos(45 * 3.14159265 / 180);
    k.e = (g + (k.brace1.d + k.brace2.d) / (2 * s)) / (2 * c / s) - k.chord.h / 2;
  };
  auto overlap = [gap](RcTyxInputs& t, RcKnInputs& k, double lambda) {
    const double p = k.brace2.d / std::sin(45 * 3.14159265 / 180);
    gap(t, k, -lambda / 100 * p);
  };
  auto small_brace2 = [overlap](RcTyxInputs& t, RcKnInputs& k, double ratio) {
    k.brace1.d = 120;
    k.brace2.d = ratio * k.brace1.d;
    overlap(t, k, 40);
  };
  // A gap or overlap is set through e and the angles, so "at" the limit is within rounding.
  const double g_min = 0.5 * (1 - 0.5715) * 200 + 1e-9;  // 42.85 mm
  const double g_max = 1.5 * (1 - 0.5715) * 200 - 1e-9;  // 128.55 mm
  return {
      {"h0/t0 at 35", false, K::kDepthToWall, 0, chord_h, 280, true},
      {"h0/t0 just inside", false, K::kDepthToWall, 0, chord_h, 279.9, true},
      {"h0/t0 just outside", false, K::kDepthToWall, 0, chord_h, 280.1, false},
      {"b0/t0 at 35", false, K::kWidthToWall, 0, chord_b, 280, true},
      {"b0/t0 just inside", false, K::kWidthToWall, 0, chord_b, 279.9, true},
      {"b0/t0 just outside", false, K::kWidthToWall, 0, chord_b, 280.1, false},
      {"h0/b0 at 0.5", false, K::kDepthToWidth, 0, chord_h, 100, true},
      {"h0/b0 just below 0.5", false, K::kDepthToWidth, 0, chord_h, 99.9, false},
      {"h0/b0 at 2", false, K::kDepthToWidth, 0, chord_h, 400, true},
      {"h0/b0 just above 2", false, K::kDepthToWidth, 0, chord_h, 400.1, false},
      {"t0 at 2.5", false, K::kWallThickness, 0, chord_t, 2.5, true},
      {"t0 just under 2.5", false, K::kWallThickness, 0, chord_t, 2.49, false},
      {"fy0 at 460", false, K::kYieldStrength, 0, chord_fy, 460, true},
      {"fy0 just above 460", false, K::kYieldStrength, 0, chord_fy, 460.5, false},
      {"L0/h0 at 6", false, K::kLengthRatio, 0, chord_L, 1200, true},
      {"L0/h0 just below 6", false, K::kLengthRatio, 0, chord_L, 1199, false},
      {"d1/b0 at 0.4", false, K::kDiameterToWidth, 1, brace_d, 80, true},
      {"d1/b0 just below 0.4", false, K::kDiameterToWidth, 1, brace_d, 79.9, false},
      {"d1/b0 at 0.8", false, K::kDiameterToWidth, 1, brace_d, 160, true},
      {"d1/b0 just above 0.8", false, K::kDiameterToWidth, 1, brace_d, 160.1, false},
      {"d1/t1 at 50", false, K::kBraceSlenderness, 1, brace_dt, 50, true},
      {"d1/t1 just above 50", false, K::kBraceSlenderness, 1, brace_dt, 50.1, false},
      {"t1 at 2.5", false, K::kWallThickness, 1, brace_t, 2.5, true},
      {"t1 just below 2.5", false, K::kWallThickness, 1, brace_t, 2.49, false},
      {"fy1 at 460", false, K::kYieldStrength, 1, brace_fy, 460, true},
      {"fy1 just above 460", false, K::kYieldStrength, 1, brace_fy, 460.5, false},
      {"theta1 at 30", false, K::kAngle, 1, theta, 30, true},
      {"theta1 just below 30", false, K::kAngle, 1, theta, 29.9, false},
      {"theta1 at 150", false, K::kAngle, 1, theta, 150, true},
      {"theta1 just above 150", false, K::kAngle, 1, theta, 150.1, false},
      {"L1/d1 at 6", false, K::kLengthRatio, 1, brace_L, 750, true},
      {"L1/d1 just below 6", false, K::kLengthRatio, 1, brace_L, 749.9, false},
      {"braces 30 degrees apart", true, K::kAngleBetween, 0, between, 30, true},
      {"braces just over 30 degrees apart", true, K::kAngleBetween, 0, between, 30.2, true},
      {"braces just under 30 degrees apart", true, K::kAngleBetween, 0, between, 29.8, false},
      {"gap at 0.5 (1 - beta) b0", true, K::kGapRatio, 0, gap, g_min, true},
      {"gap just under 0.5 (1 - beta) b0", true, K::kGapRatio, 0, gap, g_min - 0.01, false},
      {"gap at 1.5 (1 - beta) b0", true, K::kGapRatio, 0, gap, g_max, true},
      {"gap just over 1.5 (1 - beta) b0", true, K::kGapRatio, 0, gap, g_max + 0.01, false},
      {"gap at t1 + t2", true, K::kGap, 0, gap, 10 + 1e-9, true},
      {"gap just over t1 + t2", true, K::kGap, 0, gap, 10.01, true},
      {"gap just under t1 + t2", true, K::kGap, 0, gap, 9.99, false},
      {"overlap at 25 %", true, K::kOverlap, 0, overlap, 25 + 1e-9, true},
      {"overlap just over 25 %", true, K::kOverlap, 0, overlap, 25.01, true},
      {"overlap just under 25 %", true, K::kOverlap, 0, overlap, 24.99, false},
      {"overlap just under 80 %", true, K::kOverlap, 0, overlap, 79.99, true},
      {"overlap at 80 %", true, K::kOverlap, 0, overlap, 80 - 1e-9, true},
      {"overlap just over 80 %", true, K::kOverlap, 0, overlap, 80.01, false},
      {"overlap at 100 %", true, K::kOverlap, 0, overlap, 100, false},
      {"overlapping at 0.75 of the overlapped", true, K::kOverlapDiameters, 2, small_brace2, 0.75, true},
      {"overlapping just over 0.75", true, K::kOverlapDiameters, 2, small_brace2, 0.76, true},
      {"overlapping just under 0.75", true, K::kOverlapDiameters, 2, small_brace2, 0.749, false},
  };
}

class RcEdges : public ::testing::TestWithParam<EdgeCase> {};

TEST_P(RcEdges, LimitHoldsAtItsEdgeAndFailsBeyond) {
  const EdgeCase& c = GetParam();
  RcTyxInputs t = HandTJoint();
  RcKnInputs k = HandKGapJoint();
  c.set(t, k, c.value);
  if (c.kn) {
    k.N2 = -k.N1 * std::sin(k.theta1 * 3.14159265 / 180) / std::sin(k.theta2 * 3.14159265 / 180);
  }
  const RcResult r = c.kn ? ComputeRcKn(k) : ComputeRcTyx(t);
  const RcCondition* condition = Find(r, c.kind, c.member);
  ASSERT_NE(condition, nullptr) << c.name;
  EXPECT_EQ(condition->passed, c.passes) << c.name << ": value " << condition->value;
  if (!c.passes) {
    EXPECT_FALSE(r.valid);
    EXPECT_TRUE(r.resistances.empty()) << "a failed condition stops the resistances";
  }
}

INSTANTIATE_TEST_SUITE_P(Table, RcEdges, ::testing::ValuesIn(EdgeCases()),
                         [](const ::testing::TestParamInfo<EdgeCase>& info) {
                           std::string name;
                           for (char ch : std::string(info.param.name)) name += std::isalnum(static_cast<unsigned char>(ch)) ? ch : '_';
                           return name;
                         });

TEST(RcCompute, CompressedMembersMustBeCompactSections) {
  // A brace in compression is class 1: d / t <= 50 ε² (33.1 at S355); in tension only d/t <= 50.
  RcTyxInputs in = HandTJoint();
  in.brace = {114.3, 114.3 / 40, 355, 4000};  // d/t = 40: class 2 at S355
  in.N1 = 50;
  EXPECT_EQ(Find(ComputeRcTyx(in), RcConditionKind::kBraceClass), nullptr);
  in.N1 = -50;
  const RcResult compressed = ComputeRcTyx(in);  // the condition lives in the result
  const RcCondition* brace = Find(compressed, RcConditionKind::kBraceClass);
  ASSERT_NE(brace, nullptr);
  EXPECT_FALSE(brace->passed);
  EXPECT_NEAR(brace->upper, 50 * 235.0 / 355, 1e-12);
  in.brace.fy = 275;  // 50 ε² = 42.7
  EXPECT_TRUE(Find(ComputeRcTyx(in), RcConditionKind::kBraceClass)->passed);

  // The chord's wider wall in compression: (max(h0, b0) − 3 t0) / t0 <= 38 ε.
  RcTyxInputs chord = HandTJoint();
  chord.chord = {200, 200, 6.2, 355, 4000};  // (200 − 18.6) / 6.2 = 29.3 <= 38 ε = 30.9
  chord.N0 = -100;
  EXPECT_TRUE(Find(ComputeRcTyx(chord), RcConditionKind::kChordClass)->passed);
  chord.chord.t = 5.8;  // 31.5 > 30.9
  EXPECT_FALSE(Find(ComputeRcTyx(chord), RcConditionKind::kChordClass)->passed);
  chord.N0 = 100;  // a tie has no class limit here
  EXPECT_EQ(Find(ComputeRcTyx(chord), RcConditionKind::kChordClass), nullptr);
}

TEST(RcCompute, NarrowerBraceOverlapsThenLowerWallStrengthThenBrace2) {
  struct Case {
    RcBrace b1, b2;
    int overlapping;
  } cases[] = {
      {{114.3, 5, 355}, {101.6, 5, 355}, 2},  // brace 2 narrower
      {{101.6, 5, 355}, {114.3, 5, 355}, 1},  // brace 1 narrower
      {{114.3, 4, 355}, {114.3, 6.3, 355}, 1},  // equal d: the lower t·fy
      {{114.3, 5, 420}, {114.3, 5, 355}, 2},
      {{114.3, 5, 355}, {114.3, 5, 355}, 2},  // all equal: brace 2
  };
  for (const Case& c : cases) EXPECT_EQ(RcOverlappingBrace(c.b1, c.b2), c.overlapping) << c.b1.d << " " << c.b1.t;
}

RcKnInputs OverlapJoint(double lambda) {
  RcKnInputs in = HandKGapJoint();
  in.brace2 = {101.6, 5, 355, 4000};
  const double s = std::sin(45 * 3.14159265 / 180), c = std::cos(45 * 3.14159265 / 180);
  const double g = -lambda / 100 * 101.6 / s;
  in.e = (g + (114.3 + 101.6) / (2 * s)) / (2 * c / s) - 100;
  return in;
}

TEST(RcCompute, OverlapJointBelowAndAbove50PercentAndTheOverlappedBrace) {
  for (double lambda : {30.0, 50.0, 70.0}) {
    SCOPED_TRACE(lambda);
    const RcResult r = ComputeRcKn(OverlapJoint(lambda));
    ASSERT_TRUE(r.valid) << r.failed_count;
    ASSERT_TRUE(r.overlap);
    EXPECT_EQ(r.overlapping, 2);
    EXPECT_NEAR(r.lambda_ov, lambda, 1e-6);
    EXPECT_EQ(r.hidden_seam_note, lambda > 60);
    // b_eff = 10 / (b0/t0) · fy0 t0 / (fy2 t2) · d2 = 0.4 · 1.6 · 101.6; b_e,ov = 10 / (d1/t1) · d2.
    EXPECT_NEAR(r.b_eff_i.value, 0.4 * 1.6 * 101.6, 1e-9);
    EXPECT_NEAR(r.b_e_ov.value, 10 / (114.3 / 5) * 101.6, 1e-9);
    const double walls = lambda < 50 ? 2 * 101.6 * lambda / 50 : 2 * 101.6;
    const double n_i = 0.25 * 3.14159265358979 * 355 * 5 * (r.b_eff_i.value + r.b_e_ov.value + walls - 20) / 1000;
    const RcResistance* i = Find(r, RcMode::kOverlap, 2);
    const RcResistance* j = Find(r, RcMode::kOverlap, 1);
    ASSERT_TRUE(i && j);
    EXPECT_NEAR(i->resistance, n_i, 1e-9);
    const double a1 = 114.3 * 114.3 - 104.3 * 104.3, a2 = 101.6 * 101.6 - 91.6 * 91.6;
    EXPECT_NEAR(j->resistance, n_i * a1 / a2, 1e-9);
    EXPECT_EQ(r.resistances.size(), 2u);  // the overlap modes alone
  }
}

TEST(RcCompute, OverlapAbove80PercentFailsNamingTheShearCheck) {
  const RcResult r = ComputeRcKn(OverlapJoint(85));
  EXPECT_FALSE(r.valid);
  EXPECT_TRUE(r.overlap_beyond_limit);
  EXPECT_FALSE(r.hidden_seam_note);
  const RcCondition* c = Find(r, RcConditionKind::kOverlap);
  ASSERT_NE(c, nullptr);
  EXPECT_NE(RcCheckName(*c, r).find("7.1.2(6)"), std::string::npos) << RcCheckName(*c, r);
  EXPECT_EQ(RcCheckName(*Find(ComputeRcKn(OverlapJoint(20)), RcConditionKind::kOverlap), r),
            "overlap: 25 % <= lambda_ov <= 80 %");
}

TEST(RcCompute, ResistancesAbove355MpaAreTakenAt90Percent) {
  RcTyxInputs t = HandTJoint();
  t.chord.fy = 420;
  const RcResult tyx = ComputeRcTyx(t);
  ASSERT_TRUE(tyx.valid);
  EXPECT_TRUE(tyx.resistances[0].reduced);
  EXPECT_NEAR(tyx.resistances[0].resistance, 0.9 * 156.64 * 420 / 355, 0.01);

  // The brace failure follows the brace's steel; the chord modes the chord's.
  RcKnInputs k = HandKGapJoint();
  k.brace1.fy = k.brace2.fy = 420;
  const RcResult kn = ComputeRcKn(k);
  ASSERT_TRUE(kn.valid);
  EXPECT_TRUE(Find(kn, RcMode::kBrace, 1)->reduced);
  EXPECT_FALSE(Find(kn, RcMode::kChordFace, 1)->reduced);
  EXPECT_FALSE(Find(kn, RcMode::kChordShear, 1)->reduced);
  EXPECT_DOUBLE_EQ(Find(kn, RcMode::kChordShear, 1)->resistance, Find(ComputeRcKn(HandKGapJoint()), RcMode::kChordShear, 1)->resistance);
}

TEST(RcCompute, CompressedChordReducesTheChordFace) {
  RcTyxInputs t = HandTJoint();
  t.N0 = -1200;  // σ = 1 200 000 / A0 + |M0| / W: n about 0.57
  t.M0 = 0;
  const RcResult r = ComputeRcTyx(t);
  ASSERT_TRUE(r.valid);
  EXPECT_TRUE(r.stress.compressed);
  EXPECT_NEAR(r.stress.sigma, 1.2e6 / r.A0, 1e-9);
  EXPECT_NEAR(r.stress.kn, 1.3 - 0.4 * r.stress.n / r.beta, 1e-12);
  EXPECT_LT(r.stress.kn, 1);
  EXPECT_NEAR(r.resistances[0].resistance, 156.64 * r.stress.kn, 0.01);

  // K/N: the chord force at the joint N0,Ed = N0_left + N1 cos θ1, and an eccentricity beyond
  // 0.25 h0 adds its moment.
  RcKnInputs k = HandKGapJoint();
  k.N0_left = -600;
  k.e = 60;  // > 0.25 × 200
  const RcResult kn = ComputeRcKn(k);
  EXPECT_NEAR(kn.stress.N0_Ed, -600 - 300 * std::cos(45 * 3.14159265 / 180), 1e-9);
  EXPECT_TRUE(kn.stress.eccentricity_moment);
  EXPECT_NEAR(kn.stress.M0_Ed, -300 * std::cos(45 * 3.14159265 / 180) * 60 / 1000, 1e-9);
  k.e = 50;  // at the limit: no moment
  EXPECT_FALSE(ComputeRcKn(k).stress.eccentricity_moment);
}

TEST(RcCompute, ThickChordWallGetsItsNoteAndKeepsItsVerdict) {
  RcTyxInputs t = HandTJoint();
  t.chord = {300, 300, 25, 355, 4000};
  t.brace.d = 168.3;
  t.brace.t = 8;
  EXPECT_FALSE(ComputeRcTyx(t).through_thickness_note);
  t.chord.t = 25.5;
  const RcResult r = ComputeRcTyx(t);
  EXPECT_TRUE(r.through_thickness_note);
  EXPECT_TRUE(r.valid);
}

TEST(RcCompute, NumbersThatAreNotFiniteNeverPass) {
  RcTyxInputs t = HandTJoint();
  t.A0 = std::numeric_limits<double>::quiet_NaN();
  t.N0 = -100;
  const RcResult r = ComputeRcTyx(t);
  EXPECT_FALSE(r.passed);
  RcTyxInputs zero = HandTJoint();
  zero.chord.t = 0;
  EXPECT_FALSE(ComputeRcTyx(zero).valid);
  RcKnInputs k = HandKGapJoint();
  k.theta2 = std::numeric_limits<double>::quiet_NaN();
  const RcResult kn = ComputeRcKn(k);
  EXPECT_FALSE(kn.valid);
  EXPECT_FALSE(kn.passed);
}

}  // namespace
}  // namespace traxen::testing

namespace traxen::testing {
namespace {

TEST(RcTexts, EveryKeyHasATextInEveryLanguage) {
  for (const ReportLanguage language : kReportLanguages)
    for (int i = 0; i < static_cast<int>(RcTextKey::kCount); ++i)
      EXPECT_FALSE(ReportText(static_cast<RcTextKey>(i), language).empty()) << i;
}

}  // namespace
}  // namespace traxen::testing
