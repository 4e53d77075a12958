// Drawing primitives of the joint schematics: dimension lines with ticks or extension
// lines, force arrows and dimension arrows. Coordinates are report units; angles degrees.
#pragma once

#include "base/angles.h"
#include "report/arc_polyline.h"
#include "report/surface.h"

namespace traxen {

// Where a joint sketch goes: at the top of report page 1, or into a dialog's picture area
// (a black border, plain depth lines, labels placed for the smaller picture).
enum class SketchUse { Report, Preview };

// The line from start to end and a 45° slash at both ends.
void DimensionTicks(DrawingSurface& s, double x1, double y1, double x2, double y2);

// A dimension line 5 units beyond both ends along (dx, dy) (each 0 or 1), extension lines
// across it and 45° slashes at both ends.
void DimensionExtended(DrawingSurface& s, Point end, int dx, int dy, Point start);

// A member force: the line from start to end with an arrowhead at the end (mode +1,
// tension) or at the start (mode -1, compression); drawn with a black pen of width 1.
void ForceArrow(DrawingSurface& s, int mode, Point start, Point end, double angle_deg);

// Mode of a force arrow: -1 for a negative (compressive) force, +1 otherwise.
inline int ForceArrowMode(double force) { return force < 0 ? -1 : 1; }

// A dimension arrow with the current pen: the line from tip to tail and a head at the tip.
void DimensionArrow(DrawingSurface& s, Point tip, Point tail, double angle_deg);

}  // namespace traxen
