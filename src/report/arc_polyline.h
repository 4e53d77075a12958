// The arc primitive shared by the page emblem and the joint schematics: a 100-step
// polyline along a circle, stepping evenly in x.
#pragma once

#include <vector>

#include "report/surface.h"

namespace traxen {

// The points of the arc from `start` to `end` about `centre` (101 points, the last exactly
// `end`); the radius is the distance from `centre` to `start`.
std::vector<Point> ArcPoints(Point end, Point centre, Point start);

// Draws that arc with the current pen.
void ArcPolyline(DrawingSurface& surface, Point end, Point centre, Point start);

}  // namespace traxen
