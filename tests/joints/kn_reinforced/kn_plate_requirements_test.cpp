// Plate requirements of reinforced K/N joints: the required dimensions, the ≥ comparisons
// and what the plate section prints.
#include "joints/kn_reinforced/kn_plate_requirements.h"
#include "joints/kn_reinforced/kn_plate_requirements_lines.h"

#include <gtest/gtest.h>

#include <cmath>

#include "joints/kn_reinforced/printed_text.h"
#include "support/test_support.h"

namespace traxen {
namespace {

using testing::HasLine;
using testing::PrintOnCanvas;
using testing::Printed;

// A gap joint with 100 mm braces at 60° and a 20 mm gap; plates as the defaults.
ReportInputs SixtyDegreeJoint() {
  ReportInputs in;
  in.fy0 = 355, in.fy1 = 355, in.fy2 = 355, in.fy_plate = 355;
  in.h0 = 300, in.b0 = 300, in.t0 = 10;
  in.h1 = 100, in.b1 = 100, in.t1 = 8;
  in.h2 = 100, in.b2 = 100, in.t2 = 8;
  in.theta1 = 60, in.theta2 = 60;
  in.g = 20;
  in.face_l = 450, in.face_b = 280, in.face_t = 16;
  in.side_l = 450, in.side_b = 100, in.side_t = 8;
  in.overlap_l = 150, in.overlap_b = 100, in.overlap_t = 16;
  return in;
}

TEST(KnPlateRequirements, RequiredLengthWidthAndThickness) {
  const KnPlateRequirements r = ComputeKnPlateRequirements(SixtyDegreeJoint());
  EXPECT_NEAR(r.l_req, 376.41, 0.01);  // 1.5 × (100 / sin 60° + 20 + 100 / sin 60°)
  EXPECT_DOUBLE_EQ(r.b_req, 280.0);
  EXPECT_DOUBLE_EQ(r.t_req1, 16.0);
  EXPECT_DOUBLE_EQ(r.t_req2, 16.0);
}

TEST(KnPlateRequirements, OnlyThePlatesPresentAreChecked) {
  ReportInputs in = SixtyDegreeJoint();
  in.kn_side_plates = 1;
  in.side_l = 0;  // too short, but the only checked plate is the side plate
  in.face_l = in.face_b = in.face_t = 0;
  in.overlap_t = 0;
  const KnPlateRequirements r = ComputeKnPlateRequirements(in);
  EXPECT_FALSE(r.face_length.checked);
  EXPECT_FALSE(r.overlap_thickness1.checked);
  EXPECT_TRUE(r.side_length.checked);
  EXPECT_FALSE(r.side_length.passed);
  EXPECT_TRUE(r.strength.checked);
  EXPECT_EQ(r.FailedCount(), 1);
}

// A dimension equal to its requirement passes; one below fails, as does one not a number.
TEST(KnPlateRequirements, DimensionEqualToTheRequirementPasses) {
  ReportInputs in = SixtyDegreeJoint();
  in.kn_face_plate = 1;
  in.face_l = ComputeKnPlateRequirements(in).l_req;
  in.face_b = 280, in.face_t = 16;
  KnPlateRequirements r = ComputeKnPlateRequirements(in);
  EXPECT_TRUE(r.face_length.passed);
  EXPECT_TRUE(r.face_width.passed);
  EXPECT_TRUE(r.face_thickness1.passed);
  EXPECT_EQ(r.FailedCount(), 0);

  in.face_b = 279.9;
  in.face_t = std::nan("");
  r = ComputeKnPlateRequirements(in);
  EXPECT_FALSE(r.face_width.passed);
  EXPECT_FALSE(r.face_thickness1.passed);
  EXPECT_FALSE(r.face_thickness2.passed);
  EXPECT_EQ(r.FailedCount(), 3);
}

TEST(KnPlateRequirements, PrintsTheFacePlateBlockWithItsWorkedValues) {
  ReportInputs in = SixtyDegreeJoint();
  in.kn_face_plate = 1;
  in.face_l = 376.4;  // prints as the requirement but lies just below it
  const Printed out = PrintOnCanvas(
      [&](ReportCanvas& c) { PrintKnPlateRequirements(c, KnUsedInputsOf(in), ComputeKnPlateRequirements(in)); });
  const std::string& t = out.text;
  EXPECT_TRUE(HasLine(t, "Nelikanttoru vöölapi pikkus ")) << t;
  EXPECT_TRUE(HasLine(t, "l p  >= 1,5*(h1 / sinθ 1 + g + h2  / sinθ 2 ) = "
                         "1,5×(100.0 / sin60.0 ° + 20.0 + 100.0 / sin 60.0 ° ) = 376.4 mm"))
      << t;
  EXPECT_TRUE(HasLine(t, "l p  = 376.4 mm  < 376.4 mm  Ei rahulda! ")) << t;
  EXPECT_TRUE(HasLine(t, "b p  >= b0  - 2×t0  = 300.0 - 2× 10.0 = 280.0 mm "
                         "b p  = 280.0 mm  >= 280.0 mm  Korras! "))
      << t;
  EXPECT_TRUE(HasLine(t, "t p  >= 2×t1  = 2×8.0 = 16.0 mm t p  = 16.0 mm  >= 16.0 mm  Korras! ")) << t;
  EXPECT_EQ(out.failed, 1);
  EXPECT_EQ(out.failed_count, 1);
}

// Blocks print in the order face, side, between-braces whatever the combination, and the
// plate strength line always closes the section.
TEST(KnPlateRequirements, BlocksInFixedOrderThenPlateStrength) {
  ReportInputs in = SixtyDegreeJoint();
  in.kn_face_plate = in.kn_side_plates = in.kn_overlap_plate = 1;
  const std::string t = PrintOnCanvas([&](ReportCanvas& c) {
                          PrintKnPlateRequirements(c, KnUsedInputsOf(in), ComputeKnPlateRequirements(in));
                        }).text;
  const auto face = t.find("Nelikanttoru vöölapi pikkus");
  const auto side = t.find("Nelikanttoru külglapi pikkus");
  const auto between = t.find("Ülekattega liite vahelapi paksus");
  const auto strength = t.find("f ykt = 355 MPa  >= 355.0 MPa  Korras! ");
  ASSERT_NE(face, std::string::npos);
  EXPECT_LT(face, side);
  EXPECT_LT(side, between);
  EXPECT_LT(between, strength);
  EXPECT_NE(strength, std::string::npos) << t;
  // The side plates' length formula spells "sin " with a blank.
  EXPECT_TRUE(HasLine(t, "l p  >= 1,5*(h1 / sin θ 1 + g + h2  / sin θ 2 ) = "
                         "1,5×(100.0 / sin60.0 ° + 20.0 + 100.0 / sin 60.0 ° ) = 376.4 mm"))
      << t;
}

// A 10 mm plate on braces of 5 and 12 mm: the first thickness line passes, the second fails.
TEST(KnPlateRequirements, ThicknessAgainstEachBraceSeparately) {
  ReportInputs in = SixtyDegreeJoint();
  in.kn_face_plate = 1;
  in.t1 = 5, in.t2 = 12;
  in.face_t = 10;
  const KnPlateRequirements r = ComputeKnPlateRequirements(in);
  EXPECT_TRUE(r.face_thickness1.passed);
  EXPECT_FALSE(r.face_thickness2.passed);
  const Printed out = PrintOnCanvas([&](ReportCanvas& c) { PrintKnPlateRequirements(c, KnUsedInputsOf(in), r); });
  EXPECT_TRUE(HasLine(out.text, "t p  >= 2×t1  = 2×5.0 = 10.0 mm t p  = 10.0 mm  >= 10.0 mm  Korras! "))
      << out.text;
  EXPECT_TRUE(HasLine(out.text, "t p  >= 2×t2  = 2×12.0 = 24.0 mm t p  = 10.0 mm  < 24.0 mm  Ei rahulda! "))
      << out.text;
  EXPECT_EQ(out.failed_count, 1);
  // The failed line is red and the next line black again.
  bool saw_red = false;
  for (const auto& r : out.records) {
    if (r.text == "Ei rahulda! ") saw_red = r.color == kRed;
  }
  EXPECT_TRUE(saw_red);
  EXPECT_EQ(out.records.back().color, kBlack);
}

// The plate steel must be at least as strong as the chord; the printed relation is the one
// tested.
TEST(KnPlateRequirements, PlateStrengthAgainstChordStrength) {
  struct Case {
    double fy0;
    bool passes;
    const char* line;
  };
  for (const Case& k : {Case{355, true, "f ykt = 355 MPa  >= 355.0 MPa  Korras! "},
                        Case{275, true, "f ykt = 355 MPa  >= 275.0 MPa  Korras! "},
                        Case{420, false, "f ykt = 355 MPa  < 420.0 MPa  Ei rahulda! "}}) {
    ReportInputs in = SixtyDegreeJoint();
    in.kn_side_plates = 1;
    in.fy0 = k.fy0;
    const KnPlateRequirements r = ComputeKnPlateRequirements(in);
    EXPECT_EQ(r.strength.passed, k.passes) << k.fy0;
    const Printed out = PrintOnCanvas([&](ReportCanvas& c) { PrintKnPlateRequirements(c, KnUsedInputsOf(in), r); });
    EXPECT_TRUE(HasLine(out.text, k.line)) << out.text;
    EXPECT_EQ(out.failed, k.passes ? 0 : 1);
  }
}

}  // namespace
}  // namespace traxen
