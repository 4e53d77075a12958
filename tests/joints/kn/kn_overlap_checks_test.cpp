// Overlap-joint resistance of the overlapping brace: worked values over the three overlap
// ranges, the range boundaries, which brace is checked, the caps and the 0.9 reduction.
#include <gtest/gtest.h>

#include <cmath>

#include "joints/kn/kn_overlap_checks.h"
#include "joints/kn/kn_test_inputs.h"

namespace traxen {
namespace {

// Checked brace i = brace 1 (80×80×5), overlapped j = brace 2 (100 wide, 6 thick), chord
// 200 wide with 8 mm walls, all 355 MPa; λov = −g / p × 100 with p = 100.
ReportInputs WorkedOverlap(double lambda_ov) {
  ReportInputs in = testing::KnOverlapInputs();
  in.b0 = 200, in.t0 = 8;
  in.h1 = in.b1 = 80, in.t1 = 5;
  in.h2 = 100, in.b2 = 100, in.t2 = 6;
  in.p = 100;
  in.g = -lambda_ov;
  return in;
}

TEST(KnOverlapChecks, WorkedValuesOverTheThreeRanges) {
  struct Case {
    double lambda;
    KnOverlapRange range;
    double N_Rd;
  };
  for (const Case c : {Case{40, KnOverlapRange::UpTo50, 391.9}, Case{60, KnOverlapRange::Between50And80, 441.6},
                       Case{90, KnOverlapRange::From80, 492.7}}) {
    const KnOverlapChecks o = ComputeKnOverlapChecks(WorkedOverlap(c.lambda));
    EXPECT_EQ(o.checked, 1);
    EXPECT_EQ(o.overlapped, 2);
    EXPECT_NEAR(o.b_eff.value, 51.2, 1e-9);
    EXPECT_NEAR(o.b_eov.value, 57.6, 1e-9);
    EXPECT_NEAR(o.lambda_ov, c.lambda, 1e-12);
    EXPECT_EQ(o.range, c.range) << c.lambda;
    EXPECT_NEAR(o.resistance.N_Rd, c.N_Rd, 0.05) << c.lambda;
    EXPECT_TRUE(o.resistance.passed);
  }
}

TEST(KnOverlapChecks, RangeBoundaries) {
  EXPECT_EQ(KnOverlapRangeOf(50), KnOverlapRange::UpTo50);
  EXPECT_EQ(KnOverlapRangeOf(50.000001), KnOverlapRange::Between50And80);
  EXPECT_EQ(KnOverlapRangeOf(79.999999), KnOverlapRange::Between50And80);
  EXPECT_EQ(KnOverlapRangeOf(80), KnOverlapRange::From80);
  // At 50 % the first formula equals the second.
  const double at50 = ComputeKnOverlapChecks(WorkedOverlap(50)).resistance.N_Rd;
  EXPECT_NEAR(at50, 355 * 5 * (51.2 + 57.6 + 160 - 20) / 1000, 1e-9);
  // At 80 % the third formula: b_i in place of b_eff.
  EXPECT_NEAR(ComputeKnOverlapChecks(WorkedOverlap(80)).resistance.N_Rd,
              355 * 5 * (80 + 57.6 + 160 - 20) / 1000, 1e-9);
}

TEST(KnOverlapChecks, NarrowerBraceIsCheckedAndBrace1WhenEqual) {
  ReportInputs in = WorkedOverlap(40);
  in.b1 = 120;  // now brace 2 (100) is the narrower
  KnOverlapChecks o = ComputeKnOverlapChecks(in);
  EXPECT_EQ(o.checked, 2);
  EXPECT_EQ(o.overlapped, 1);
  EXPECT_EQ(o.b_i, 100.0);
  EXPECT_EQ(o.t_j, 5.0);
  EXPECT_EQ(o.N_i, in.N2);

  in.b1 = in.b2;
  o = ComputeKnOverlapChecks(in);
  EXPECT_EQ(o.checked, 1);
  EXPECT_EQ(o.overlapped, 2);
}

TEST(KnOverlapChecks, OverlapWidthCappedAndHighStrengthReduced) {
  ReportInputs in = WorkedOverlap(60);
  in.t2 = 12;  // b_e,ov = 10·355·144·80 / (100·355·5) = 230.4 > 80
  KnOverlapChecks o = ComputeKnOverlapChecks(in);
  EXPECT_TRUE(o.b_eov.capped);
  EXPECT_EQ(o.b_eov.value, 80.0);

  in = WorkedOverlap(60);
  const double plain = ComputeKnOverlapChecks(in).resistance.N_Rd;
  in.fy1 = 420;  // the checked brace's own strength decides; the widths change with it too
  o = ComputeKnOverlapChecks(in);
  EXPECT_TRUE(o.resistance.reduced);
  const double unreduced = 420 * 5 * (o.b_eff.value + o.b_eov.value + 160 - 20) / 1000;
  EXPECT_NEAR(o.resistance.N_Rd, 0.9 * unreduced, 1e-9);
  EXPECT_NE(o.resistance.N_Rd, plain);
}

TEST(KnOverlapChecks, ForceComparedByItsAbsoluteValue) {
  ReportInputs in = WorkedOverlap(40);
  in.N1 = -391.0;
  EXPECT_TRUE(ComputeKnOverlapChecks(in).resistance.passed);
  in.N1 = 392.0;
  const KnOverlapChecks o = ComputeKnOverlapChecks(in);
  EXPECT_FALSE(o.resistance.passed);
  EXPECT_EQ(o.resistance.N_Ed, 392.0);
}

}  // namespace
}  // namespace traxen
