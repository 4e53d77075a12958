// The report view's zoom arithmetic, apart from any widget so it can be checked by itself.
// Zoom is device pixels per report unit; points and sizes are in pixels unless named units.
#pragma once

#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <array>

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

// Scrolling by wheel and keys follows the desktop: a text line is about 20 report units (a
// report line is 23), an arrow key scrolls one, a wheel notch (120 eighths of a degree) the
// desktop's number of lines, three unless the user set another.
inline constexpr double kScrollLineUnits = 20;
// Pixels of one scrolled line at `zoom`; at least one, so the keys always move the report.
int LineScrollPixels(double zoom);
// Pixels a wheel turn of `angle_delta` eighths of a degree scrolls (positive: towards the
// end of the report, as turning the wheel towards the user does).
int WheelScrollPixels(int angle_delta, double zoom, int lines_per_notch);

// The zoom steps of Ctrl+plus and Ctrl+minus: familiar percentages that contain 100 %.
inline constexpr std::array<double, 15> kZoomLadder = {0.25, 0.33, 0.5, 0.67, 0.75, 0.9, 1.0, 1.1,
                                                       1.25, 1.5, 1.75, 2.0, 3.0, 4.0, 5.0};
// The first step above `zoom` (the last step at the top), and the first below it; a zoom
// between steps (from the slider or a dragged rectangle) goes to the neighbouring step; past
// either end of the ladder the zoom stays.
double NextLadderZoom(double zoom);
double PreviousLadderZoom(double zoom);

// The zoom that shows the report's full width (`strip_units`) in `client_width` pixels, and
// the one that shows a whole page (`page_units`) in `client`; both within the zoom limits.
double FitWidthZoom(double client_width, double strip_units);
double FitPageZoom(QSizeF client, QSizeF page_units);

}  // namespace traxen
