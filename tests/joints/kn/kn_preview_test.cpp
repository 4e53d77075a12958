// The K/N dialog preview on a recording surface: its picture frame, the chord 40 units deep,
// both braces meeting at the eccentricity, the plates, the title and the g, p and λov lines
// the preview computes for itself.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "joints/kn/kn_schematic.h"
#include "joints/tyx/tyx_schematic.h"
#include "kn_test_inputs.h"
#include "report/recording_surface.h"

namespace traxen::testing {
namespace {

constexpr int kWidth = 400, kHeight = 300;  // joint at x 200, chord axis 150, chord 80…320
constexpr Pen kOutlinePen{PenStyle::Solid, 2, kBlack};
const Font kTitleFont{"Arial", 16, 700};

std::vector<DrawOp> OpsWithPen(const RecordingSurface& s, DrawOp::Kind kind, const Pen& pen) {
  std::vector<DrawOp> found;
  Pen current;
  for (const DrawOp& op : s.ops()) {
    if (op.kind == DrawOp::Kind::SetPen) current = op.pen;
    if (op.kind == kind && current == pen) found.push_back(op);
  }
  return found;
}

const RecordingSurface::TextRecord* FindText(const RecordingSurface& s, const std::string& text) {
  for (const auto& t : s.texts())
    if (t.text == text) return &t;
  return nullptr;
}

TEST(KnPreview, DrawsChordAndBothBracesInThePictureFrame) {
  struct Case {
    double e;
    double axes_meet_y;  // P below the chord axis by e / f
  };
  // Chord 200 deep: 5 mm per unit; braces 100 deep at 45°: 20 units, footprints 28.3 long.
  for (const Case c : {Case{0, 150}, Case{50, 160}}) {
    SCOPED_TRACE(c.e);
    ReportInputs in = KnGapInputs();
    in.e = c.e;
    RecordingSurface s;
    DrawKnPreview(s, in, kWidth, kHeight);

    const auto rects = OpsWithPen(s, DrawOp::Kind::Rect, kOutlinePen);
    ASSERT_GE(rects.size(), 2u);
    EXPECT_EQ(rects[0].a, (Point{0, 0}));  // the picture, cleared with a black border
    EXPECT_EQ(rects[0].b, (Point{kWidth, kHeight}));
    EXPECT_EQ(rects[1].a, (Point{80, 130}));  // the chord
    EXPECT_EQ(rects[1].b, (Point{320, 170}));

    const auto outlines = OpsWithPen(s, DrawOp::Kind::Polyline, kOutlinePen);
    ASSERT_EQ(outlines.size(), 2u);
    const double d = 20 + c.e / 5;  // P's height below the upper face
    for (int i = 0; i < 2; ++i) {
      const std::vector<Point>& b = outlines[i].points;
      ASSERT_EQ(b.size(), 4u);
      EXPECT_EQ(b[0].y, 130);
      EXPECT_EQ(b[3].y, 130);
      const double centre = i == 0 ? 200 - d : 200 + d;
      EXPECT_NEAR((b[0].x + b[3].x) / 2.0, centre, 1);
      EXPECT_NEAR(b[3].x - b[0].x, 20 / std::sin(3.14159265 / 4), 1.5);
      // The far edge 120 units (J to the chord's left end) along the axis from P.
      const double mx = (b[1].x + b[2].x) / 2.0, my = (b[1].y + b[2].y) / 2.0;
      EXPECT_NEAR(std::hypot(mx - 200, my - c.axes_meet_y), 120, 1.5);
      EXPECT_EQ(mx < 200, i == 0);
    }
  }
}

TEST(KnPreview, TitleAndGapLinesFollowTheComputedGeometry) {
  struct Case {
    const char* name;
    ReportInputs in;
    const char* title;          // nullptr: none
    std::vector<std::string> lines;
    int lines_x;
  };
  ReportInputs gap = KnGapInputs();
  ReportInputs overlap2 = KnOverlapInputs();  // equal widths: brace 2 on top
  ReportInputs overlap1 = KnOverlapInputs();
  overlap1.b2 = 120;  // the wider brace 2 lies under brace 1
  ReportInputs plated = KnOverlapInputs();
  plated.kn_overlap_plate = 1, plated.overlap_l = 60, plated.overlap_b = 80, plated.overlap_t = 10;
  const Case cases[] = {
      {"gap", gap, "  KN ÜLEKATTETA - SÕLM ", {" Varraste otste vahe g = 58.6 mm"}, 100},
      {"brace 2 overlaps", overlap2, "  KN ÜLEKATTEGA - SÕLM ",
       {" Varraste otste vahe g = -41.4 mm", " p = 141.4 mm", "Ülekate", "λ", "ov",
        "= (g / p)×100 = 29.3 %"},
       100},
      {"brace 1 overlaps", overlap1, "  KN ÜLEKATTEGA - SÕLM ",
       {" Varraste otste vahe g = -41.4 mm", " p = 141.4 mm", " Ov = (g/p)×100 = 29.3 protsenti"},
       200},
      {"between-braces plate", plated, "  KN ÜLEKATTEGA - SÕLM ", {" Varraste otste vahe g = -41.4 mm"},
       100},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    RecordingSurface s;
    DrawKnPreview(s, c.in, kWidth, kHeight);
    std::vector<std::string> titles;
    for (const auto& t : s.texts())
      if (t.font == kTitleFont) {
        titles.push_back(t.text);
        EXPECT_EQ(t.at, (Point{20, 20}));
      }
    EXPECT_EQ(titles, std::vector<std::string>{c.title});
    // The g line near the lower edge; p 75 and λov 50 units above it.
    const auto* g_line = FindText(s, c.lines[0]);
    ASSERT_NE(g_line, nullptr) << c.lines[0];
    EXPECT_EQ(g_line->at.x, 100);
    EXPECT_GT(g_line->at.y, kHeight - 50);
    for (size_t i = 1; i < c.lines.size(); ++i) {
      const auto* line = FindText(s, c.lines[i]);
      ASSERT_NE(line, nullptr) << c.lines[i];
      const Point expected[] = {{}, {c.lines_x, kHeight - 75}, {c.lines_x, kHeight - 50}};
      if (i <= 2) {
        EXPECT_EQ(line->at, expected[i]);
      }
    }
    EXPECT_EQ(FindText(s, " p = 141.4 mm") != nullptr, c.lines.size() > 1);
    // The preview computes g for itself: the values it was given keep their g and p.
    EXPECT_EQ(c.in.g, 0);
    EXPECT_EQ(c.in.p, 0);
  }
}

TEST(KnPreview, GapPlatesLieOnTheChordBetweenTheBraces) {
  ReportInputs in = KnGapInputs();
  in.kn_face_plate = 1, in.face_l = 200, in.face_b = 150, in.face_t = 10;  // 40 × 2 units
  in.kn_side_plates = 1, in.side_l = 300, in.side_b = 100, in.side_t = 8;  // 60 × 20 units
  RecordingSurface s;
  DrawKnPreview(s, in, kWidth, kHeight);
  const auto rects = OpsWithPen(s, DrawOp::Kind::Rect, kOutlinePen);
  ASSERT_EQ(rects.size(), 4u);  // picture, chord, side plate, face plate
  // Both centred between the braces' outer toes, at x 200 (truncation may lose a unit).
  const auto near = [](Point got, Point want) {
    return std::abs(got.x - want.x) <= 1 && std::abs(got.y - want.y) <= 1;
  };
  EXPECT_TRUE(near(rects[2].a, {170, 140}) && near(rects[2].b, {230, 160}));  // side plate
  EXPECT_TRUE(near(rects[3].a, {180, 128}) && near(rects[3].b, {220, 130}));  // face plate
  // On the plate's top the toes lie 2 × 10 mm further apart.
  EXPECT_NE(FindText(s, " Varraste otste vahe g = 78.6 mm"), nullptr);
}

}  // namespace
}  // namespace traxen::testing

