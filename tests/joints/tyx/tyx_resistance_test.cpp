// Resistances of plain T/Y/X joints: which cases are printed, the chord-stress factor, the
// buckling stress, the 0.9 reduction, the limited widths and punching shear.
#include <gtest/gtest.h>

#include <cmath>

#include "joints/tyx/tyx_compute.h"
#include "joints/tyx/tyx_parameter_lines.h"
#include "joints/tyx/tyx_report.h"
#include "report/check_numbers.h"
#include "base/number_format.h"
#include "support/test_support.h"
#include "tyx_fixture.h"

namespace traxen::testing {
namespace {

// A T joint whose brace is almost as wide as the chord: chord 200x200x10 in fy 420, brace
// 175x175x5, β = 0.875, γ = 10. Hand-computed values below.
Job WideTJob() {
  Job job = ValidYJob();
  job.steel.fy0 = 420;
  TyxJoint& t = job.tyx;
  t.t0 = 10, t.h1 = 175, t.b1 = 175, t.t1 = 5;
  t.N0 = -300, t.M0 = 5, t.N1 = -400, t.theta1 = 90;
  job.chord.A0 = 7257, job.chord.Wel0 = 428000;
  return job;
}

TEST(TyxWideBrace, MatchesHandCalculationWithOneReductionPerChordResistance) {
  const TyxResult r = ComputeTyx(InputsOf(WideTJob()));
  ASSERT_TRUE(r.valid);
  EXPECT_FALSE(r.narrow_case);
  ASSERT_TRUE(r.wide_case);
  const TyxWideBrace& m = r.wide;
  // 0.9 × 420 × 10² × (2 × 0.875 + 4 √0.15) / (0.15 × 1000)
  EXPECT_NEAR(m.face_resistance, 0.9 * 42000 * (1.75 + 4 * std::sqrt(0.15)) / 150, 1e-9);
  EXPECT_NEAR(m.face_resistance, 831.4, 0.05);
  // λ = 3.46 × 18 / (π √500), χ by curve c, fb = χ × 420 at exactly 90°.
  EXPECT_NEAR(m.slenderness, 0.8866, 5e-4);
  EXPECT_EQ(m.buckling_form, TyxBucklingStress::RightAngle);
  EXPECT_NEAR(m.buckling_stress, m.reduction * 420, 1e-9);
  EXPECT_NEAR(m.side_wall_resistance, 0.9 * m.buckling_stress * 10 * (350 + 100) / 1000, 1e-6);
  EXPECT_NEAR(m.shear_resistance, 0.9 * 420 * 4000 / (std::sqrt(3.0) * 1000), 1e-6);
  EXPECT_EQ(m.side_resistance, m.shear_resistance);
  EXPECT_NEAR(m.interpolated, m.face_resistance + (m.side_resistance - m.face_resistance) * 0.025 / 0.15,
              1e-9);
  ASSERT_TRUE(m.punching_applies);  // 0.875 <= 1 − 1/10
  EXPECT_NEAR(m.punching_resistance, 0.9 * 420 * 10 * (350 + 175) / (std::sqrt(3.0) * 1000), 1e-6);
  EXPECT_EQ(m.resistance, m.interpolated);
  // The brace is fy 355: no reduction, and b_eff = 207 > b1 is limited to b1.
  EXPECT_FALSE(m.brace_reduced);
  EXPECT_TRUE(m.effective_width_limited);
  EXPECT_NEAR(m.effective_width_unlimited, 10.0 * 420 * 100 * 175 / (200 * 355 * 5), 1e-9);
  EXPECT_EQ(m.effective_width, 175);
  EXPECT_NEAR(m.brace_resistance, 355 * 5 * (350 - 20 + 350) / 1000.0, 1e-9);
}

TEST(TyxWideBrace, PrintsTheReductionOncePerChordFormulaAndTheLimitedWidth) {
  const std::string text = ReportText(WideTJob());
  // Symbolic and numeric lines of the chord face, side wall, shear and punching: two each.
  EXPECT_EQ(Occurrences(text, "0.9×"), 8) << text;
  EXPECT_TRUE(Contains(text, "N1K,Rd  = fyk1 ×t1 ×(2×h1"));  // brace at 355: no 0.9
  EXPECT_TRUE(Contains(text, " = 207.0 > 175.0 , seega beff  = 175.0\n"));
  EXPECT_TRUE(Contains(text, "fb  =  χ×fyk0 \n"));
  EXPECT_TRUE(Contains(text, "fb  = 0.608 × 420 = 255 MPa\n"));
}

TEST(TyxWideBrace, YieldStrength355IsNotReduced) {
  Job job = WideTJob();
  job.steel.fy0 = 355;
  const TyxResult r = ComputeTyx(InputsOf(job));
  EXPECT_FALSE(r.wide.face_reduced);
  EXPECT_FALSE(r.wide.chord_reduced);
  EXPECT_FALSE(r.wide.punching_reduced);
  EXPECT_FALSE(Contains(ReportText(job), "0.9×"));
}

TEST(TyxWideBrace, AlmostRightAngleUsesTheGeneralBucklingStress) {
  Job job = WideTJob();
  job.tyx.theta1 = 89.9;
  const TyxResult r = ComputeTyx(InputsOf(job));
  EXPECT_EQ(r.wide.buckling_form, TyxBucklingStress::General);
  EXPECT_NEAR(r.wide.buckling_stress,
              0.8 * r.wide.reduction * 420 * std::sin(89.9 * 0.0174532925), 1e-9);
  EXPECT_TRUE(Contains(ReportText(job), "f b = 0.8×χ×fyk0 ×sinθ1\n"));
}

TEST(TyxWideBrace, ChordInTensionTakesKnOneAndTheYieldStrength) {
  Job job = WideTJob();
  job.tyx.N0 = 300;
  const TyxResult r = ComputeTyx(InputsOf(job));
  EXPECT_EQ(r.wide.buckling_form, TyxBucklingStress::ChordInTension);
  EXPECT_EQ(r.wide.buckling_stress, 420);
  EXPECT_EQ(r.kn.kn, 1);
  EXPECT_EQ(r.wide.kn_at_085.kn, 1);
  EXPECT_EQ(r.wide.kn_at_1.kn, 1);
  const std::string text = ReportText(job);
  EXPECT_EQ(Occurrences(text, "k n =  1"), 3);  // at β, at 0.85 and at 1
  EXPECT_TRUE(Contains(text, "fb  =  fy0  =   420 MPa\n"));
  EXPECT_TRUE(Contains(text, "λ = "));  // still computed and printed
}

TEST(TyxWideBrace, PunchingIsLeftOutAboveOneMinusOneOverGamma) {
  Job job = WideTJob();
  TyxJoint& t = job.tyx;
  t.h0 = 100, t.b0 = 100, t.t0 = 10;  // γ = 5: punching only up to β = 0.8
  t.h1 = 90, t.b1 = 90, t.t1 = 5;     // β = 0.9
  job.len.L0_left = 4;
  const TyxResult r = ComputeTyx(InputsOf(job));
  ASSERT_TRUE(r.valid);
  EXPECT_FALSE(r.wide.punching_applies);
  EXPECT_EQ(r.wide.resistance, r.wide.interpolated);
  const std::string text = ReportText(job);
  EXPECT_FALSE(Contains(text, "läbisurumiskandevõime juhul"));
  EXPECT_TRUE(Contains(text, FormatNumber("N1,Rd  = min(  %3.1lf", r.wide.interpolated) +
                                 FormatNumber(" ) = %3.1lf kN\n", r.wide.resistance)));
}

TEST(TyxWideBrace, BraceWiderThanChordExtrapolatesWithoutPunching) {
  Job job = WideTJob();
  job.tyx.b1 = 210, job.tyx.h1 = 175, job.tyx.t1 = 7;  // β = 1.05
  const TyxResult r = ComputeTyx(InputsOf(job));
  ASSERT_TRUE(r.valid);
  EXPECT_FALSE(r.wide.punching_applies);
  EXPECT_NEAR(r.wide.interpolated,
              r.wide.face_resistance + (r.wide.side_resistance - r.wide.face_resistance) * 0.2 / 0.15,
              1e-9);
}

TEST(TyxCases, BetaExactly085PrintsBothCasesEachWithItsVerdict) {
  Job job = ValidYJob();
  job.tyx.b1 = 170, job.tyx.h1 = 170, job.tyx.t1 = 8;  // 170 / 200 is 0.85 exactly
  const TyxResult r = ComputeTyx(InputsOf(job));
  EXPECT_EQ(r.beta, 0.85);
  EXPECT_TRUE(r.narrow_case);
  EXPECT_TRUE(r.wide_case);
  const std::string text = ReportText(job);
  EXPECT_TRUE(Contains(text, "Kui β  <= 0.85, siis"));
  EXPECT_TRUE(Contains(text, "Kui β  >= 0.85, siis"));
  EXPECT_EQ(Occurrences(text, " >= |N1, Ed | = 152.0 kN"), 2);
  const CheckSummary s = SummariseTyx(r);
  ASSERT_EQ(s.verdicts.size(), 2u);
  EXPECT_EQ(s.verdicts[0].mode, "1");
  EXPECT_EQ(s.verdicts[1].mode, "governing");
}

TEST(TyxCases, NarrowBraceEndsWithItsVerdictAndListsNoModes) {
  const std::string text = RenderReportText(ValidYJob(), ReportInputs{}, 1, /*brace_welds=*/false);
  EXPECT_FALSE(Contains(text, "tuleb arvutada"));
  const std::string last = text.substr(text.rfind('\n', text.size() - 2) + 1);
  EXPECT_EQ(last, "N1,Rd   = 256.8 kN >= |N1, Ed | = 152.0 kN Korras! \n");
}

TEST(TyxCases, FailedVerdictIsRedButLeavesTheReportValid) {
  Job job = ValidYJob();
  job.tyx.N1 = -300;
  RenderedReport out;
  Render(job, out);
  EXPECT_EQ(out.result.failed, 0);
  bool red_verdict = false;
  for (const auto& t : out.surface.texts())
    if (t.text == "Ei rahulda! ") red_verdict = t.color == kRed;
  EXPECT_TRUE(red_verdict);
  Color last_colour = kRed;
  for (const DrawOp& op : out.surface.ops())
    if (op.kind == DrawOp::Kind::SetTextColor) last_colour = op.color;
  EXPECT_EQ(last_colour, kBlack);
  const std::string text = ReportText(job);
  EXPECT_TRUE(Contains(text, "N1,Rd  = 256.8 kN < |N1,Ed | =300.0 kN Ei rahulda! \n"));
  const CheckSummary s = CheckTyxJoint(InputsOf(job));
  EXPECT_TRUE(s.valid);
  EXPECT_FALSE(s.passed());
}

// A resistance that prints as 0.0 kN fails, also against a brace without force, and its red
// line keeps the relation its numbers have rather than claiming 0.0 < 0.0.
TEST(TyxCases, AResistanceThatPrintsAsZeroFails) {
  struct Case {
    double resistance, force;
    const char* line;
  };
  const Case cases[] = {
      {0.0, 0.0, "N1,Rd   = 0.0 kN >= |N1, Ed | = 0.0 kN Ei rahulda! \n"},
      {0.049, 0.0, "N1,Rd   = 0.0 kN >= |N1, Ed | = 0.0 kN Ei rahulda! \n"},
      {0.05, 0.0, "N1,Rd   = 0.1 kN >= |N1, Ed | = 0.0 kN Korras! \n"},
      {0.02, -0.04, "N1,Rd  = 0.0 kN < |N1,Ed | =0.0 kN Ei rahulda! \n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    const bool passed = ResistancePasses(c.resistance, std::abs(c.force));
    RecordingSurface surface;
    ReportCanvas canvas(surface);
    std::vector<ReportTextPiece> log;
    canvas.text_log = &log;
    LineWriter w(canvas);
    PrintResistanceVerdict(w, c.resistance, c.force, passed, false);
    w.NewLine();
    EXPECT_EQ(ReportPiecesToText(log), c.line);
    EXPECT_EQ(canvas.failed, 0);  // a resistance never stops the report
  }
}

TEST(TyxChordStressFactor, SmallUtilisationPrintsTheUncappedValueThenOne) {
  const TyxResult r = ComputeTyx(InputsOf(ValidYJob()));
  EXPECT_GT(r.kn.uncapped, 1);
  EXPECT_EQ(r.kn.kn, 1);
  EXPECT_TRUE(Contains(ReportText(ValidYJob()), "= 1.199 > 1 kn  = 1.000\n"));
}

TEST(TyxChordStressFactor, HighUtilisationIsNotBoundedBelow) {
  Job job = ValidYJob();
  job.tyx.N0 = -2000;  // n ≈ 0.97: kn = 1.3 − 0.4 × 0.97 / 0.6
  const TyxResult r = ComputeTyx(InputsOf(job));
  EXPECT_NEAR(r.kn.kn, 1.3 - 0.4 * r.stress.n / 0.6, 1e-12);
  EXPECT_LT(r.kn.kn, 1);
  EXPECT_EQ(r.kn.kn, r.kn.uncapped);
  EXPECT_TRUE(Contains(ReportText(job), FormatNumber("= %3.3lf <=  1", r.kn.uncapped)));
  EXPECT_NEAR(r.narrow.resistance,
              r.kn.kn * 355 * 64 * (2 * 0.6 / std::sin(TyxRadians(60)) + 4 * std::sqrt(0.4)) /
                  (0.4 * std::sin(TyxRadians(60)) * 1000),
              1e-9);
}

TEST(TyxChordStress, ZeroAreaPrintsInfinityWithoutStopping) {
  Job job = ValidYJob();
  job.chord.A0 = 0;
  const std::string text = ReportText(job);
  EXPECT_TRUE(Contains(text, " / 0.0 + "));
  EXPECT_TRUE(Contains(text, "= inf MPa"));
  EXPECT_TRUE(Contains(text, "N1,Rd "));
}

}  // namespace
}  // namespace traxen::testing
