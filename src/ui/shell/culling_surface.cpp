// Bounding boxes of the drawing operations against the clip.
#include "ui/shell/culling_surface.h"

#include <algorithm>
#include <climits>

namespace traxen {

void CullingSurface::setPen(const Pen& pen) {
  reach_ = pen.width / 2 + 2;
  pen_ = pen;
  pen_changed_ = true;
}

void CullingSurface::setBrush(Color color) {
  brush_ = color;
  brush_changed_ = true;
}

void CullingSurface::setFont(const Font& font) {
  font_ = font;
  font_changed_ = true;
}

void CullingSurface::setTextColor(Color color) {
  text_colour_ = color;
  text_colour_changed_ = true;
}

void CullingSurface::setBackgroundColor(Color color) {
  background_ = color;
  background_changed_ = true;
}

void CullingSurface::passState() {
  if (pen_changed_) target_.setPen(pen_);
  if (brush_changed_) target_.setBrush(brush_);
  if (font_changed_) target_.setFont(font_);
  if (text_colour_changed_) target_.setTextColor(text_colour_);
  if (background_changed_) target_.setBackgroundColor(background_);
  pen_changed_ = brush_changed_ = font_changed_ = text_colour_changed_ = background_changed_ = false;
}

int CullingSurface::textWidth(std::string_view text) {
  passState();
  return target_.textWidth(text);
}

bool CullingSurface::touches(int left, int top, int right, int bottom) const {
  return right + reach_ >= clip_.left && left - reach_ < clip_.right && bottom + reach_ >= clip_.top &&
         top - reach_ < clip_.bottom;
}

void CullingSurface::drawText(Point topLeft, std::string_view text) {
  // The text's width is not known without measuring it, so only its row and its start count:
  // a report line is one row, and a scrolled-in strip is a band of rows.
  const int height = std::max(font_.height, 1) + 2;
  if (!touches(INT_MIN / 2, topLeft.y, INT_MAX / 2, topLeft.y + height) || topLeft.x - reach_ >= clip_.right) return;
  passState();
  target_.drawText(topLeft, text);
}

void CullingSurface::drawLine(Point from, Point to) {
  if (!touches(std::min(from.x, to.x), std::min(from.y, to.y), std::max(from.x, to.x), std::max(from.y, to.y)))
    return;
  passState();
  target_.drawLine(from, to);
}

void CullingSurface::drawPolyline(std::span<const Point> points) {
  if (points.empty()) return;
  int left = points[0].x, right = points[0].x, top = points[0].y, bottom = points[0].y;
  for (const Point& p : points) {
    left = std::min(left, p.x);
    right = std::max(right, p.x);
    top = std::min(top, p.y);
    bottom = std::max(bottom, p.y);
  }
  if (!touches(left, top, right, bottom)) return;
  passState();
  target_.drawPolyline(points);
}

void CullingSurface::drawRect(Point corner1, Point corner2) {
  if (!touches(std::min(corner1.x, corner2.x), std::min(corner1.y, corner2.y), std::max(corner1.x, corner2.x),
               std::max(corner1.y, corner2.y)))
    return;
  passState();
  target_.drawRect(corner1, corner2);
}

}  // namespace traxen
