// Zoom by slider, by rectangle and about a point.
#include "ui/shell/zoom_math.h"

#include <algorithm>
#include <cmath>

namespace traxen {

double ClampZoom(double zoom) {
  if (!(zoom == zoom)) return 1.0;  // NaN: keep the default rather than poison the view
  return std::clamp(zoom, kZoomMin, kZoomMax);
}

double SliderZoom(int position) { return ClampZoom(position / 5.0); }

int SliderPosition(double zoom) {
  return std::clamp(int(std::lround(zoom * 5.0)), kSliderMin, kSliderMax);
}

QPointF ScrollForZoomAbout(QPointF scroll, QSizeF client, double old_zoom, double new_zoom) {
  const QPointF half(client.width() / 2, client.height() / 2);
  const QPointF centre = scroll + half;
  return centre / old_zoom * new_zoom - half;
}

QPointF ScrollToCentre(QPointF point_pixels, QSizeF client) {
  return point_pixels - QPointF(client.width() / 2, client.height() / 2);
}

int LineScrollPixels(double zoom) { return std::max(1, int(std::lround(kScrollLineUnits * ClampZoom(zoom)))); }

int WheelScrollPixels(int angle_delta, double zoom, int lines_per_notch) {
  const double lines = -angle_delta / 120.0 * std::max(1, lines_per_notch);
  return int(std::lround(lines * kScrollLineUnits * ClampZoom(zoom)));
}

namespace {
// Zooms that differ by less than this are the same step (0.33 is one third, near enough).
constexpr double kSameStep = 1e-3;
}  // namespace

double NextLadderZoom(double zoom) {
  zoom = ClampZoom(zoom);
  for (double step : kZoomLadder)
    if (step > zoom + kSameStep) return step;
  return std::max(zoom, kZoomLadder.back());
}

double PreviousLadderZoom(double zoom) {
  zoom = ClampZoom(zoom);
  for (auto it = kZoomLadder.rbegin(); it != kZoomLadder.rend(); ++it)
    if (*it < zoom - kSameStep) return *it;
  return std::min(zoom, kZoomLadder.front());  // below the ladder (a dragged zoom) stays
}

double FitWidthZoom(double client_width, double strip_units) {
  if (!(client_width > 0) || !(strip_units > 0)) return 1.0;
  return ClampZoom(client_width / strip_units);
}

double FitPageZoom(QSizeF client, QSizeF page_units) {
  if (!(page_units.width() > 0) || !(page_units.height() > 0) || client.isEmpty()) return 1.0;
  return ClampZoom(std::min(client.width() / page_units.width(), client.height() / page_units.height()));
}

RectangleZoom ZoomToRectangle(QRectF rect_units, QSizeF client, double zoom) {
  const QRectF rect = rect_units.normalized();
  const double w = rect.width() * zoom;
  const double h = rect.height() * zoom;
  // An empty side divides to infinity, so a click gives f = inf > 100: no zoom.
  const double fx = w > 0 ? client.width() / w : INFINITY;
  const double fy = h > 0 ? client.height() / h : INFINITY;
  double f = std::min(fx, fy);
  if (f > 100) f = 1;
  RectangleZoom result;
  result.zoom = ClampZoom(zoom * f);
  result.scroll = ScrollToCentre(rect.center() * result.zoom, client);
  return result;
}

}  // namespace traxen
