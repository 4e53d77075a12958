// Gap, overlap length and ratio, and the chord state of K/N joints; the schematic's drawn
// toes agree with the gap the checks use.
#include <gtest/gtest.h>

#include <cmath>

#include "joints/kn/kn_geometry.h"
#include "joints/kn/kn_schematic.h"
#include "support/test_support.h"
#include "joints/kn/kn_test_inputs.h"

namespace traxen {
namespace {

using testing::KnGapInputs;
using testing::KnOverlapInputs;

TEST(KnGeometry, GapOfSymmetricJointWithoutEccentricity) {
  const KnGeometry geo = ComputeKnGeometry(KnGapInputs());
  // 100·(1 + 1) − 2·70.71
  EXPECT_NEAR(geo.g, 58.58, 0.01);
}

TEST(KnGeometry, OverlapWithEqualWidthsTakesPFromBrace2) {
  ReportInputs in = KnOverlapInputs();
  in.b1 = in.b2 = 100;
  const KnGeometry geo = ComputeKnGeometry(in);
  EXPECT_NEAR(geo.g, -41.42, 0.01);
  EXPECT_EQ(geo.top_brace, 2);
  EXPECT_NEAR(geo.p, 141.42, 0.01);
  EXPECT_NEAR(KnOverlapRatio(geo.g, geo.p), 29.29, 0.01);
}

TEST(KnGeometry, TopBraceIsTheNarrowerOne) {
  ReportInputs in = KnOverlapInputs();
  in.b1 = 80, in.b2 = 100;
  in.h1 = 120, in.theta1 = 60;  // p from brace 1: 120 / sin 60°
  EXPECT_EQ(ComputeKnGeometry(in).top_brace, 1);
  EXPECT_NEAR(ComputeKnGeometry(in).p, 120 / std::sin(60 * 3.14159265 / 180), 1e-9);
  in.b1 = 120;
  EXPECT_EQ(ComputeKnGeometry(in).top_brace, 2);
}

TEST(KnGeometry, FacePlateMeasuresTheGapOnItsTop) {
  ReportInputs in = KnGapInputs();
  const double plain = ComputeKnGeometry(in).g;
  in.kn_face_plate = 1;
  in.face_t = 10;
  EXPECT_NEAR(ComputeKnGeometry(in).g - plain, 20.0, 1e-6);
}

TEST(KnGeometry, StoreWritesPOnlyForAnOverlap) {
  ReportInputs in = KnGapInputs();
  in.p = 123.0;  // left by an earlier rendering
  StoreKnGeometry(in);
  EXPECT_NEAR(in.g, 58.58, 0.01);
  EXPECT_EQ(in.p, 123.0);

  ReportInputs ov = KnOverlapInputs();
  StoreKnGeometry(ov);
  EXPECT_LT(ov.g, 0);
  EXPECT_NEAR(ov.p, 141.42, 0.01);
}

TEST(KnGeometry, DrawnToesGiveTheSameGap) {
  struct Case {
    double e, theta1, theta2, h1, h2;
  };
  for (const Case c : {Case{0, 45, 45, 100, 100}, Case{30, 50, 65, 120, 90},
                       Case{-60, 35, 80, 100, 140}, Case{0, 90, 60, 80, 80}}) {
    ReportInputs in = KnGapInputs();
    in.e = c.e, in.theta1 = c.theta1, in.theta2 = c.theta2, in.h1 = c.h1, in.h2 = c.h2;
    const KnSchematicLayout layout = ComputeKnSchematicLayout(in);
    const double drawn = (layout.brace2.left_toe - layout.brace1.right_toe) * layout.scale;
    EXPECT_NEAR(drawn, ComputeKnGeometry(in).g, 1e-6) << "e " << c.e << " θ1 " << c.theta1;
    // Each brace's footprint is h / sin θ long on the chord face.
    EXPECT_NEAR((layout.brace1.right_toe - layout.brace1.left_toe) * layout.scale,
                c.h1 / std::sin(c.theta1 * 3.14159265 / 180), 1e-6);
  }
}

TEST(KnGeometry, DegenerateAnglesAndDimensionsGiveNoFiniteGapButNoFault) {
  for (double theta : {0.0, 180.0}) {
    ReportInputs in = KnGapInputs();
    in.theta2 = theta;
    const KnGeometry geo = ComputeKnGeometry(in);
    EXPECT_FALSE(std::isfinite(geo.g) && std::abs(geo.g) < 1e6) << theta;
  }
  ReportInputs in = KnGapInputs();
  in.h0 = 0;
  EXPECT_FALSE(ComputeKnSchematicLayout(in).drawable);
}

// --- Chord state -------------------------------------------------------------------------

TEST(KnChordState, EccentricityExactlyAtItsLimitsAddsNoMoment) {
  ReportInputs in = KnGapInputs();  // h0 = 200: limits 50 and −110
  for (double e : {50.0, -110.0, 0.0}) {
    in.e = e;
    const KnChordState c = ComputeKnChordState(in, 0.5, in.A0);
    EXPECT_FALSE(c.eccentricity_moment) << e;
    EXPECT_EQ(c.M0_Ed, in.M0);
  }
}

TEST(KnChordState, EccentricityBeyondItsLimitsAddsBrace1Moment) {
  ReportInputs in = KnGapInputs();
  in.e = 60;
  KnChordState c = ComputeKnChordState(in, 0.5, in.A0);
  ASSERT_TRUE(c.eccentricity_moment);
  EXPECT_TRUE(c.e_above_limit);
  EXPECT_DOUBLE_EQ(c.e_limit, 50.0);
  const double cos45 = std::cos(45 * 3.14159265 / 180);
  EXPECT_NEAR(c.M_e, -152 * cos45 * 60 / 1000, 1e-12);
  EXPECT_NEAR(c.M0_Ed, 2.5 + c.M_e, 1e-12);

  in.e = -120;
  c = ComputeKnChordState(in, 0.5, in.A0);
  ASSERT_TRUE(c.eccentricity_moment);
  EXPECT_FALSE(c.e_above_limit);
  EXPECT_DOUBLE_EQ(c.e_limit, -0.55 * 200);
  EXPECT_NEAR(c.M0_Ed, 2.5 - 152 * cos45 * -120 / 1000, 1e-12);
}

TEST(KnChordState, StressUsesAbsoluteForceAndMoment) {
  ReportInputs in = KnGapInputs();
  in.M0 = -2.5;
  const KnChordState c = ComputeKnChordState(in, 0.5, in.A0);
  const double N0 = -271.6 - 152 * std::cos(45 * 3.14159265 / 180);
  EXPECT_NEAR(c.N0_Ed, N0, 1e-9);
  EXPECT_NEAR(c.sigma0_Ed, -N0 * 1000 / 5924 + 2.5e6 / 353000, 1e-9);
  EXPECT_NEAR(c.n, c.sigma0_Ed / 355, 1e-12);
}

TEST(KnChordState, KnFromTheChordForce) {
  ReportInputs in = KnGapInputs();
  // N0,Ed exactly 0: the tension form.
  in.N1 = -100;
  in.N0_left = 100 * std::cos(45 * 3.14159265 / 180);
  KnChordState c = ComputeKnChordState(in, 0.5, in.A0);
  EXPECT_EQ(c.N0_Ed, 0.0);
  EXPECT_TRUE(c.chord_in_tension);
  EXPECT_EQ(c.kn, 1.0);

  // Compression with a small n: 1.3 − 0.4·n/β above 1 is capped.
  in = KnGapInputs();
  c = ComputeKnChordState(in, 0.5, in.A0);
  EXPECT_FALSE(c.chord_in_tension);
  EXPECT_GT(c.kn_formula, 1.0);
  EXPECT_EQ(c.kn, 1.0);

  // A highly stressed chord: the formula governs, with no lower bound.
  in.N0_left = -2000;
  c = ComputeKnChordState(in, 0.5, in.A0);
  EXPECT_NEAR(c.kn, 1.3 - 0.4 * c.n / 0.5, 1e-12);
  EXPECT_LT(c.kn, 1.0);
}

}  // namespace
}  // namespace traxen
