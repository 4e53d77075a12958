// The T/Y/X dialog preview on a recording surface: its picture frame, the chord 40 units
// deep, the brace at its angle, the lower brace of an X joint, the plates and the mirrored
// values the preview makes equal itself.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "joints/tyx/tyx_schematic.h"
#include "report/recording_surface.h"
#include "tyx_fixture.h"

namespace traxen::testing {
namespace {

constexpr int kWidth = 400, kHeight = 300;  // J = (200, 150), chord 80…320, faces 130 and 170
constexpr Pen kOutlinePen{PenStyle::Solid, 2, kBlack};

std::vector<DrawOp> OpsOf(const RecordingSurface& s, DrawOp::Kind kind, const Pen* pen = nullptr) {
  std::vector<DrawOp> found;
  Pen current;
  for (const DrawOp& op : s.ops()) {
    if (op.kind == DrawOp::Kind::SetPen) current = op.pen;
    if (op.kind == kind && (!pen || current == *pen)) found.push_back(op);
  }
  return found;
}

// The brace outlines: four-point polylines with the outline pen (the chord's has five).
std::vector<std::vector<Point>> BraceOutlines(const RecordingSurface& s) {
  std::vector<std::vector<Point>> braces;
  for (const DrawOp& op : OpsOf(s, DrawOp::Kind::Polyline, &kOutlinePen))
    if (op.points.size() == 4) braces.push_back(op.points);
  return braces;
}

double Distance(double x1, double y1, double x2, double y2) { return std::hypot(x2 - x1, y2 - y1); }

ReportInputs PreviewValues(double theta, int x_joint) {
  Job job = ValidYJob();  // chord 200 deep: 5 mm per unit; brace 120 deep: 24 units
  job.tyx.theta1 = theta;
  job.tyx.x_joint = x_joint;
  return InputsOf(job);
}

TEST(TyxPreview, DrawsChordAndBracesInThePictureFrame) {
  struct Case {
    double theta;
    int x_joint;
    const char* label;
  };
  for (const Case c : {Case{90, 0, "  T - SÕLM "}, Case{60, 0, "  Y - SÕLM "},
                       Case{120, 0, "  Y - SÕLM "}, Case{60, 1, "  X - SÕLM "}}) {
    SCOPED_TRACE(c.theta);
    RecordingSurface s;
    DrawTyxPreview(s, PreviewValues(c.theta, c.x_joint), kWidth, kHeight);

    // The picture is cleared with a black border, whatever the joint.
    ASSERT_FALSE(OpsOf(s, DrawOp::Kind::Rect).empty());
    const DrawOp background = OpsOf(s, DrawOp::Kind::Rect).front();
    EXPECT_EQ(background.a, (Point{0, 0}));
    EXPECT_EQ(background.b, (Point{kWidth, kHeight}));

    const std::vector<Point> chord{{80, 170}, {320, 170}, {320, 130}, {80, 130}, {80, 170}};
    const auto polylines = OpsOf(s, DrawOp::Kind::Polyline, &kOutlinePen);
    ASSERT_FALSE(polylines.empty());
    EXPECT_EQ(polylines.front().points, chord);

    const auto braces = BraceOutlines(s);
    ASSERT_EQ(braces.size(), c.x_joint ? 2u : 1u);
    const double rad = c.theta * 3.14159265 / 180;
    for (size_t i = 0; i < braces.size(); ++i) {
      const std::vector<Point>& b = braces[i];
      const bool lower = i == 1;
      // Toes on the chord face the brace stands on, h / sin θ apart (24 units deep).
      EXPECT_EQ(b[0].y, lower ? 170 : 130);
      EXPECT_EQ(b[3].y, lower ? 170 : 130);
      EXPECT_NEAR(std::abs(b[3].x - b[0].x), 24 / std::sin(rad), 2);
      // The far edge is the brace's depth wide, its middle on the axis: 120 units from J
      // for the brace (J to the chord's left end), 126 for the lower brace.
      EXPECT_NEAR(Distance(b[1].x, b[1].y, b[2].x, b[2].y), 24, 1.5);
      const double mx = (b[1].x + b[2].x) / 2.0, my = (b[1].y + b[2].y) / 2.0;
      EXPECT_NEAR(Distance(200, 150, mx, my), lower ? 126 : 120, 1.5);
      EXPECT_EQ(my < 150, !lower);
      // θ below 90 leans the brace to the left, above 90 to the right.
      if (!lower && c.theta != 90) {
        EXPECT_EQ(mx < 200, c.theta < 90);
      }
    }

    std::vector<std::string> type_labels;
    for (const auto& t : s.texts())
      if (t.font == Font{"Arial", 16, 700}) {
        type_labels.push_back(t.text);
        EXPECT_EQ(t.at, (Point{20, 20}));
      }
    EXPECT_EQ(type_labels, std::vector<std::string>{c.label});
  }
}

TEST(TyxPreview, PlatesSitWhereThePreviewPutsThem) {
  ReportInputs in = PreviewValues(90, 0);
  in.tyx_face_plate = 1, in.tyx_side_plates = 1;
  in.face_l = 300, in.face_b = 200, in.face_t = 10;  // 60 × 2 units
  in.side_l = 400, in.side_b = 150, in.side_t = 8;   // 80 × 30 units
  RecordingSurface s;
  DrawTyxPreview(s, in, kWidth, kHeight);
  const auto rects = OpsOf(s, DrawOp::Kind::Rect, &kOutlinePen);
  ASSERT_EQ(rects.size(), 3u);  // background, side plate, face plate
  // The side plate centred on J, one unit taller at each side.
  EXPECT_EQ(rects[1].a, (Point{160, 134}));
  EXPECT_EQ(rects[1].b, (Point{240, 166}));
  // The face plate on the chord's top face under the vertical brace (truncated coordinates
  // may lose a unit or two).
  EXPECT_NEAR(rects[2].a.x, 170, 2);
  EXPECT_EQ(rects[2].a.y, 128);
  EXPECT_NEAR(rects[2].b.x, 231, 2);
  EXPECT_EQ(rects[2].b.y, 131);
  // The side plate's length 30 units below it.
  bool length_text = false;
  for (const auto& t : s.texts()) length_text |= t.text == " 400.0 mm " && t.at == Point{182, 187};
  EXPECT_TRUE(length_text);
}

TEST(TyxPreview, ShowsTheBraceValuesOnTheMirroredSideAndLeavesTheValuesAlone) {
  ReportInputs in = PreviewValues(60, 1);
  in.N0_left = -100, in.N0_right = 999;
  in.N1 = -50, in.N2 = 777, in.h2 = 10, in.theta2 = 30;
  RecordingSurface s;
  DrawTyxPreview(s, in, kWidth, kHeight);
  EXPECT_EQ(in.N0_right, 999);
  EXPECT_EQ(in.N2, 777);
  EXPECT_EQ(in.theta2, 30);

  int chord_force = 0, brace_force = 0;
  for (const auto& t : s.texts()) {
    EXPECT_EQ(t.text.find("999"), std::string::npos);
    EXPECT_EQ(t.text.find("777"), std::string::npos);
    chord_force += t.text == " -100.0 kN";
    brace_force += t.text == " -50.0 kN";
  }
  EXPECT_EQ(chord_force, 2);
  EXPECT_EQ(brace_force, 2);
  // The lower brace at the brace's angle and depth.
  const auto braces = BraceOutlines(s);
  ASSERT_EQ(braces.size(), 2u);
  EXPECT_NEAR(std::abs(braces[1][3].x - braces[1][0].x), std::abs(braces[0][3].x - braces[0][0].x), 1);
}

TEST(TyxPreview, WithoutAChordOnlyThePictureIsCleared) {
  ReportInputs in = PreviewValues(60, 0);
  in.h0 = 0;
  RecordingSurface s;
  DrawTyxPreview(s, in, kWidth, kHeight);
  EXPECT_EQ(OpsOf(s, DrawOp::Kind::Rect).size(), 1u);
  EXPECT_TRUE(OpsOf(s, DrawOp::Kind::Polyline).empty());
  EXPECT_TRUE(s.texts().empty());
}

}  // namespace
}  // namespace traxen::testing
