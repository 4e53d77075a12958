// Recording backend of the drawing surface.
#include "report/recording_surface.h"

#include <fmt/format.h>

namespace traxen {

namespace {

std::string PenStyleName(PenStyle s) {
  switch (s) {
    case PenStyle::Solid: return "solid";
    case PenStyle::Dash: return "dash";
    case PenStyle::Dot: return "dot";
    case PenStyle::DashDot: return "dashdot";
  }
  return "?";
}

std::string ColorText(Color c) { return fmt::format("rgb({},{},{})", c.r, c.g, c.b); }

}  // namespace

RecordingSurface::RecordingSurface(TextMeasure measure) : measure_(std::move(measure)) {}

void RecordingSurface::setPen(const Pen& pen) {
  DrawOp& o = ops_.emplace_back();
  o.kind = DrawOp::Kind::SetPen;
  o.pen = pen;
}
void RecordingSurface::setBrush(Color color) {
  DrawOp& o = ops_.emplace_back();
  o.kind = DrawOp::Kind::SetBrush;
  o.color = color;
}
void RecordingSurface::setFont(const Font& font) {
  font_ = font;
  DrawOp& o = ops_.emplace_back();
  o.kind = DrawOp::Kind::SetFont;
  o.font = font;
}
void RecordingSurface::setTextColor(Color color) {
  DrawOp& o = ops_.emplace_back();
  o.kind = DrawOp::Kind::SetTextColor;
  o.color = color;
}
void RecordingSurface::setBackgroundColor(Color color) {
  DrawOp& o = ops_.emplace_back();
  o.kind = DrawOp::Kind::SetBackgroundColor;
  o.color = color;
}
void RecordingSurface::drawText(Point topLeft, std::string_view text) {
  DrawOp& o = ops_.emplace_back();
  o.kind = DrawOp::Kind::Text;
  o.a = topLeft;
  o.text = std::string(text);
}
const std::vector<RecordingSurface::TextRecord>& RecordingSurface::texts() const {
  for (; texts_scanned_ < ops_.size(); ++texts_scanned_) {
    const DrawOp& o = ops_[texts_scanned_];
    switch (o.kind) {
      case DrawOp::Kind::SetFont: texts_font_ = o.font; break;
      case DrawOp::Kind::SetTextColor: texts_color_ = o.color; break;
      case DrawOp::Kind::Text: texts_.push_back({o.a, o.text, texts_font_, texts_color_}); break;
      default: break;
    }
  }
  return texts_;
}
int RecordingSurface::textWidth(std::string_view text) { return measure_(font_, text); }
void RecordingSurface::drawLine(Point from, Point to) {
  DrawOp& o = ops_.emplace_back();
  o.kind = DrawOp::Kind::Line;
  o.a = from;
  o.b = to;
}
void RecordingSurface::drawPolyline(std::span<const Point> points) {
  DrawOp& o = ops_.emplace_back();
  o.kind = DrawOp::Kind::Polyline;
  o.points.assign(points.begin(), points.end());
}
void RecordingSurface::drawRect(Point a, Point b) {
  DrawOp& o = ops_.emplace_back();
  o.kind = DrawOp::Kind::Rect;
  o.a = a;
  o.b = b;
}

void ApplyDrawOp(const DrawOp& o, DrawingSurface& t) {
  using K = DrawOp::Kind;
  switch (o.kind) {
    case K::SetPen: t.setPen(o.pen); break;
    case K::SetBrush: t.setBrush(o.color); break;
    case K::SetFont: t.setFont(o.font); break;
    case K::SetTextColor: t.setTextColor(o.color); break;
    case K::SetBackgroundColor: t.setBackgroundColor(o.color); break;
    case K::Text: t.drawText(o.a, o.text); break;
    case K::Line: t.drawLine(o.a, o.b); break;
    case K::Polyline: t.drawPolyline(o.points); break;
    case K::Rect: t.drawRect(o.a, o.b); break;
  }
}

void RecordingSurface::ReplayOnto(DrawingSurface& t) const {
  for (const DrawOp& o : ops_) ApplyDrawOp(o, t);
}

std::string RecordingSurface::Dump() const {
  using K = DrawOp::Kind;
  std::string out;
  for (const DrawOp& o : ops_) {
    switch (o.kind) {
      case K::SetPen:
        out += fmt::format("pen {} {} {}\n", PenStyleName(o.pen.style), o.pen.width, ColorText(o.pen.color));
        break;
      case K::SetBrush: out += fmt::format("brush {}\n", ColorText(o.color)); break;
      case K::SetFont:
        out += fmt::format("font \"{}\" {} {}\n", o.font.face, o.font.height, o.font.weight);
        break;
      case K::SetTextColor: out += fmt::format("textcolor {}\n", ColorText(o.color)); break;
      case K::SetBackgroundColor: out += fmt::format("bkcolor {}\n", ColorText(o.color)); break;
      case K::Text: out += fmt::format("text {} {} \"{}\"\n", o.a.x, o.a.y, o.text); break;
      case K::Line: out += fmt::format("line {} {} {} {}\n", o.a.x, o.a.y, o.b.x, o.b.y); break;
      case K::Polyline:
        out += "polyline";
        for (const Point& p : o.points) out += fmt::format(" {},{}", p.x, p.y);
        out += "\n";
        break;
      case K::Rect: out += fmt::format("rect {} {} {} {}\n", o.a.x, o.a.y, o.b.x, o.b.y); break;
    }
  }
  return out;
}

}  // namespace traxen
