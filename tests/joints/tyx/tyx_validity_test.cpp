// Range of validity of T/Y/X joints: limit values on both sides, the sections that are
// printed or left out, class numerals and the stop line.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>

#include "joints/tyx/tyx_compute.h"
#include "joints/tyx/tyx_report.h"
#include "tyx_fixture.h"

namespace traxen::testing {
namespace {

struct EdgeCase {
  const char* name;
  std::function<void(Job&)> change;
  bool valid;
  const char* printed;  // a piece of the line that shows the outcome
};

class TyxValidityEdge : public ::testing::TestWithParam<EdgeCase> {};

TEST_P(TyxValidityEdge, DecidesAndPrintsTheCondition) {
  const EdgeCase& c = GetParam();
  Job job = ValidYJob();
  c.change(job);
  const TyxResult r = ComputeTyx(InputsOf(job));
  EXPECT_EQ(r.valid, c.valid);
  EXPECT_EQ(r.failed_count, c.valid ? 0 : 1);
  const std::string text = ReportText(job);
  EXPECT_TRUE(Contains(text, c.printed)) << text;
  EXPECT_EQ(Contains(text, "EI SAA ARVUTADA, KUNA EELDUSED POLE TÄIDETUD!!!"), !c.valid);
  EXPECT_EQ(Contains(text, "β = b1"), c.valid);  // resistances only when every condition holds
}

const EdgeCase kEdgeCases[] = {
    {"ChordClass2", [](Job& j) { j.tyx.chord_class = 2; }, true, "Ristlõike klass II  <  III   Korras!"},
    {"ChordClass3", [](Job& j) { j.tyx.chord_class = 3; }, false, "Ristlõike klass III  >  II   Ei rahulda!"},
    {"ChordClass4", [](Job& j) { j.tyx.chord_class = 4; }, false, "Ristlõike klass IV  >  II"},
    {"ChordClass0", [](Job& j) { j.tyx.chord_class = 0; }, false, "Ristlõike klass 0  >  II"},
    {"BraceClass7", [](Job& j) { j.tyx.brace_class = 7; }, false, "Ristlõike klass 7  >  II"},
    {"Fy460", [](Job& j) { j.steel.fy0 = 460; }, true, "f yk = 460 MPa  <= 460.0 MPa  Korras!"},
    {"Fy461", [](Job& j) { j.steel.fy1 = 461; }, false, "f yk = 461 MPa  > 460.0 MPa  Ei rahulda!"},
    {"Wall25", [](Job& j) { j.tyx.t1 = 2.5, j.tyx.h1 = j.tyx.b1 = 80; }, true, "t1  = 2.5 mm  > 2.5 mm  Korras!"},
    {"Wall249", [](Job& j) { j.tyx.t1 = 2.49, j.tyx.h1 = j.tyx.b1 = 80; }, false, "t1  = 2.5 mm  < 2.5 mm  Ei rahulda!"},
    {"DepthRatio35", [](Job& j) { j.tyx.h0 = 280; }, true, "h0  / t0  = 280.0 / 8.0 = 35.0 <= 35   Korras!"},
    {"WidthRatio36", [](Job& j) { j.tyx.b1 = 216; }, false, "b1  / t1  = 216.0 / 6.0 = 36.0 > 35   Ei rahulda!"},
    {"AspectHalf", [](Job& j) { j.tyx.h0 = 100; }, true, "h0  / b0  = 100.0 / 200.0 = 0.5 >= 0.5 Korras!"},
    {"AspectBelowHalf", [](Job& j) { j.tyx.h0 = 99; }, false, "h0  / b0  = 99.0 / 200.0 = 0.5 < 0.5  Ei rahulda!"},
    {"AspectTwo", [](Job& j) { j.tyx.h1 = 120, j.tyx.b1 = 60; }, true, "h1  / b1  = 120.0 / 60.0 = 2.0 <= 2 Korras!"},
    {"AspectAboveTwo", [](Job& j) { j.tyx.h1 = 121, j.tyx.b1 = 60; }, false, "h1  / b1  = 121.0 / 60.0 = 2.0 > 2 Ei rahulda!"},
    {"ChordLengthSix", [](Job& j) { j.len.L0_left = 1.2; }, true, "L0  / h0  = 1200.0 / 200.0 = 6.0 >= 6 Korras!"},
    {"ChordLengthShort", [](Job& j) { j.len.L0_left = 1.19; }, false, "L0  / h0  = 1190.0 / 200.0 = 6.0 < 6 Ei rahulda!"},
    {"BraceLengthShort", [](Job& j) { j.len.L1 = 0.7; }, false, "L 1 / h1  = 700.0 / 120.0 = 5.8 < 6 Ei rahulda!"},
    {"Angle30", [](Job& j) { j.tyx.theta1 = 30; }, true, "θ1  = 30.0° >= 30° Korras!"},
    {"Angle29", [](Job& j) { j.tyx.theta1 = 29.9; }, false, "θ1  = 29.9° < 30° Ei rahulda!"},
    {"Angle150", [](Job& j) { j.tyx.theta1 = 150; }, true, "θ1  = 150.0° <= 150° Korras!"},
    {"Angle151", [](Job& j) { j.tyx.theta1 = 150.1; }, false, "θ1  = 150.1° > 150° Ei rahulda!"},
    {"WidthQuarter", [](Job& j) { j.tyx.b1 = 50, j.tyx.h1 = 50, j.tyx.t1 = 4; }, true, "b1  / b0  = 50.0 / 200.0 = 0.25 >= 0.25   Korras!"},
    {"WidthBelowQuarter", [](Job& j) { j.tyx.b1 = 49, j.tyx.h1 = 49, j.tyx.t1 = 4; }, false, "b1  / b0  = 49.0 / 200.0 = 0.24 < 0.25   Ei rahulda!"},
};

INSTANTIATE_TEST_SUITE_P(Limits, TyxValidityEdge, ::testing::ValuesIn(kEdgeCases),
                         [](const auto& info) { return std::string(info.param.name); });

// 0 / 0 cannot be formed: an undefined ratio fails; an infinite one is compared as it is.
TEST(TyxValidity, UndefinedRatiosFailEveryConditionTheyEnter) {
  Job job = ValidYJob();
  job.tyx.h1 = 0, job.tyx.b1 = 0, job.tyx.t1 = 0;
  const TyxResult r = ComputeTyx(InputsOf(job));
  // t1, h1/t1, b1/t1, h1/b1 twice, L1/h1 (infinite, which is no pass), b1/b0 = 0.
  EXPECT_FALSE(r.validity.brace.wall_thickness.passed);
  EXPECT_FALSE(r.validity.brace.depth_to_thickness.passed);
  EXPECT_FALSE(r.validity.brace.width_to_thickness.passed);
  EXPECT_FALSE(r.validity.brace.depth_to_width_min.passed);
  EXPECT_FALSE(r.validity.brace.depth_to_width_max.passed);
  EXPECT_FALSE(r.validity.brace.length_to_depth.passed);
  EXPECT_FALSE(r.validity.brace.brace_to_chord_width.passed);
  EXPECT_EQ(r.failed_count, 7);
  const std::string text = ReportText(job);  // "nan" or "-nan", as the quotient came out
  EXPECT_TRUE(Contains(text, "h1  / t1  = 0.0 / 0.0 = "));
  EXPECT_TRUE(Contains(text, "nan > 35   Ei rahulda!"));
}

TEST(TyxValidity, ZeroBraceLengthLeavesOutTheWholeBraceSection) {
  Job job = ValidYJob();
  job.len.L1 = 0;
  job.tyx.theta1 = 10;  // would fail, but is not checked
  const TyxResult r = ComputeTyx(InputsOf(job));
  EXPECT_FALSE(r.validity.brace_printed);
  EXPECT_TRUE(r.valid);
  const std::string text = ReportText(job);
  EXPECT_FALSE(Contains(text, "2) VÕRGUVARRAS"));
  EXPECT_FALSE(Contains(text, "θ1  ="));
  EXPECT_FALSE(Contains(text, "= 0.60 >= 0.25"));
}

TEST(TyxValidity, MarkerLengthPrintsTheLowerBraceWithTheBraceClass) {
  Job job = ValidYJob();
  job.steel.fy2 = 400;
  job.tyx.brace_class = 2;
  for (double length : {4.0, 999.9, 1000.1}) {
    job.len.L2 = length;
    EXPECT_FALSE(Contains(ReportText(job), "3) ALUMINE VARRAS")) << length;
  }
  job.len.L2 = 1000.0;
  const std::string text = ReportText(job);
  EXPECT_TRUE(Contains(text, "3) ALUMINE VARRAS\n"
                             "Ristlõike klass II  <  III   Korras!  f yk = 400 MPa  <= 460.0 MPa  Korras! \n"
                             "t 2 = 6.0 mm  > 2.5 mm  Korras!  h 2 / t 2 = 120.0 / 6.0 = 20.0 <= 35   Korras! \n"));
  EXPECT_TRUE(Contains(text, "θ 2  = 60.0° <= 150° Korras!  L 2 / h 2 = 1000000.0 / 120.0 = 8333.3 >= 6 Korras! \n"));
  EXPECT_TRUE(ComputeTyx(InputsOf(job)).valid);
}

TEST(TyxValidity, LowerBraceIsCheckedAtTheBraceAngleOnlyWhenTheSchematicIsDrawn) {
  Job job = ValidYJob();
  job.len.L2 = 1000.0;
  job.tyx.theta2 = 20;  // a stale dialog value of a project file
  const CheckSummary stale = CheckJob(job, ReportInputs{}, 0);
  EXPECT_FALSE(stale.valid);
  EXPECT_TRUE(CheckJob(job, ReportInputs{}, 1).valid);
}

TEST(TyxValidity, TwoFailuresOnOneLineAreBothRedAndTheNextLineBlack) {
  Job job = ValidYJob();
  job.tyx.h0 = 460, job.tyx.t0 = 14;  // h0 / b0 = 2.3 and, on the same line, L0 / h0 = 4.3
  job.len.L0_left = 2;
  RenderedReport out;
  Render(job, out);
  EXPECT_EQ(out.result.failed, 1);
  int red_verdicts = 0;
  for (const auto& t : out.surface.texts()) {
    if (t.text == "Ei rahulda! ") {
      EXPECT_EQ(t.color, kRed);
      ++red_verdicts;
    }
    if (t.text == "Korras! ") {
      EXPECT_EQ(t.color, kBlack);
    }
  }
  EXPECT_EQ(red_verdicts, 2);
  const std::string text = ReportText(job);
  EXPECT_TRUE(Contains(text, "h0  / b0  = 460.0 / 200.0 = 2.3 > 2 Ei rahulda!  L0  / h0  = 2000.0 / 460.0 = 4.3 < 6 Ei rahulda! \n"
                             "2) VÕRGUVARRAS"));
  EXPECT_EQ(ComputeTyx(InputsOf(job)).failed_count, 2);
}

TEST(TyxValidity, TextStartsBelowTheSchematicLowerForAnXJoint) {
  for (int x_joint : {0, 1}) {
    Job job = ValidYJob();
    job.tyx.x_joint = x_joint;
    RenderedReport out;
    Render(job, out);
    int headline_y = 0;
    for (const auto& p : out.pieces)
      if (p.text == "SÕLME KANDEVÕIME ARVUTUSE EELDUSED:") headline_y = p.line_y;
    EXPECT_EQ(headline_y, x_joint ? 150 + 573 : 573);
  }
}


// B11 stands alone on the brace section's last line and the section ends with one advance:
// "3) ALUMINE VARRAS" follows one line step below it, and without the lower brace the β line
// of the resistances three steps below (the stop line's advance and its empty line between).
TEST(TyxValidity, SectionsAfterTheBraceChecksFollowAtTheirLineSteps) {
  struct Case {
    double L2;
    const char* next;  // first piece of the line after the brace section
    int steps;
  };
  for (const Case c : {Case{1000.0, "3) ALUMINE VARRAS", 1}, Case{4.0, "β", 3}}) {
    Job job = ValidYJob();
    job.len.L2 = c.L2;
    RenderedReport r;
    Render(job, r);
    int b11_y = -1, next_y = -1;
    for (const ReportTextPiece& p : r.pieces) {
      if (p.text.rfind(" >= 0.25", 0) == 0) b11_y = p.line_y;
      if (next_y < 0 && b11_y >= 0 && p.text.rfind(c.next, 0) == 0) next_y = p.line_y;
    }
    ASSERT_GE(b11_y, 0);
    ASSERT_GE(next_y, 0) << c.next;
    EXPECT_EQ(next_y - b11_y, c.steps * 23) << c.next;
  }
}

// A chord wall over 25 mm gets a note under the member checks, plain and reinforced, in the
// report's language; the verdicts stay what they were.
TEST(TyxValidity, ChordWallOver25mmGetsANoteAndNoVerdict) {
  struct Case {
    bool reinforced;
    double t0;
  };
  const Case cases[] = {{false, 25.0}, {false, 25.1}, {true, 25.0}, {true, 40.0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << (c.reinforced ? "reinforced " : "plain ") << c.t0);
    Job job = ValidYJob();
    if (c.reinforced) {
      job.tyx.face_plate = 1;
      job.plate.face_l = 450, job.plate.face_b = 160, job.plate.face_t = 10;  // b0 - 2 t0 for the thinnest wall
    }
    Job thin = job;
    job.tyx.t0 = c.t0;
    thin.tyx.t0 = 20;
    const bool note = c.t0 > 25;
    EXPECT_EQ(ComputeTyx(InputsOf(job)).validity.through_thickness_note, note);
    const CheckSummary with = CheckTyxJoint(InputsOf(job)), without = CheckTyxJoint(InputsOf(thin));
    EXPECT_EQ(with.valid, without.valid);
    EXPECT_EQ(with.failed_condition_names, without.failed_condition_names);
    const std::string text = ReportText(job);
    EXPECT_EQ(text.find("Märkus: vöö seina paksus t0 > 25 mm;") != std::string::npos, note) << text;
    RenderedReport english;
    RenderOptions options;
    options.language = ReportLanguage::kEnglish;
    options.text_log = &english.pieces;
    MirrorTyxBrace2(job.tyx);
    RenderReport(english.surface, job, ReportInputs{}, 1, options);
    const std::string english_text = ReportPiecesToText(english.pieces);
    EXPECT_EQ(english_text.find("Note: chord wall t0 > 25 mm;") != std::string::npos, note) << english_text;
    // The note is black, not a failure.
    for (const auto& t : english.surface.texts()) {
      if (t.text.rfind("Note:", 0) == 0) {
        EXPECT_EQ(t.color, kBlack);
      }
    }
  }
}

}  // namespace
}  // namespace traxen::testing
