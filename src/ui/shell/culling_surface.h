// A drawing surface in front of another that passes on only the drawing that can touch a
// clip rectangle (report units), so a repaint of a scrolled-in strip costs about as much as
// the strip. State changes (pen, brush, font, colours) are held back and passed on, the last
// of each kind, before the next drawing that is passed on: what is drawn looks exactly as in
// a full replay, and the culled part of the report costs no font or pen changes.
#pragma once

#include "report/laid_out_report.h"
#include "report/surface.h"

namespace traxen {

class CullingSurface : public DrawingSurface {
 public:
  CullingSurface(DrawingSurface& target, const ReportRect& clip) : target_(target), clip_(clip) {}

  void setPen(const Pen& pen) override;
  void setBrush(Color color) override;
  void setFont(const Font& font) override;
  void setTextColor(Color color) override;
  void setBackgroundColor(Color color) override;
  void drawText(Point topLeft, std::string_view text) override;
  int textWidth(std::string_view text) override;
  void drawLine(Point from, Point to) override;
  void drawPolyline(std::span<const Point> points) override;
  void drawRect(Point corner1, Point corner2) override;

 private:
  // Whether the box (inclusive, grown by the pen's reach) meets the clip.
  bool touches(int left, int top, int right, int bottom) const;
  void passState();  // the held-back state changes, before a drawing is passed on

  DrawingSurface& target_;
  ReportRect clip_;
  int reach_ = 2;  // half the pen width and a unit of antialiasing, in report units
  Pen pen_;
  Color brush_, text_colour_, background_;
  Font font_;
  bool pen_changed_ = false, brush_changed_ = false, font_changed_ = false;
  bool text_colour_changed_ = false, background_changed_ = false;
};

}  // namespace traxen
