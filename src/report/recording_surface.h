// A drawing surface that stores every operation as a value: for tests, for the text output
// and for laying a report out once and replaying it onto any other surface.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "report/surface.h"
#include "report/text_metrics.h"

namespace traxen {

// Measures text for a surface that cannot: the width of `text` in `font`.
using TextMeasure = std::function<int(const Font& font, std::string_view text)>;

// One recorded operation; only the fields of its kind are meaningful.
struct DrawOp {
  enum class Kind { SetPen, SetBrush, SetFont, SetTextColor, SetBackgroundColor, Text, Line, Polyline, Rect };
  Kind kind = Kind::Line;
  Pen pen;
  Color color;
  Font font;
  Point a, b;  // text position, line ends, rectangle corners
  std::string text;
  std::vector<Point> points;
};

// Performs one recorded operation on `target`.
void ApplyDrawOp(const DrawOp& op, DrawingSurface& target);

class RecordingSurface : public DrawingSurface {
 public:
  explicit RecordingSurface(TextMeasure measure = ReportTextWidth);

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

  const std::vector<DrawOp>& ops() const { return ops_; }
  TextMeasure measure() const { return measure_; }
  // Room for `count` operations ahead of recording: a long report then grows without
  // copying what it has recorded, and the memory is touched only as it is used.
  void reserve(std::size_t count) { ops_.reserve(count); }
  // The text colour in force when each text was drawn is kept with it.
  struct TextRecord {
    Point at;
    std::string text;
    Font font;
    Color color;
  };
  // Gathered from the operations when first asked for (and brought up to date on later
  // calls): laying a report out for the screen never needs them, and a second copy of every
  // text would only cost memory.
  const std::vector<TextRecord>& texts() const;

  // Replays every operation onto another surface.
  void ReplayOnto(DrawingSurface& target) const;
  // One line per operation, stable for comparisons in tests.
  std::string Dump() const;

 private:
  TextMeasure measure_;
  std::vector<DrawOp> ops_;
  Font font_;  // for measuring text
  // The texts gathered so far, from the first `texts_scanned_` operations, and the font and
  // colour in force after them.
  mutable std::vector<TextRecord> texts_;
  mutable std::size_t texts_scanned_ = 0;
  mutable Font texts_font_;
  mutable Color texts_color_ = kBlack;
};

}  // namespace traxen
