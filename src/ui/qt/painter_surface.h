// The QPainter backend of the drawing surface: screen, printer, PDF and image. Report
// units are the painter's logical coordinates; the caller sets any zoom or page transform.
#pragma once

#include <QColor>
#include <QFont>
#include <QPainter>

#include "report/surface.h"

namespace traxen {

// Fonts resolved once per (face, height, weight) and kept for the process: "Times New Roman"
// and "Arial" map to the metric-compatible Liberation Serif and Liberation Sans, and the
// height is the cell height (ascent + descent) as in Windows GDI.
struct ResolvedFont {
  QFont font;
  int ascent = 0;  // report units from the top of the cell to the baseline
};
const ResolvedFont& ResolveFont(const Font& font);

class QPainterSurface : public DrawingSurface {
 public:
  explicit QPainterSurface(QPainter& painter);

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
  QPainter& painter_;
  QPen pen_;
  QColor text_color_{Qt::black};
  QColor background_{Qt::white};
  const ResolvedFont* font_ = nullptr;
  Font font_key_;
};

}  // namespace traxen
