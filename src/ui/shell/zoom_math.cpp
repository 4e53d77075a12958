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
