// Reinforced overlap joints: both braces against the between-braces plate, one formula for
// every overlap.
#include "joints/kn_reinforced/kn_reinforced_overlap.h"
#include "joints/kn_reinforced/kn_reinforced_overlap_lines.h"

#include <gtest/gtest.h>

#include "joints/kn_reinforced/printed_text.h"
#include "support/test_support.h"

namespace traxen {
namespace {

using testing::HasLine;
using testing::PrintOnCanvas;

// Brace 1 80×80×5 on a 200×8 chord; brace 2 100×100×6; a 100×6 plate between them.
ReportInputs OverlapJoint() {
  ReportInputs in;
  in.fy0 = 355, in.fy1 = 355, in.fy2 = 355, in.fy_plate = 355;
  in.h0 = 200, in.b0 = 200, in.t0 = 8;
  in.h1 = 80, in.b1 = 80, in.t1 = 5;
  in.h2 = 100, in.b2 = 100, in.t2 = 6;
  in.theta1 = 45, in.theta2 = 45;
  in.N1 = -300, in.N2 = 300;
  in.kn_overlap_plate = 1;
  in.overlap_l = 150, in.overlap_b = 100, in.overlap_t = 6;
  in.g = -40, in.p = 141.4;
  return in;
}

TEST(ReinforcedOverlap, BothBracesAgainstThePlate) {
  const ReinforcedOverlapChecks c = ComputeReinforcedOverlapChecks(OverlapJoint());
  const ReinforcedOverlapBrace& b1 = c.braces[0];
  EXPECT_NEAR(b1.b_eff.value, 51.2, 1e-9);   // 10·355·8²·80 / (200·355·5)
  EXPECT_NEAR(b1.b_e_ov.value, 57.6, 1e-9);  // 10·355·6²·80 / (100·355·5)
  EXPECT_NEAR(b1.resistance.N_Rd, 441.62, 1e-9);  // 355·5·(51.2 + 57.6 + 160 − 20)
  EXPECT_DOUBLE_EQ(b1.resistance.N_Ed, 300);
  EXPECT_TRUE(b1.resistance.passed);
  // Brace 2 is wider than the chord allows for: 10·355·8²·100 / (200·355·6) = 53.3; the
  // plate's 10·355·6²·100 / (100·355·6) = 60.0.
  const ReinforcedOverlapBrace& b2 = c.braces[1];
  EXPECT_NEAR(b2.b_eff.value, 53.333, 1e-3);
  EXPECT_NEAR(b2.b_e_ov.value, 60.0, 1e-9);
  EXPECT_NEAR(b2.resistance.N_Rd, 355 * 6 * (53.3333333333 + 60 + 200 - 24) / 1000, 1e-6);

  std::vector<ResistanceVerdict> v;
  AppendReinforcedOverlapVerdicts(c, v);
  ASSERT_EQ(v.size(), 2u);
  EXPECT_EQ(v[0].brace, 1);
  EXPECT_EQ(v[0].mode, "overlap");
  EXPECT_EQ(v[1].brace, 2);
  EXPECT_EQ(v[1].mode, "overlap");
}

TEST(ReinforcedOverlap, OverlapRatioChangesNothing) {
  ReportInputs in = OverlapJoint();
  in.g = -0.3 * in.p;
  const ReinforcedOverlapChecks at30 = ComputeReinforcedOverlapChecks(in);
  in.g = -0.9 * in.p;
  const ReinforcedOverlapChecks at90 = ComputeReinforcedOverlapChecks(in);
  for (int i : {0, 1}) {
    EXPECT_DOUBLE_EQ(at30.braces[i].resistance.N_Rd, at90.braces[i].resistance.N_Rd);
  }
}

// A wide plate effect is capped at the brace width and printed with "seega"; a brace steel
// above 355 MPa takes 0.9, and a failed brace does not stop the other one.
TEST(ReinforcedOverlap, CapReductionAndFailedFirstBrace) {
  ReportInputs in = OverlapJoint();
  in.overlap_t = 12;  // b_e,ov = 10·355·144·80 / (100·355·5) = 230.4 > 80
  in.fy1 = 420;
  in.N1 = -5000;
  const ReinforcedOverlapChecks c = ComputeReinforcedOverlapChecks(in);
  const ReinforcedOverlapBrace& b1 = c.braces[0];
  EXPECT_TRUE(b1.b_e_ov.capped);
  EXPECT_DOUBLE_EQ(b1.b_e_ov.value, 80);
  EXPECT_TRUE(b1.resistance.reduced);
  const double b_eff = 10 * 355 * 64 * 80 / (200 * 420 * 5.0);
  EXPECT_NEAR(b1.resistance.N_Rd, 0.9 * 420 * 5 * (b_eff + 80 + 160 - 20) / 1000, 1e-9);
  EXPECT_FALSE(b1.resistance.passed);
  EXPECT_FALSE(c.braces[1].resistance.reduced);

  const testing::Printed out =
      PrintOnCanvas([&](ReportCanvas& cv) { PrintReinforcedOverlapChecks(cv, KnUsedInputsOf(in), c); });
  const std::string& t = out.text;
  EXPECT_TRUE(HasLine(t, " Tugevdatud ülekattega K- ja N -liidete korral kontrollitakse mõlemat varrast i = 1,2")) << t;
  EXPECT_TRUE(HasLine(t, "Vasakul olev varras i=1")) << t;
  EXPECT_TRUE(HasLine(t, "Paremal olev varras i=2")) << t;
  EXPECT_TRUE(HasLine(t, "be.ov  = (10×fykt ×t²p ×b1 ) / (bp ×fyk1×t1 ) <= b1 ")) << t;
  EXPECT_TRUE(HasLine(t, "be.ov  = 10×355×12.0² ×80.0 / (100.0×420×5.0 )  = 194.7 mm > 80.0 , seega be.ov  = 80.0 mm"))
      << t;
  EXPECT_TRUE(HasLine(t, "Võrgu varda kandevõime N1,Rd  = 0.9×fyk1 ×t1 ×[beff  + be.ov  + 2×h1  - 4×t1 ] ")) << t;
  EXPECT_TRUE(HasLine(t, "Võrgu varda kandevõime N2,Rd  = fyk2 ×t2 ×[beff  + be.ov  + 2×h2  - 4×t2 ] ")) << t;
  EXPECT_NE(t.find("N1,Rd  = 0.9×420×5.0×[ 43.3+ 80.0+ 2× 80.0 - 4×5.0 ]/ 1000  = "), std::string::npos) << t;
  EXPECT_NE(t.find("Ei rahulda!"), std::string::npos);
  EXPECT_NE(t.find("N2,Rd   = "), std::string::npos);  // brace 2 still checked, and passes
  EXPECT_EQ(out.failed, 0);  // a resistance verdict never sets the failure flag
}

}  // namespace
}  // namespace traxen
