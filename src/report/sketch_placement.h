// Puts a recorded joint sketch into the part of the page reserved for it: the sketch keeps
// its own scale when it fits, is scaled down uniformly about its centre when a member, plate,
// label or dimension would leave the area, and whatever still cannot fit (a brace at 0° runs
// to infinity) is clipped to the area. Labels are moved off lines, arcs, arrows and other
// labels, and their leaders end at the label's box.
#pragma once

#include <vector>

#include "report/recording_surface.h"
#include "report/surface.h"

namespace traxen {

struct SketchArea {
  Point from, to;  // top-left and bottom-right corners, inclusive
};

// The part of page 1 a joint sketch may use: inside the frame, below the family title and
// above the report's first line, which stands `first_line_offset` below the text area's top.
SketchArea ReportSketchArea(int first_line_offset);

// A text as it will be drawn: its cell (font height high, advance width wide).
struct TextBox {
  int x = 0, y = 0, width = 0, height = 0;
};

// Lays `ops` (a sketch recorded with `measure`) into `area` and returns the operations to draw.
// Rectangles drawn with a white pen only clear the background and are kept as they are.
std::vector<DrawOp> PlaceSketch(std::vector<DrawOp> ops, const SketchArea& area,
                                const TextMeasure& measure);

// Draws `ops` onto `target`, as a recording would replay them.
void ReplayOps(const std::vector<DrawOp>& ops, DrawingSurface& target);

// Whether the segment a–b passes through the inside of `box` shrunk by `inset` on every side.
bool SegmentCrossesBox(Point a, Point b, const TextBox& box, int inset = 1);

}  // namespace traxen