namespace traxen::testing {
namespace {

// A dialog redraws its preview from whatever the user typed: degenerate values draw
// something finite, or only the cleared picture, but never fail.
TEST(Previews, DegenerateDialogValuesDrawWithoutFault) {
  struct Case {
    const char* name;
    void (*edit)(ReportInputs&);
  };
  static const double kNan = std::nan("");
  const Case cases[] = {
      {"no chord", [](ReportInputs& in) { in.h0 = 0; }},
      {"flat brace", [](ReportInputs& in) { in.theta1 = 0; }},
      {"brace along the chord", [](ReportInputs& in) { in.theta1 = 180, in.theta2 = 180; }},
      {"not a number", [](ReportInputs& in) { in.N1 = kNan, in.h1 = kNan, in.e = kNan; }},
      {"huge values", [](ReportInputs& in) { in.h1 = 1e300, in.face_t = 1e300, in.kn_face_plate = in.tyx_face_plate = 1; }},
      {"negative chord", [](ReportInputs& in) { in.h0 = -200; }},
  };
  for (const Case& c : cases) {
    for (const auto& size : {std::pair{400, 300}, std::pair{0, 0}}) {
      SCOPED_TRACE(c.name);
      ReportInputs in = KnGapInputs();
      c.edit(in);
      RecordingSurface kn, tyx;
      DrawKnPreview(kn, in, size.first, size.second);
      DrawTyxPreview(tyx, in, size.first, size.second);
      for (const RecordingSurface* s : {&kn, &tyx}) {
        ASSERT_FALSE(s->ops().empty());  // at least the cleared picture
        // Coordinates are pinned near ±1e7 before labels are offset from them: no overflow.
        for (const DrawOp& op : s->ops()) {
          EXPECT_LE(std::abs(op.a.x), 20000000);
          EXPECT_LE(std::abs(op.b.y), 20000000);
        }
      }
    }
  }
}

}  // namespace
}  // namespace traxen::testing
