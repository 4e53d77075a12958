// Reinforced gap joints: what the chord face plate and the chord side plates change in the
// auxiliary values and modes, and the lines that show it.
#include "joints/kn_reinforced/kn_reinforced_gap.h"
#include "joints/kn_reinforced/kn_reinforced_gap_lines.h"

#include <gtest/gtest.h>

#include <cmath>

#include "joints/kn/kn_geometry.h"
#include "joints/kn_reinforced/printed_text.h"
#include "support/test_support.h"

namespace traxen {
namespace {

using testing::HasLine;
using testing::PrintOnCanvas;

// A gap joint on a 300 mm chord with braces of 100 and 120 mm at 60°; the chord is in
// tension, so kn = 1.
ReportInputs GapJoint() {
  ReportInputs in;
  in.fy0 = 355, in.fy1 = 355, in.fy2 = 355, in.fy_plate = 355;
  in.gamma_M0 = 1.0;
  in.h0 = 300, in.b0 = 300, in.t0 = 10;
  in.h1 = 100, in.b1 = 100, in.t1 = 8;
  in.h2 = 120, in.b2 = 120, in.t2 = 8;
  in.theta1 = 60, in.theta2 = 60;
  in.N0_left = 100, in.N1 = -50, in.N2 = 50, in.M0 = 0;
  in.A0 = 11400, in.Wel0 = 1.0e6;
  in.g = 60;
  in.face_l = 600, in.face_b = 100, in.face_t = 10;
  in.side_l = 600, in.side_b = 100, in.side_t = 8;
  return in;
}

const KnGapBraceChecks& Brace(const ReinforcedGapChecks& c, int i) { return c.braces[i - 1].checks; }

TEST(ReinforcedGap, FacePlateReplacesTheChordFaceWorkedValues) {
  ReportInputs in = GapJoint();
  in.kn_face_plate = 1;
  const ReinforcedGapChecks c = ComputeReinforcedGapChecks(in);
  const KnGapBraceChecks& b1 = Brace(c, 1);
  EXPECT_NEAR(b1.aux.beta, 0.3333, 1e-4);  // b_p / b0
  EXPECT_DOUBLE_EQ(b1.aux.gamma, 15.0);     // b0 / (2 t_p)
  EXPECT_DOUBLE_EQ(b1.chord.kn, 1.0);
  EXPECT_NEAR(b1.mode1.N_Rd, 471.0, 0.05);
  // Effective widths against the plate: 10·f_ykt·t_p²·b1 / (b0·f_yk1·t1) and 10·b1·t_p / b0.
  EXPECT_NEAR(b1.aux.b_eff.value, 41.667, 1e-3);
  EXPECT_NEAR(b1.aux.b_ep.value, 33.333, 1e-3);
  // Punching goes through the plate: f_yk0·t_p·(2 h1 / sin θ1 + b1 + b_e,p) / (√3 sin θ1).
  ASSERT_TRUE(b1.punching_applies);
  const double s = std::sin(60 * 3.14159265 / 180);
  EXPECT_REL_NEAR(b1.mode4.N_Rd, 355 * 10 * (2 * 100 / s + 100 + 100.0 / 3) / (std::sqrt(3) * s * 1000),
                  1e-12);
  // No side plates: the chord's own area and shear area.
  EXPECT_DOUBLE_EQ(b1.aux.A0, 11400);
  EXPECT_NEAR(b1.aux.A_V, (2 * 300 + b1.aux.alpha * 300) * 10, 1e-9);

  const std::string t = PrintOnCanvas([&](ReportCanvas& cv) { PrintReinforcedGapChecks(cv, KnUsedInputsOf(in), c); }).text;
  EXPECT_TRUE(HasLine(t, "β = 0.333 γ = b0  / 2×tp  = 300.0 / 2× 10.0 = 15.000")) << t;
  EXPECT_TRUE(HasLine(t, "beff  = (10×fykt ×t²p ×b1 ) / (b0 ×fyk1×t1 ) <= b1 ")) << t;
  EXPECT_TRUE(HasLine(t, "beff  = 10×355×10.0² ×100.0 / (300.0×355×8.0 )  = 41.7 mm  <= 100.0 mm")) << t;
  EXPECT_TRUE(HasLine(t, "be.p  = 10×b1 ×tp  / b0  = 10×100.0×10.0/ 300.0 = 33.3 mm <= 100.0 mm")) << t;
  EXPECT_TRUE(HasLine(t, "N1,Rd  = (8.9×k n ×f yk0 ×t²p ×(γ)0.5 ×β / sinθ1")) << t;
  EXPECT_TRUE(HasLine(t, "N1,Rd  = {(8.9×1.000×355×10.0²×(15.000)0.5 ×0.333 / (1000×sin60.0° )  = 471.0 kN"))
      << t;
  EXPECT_TRUE(HasLine(t, "N1,Rd   = 471.0 kN >= |N1, Ed | = 50.0 kN Korras! ")) << t;
}

// Side plates only: A0 grows by both side plates, β is the brace's own width ratio, γ stays
// b0 / 2 t0, and α and A_V take the thickened side walls.
TEST(ReinforcedGap, SidePlatesOnly) {
  ReportInputs in = GapJoint();
  in.kn_side_plates = 1;
  const ReinforcedGapChecks c = ComputeReinforcedGapChecks(in);
  EXPECT_DOUBLE_EQ(c.A0, 11400 + 2 * 8 * 100);
  for (int i : {1, 2}) {
    const KnGapBraceChecks& b = Brace(c, i);
    EXPECT_DOUBLE_EQ(b.aux.A0, c.A0) << i;  // both braces use the same reinforced area
    EXPECT_DOUBLE_EQ(b.aux.beta, (i == 1 ? 100.0 : 120.0) / 300) << i;
    EXPECT_DOUBLE_EQ(b.aux.gamma, 15.0) << i;
    EXPECT_DOUBLE_EQ(b.aux.alpha, std::sqrt(1 / (1 + 4 * 60.0 * 60 / (3 * 18.0 * 18)))) << i;
    EXPECT_DOUBLE_EQ(b.aux.A_V, (2 * 300 + b.aux.alpha * 300) * 18) << i;
    EXPECT_DOUBLE_EQ(b.aux.t_face, 10) << i;  // no face plate: the chord wall
    // The β/γ line before the side-plate step shows the joint's β.
    EXPECT_DOUBLE_EQ(c.braces[i - 1].beta_first, KnWidthRatio(in)) << i;
  }

  const std::string t = PrintOnCanvas([&](ReportCanvas& cv) { PrintReinforcedGapChecks(cv, KnUsedInputsOf(in), c); }).text;
  EXPECT_TRUE(HasLine(t, "A0  = A 0  + 2×tpk  × bpk + tpp  × bpp  = 11400.0+ 2× 8.0 × 100.0 + 0.0 × 0.0 = 13000.0 mm²"))
      << t;
  EXPECT_TRUE(HasLine(t, "β = 0.333 γ = b0  / 2×t0  = 300.0 / 2× 10.0 = 15.000")) << t;
  EXPECT_TRUE(HasLine(t, "β = 0.400 γ = b0  / 2×t0  = 300.0 / 2× 10.0 = 15.000")) << t;
  EXPECT_TRUE(HasLine(t, "α =  {1 / [1 + 4×g² / (3×(t0  + tp )²)]}0.5 = { 1 / [1+4×60.00² / (3×(10.0 + 8.0)²)]}0.5  = 0.251"))
      << t;
  EXPECT_TRUE(HasLine(t, "AV   = (2×h0  + α×b0 )×(t0  + t p )  = (2×300.0 + 0.251×300.0 )×( 10.0 + 8.0 ) = 12157.9 mm²"))
      << t;
}

// Both plates: the face plate's section joins A0, γ of the side-plate step reads t0 + t_p,
// and kn is formed with the β the modes read (b_p / b0).
TEST(ReinforcedGap, BothPlatesFormOneChordAreaAndTheLatestBetaGamma) {
  ReportInputs in = GapJoint();
  in.kn_face_plate = in.kn_side_plates = 1;
  in.N0_left = -2000;  // compressed chord: kn from the formula
  const ReinforcedGapChecks c = ComputeReinforcedGapChecks(in);
  EXPECT_DOUBLE_EQ(c.A0, 11400 + 2 * 8 * 100 + 10 * 100);
  for (int i : {1, 2}) {
    const KnGapBraceChecks& b = Brace(c, i);
    EXPECT_DOUBLE_EQ(b.aux.A0, c.A0);
    EXPECT_DOUBLE_EQ(c.braces[i - 1].gamma_first, 15.0);  // b0 / (2 t_p)
    EXPECT_DOUBLE_EQ(b.aux.gamma, 300.0 / (2 * (10 + 10)));
    EXPECT_DOUBLE_EQ(b.aux.beta, 100.0 / 300);
    EXPECT_DOUBLE_EQ(b.aux.t_face, 10);
    // σ0,Ed with the reinforced area; kn with the latest β.
    EXPECT_DOUBLE_EQ(b.chord.sigma0_Ed, std::abs(b.chord.N0_Ed) * 1000 / c.A0);
    EXPECT_DOUBLE_EQ(b.chord.kn_formula, 1.3 - 0.4 * b.chord.n / (100.0 / 300));
    EXPECT_DOUBLE_EQ(b.mode1.N_Rd, 8.9 * b.chord.kn * 355 * 100 * std::sqrt(7.5) * (100.0 / 300) /
                                       (1000 * std::sin(60 * 3.14159265 / 180)));
  }
  const std::string t = PrintOnCanvas([&](ReportCanvas& cv) { PrintReinforcedGapChecks(cv, KnUsedInputsOf(in), c); }).text;
  EXPECT_TRUE(HasLine(t, "β = 0.333 γ = b0  / 2×(t0  + tp ) = 300.0 / 2× (10.0 +  10) = 7.500")) << t;
  EXPECT_NE(t.find("+ 10.0 × 100.0 = 14000.0 mm²"), std::string::npos) << t;
}

// Only the between-braces plate on a gap joint: every value and mode is the plain one.
TEST(ReinforcedGap, WithoutChordPlatesEverythingIsPlain) {
  ReportInputs in = GapJoint();
  in.kn_overlap_plate = 1;
  in.N0_left = -800;
  const ReinforcedGapChecks c = ComputeReinforcedGapChecks(in);
  const KnGapChecks plain = ComputePlainKnGapChecks(in);
  for (int i : {1, 2}) {
    const KnGapBraceChecks& r = Brace(c, i);
    const KnGapBraceChecks& p = i == 1 ? plain.brace1 : plain.brace2;
    EXPECT_DOUBLE_EQ(r.aux.beta, p.aux.beta);
    EXPECT_DOUBLE_EQ(r.aux.A0, p.aux.A0);
    EXPECT_DOUBLE_EQ(r.chord.kn, p.chord.kn);
    EXPECT_DOUBLE_EQ(r.mode1.N_Rd, p.mode1.N_Rd);
    EXPECT_DOUBLE_EQ(r.mode2.N_Rd, p.mode2.N_Rd);
    EXPECT_DOUBLE_EQ(r.mode3a.N_Rd, p.mode3a.N_Rd);
    EXPECT_DOUBLE_EQ(r.mode3b.N_Rd, p.mode3b.N_Rd);
    EXPECT_EQ(r.punching_applies, p.punching_applies);
    EXPECT_DOUBLE_EQ(r.mode4.N_Rd, p.mode4.N_Rd);
  }
  const std::string t = PrintOnCanvas([&](ReportCanvas& cv) { PrintReinforcedGapChecks(cv, KnUsedInputsOf(in), c); }).text;
  EXPECT_TRUE(HasLine(t, "Ülekatteta K- ja N -liidete korral kontrollitakse mõlema varda kandevõimet, i= 1, 2"));
  EXPECT_TRUE(HasLine(t, "Ülekatteta liite vasakul oleva varda i = 1 kontrollarvutus:"));
  EXPECT_TRUE(HasLine(t, "Ülekatteta liite paremal oleva varda i = 2 kontrollarvutus:"));
}

// β above 1 − 1/γ: no punching check, and the report says so for each brace.
TEST(ReinforcedGap, NoPunchingWhenBetaAboveTheLimit) {
  ReportInputs in = GapJoint();
  in.kn_face_plate = 1;
  in.face_b = 290, in.face_t = 10;  // β = 0.967 > 1 − 1/15
  const ReinforcedGapChecks c = ComputeReinforcedGapChecks(in);
  std::vector<ResistanceVerdict> v;
  AppendReinforcedGapVerdicts(c, v);
  ASSERT_EQ(v.size(), 8u);
  const char* modes[] = {"1", "2", "3a", "3b"};
  for (int k = 0; k < 8; ++k) {
    EXPECT_EQ(v[k].brace, k < 4 ? 1 : 2);
    EXPECT_EQ(v[k].mode, modes[k % 4]);
  }
  EXPECT_DOUBLE_EQ(v[3].N_Ed, std::abs(Brace(c, 1).chord.N0_Ed));  // 3b against the chord force

  const testing::Printed out = PrintOnCanvas([&](ReportCanvas& cv) { PrintReinforcedGapChecks(cv, KnUsedInputsOf(in), c); });
  int lines = 0;
  for (auto pos = out.text.find("Vöö pinna läbisurumise ohtu pole !\n"); pos != std::string::npos;
       pos = out.text.find("Vöö pinna läbisurumise ohtu pole !\n", pos + 1)) {
    ++lines;
  }
  EXPECT_EQ(lines, 2);
  EXPECT_EQ(out.text.find("vööpinnast läbisurumine"), std::string::npos);
  for (const auto& r : out.records) {
    if (r.text == "Vöö pinna läbisurumise ohtu pole !") {
      EXPECT_EQ(r.font.weight, 700);
    }
  }
}

// With punching the verdicts of a brace run 1, 2, 3a, 3b, 4.
TEST(ReinforcedGap, VerdictsInPrintedOrderWithPunching) {
  ReportInputs in = GapJoint();
  in.kn_face_plate = in.kn_side_plates = 1;
  const ReinforcedGapChecks c = ComputeReinforcedGapChecks(in);
  std::vector<ResistanceVerdict> v;
  AppendReinforcedGapVerdicts(c, v);
  ASSERT_EQ(v.size(), 10u);
  const char* modes[] = {"1", "2", "3a", "3b", "4"};
  for (int k = 0; k < 10; ++k) {
    EXPECT_EQ(v[k].brace, k < 5 ? 1 : 2);
    EXPECT_EQ(v[k].mode, modes[k % 5]);
  }
  EXPECT_DOUBLE_EQ(v[0].N_Rd, Brace(c, 1).mode1.N_Rd);
  EXPECT_DOUBLE_EQ(v[9].N_Rd, Brace(c, 2).mode4.N_Rd);
}

}  // namespace
}  // namespace traxen
