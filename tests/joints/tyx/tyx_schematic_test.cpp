// The T/Y/X joint sketch on a recording surface: the joint-type label, the drawing area,
// force arrows, the brace footprint, the lower brace of an X joint and the plates.
#include <gtest/gtest.h>

#include <algorithm>

#include "joints/tyx/tyx_report.h"
#include "tyx_fixture.h"

namespace traxen::testing {
namespace {

struct Sketch {
  RecordingSurface surface;
  ReportInputs in;
};

void DrawSketch(const Job& job, Sketch& out) {
  out.in = InputsOf(job);
  out.in.theta2 = 0;
  ReportCanvas canvas(out.surface);
  // As the dispatcher does: with the schematic drawn, the lower brace takes the brace's angle.
  SetTyxDrawnAngle(out.in, true);
  DrawTyxSchematic(canvas, out.in);
}

std::vector<std::string> TextsInFont(const Sketch& s, const Font& font) {
  std::vector<std::string> texts;
  for (const auto& t : s.surface.texts())
    if (t.font == font) texts.push_back(t.text);
  return texts;
}

bool HasLine(const Sketch& s, Point a, Point b) {
  for (const DrawOp& op : s.surface.ops())
    if (op.kind == DrawOp::Kind::Line && op.a == a && op.b == b) return true;
  return false;
}

bool HasRect(const Sketch& s, Point a, Point b) {
  for (const DrawOp& op : s.surface.ops())
    if (op.kind == DrawOp::Kind::Rect && op.a == a && op.b == b) return true;
  return false;
}

const Font kTypeFont{"Arial", 16, 700};

TEST(TyxSchematic, JointTypeLabelFollowsTheAngleAndTheXFlag) {
  struct Case {
    double theta;
    int x_joint;
    const char* label;
  };
  for (const Case c : {Case{90, 0, "  T - SÕLM "}, Case{60, 0, "  Y - SÕLM "},
                       Case{120, 0, "  Y - SÕLM "}, Case{89.9, 0, "  Y - SÕLM "},
                       Case{90, 1, "  X - SÕLM "}}) {
    Job job = ValidYJob();
    job.tyx.theta1 = c.theta;
    job.tyx.x_joint = c.x_joint;
    Sketch s;
    DrawSketch(job, s);
    EXPECT_EQ(TextsInFont(s, kTypeFont), std::vector<std::string>{c.label}) << c.theta;
  }
}

TEST(TyxSchematic, XJointAreaIs150Taller) {
  Job job = ValidYJob();
  Sketch plain, x;
  DrawSketch(job, plain);
  job.tyx.x_joint = 1;
  DrawSketch(job, x);
  EXPECT_TRUE(HasRect(plain, {165, 165}, {765, 525}));
  EXPECT_TRUE(HasRect(x, {165, 165}, {765, 675}));
}

TEST(TyxSchematic, ChordForceArrowsPointIntoTheChordUnderCompression) {
  Job job = ValidYJob();
  job.tyx.N0 = -271.6;
  Sketch compressed;
  DrawSketch(job, compressed);
  EXPECT_TRUE(HasLine(compressed, {285, 420}, {274, 430}));  // head at the chord end
  EXPECT_TRUE(HasLine(compressed, {285, 420}, {274, 409}));
  job.tyx.N0 = 271.6;
  Sketch tension;
  DrawSketch(job, tension);
  EXPECT_TRUE(HasLine(tension, {235, 420}, {245, 409}));  // head away from the chord
  EXPECT_TRUE(HasLine(tension, {235, 420}, {245, 430}));
  EXPECT_FALSE(HasLine(tension, {285, 420}, {274, 430}));
}

TEST(TyxSchematic, ABraceAsDeepAsTheChordIsDrawnWithTheChordDepth) {
  for (double h0 : {100.0, 400.0}) {
    Job job = ValidYJob();
    job.tyx.h0 = h0, job.tyx.h1 = h0, job.tyx.theta1 = 90;
    Sketch s;
    DrawSketch(job, s);
    // The brace outline: footprint, far corners, footprint, 55 units apart like the chord.
    const DrawOp* brace = nullptr;
    for (const DrawOp& op : s.surface.ops())
      if (op.kind == DrawOp::Kind::Polyline && op.points.size() == 4) brace = &op;
    ASSERT_NE(brace, nullptr);
    EXPECT_NEAR(brace->points[3].x - brace->points[0].x, 55, 1);
    EXPECT_EQ(brace->points[0].y, 392);
    EXPECT_NEAR(brace->points[1].y, 240, 1);  // 180 units above the joint
  }
}

TEST(TyxSchematic, BraceLeansTowardsItsAngle) {
  for (double theta : {60.0, 120.0}) {
    Job job = ValidYJob();
    job.tyx.theta1 = theta;
    Sketch s;
    DrawSketch(job, s);
    const DrawOp* brace = nullptr;
    for (const DrawOp& op : s.surface.ops())
      if (op.kind == DrawOp::Kind::Polyline && op.points.size() == 4) brace = &op;
    ASSERT_NE(brace, nullptr);
    const int far_x = (brace->points[1].x + brace->points[2].x) / 2;
    if (theta < 90)
      EXPECT_LT(far_x, 465 - 80);
    else
      EXPECT_GT(far_x, 465 + 80);
  }
}

TEST(TyxSchematic, XJointDrawsTheLowerBraceInsteadOfTheReaction) {
  Job job = ValidYJob();
  Sketch y;
  DrawSketch(job, y);
  job.tyx.x_joint = 1;
  Sketch x;
  DrawSketch(job, x);
  const Font label{"Arial", 14, 400};
  auto count = [&](const Sketch& s, const std::string& text) {
    const auto texts = TextsInFont(s, label);
    return std::count(texts.begin(), texts.end(), text);
  };
  EXPECT_EQ(count(y, " 120x120x6.0"), 1);
  EXPECT_EQ(count(x, " 120x120x6.0"), 2);
  // The brace force, and under the chord the reaction named as one, or the lower brace's force.
  EXPECT_EQ(count(y, " -152.0 kN"), 1);
  EXPECT_EQ(count(y, " -152.0 kN (reaktsioon)"), 1);
  EXPECT_EQ(count(x, " -152.0 kN"), 2);
  EXPECT_EQ(count(x, " -152.0 kN (reaktsioon)"), 0);
  int lower_outlines = 0;
  for (const DrawOp& op : x.surface.ops())
    if (op.kind == DrawOp::Kind::Polyline && op.points.size() == 4 && op.points[0].y == 447)
      ++lower_outlines;
  EXPECT_EQ(lower_outlines, 1);
  // The lower angle is written with a blank before the degree sign.
  bool lower_angle = false;
  for (const auto& t : x.surface.texts()) lower_angle |= t.text == " 60.0 °";
  EXPECT_TRUE(lower_angle);
  EXPECT_EQ(x.in.theta2, 60);
}

TEST(TyxSchematic, SidePlateLengthDimensionMovesDownForAnXJoint) {
  Job job = ValidYJob();
  job.tyx.side_plates = 1;
  job.plate.side_l = 430;  // not the face plate's 450
  for (int x_joint : {0, 1}) {
    job.tyx.x_joint = x_joint;
    Sketch s;
    DrawSketch(job, s);
    int y = -1;
    for (const auto& t : s.surface.texts())
      if (t.text == " 430.0 mm ") y = t.at.y;
    // The line at 420 + (100 / s) / 2 + 25 (or 65) = 458 (498), s = 200 / 55; the text,
    // 8 above it by construction, is moved clear of the line it would strike through.
    EXPECT_EQ(y, x_joint ? 500 : 460);
  }
}

TEST(TyxSchematic, FacePlateLiesOnTheChordUnderTheBrace) {
  Job job = ValidYJob();
  job.tyx.face_plate = 1;
  job.tyx.theta1 = 90;
  Sketch s;
  DrawSketch(job, s);
  // 450 mm long and 10 mm thick at 55 / 200: 123.75 by 2.75 units, centred under the brace.
  bool plate = false;
  for (const DrawOp& op : s.surface.ops())
    if (op.kind == DrawOp::Kind::Rect && op.b.y == 393) {
      plate = true;
      EXPECT_EQ(op.a.y, 389);
      EXPECT_NEAR((op.a.x + op.b.x) / 2.0, 465, 1.5);
      EXPECT_NEAR(op.b.x - op.a.x, 124, 1.5);
    }
  EXPECT_TRUE(plate);
}

TEST(TyxSchematic, NoChordMeansNoDrawingButTheLowerBraceAngleIsStillSet) {
  for (double h0 : {0.0, -200.0}) {
    Job job = ValidYJob();
    job.tyx.h0 = h0;
    Sketch s;
    DrawSketch(job, s);
    EXPECT_TRUE(s.surface.ops().empty());
    EXPECT_EQ(s.in.theta2, s.in.theta1);
  }
  Job job = ValidYJob();
  job.tyx.h0 = 0;
  const std::string text = ReportText(job);
  EXPECT_TRUE(Contains(text, "SÕLME KANDEVÕIME ARVUTUSE EELDUSED:"));
}

}  // namespace
}  // namespace traxen::testing
