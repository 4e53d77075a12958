// Arc as a polyline: x advances evenly, y follows the upper or lower branch of the circle.
#include "report/arc_polyline.h"

#include <cmath>

#include "report/coord.h"

namespace traxen {

std::vector<Point> ArcPoints(Point end, Point centre, Point start) {
  constexpr int kSteps = 100;
  const double dx0 = double(start.x) - centre.x;
  const double dy0 = double(start.y) - centre.y;
  const double r2 = dx0 * dx0 + dy0 * dy0;
  // Upper branch (smaller y) when the centre lies below the start or the end lies above the centre.
  const double sign = (centre.y > start.y || end.y < centre.y) ? -1.0 : 1.0;

  std::vector<Point> points;
  points.reserve(kSteps + 1);
  points.push_back(start);
  int y = start.y;
  for (int i = 1; i < kSteps; ++i) {
    const double x = start.x + (double(end.x) - start.x) * i / kSteps;
    const double dx = x - centre.x;
    const double arg = r2 - dx * dx;
    if (arg >= 0) y = RoundCoord(centre.y + sign * std::sqrt(arg));
    points.push_back({RoundCoord(x), y});
  }
  points.push_back(end);
  return points;
}

void ArcPolyline(DrawingSurface& surface, Point end, Point centre, Point start) {
  const std::vector<Point> points = ArcPoints(end, centre, start);
  surface.drawPolyline(points);
}

}  // namespace traxen
