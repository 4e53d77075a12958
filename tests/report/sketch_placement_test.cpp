// Fitting a recorded sketch into its area: untouched when it fits, scaled down about its
// centre when it does not, clipped where a degenerate point runs off to infinity, and labels
// moved off the lines they would cover with their leaders ending at the label.
#include "report/sketch_placement.h"

#include <gtest/gtest.h>

#include <cmath>

#include "report/text_metrics.h"

namespace traxen {
namespace {

const SketchArea kArea{{100, 100}, {500, 400}};
const Font kLabel{"Arial", 14, 400};

std::string Dump(const std::vector<DrawOp>& ops) {
  RecordingSurface replayed;
  ReplayOps(ops, replayed);
  return replayed.Dump();
}

bool Inside(Point p) { return p.x >= 100 && p.x <= 500 && p.y >= 100 && p.y <= 400; }

std::vector<Point> DrawnPoints(const std::vector<DrawOp>& ops) {
  std::vector<Point> pts;
  for (const DrawOp& o : ops) {
    if (o.kind == DrawOp::Kind::Line || o.kind == DrawOp::Kind::Rect) pts.push_back(o.a), pts.push_back(o.b);
    if (o.kind == DrawOp::Kind::Polyline) pts.insert(pts.end(), o.points.begin(), o.points.end());
    if (o.kind == DrawOp::Kind::Text) {
      pts.push_back(o.a);
      pts.push_back({o.a.x + ReportTextWidth(kLabel, o.text), o.a.y + kLabel.height});
    }
  }
  return pts;
}

TEST(SketchPlacement, ADrawingThatFitsStaysExactlyAsItIs) {
  RecordingSurface s;
  s.setPen({PenStyle::Solid, 2, kBlack});
  s.drawRect({150, 200}, {450, 250});
  s.setFont(kLabel);
  s.drawText({150, 300}, " 200x200x8.0");
  const Point leg[] = {{150, 250}, {160, 290}, {165, 290}};
  s.drawPolyline(leg);
  EXPECT_EQ(Dump(PlaceSketch(s.ops(), kArea, ReportTextWidth)), s.Dump());
}

TEST(SketchPlacement, ADrawingThatLeavesTheAreaIsScaledDownUniformlyIntoIt) {
  struct Case {
    const char* name;
    Point from, to;
  };
  for (const Case c : {Case{"too wide", {0, 250}, {700, 250}}, Case{"above the area", {300, -150}, {300, 300}},
                       Case{"off to one side", {450, 200}, {650, 300}}}) {
    SCOPED_TRACE(c.name);
    RecordingSurface s;
    s.setPen({PenStyle::Solid, 2, kBlack});
    s.drawLine(c.from, c.to);
    s.drawLine({300, 200}, {300, 300});  // keeps its proportion to the first line
    const std::vector<DrawOp> placed = PlaceSketch(s.ops(), kArea, ReportTextWidth);
    for (const Point& p : DrawnPoints(placed)) EXPECT_TRUE(Inside(p)) << p.x << "," << p.y;
    const DrawOp& first = placed[1];
    const DrawOp& second = placed[2];
    const double k1 = std::hypot(first.b.x - first.a.x, first.b.y - first.a.y) /
                      std::hypot(c.to.x - c.from.x, c.to.y - c.from.y);
    const double k2 = std::hypot(second.b.x - second.a.x, second.b.y - second.a.y) / 100.0;
    EXPECT_NEAR(k1, k2, 0.03);
    EXPECT_LE(k1, 1.0);
  }
}

TEST(SketchPlacement, ADegeneratePointIsClippedInsteadOfShrinkingTheDrawing) {
  RecordingSurface s;
  s.setPen({PenStyle::Solid, 2, kBlack});
  s.drawRect({150, 200}, {450, 250});
  const Point runaway[] = {{200, 200}, {-10000000, 200}};  // a brace at 0°
  s.drawPolyline(runaway);
  const std::vector<DrawOp> placed = PlaceSketch(s.ops(), kArea, ReportTextWidth);
  for (const Point& p : DrawnPoints(placed)) EXPECT_TRUE(Inside(p)) << p.x << "," << p.y;
  // The chord keeps its size: only the runaway edge was cut.
  EXPECT_EQ(placed[1].b.x - placed[1].a.x, 300);
}

TEST(SketchPlacement, ALabelMovesOffALineAndItsLeaderEndsAtTheLabel) {
  RecordingSurface s;
  s.setPen({PenStyle::DashDot, 0, kRed});
  s.drawLine({100, 307}, {500, 307});  // an axis through the label's place
  s.setPen({PenStyle::Solid, 0, kBlack});
  const Point leader[] = {{200, 250}, {210, 305}, {230, 305}};  // ends inside the label
  s.drawPolyline(leader);
  s.setFont(kLabel);
  s.drawText({220, 300}, " 120.0 mm");
  const std::vector<DrawOp> placed = PlaceSketch(s.ops(), kArea, ReportTextWidth);
  const DrawOp& text = placed.back();
  const TextBox box{text.a.x, text.a.y, ReportTextWidth(kLabel, text.text), kLabel.height};
  EXPECT_FALSE(SegmentCrossesBox({100, 307}, {500, 307}, box));
  const DrawOp& moved_leader = placed[placed.size() - 3];
  ASSERT_EQ(moved_leader.kind, DrawOp::Kind::Polyline);
  EXPECT_EQ(moved_leader.points.front(), (Point{200, 250}));  // still starts on the member
  for (size_t i = 1; i < moved_leader.points.size(); ++i)
    EXPECT_FALSE(SegmentCrossesBox(moved_leader.points[i - 1], moved_leader.points[i], box));
  const Point end = moved_leader.points.back();
  EXPECT_TRUE(end.x >= box.x - 1 && end.x <= box.x + box.width + 1 && end.y >= box.y - 1 &&
              end.y <= box.y + box.height + 1)
      << "the leader reaches the label";
}

}  // namespace
}  // namespace traxen
