// The report view's zoom arithmetic, apart from any widget so it can be checked by itself.
// Zoom is device pixels per report unit; points and sizes are in pixels unless named units.
#pragma once

#include <QPointF>
#include <QRectF>
#include <QSizeF>

namespace traxen {

inline constexpr double kZoomMin = 0.2;
inline constexpr double kZoomMax = 5.0;
inline constexpr int kSliderMin = 1, kSliderMax = 10, kSliderStart = 5;

double ClampZoom(double zoom);

// The zoom slider: position / 5, so 1 → 0.2 and 10 → 2.0.
double SliderZoom(int position);
// The slider position nearest to `zoom`, within the slider's range.
int SliderPosition(double zoom);

// The scroll position (top-left of the client area in content pixels) that keeps the report
// point at the client centre in place when the zoom changes from `old_zoom` to `new_zoom`.
QPointF ScrollForZoomAbout(QPointF scroll, QSizeF client, double old_zoom, double new_zoom);

// Zooming to a dragged rectangle (report units): the factor that fits its pixel size into
// the client area; a click or a tiny rectangle (factor over 100) does not zoom.
struct RectangleZoom {
  double zoom = 1.0;
  QPointF scroll;  // puts the rectangle's centre at the client centre
};
RectangleZoom ZoomToRectangle(QRectF rect_units, QSizeF client, double zoom);

// The scroll position that puts `point_pixels` (content pixels) at the client centre.
QPointF ScrollToCentre(QPointF point_pixels, QSizeF client);

}  // namespace traxen
