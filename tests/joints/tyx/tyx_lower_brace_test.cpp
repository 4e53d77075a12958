// The lower brace of a T/Y/X joint is made brace 1 again in one place, and a computed result
// carries the working values it was computed from, which its report prints.
#include <gtest/gtest.h>

#include "joints/tyx/tyx_compute.h"

namespace traxen {
namespace {

ReportInputs TwoDifferentBraces() {
  ReportInputs in;
  in.h1 = 120, in.b1 = 110, in.t1 = 6, in.N1 = -150, in.theta1 = 60;
  in.h2 = 90, in.b2 = 80, in.t2 = 4, in.N2 = 20, in.theta2 = 45;
  in.N0_left = -300, in.N0_right = 10;
  return in;
}

TEST(TyxLowerBrace, TheReportTakesTheAngleAloneThePreviewTheWholeBrace) {
  ReportInputs angle = TwoDifferentBraces();
  MirrorTyxLowerBrace(angle, TyxMirror::kAngle);
  EXPECT_EQ(angle.theta2, 60);
  // Sections, force and the right chord force stay as copied from the job.
  EXPECT_EQ(angle.h2, 90);
  EXPECT_EQ(angle.b2, 80);
  EXPECT_EQ(angle.t2, 4);
  EXPECT_EQ(angle.N2, 20);
  EXPECT_EQ(angle.N0_right, 10);

  ReportInputs whole = TwoDifferentBraces();
  MirrorTyxLowerBrace(whole, TyxMirror::kWholeBrace);
  EXPECT_EQ(whole.theta2, 60);
  EXPECT_EQ(whole.h2, 120);
  EXPECT_EQ(whole.b2, 110);
  EXPECT_EQ(whole.t2, 6);
  EXPECT_EQ(whole.N2, -150);
  EXPECT_EQ(whole.N0_right, -300);
  EXPECT_EQ(whole.N0_left, -300);  // brace 1 and the left chord force are never changed
  EXPECT_EQ(whole.h1, 120);
}

TEST(TyxLowerBrace, AResultCarriesTheValuesItWasComputedFrom) {
  ReportInputs in = TwoDifferentBraces();
  in.h0 = 200, in.b0 = 200, in.t0 = 8, in.fy0 = in.fy1 = in.fy2 = 355, in.A0 = 5924, in.Wel0 = 353000;
  in.L2 = 1000.0;  // the lower brace is checked
  MirrorTyxLowerBrace(in, TyxMirror::kAngle);
  const TyxResult r = ComputeTyx(in);
  EXPECT_EQ(r.inputs.theta2, 60);
  EXPECT_EQ(r.inputs.h2, 90);
  EXPECT_EQ(r.inputs.N1, -150);
  EXPECT_EQ(r.validity.lower_brace.angle_min.value, r.inputs.theta2);
  EXPECT_EQ(r.validity.lower_brace.depth_to_thickness.numerator, r.inputs.h2);
}

}  // namespace
}  // namespace traxen
