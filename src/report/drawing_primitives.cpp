// Drawing primitives shared by the T/Y/X and K/N schematics.
#include "report/drawing_primitives.h"

#include <cmath>

#include "report/coord.h"

namespace traxen {

namespace {
void Slash(DrawingSurface& s, int x, int y) { s.drawLine({x - 4, y + 4}, {x + 4, y - 4}); }
}  // namespace

void DimensionTicks(DrawingSurface& s, double x1, double y1, double x2, double y2) {
  const Point a{ToCoord(x1), ToCoord(y1)}, b{ToCoord(x2), ToCoord(y2)};
  s.drawLine(a, b);
  Slash(s, a.x, a.y);
  Slash(s, b.x, b.y);
}

void DimensionExtended(DrawingSurface& s, Point end, int dx, int dy, Point start) {
  s.drawLine({start.x - 5 * dx, start.y - 5 * dy}, {end.x + 5 * dx, end.y + 5 * dy});
  for (const Point p : {start, end}) {
    s.drawLine({p.x + 10 * dy, p.y + 10 * dx}, {p.x - 10 * dy, p.y - 10 * dx});
    Slash(s, p.x, p.y);
  }
}

void ForceArrow(DrawingSurface& s, int mode, Point start, Point end, double angle_deg) {
  s.setPen({PenStyle::Solid, 1, kBlack});
  s.drawLine(start, end);
  const double a1 = ReportRadians(angle_deg - 45);
  const double a2 = ReportRadians(135 - angle_deg);
  if (mode == 1) {
    s.drawLine(end, {ToCoord(end.x + 15 * std::cos(a1)), ToCoord(end.y + 15 * std::sin(a1))});
    s.drawLine(end, {ToCoord(end.x - 15 * std::cos(a2)), ToCoord(end.y + 15 * std::sin(a2))});
  } else {
    s.drawLine(start, {ToCoord(start.x - 15 * std::cos(a1)), ToCoord(start.y - 15 * std::sin(a1))});
    s.drawLine(start, {ToCoord(start.x + 15 * std::cos(a2)), ToCoord(start.y - 15 * std::sin(a2))});
  }
}

void DimensionArrow(DrawingSurface& s, Point tip, Point tail, double angle_deg) {
  const double a1 = ReportRadians(angle_deg - 45);
  const double a2 = ReportRadians(135 - angle_deg);
  s.drawLine(tip, tail);
  s.drawLine(tip, {ToCoord(tip.x + 10 * std::cos(a1)), ToCoord(tip.y + 10 * std::sin(a1))});
  s.drawLine(tip, {ToCoord(tip.x + 10 * std::cos(a2)), ToCoord(tip.y - 10 * std::sin(a2))});
}

}  // namespace traxen
