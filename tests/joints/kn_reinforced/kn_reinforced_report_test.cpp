// The reinforced K/N report as a whole: what stops it, which checks follow, the summary
// `check --json` serialises, and the opening of the printed report.
#include "joints/kn_reinforced/kn_reinforced_report.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "joints/kn/kn_geometry.h"
#include "model/job_file.h"
#include "families/dispatch.h"
#include "joints/kn_reinforced/kn_reinforced_joint.h"
#include "joints/kn_reinforced/printed_text.h"
#include "support/test_support.h"

namespace traxen {
namespace {

using testing::HasLine;
using testing::PrintOnCanvas;

// Members that pass every validity condition; the geometry is set per test.
ReportInputs ValidMembers() {
  ReportInputs in;
  in.fy0 = 355, in.fy1 = 355, in.fy2 = 355, in.fy_plate = 355;
  in.gamma_M0 = 1.0;
  in.h0 = 200, in.b0 = 200, in.t0 = 8;
  in.h1 = 100, in.b1 = 100, in.t1 = 5;
  in.h2 = 100, in.b2 = 100, in.t2 = 5;
  in.theta1 = 45, in.theta2 = 45;
  in.N0_left = -200, in.N1 = -100, in.N2 = 100, in.M0 = 0;
  in.A0 = 6080, in.Wel0 = 370000;
  in.L0_left = in.L0_right = in.L1 = in.L2 = 4;
  in.chord_class = in.brace1_class = in.brace2_class = 1;
  in.face_l = 600, in.face_b = 190, in.face_t = 10;
  in.side_l = 600, in.side_b = 100, in.side_t = 8;
  in.overlap_l = 150, in.overlap_b = 100, in.overlap_t = 12;
  return in;
}

// A gap joint with side plates: g from the geometry with e = 0 is 58.6 mm.
ReportInputs SidePlatedGapJoint() {
  ReportInputs in = ValidMembers();
  in.kn_side_plates = 1;
  StoreKnGeometry(in);
  return in;
}

// An overlap joint with the between-braces plate and an overlap of `lambda` per cent.
ReportInputs PlatedOverlapJoint(double lambda) {
  ReportInputs in = ValidMembers();
  in.kn_overlap_plate = 1;
  in.p = 141.42;
  in.g = -lambda / 100 * in.p;
  return in;
}

TEST(ReinforcedKnJoint, GapJointRunsTheReinforcedGapChecks) {
  const ReportInputs in = SidePlatedGapJoint();
  ASSERT_NEAR(in.g, 58.6, 0.05);
  const ReinforcedKnResult r = ComputeReinforcedKnJoint(in);
  EXPECT_TRUE(r.valid()) << r.FailedConditions();
  ASSERT_TRUE(r.reinforced_gap.has_value());
  EXPECT_FALSE(r.reinforced_overlap.has_value());
  const CheckSummary s = SummarizeReinforcedKnJoint(r);
  EXPECT_EQ(s.report, "reinforced");
  ASSERT_TRUE(s.g.has_value());
  EXPECT_DOUBLE_EQ(*s.g, in.g);
  EXPECT_FALSE(s.p.has_value());
  EXPECT_FALSE(s.lambda_ov.has_value());
  EXPECT_TRUE(s.valid);
  EXPECT_EQ(s.failed_conditions, 0);
  ASSERT_GE(s.verdicts.size(), 8u);
  EXPECT_EQ(s.verdicts.front().brace, 1);
  EXPECT_EQ(s.verdicts.front().mode, "1");
  EXPECT_EQ(s.verdicts.back().brace, 2);
}

// An overlap of 110 % and braces of unlike widths are not conditions of the reinforced report.
TEST(ReinforcedKnJoint, OverlapConditionsAreLeftOut) {
  ReportInputs in = PlatedOverlapJoint(110);
  in.b1 = 60, in.h1 = 60;  // b1 / b2 = 0.6 < 0.75
  const ReinforcedKnResult r = ComputeReinforcedKnJoint(in);
  EXPECT_TRUE(r.valid()) << r.FailedConditions();
  EXPECT_FALSE(r.validity.overlap_conditions);
  ASSERT_TRUE(r.reinforced_overlap.has_value());
  const CheckSummary s = SummarizeReinforcedKnJoint(r);
  ASSERT_EQ(s.verdicts.size(), 2u);
  EXPECT_EQ(s.verdicts[0].mode, "overlap");
  EXPECT_EQ(s.verdicts[0].brace, 1);
  EXPECT_EQ(s.verdicts[1].brace, 2);
  ASSERT_TRUE(s.lambda_ov.has_value());
  EXPECT_NEAR(*s.lambda_ov, 110, 1e-9);
  EXPECT_DOUBLE_EQ(*s.p, 141.42);
}

// An overlap joint reinforced only with chord plates still runs the reinforced overlap
// checks, with the stored between-braces plate and no requirement for it.
TEST(ReinforcedKnJoint, OverlapWithChordPlatesOnlyUsesTheStoredBetweenPlate) {
  ReportInputs in = PlatedOverlapJoint(50);
  in.kn_overlap_plate = 0;
  in.kn_side_plates = 1;
  in.overlap_t = 1;  // far too thin, but not required without its flag
  const ReinforcedKnResult r = ComputeReinforcedKnJoint(in);
  EXPECT_FALSE(r.plates.overlap_thickness1.checked);
  EXPECT_TRUE(r.valid()) << r.FailedConditions();
  ASSERT_TRUE(r.reinforced_overlap.has_value());
  EXPECT_DOUBLE_EQ(r.reinforced_overlap->braces[0].b_e_ov.formula, 10 * 355 * 1 * 1 * 100 / (100 * 355 * 5.0));
}

// A face or side plate does not take the place of the overlap: without the plate between the
// braces an overlap joint is held to the overlap conditions of a plain one, and its report
// prints them; with that plate the same joint is not.
TEST(ReinforcedKnJoint, OverlapConditionsHoldWithoutThePlateBetweenTheBraces) {
  struct Case {
    double lambda, h1;
    std::vector<std::string> failed;
  };
  const Case cases[] = {
      {50, 100, {}},
      {80.1, 100, {"overlap: 25 % <= lambda_ov <= 80 %"}},
      {50, 90, {"overlap: h1 >= b1"}},
      {24, 90, {"overlap: h1 >= b1", "overlap: 25 % <= lambda_ov <= 80 %"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.lambda << " %, h1 " << c.h1);
    ReportInputs in = PlatedOverlapJoint(c.lambda);
    in.h1 = c.h1;
    for (const int between : {0, 1}) {
      in.kn_overlap_plate = between;
      in.kn_side_plates = 1 - between;
      const ReinforcedKnResult r = ComputeReinforcedKnJoint(in);
      const std::vector<std::string> expected = between ? std::vector<std::string>{} : c.failed;
      EXPECT_EQ(SummarizeReinforcedKnJoint(r).failed_condition_names, expected) << between;
      EXPECT_EQ(r.valid(), expected.empty());
      const std::string text =
          PrintOnCanvas([&](ReportCanvas& canvas) { PrintReinforcedKnReport(canvas, r); }).text;
      const bool printed = text.find("25% <= ") != std::string::npos || text.find("Kas 25% >= ") != std::string::npos;
      EXPECT_EQ(printed, !between);
    }
  }
}

// A failed plate requirement stops the report after all validity checks, like a failed
// validity condition, and counts as a failed condition.
TEST(ReinforcedKnJoint, FailedPlateRequirementStopsTheReport) {
  ReportInputs in = SidePlatedGapJoint();
  in.side_l = 100;  // shorter than 1.5 × (h1 / sin θ1 + g + h2 / sin θ2)
  in.L1 = 0.1;      // and one validity condition fails too
  const ReinforcedKnResult r = ComputeReinforcedKnJoint(in);
  EXPECT_FALSE(r.valid());
  EXPECT_FALSE(r.reinforced_gap.has_value());
  const CheckSummary s = SummarizeReinforcedKnJoint(r);
  EXPECT_FALSE(s.valid);
  EXPECT_EQ(s.failed_conditions, 2);
  EXPECT_TRUE(s.verdicts.empty());
  EXPECT_FALSE(s.passed());

  const testing::Printed out = PrintOnCanvas([&](ReportCanvas& c) { RenderReinforcedKnReport(c, in); });
  EXPECT_EQ(out.failed_count, s.failed_conditions);
  EXPECT_EQ(out.text.find("kontrollarvutus"), std::string::npos);
  EXPECT_EQ(out.records.back().text, "EI SAA ARVUTADA, KUNA EELDUSED POLE TÄIDETUD!!!");
  EXPECT_EQ(out.records.back().color, kRed);
}

// The plate strength line decides like the other requirements.
TEST(ReinforcedKnJoint, ChordSteelStrongerThanThePlateStops) {
  ReportInputs in = SidePlatedGapJoint();
  in.fy0 = 420;
  const CheckSummary s = CheckReinforcedKnJoint(in);
  EXPECT_FALSE(s.valid);
  EXPECT_EQ(s.failed_conditions, 1);
  EXPECT_TRUE(s.verdicts.empty());
}

// What the summary reports is what the printed report counts and compares.
TEST(ReinforcedKnReport, PrintedVerdictsMatchTheSummary) {
  for (const ReportInputs& in : {SidePlatedGapJoint(), PlatedOverlapJoint(60)}) {
    const CheckSummary s = CheckReinforcedKnJoint(in);
    const testing::Printed out = PrintOnCanvas([&](ReportCanvas& c) { RenderReinforcedKnReport(c, in); });
    int korras = 0, failed = 0;
    for (const auto& r : out.records) {
      korras += r.text == "Korras! ";
      failed += r.text == "Ei rahulda! ";
    }
    int verdicts_passed = 0;
    for (const auto& v : s.verdicts) verdicts_passed += v.passed;
    EXPECT_EQ(failed, static_cast<int>(s.verdicts.size()) - verdicts_passed + s.failed_conditions);
    EXPECT_GT(korras, verdicts_passed);  // plate and validity lines pass as well
  }
}

// The report opens below the schematic: 380 units down, or 550 with the between-braces
// plate, whose report leaves out the gap lines (also on a gap joint).
TEST(ReinforcedKnReport, OpeningLineOffsetAndGapLines) {
  struct Case {
    bool between_plate;
    int heading_offset;  // line_offset of "TUGEVDATUD SÕLME …"
    bool gap_line;
  };
  for (const Case& k : {Case{false, 380 + 2 * 23, true}, Case{true, 550 + 23, false}}) {
    ReportInputs in = SidePlatedGapJoint();
    in.kn_overlap_plate = k.between_plate ? 1 : 0;
    const testing::Printed out = PrintOnCanvas([&](ReportCanvas& c) { RenderReinforcedKnReport(c, in); });
    int heading_y = -1;
    for (const auto& r : out.records) {
      if (r.text.rfind("TUGEVDATUD SÕLME KANDEVÕIME ARVUTUSE EELDUSED:", 0) == 0) heading_y = r.at.y;
    }
    EXPECT_EQ(heading_y, 150 + k.heading_offset) << k.between_plate;
    EXPECT_EQ(out.text.find("Varraste vahe g =") != std::string::npos, k.gap_line) << out.text;
    EXPECT_EQ(out.text.find("Ülekate") != std::string::npos, false);  // a gap joint has no overlap
    // "TUGEVDATUD …", "TUGEVDUSLAPP", then the blocks of the flags set.
    const auto a = out.text.find("\nTUGEVDUSLAPP   \n");
    const auto side = out.text.find("Nelikanttoru külglapi pikkus");
    const auto between = out.text.find("Ülekattega liite vahelapi paksus");
    ASSERT_NE(a, std::string::npos);
    EXPECT_LT(a, side);
    EXPECT_EQ(between != std::string::npos, k.between_plate);
    EXPECT_EQ(out.text.find("Nelikanttoru vöölapi"), std::string::npos);
  }
}

// With the face plate the gap is measured on the plate's top, t_p·(cot θ1 + cot θ2) wider than
// on the chord face, and that one g serves the title, the summary and every report line.
TEST(ReinforcedKnReport, FacePlateGapServesTheWholeReport) {
  LoadedJob loaded;
  ASSERT_FALSE(LoadJobFile(testing::TestPath("joints/kn_reinforced/gap_both_plates.json"), "", loaded));
  const CheckSummary s = CheckJob(loaded.job, ReportInputs{}, 0);
  ASSERT_TRUE(s.g.has_value());
  const double on_chord_face = 100 * 2 - 2 * 100 / (2 * std::sin(45 * 3.14159265 / 180));
  EXPECT_NEAR(*s.g, on_chord_face + 10 * 2, 1e-6);
  EXPECT_EQ(s.title, "  TUGEVDUSEGA ÜLEKATTETA KN SÕLM ");
  EXPECT_EQ(s.report, "reinforced");

  const std::string text = testing::RenderJobText(testing::TestPath("joints/kn_reinforced/gap_both_plates.json"));
  EXPECT_TRUE(HasLine(text, "Varraste vahe g =  78.6 mm")) << text;
  EXPECT_NE(text.find("100.0 / sin45.0 ° + 78.6 + 100.0"), std::string::npos);
  EXPECT_NE(text.find("{ 1 / [1+4×78.58²"), std::string::npos);
}

// The report prints from the result alone: the result carries the working values it was
// computed from, so printing it gives the report of those values, gap or overlap.
TEST(ReinforcedKnJoint, TheReportPrintsFromTheResultAlone) {
  for (const ReportInputs& in : {SidePlatedGapJoint(), PlatedOverlapJoint(50)}) {
    const ReinforcedKnResult r = ComputeReinforcedKnJoint(in);
    EXPECT_EQ(r.used.g, in.g);
    EXPECT_EQ(r.used.brace2.b, in.b2);
    const std::string rendered =
        PrintOnCanvas([&](ReportCanvas& c) { RenderReinforcedKnReport(c, in); }).text;
    const std::string from_result = PrintOnCanvas([&](ReportCanvas& c) { PrintReinforcedKnReport(c, r); }).text;
    EXPECT_EQ(from_result, rendered);
    EXPECT_TRUE(HasLine(from_result, "TUGEVDUSLAPP   ")) << from_result;
  }
}

}  // namespace
}  // namespace traxen
