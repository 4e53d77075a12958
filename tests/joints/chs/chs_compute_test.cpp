// Circular hollow section joints: the published worked joints, the edges of the range of
// validity, the prestress and gap factors, the overlapping brace and hostile numbers.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>
#include <string>

#include "joints/chs/chs_compute.h"

namespace traxen::testing {
namespace {

constexpr double kNan = std::numeric_limits<double>::quiet_NaN();

// The published T joint: chord 89 × 5, brace 60 × 3 at 90°, fy = 300 MPa, chord prestress
// −112 kN, brace −79.5 kN.
ChsTyxInputs PublishedTJoint() {
  ChsTyxInputs in;
  in.chord = {89, 5, 300};
  in.brace = {60, 3, 300};
  in.theta1 = 90;
  in.N0 = -112;
  in.N1 = -79.5;
  return in;
}

// The published K gap joint: chord 219.1 × 12.5, braces 139.7 × 5 (N1 = −500 kN) and
// 114.3 × 3.6 at 45°, e = 0, S355, N0_left = −1000 kN, A0 = 8110 mm².
ChsKnInputs PublishedKGapJoint() {
  ChsKnInputs in;
  in.chord = {219.1, 12.5, 355};
  in.brace1 = {139.7, 5, 355};
  in.brace2 = {114.3, 3.6, 355};
  in.theta1 = in.theta2 = 45;
  in.N0_left = -1000;
  in.N1 = -500;
  in.A0 = 8110;
  return in;
}

const ChsResistance* Find(const ChsResult& r, ChsMode mode, int brace) {
  for (const ChsResistance& x : r.resistances)
    if (x.mode == mode && x.brace == brace) return &x;
  return nullptr;
}

const ChsCondition* Find(const ChsResult& r, ChsConditionKind kind, int member) {
  for (const ChsCondition& c : r.conditions)
    if (c.kind == kind && c.member == member) return &c;
  return nullptr;
}

TEST(ChsPublishedJoints, TJointMatchesTheWorkedExample) {
  const ChsResult r = ComputeChsTyx(PublishedTJoint());
  ASSERT_TRUE(r.valid) << r.failed_count;
  EXPECT_TRUE(r.A0_derived);
  EXPECT_NEAR(r.A0, std::numbers::pi * (89.0 * 89 - 79.0 * 79) / 4, 1e-9);
  const ChsResistance* face = Find(r, ChsMode::kChordFace, 1);
  const ChsResistance* punching = Find(r, ChsMode::kPunchingShear, 1);
  ASSERT_TRUE(face && punching);
  EXPECT_NEAR(face->resistance, 95.76, 0.01);
  EXPECT_NEAR(punching->resistance, 163.242, 0.001);
  EXPECT_EQ(r.N1_Rd, face->resistance);
  EXPECT_NEAR(face->utilisation, 79.5 / face->resistance, 1e-12);
  EXPECT_TRUE(r.passed);
  EXPECT_FALSE(r.reduced);
}

TEST(ChsPublishedJoints, KGapJointMatchesTheWorkedExample) {
  const ChsResult r = ComputeChsKn(PublishedKGapJoint());
  EXPECT_NEAR(r.g, 39.5, 0.05);
  EXPECT_FALSE(r.overlap);
  EXPECT_NEAR(r.kg, 1.763, 0.0005);
  EXPECT_NEAR(ChsGapFactor(r.gamma, 40, 12.5), 1.761, 0.0005);
  // Equilibrium: N2 = 500 kN, so the right side carries −1707 kN and the left one is the
  // prestress.
  EXPECT_NEAR(r.N2, 500, 1e-9);
  EXPECT_NEAR(r.N0_right, -1000 - 1000 * std::cos(std::numbers::pi / 4), 1e-9);
  EXPECT_EQ(r.prestress.Np, -1000);
  EXPECT_NEAR(r.prestress.kp, 0.860, 0.0005);
  ASSERT_TRUE(r.valid) << r.failed_count;
  const ChsResistance* face1 = Find(r, ChsMode::kChordFace, 1);
  const ChsResistance* face2 = Find(r, ChsMode::kChordFace, 2);
  ASSERT_TRUE(face1 && face2);
  const double expected = r.kg * r.prestress.kp * 355 * 12.5 * 12.5 * (1.8 + 10.2 * 139.7 / 219.1) /
                          (std::sin(std::numbers::pi / 4) * 1000);
  EXPECT_NEAR(face1->resistance, expected, 1e-9);
  EXPECT_NEAR(face2->resistance, expected, 1e-9);  // equal angles
  EXPECT_NE(Find(r, ChsMode::kPunchingShear, 1), nullptr);
  EXPECT_NE(Find(r, ChsMode::kPunchingShear, 2), nullptr);
}

TEST(ChsResistances, AboveS355EveryResistanceIsTakenAtNinetyPercent) {
  ChsTyxInputs in = PublishedTJoint();
  const ChsResult at355 = [&] { in.chord.fy = 355; return ComputeChsTyx(in); }();
  const ChsResult at420 = [&] { in.chord.fy = 420; return ComputeChsTyx(in); }();
  ASSERT_TRUE(at355.valid && at420.valid);
  EXPECT_TRUE(at420.reduced);
  for (ChsMode mode : {ChsMode::kChordFace, ChsMode::kPunchingShear}) {
    const double base = Find(at355, mode, 1)->resistance;
    const double kp_ratio = mode == ChsMode::kChordFace ? at420.prestress.kp / at355.prestress.kp : 1.0;
    EXPECT_NEAR(Find(at420, mode, 1)->resistance, 0.9 * base * 420 / 355 * kp_ratio, 1e-9);
  }
}

TEST(ChsResistances, XJointUsesTheXFormula) {
  ChsTyxInputs in = PublishedTJoint();
  in.x_joint = true;
  const ChsResult r = ComputeChsTyx(in);
  ASSERT_TRUE(r.valid);
  const double beta = 60.0 / 89;
  EXPECT_NEAR(Find(r, ChsMode::kChordFace, 1)->resistance,
              r.prestress.kp * 300 * 25 * 5.2 / ((1 - 0.81 * beta) * 1000), 1e-9);
}

TEST(ChsResistances, PunchingIsLeftOutWhenTheBraceDoesNotFitTheBore) {
  ChsTyxInputs in = PublishedTJoint();
  in.brace = {79, 3, 300};  // d1 = d0 − 2 t0: still punches
  EXPECT_NE(Find(ComputeChsTyx(in), ChsMode::kPunchingShear, 1), nullptr);
  in.brace = {80, 3, 300};
  const ChsResult r = ComputeChsTyx(in);
  ASSERT_TRUE(r.valid);
  EXPECT_EQ(Find(r, ChsMode::kPunchingShear, 1), nullptr);
  EXPECT_EQ(r.N1_Rd, Find(r, ChsMode::kChordFace, 1)->resistance);
}

TEST(ChsPrestress, NoCompressionStressGivesKpOne) {
  // Tension in the chord, or compression that a moment does not outweigh: np <= 0.
  for (double N0 : {0.0, 100.0, 1e6}) {
    const ChsPrestress p = ChsPrestressFactor(N0, 0, 1000, 10000, 355);
    EXPECT_LE(p.np, 0) << N0;
    EXPECT_EQ(p.kp, 1.0) << N0;
  }
  // A moment alone compresses one side: |M0| counts whatever its sign.
  const ChsPrestress m = ChsPrestressFactor(0, -2, 1000, 20000, 200);
  EXPECT_NEAR(m.sigma, 100, 1e-9);
  EXPECT_NEAR(m.kp, 1 - 0.3 * 0.5 * 1.5, 1e-12);
}

TEST(ChsKnLayout, TheSmallerBraceOverlapsAndTheRatioIsMeasuredOnIt) {
  struct Case {
    double d1, d2;
    int overlapping;
  };
  for (const Case c : {Case{139.7, 114.3, 2}, Case{114.3, 139.7, 1}, Case{139.7, 139.7, 2}}) {
    ChsKnInputs in = PublishedKGapJoint();
    in.brace1.d = c.d1;
    in.brace2.d = c.d2;
    in.e = -60;  // pulls the braces together into an overlap
    const ChsResult r = ComputeChsKn(in);
    ASSERT_TRUE(r.overlap) << c.d1 << " " << c.d2;
    EXPECT_EQ(r.overlapping_brace, c.overlapping);
    const double d = c.overlapping == 1 ? c.d1 : c.d2;
    EXPECT_NEAR(r.p, d / std::sin(std::numbers::pi / 4), 1e-9);
    EXPECT_NEAR(r.lambda_ov, -r.g / r.p * 100, 1e-9);
    EXPECT_NE(Find(r, ChsConditionKind::kOverlap, 0), nullptr);
    EXPECT_EQ(Find(r, ChsConditionKind::kGap, 0), nullptr);
    // kg takes the negative gap.
    EXPECT_NEAR(r.kg, ChsGapFactor(r.gamma, r.g, 12.5), 1e-12);
  }
}

// Each edge of the range of validity: on the limit the joint passes, just beyond it fails.
TEST(ChsValidity, EdgesOfTheRangeOfValidity) {
  constexpr double kTiny = 1e-9;
  struct Edge {
    std::string name;
    ChsConditionKind kind;
    int member;
    void (*apply)(ChsTyxInputs&, double beyond);
  };
  const Edge edges[] = {
      {"beta 0.2", ChsConditionKind::kDiameterRatio, 1,
       [](ChsTyxInputs& in, double b) { in.brace = {in.chord.d * (0.2 - b), 3, 300}; }},
      {"d0/t0 10", ChsConditionKind::kChordSlenderness, 0,
       [](ChsTyxInputs& in, double b) { in.chord.t = in.chord.d / (10 - b); }},
      {"d0/t0 50", ChsConditionKind::kChordSlenderness, 0,
       [](ChsTyxInputs& in, double b) { in.chord = {200, 200 / (50 + b), 300}; in.N0 = 0; }},
      {"X d0/t0 40", ChsConditionKind::kChordSlenderness, 0,
       [](ChsTyxInputs& in, double b) { in.x_joint = true; in.chord = {200, 200 / (40 + b), 300}; in.N0 = 0; }},
      {"brace in tension d/t 50", ChsConditionKind::kBraceSlenderness, 1,
       [](ChsTyxInputs& in, double b) { in.chord = {300, 10, 300}; in.brace = {150, 150 / (50 + b), 300}; in.N1 = 0; }},
      {"angle 30", ChsConditionKind::kAngle, 1,
       [](ChsTyxInputs& in, double b) { in.theta1 = 30 - b; }},
      {"angle 150", ChsConditionKind::kAngle, 1,
       [](ChsTyxInputs& in, double b) { in.theta1 = 150 + b; }},
      {"wall 2.5", ChsConditionKind::kWallThickness, 1,
       [](ChsTyxInputs& in, double b) { in.brace.t = 2.5 - b; }},
      {"fy0 460", ChsConditionKind::kChordStrength, 0,
       [](ChsTyxInputs& in, double b) { in.chord.fy = 460 + b; }},
  };
  for (const Edge& e : edges) {
    for (double beyond : {0.0, kTiny * 1e3}) {
      ChsTyxInputs in = PublishedTJoint();
      e.apply(in, beyond);
      const ChsResult r = ComputeChsTyx(in);
      const ChsCondition* c = Find(r, e.kind, e.member);
      ASSERT_NE(c, nullptr) << e.name;
      EXPECT_EQ(c->passed, beyond == 0) << e.name << " value " << c->value;
      EXPECT_EQ(r.resistances.empty(), beyond != 0) << e.name;
    }
  }
}

TEST(ChsValidity, ClassEdgesOfATube) {
  // fy = 235: ε² = 1, so the class limits are d/t = 50, 70 and 90.
  struct Case {
    double d_over_t;
    int section_class;
  };
  for (const Case c : {Case{50, 1}, Case{50.001, 2}, Case{70, 2}, Case{70.001, 3}, Case{90, 3},
                       Case{90.001, 4}, Case{kNan, 4}})
    EXPECT_EQ(ChsSectionClass(c.d_over_t * 2, 2, 235), c.section_class) << c.d_over_t;
  EXPECT_EQ(ChsSectionClass(60, 2, 470), 2);  // ε² = 0.5: d/t = 30 lies between 25 and 35
  EXPECT_EQ(ChsSectionClass(100, 0, 355), 4);
}

TEST(ChsValidity, ACompressedMemberMustBeClassOneOrTwo) {
  ChsTyxInputs in = PublishedTJoint();
  in.brace.t = 1;  // d/t = 60: class 3 at fy 300 (limits 39.2, 54.8 and 70.5)
  const ChsResult compressed = ComputeChsTyx(in);
  const ChsCondition* c = Find(compressed, ChsConditionKind::kBraceClass, 1);
  ASSERT_NE(c, nullptr);
  EXPECT_EQ(c->value, 3);
  EXPECT_FALSE(compressed.valid);
  // The same brace in tension is bounded only by d/t <= 50.
  in.N1 = 79.5;
  const ChsResult tension = ComputeChsTyx(in);
  EXPECT_EQ(Find(tension, ChsConditionKind::kBraceClass, 1), nullptr);
  EXPECT_FALSE(Find(tension, ChsConditionKind::kBraceSlenderness, 1)->passed);
  // A chord in tension has no class condition.
  in = PublishedTJoint();
  in.N0 = 50;
  EXPECT_EQ(Find(ComputeChsTyx(in), ChsConditionKind::kChordClass, 0), nullptr);
}

TEST(ChsValidity, KnEdgesOfGapOverlapAndEccentricity) {
  const ChsResult base = ComputeChsKn(PublishedKGapJoint());
  // Gap: g >= t1 + t2, with the wall of brace 2 chosen to sit on either side of it.
  for (double beyond : {-1e-6, 1e-6}) {
    ChsKnInputs in = PublishedKGapJoint();
    in.brace2.t = base.g - in.brace1.t + beyond;
    EXPECT_EQ(Find(ComputeChsKn(in), ChsConditionKind::kGap, 0)->passed, beyond < 0) << beyond;
  }
  // Eccentricity: −0.55 <= e/d0 <= 0.25.
  struct Case {
    double e_over_d0;
    bool passed;
  };
  for (const Case c : {Case{0.25, true}, Case{0.2501, false}, Case{-0.55, true}, Case{-0.5501, false}}) {
    ChsKnInputs in = PublishedKGapJoint();
    in.e = c.e_over_d0 * in.chord.d;
    EXPECT_EQ(Find(ComputeChsKn(in), ChsConditionKind::kEccentricity, 0)->passed, c.passed) << c.e_over_d0;
  }
  // Overlap: 25 % <= λov <= 100 %, and above 60 % the hidden toe note.
  for (double e : {-20.0, -40.0, -60.0, -80.0, -100.0, -118.0}) {
    ChsKnInputs in = PublishedKGapJoint();
    in.e = e;
    const ChsResult r = ComputeChsKn(in);
    if (!r.overlap) continue;
    const ChsCondition* c = Find(r, ChsConditionKind::kOverlap, 0);
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->passed, r.lambda_ov >= 25 && r.lambda_ov <= 100) << r.lambda_ov;
    EXPECT_EQ(r.hidden_toe_note, r.lambda_ov > 60) << r.lambda_ov;
  }
}

TEST(ChsHostileNumbers, ANumberThatIsNotFiniteNeverPasses) {
  {
    ChsTyxInputs in = PublishedTJoint();
    in.N1 = kNan;
    const ChsResult r = ComputeChsTyx(in);
    EXPECT_FALSE(r.passed);
    for (const ChsResistance& x : r.resistances) EXPECT_FALSE(x.passed);
  }
  {
    // A modulus so small that the chord stress overflows: kp and the resistance are not
    // finite numbers and the brace fails.
    ChsTyxInputs in = PublishedTJoint();
    in.M0 = 1e300;
    in.Wel0 = 1e-300;
    const ChsResult r = ComputeChsTyx(in);
    ASSERT_TRUE(r.valid);
    EXPECT_FALSE(Find(r, ChsMode::kChordFace, 1)->passed);
    EXPECT_FALSE(r.passed);
  }
  for (double theta : {0.0, 180.0, kNan}) {
    ChsKnInputs in = PublishedKGapJoint();
    in.theta2 = theta;
    const ChsResult r = ComputeChsKn(in);
    EXPECT_FALSE(r.valid) << theta;
    EXPECT_FALSE(r.passed) << theta;
  }
}

}  // namespace
}  // namespace traxen::testing
