// QPainter drawing: GDI conventions (cell-height fonts, top-left text, opaque text
// background, pens of logical width) mapped onto Qt.
#include "ui/qt/painter_surface.h"

#include "report/text_metrics.h"

#include <QFontMetrics>
#include <QGlyphRun>
#include <QPolygon>
#include <QTextLayout>
#include <QString>
#include <cmath>
#include <functional>
#include <map>
#include <string_view>
#include <tuple>

namespace traxen {

namespace {

QColor ToQColor(Color c) { return QColor(c.r, c.g, c.b); }

QString FamilyFor(const std::string& face) {
  if (face == "Times New Roman") return QStringLiteral("Liberation Serif");
  if (face == "Arial" || face == "Arial Bold") return QStringLiteral("Liberation Sans");
  return QString::fromStdString(face);
}

QString ToQString(std::string_view s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }

// Shaped text by font and content, kept across renderings: a repaint draws the same few
// thousand pieces again, and shaping them is most of the cost of drawing text. The glyph
// positions are relative to the text's top-left corner. The pieces drawn lately are kept, in
// two generations: when the newer one is full the older is dropped and a piece drawn again
// moves up, so that a truss of a thousand joints, whose page numbers and figures never
// repeat, keeps no more than a single report does.
const QList<QGlyphRun>& ShapedText(const Font& font, std::string_view text) {
  using Key = std::tuple<std::string, int, int, std::string>;
  // Looked up by views of the texts (std::less<>), so a repaint copies no string.
  using Cache = std::map<Key, QList<QGlyphRun>, std::less<>>;
  constexpr std::size_t kGeneration = 2000;
  static Cache recent, older;
  const auto key = std::make_tuple(std::string_view(font.face), font.height, font.weight, text);
  if (auto it = recent.find(key); it != recent.end()) return it->second;
  if (recent.size() >= kGeneration) {
    older.clear();
    std::swap(recent, older);
  }
  if (auto it = older.find(key); it != older.end()) {
    auto moved = older.extract(it);
    return recent.insert(std::move(moved)).position->second;
  }
  QTextLayout layout(ToQString(text), ResolveFont(font).font);
  layout.beginLayout();
  layout.createLine();
  layout.endLayout();
  return recent.emplace(Key(font.face, font.height, font.weight, std::string(text)), layout.glyphRuns()).first->second;
}

}  // namespace

const ResolvedFont& ResolveFont(const Font& font) {
  static std::map<std::tuple<std::string, int, int>, ResolvedFont> cache;
  const auto key = std::make_tuple(font.face, font.height, font.weight);
  auto it = cache.find(key);
  if (it != cache.end()) return it->second;

  // Unhinted and unkerned, so that glyphs advance exactly by the widths the layout measured.
  QFont f(FamilyFor(font.face));
  f.setHintingPreference(QFont::PreferNoHinting);
  f.setKerning(false);
  f.setPixelSize(FontPixelSize(font));
  f.setWeight(font.weight >= 700 || font.face == "Arial Bold" ? QFont::Bold : QFont::Normal);
  const QFontMetrics fm(f);
  return cache.emplace(key, ResolvedFont{f, fm.ascent()}).first->second;
}

QPainterSurface::QPainterSurface(QPainter& painter) : painter_(painter) {
  // Text cells are filled by drawText itself; the painter's own opaque mode misplaces the
  // background of glyph runs and hides the glyphs.
  painter_.setBackgroundMode(Qt::TransparentMode);
  painter_.setBackground(Qt::white);
  painter_.setBrush(Qt::white);
  setPen({});
  setFont({});
}

void QPainterSurface::setPen(const Pen& pen) {
  Qt::PenStyle style = Qt::SolidLine;
  switch (pen.style) {
    case PenStyle::Solid: style = Qt::SolidLine; break;
    case PenStyle::Dash: style = Qt::DashLine; break;
    case PenStyle::Dot: style = Qt::DotLine; break;
    case PenStyle::DashDot: style = Qt::DashDotLine; break;
  }
  // Square caps and mitred joins: at these widths they look like round ones and stroke much faster.
  pen_ = QPen(ToQColor(pen.color), pen.width, style, Qt::SquareCap, Qt::MiterJoin);
  if (pen.width <= 1) pen_.setCosmetic(true);
  painter_.setPen(pen_);
}

void QPainterSurface::setBrush(Color color) { painter_.setBrush(ToQColor(color)); }

void QPainterSurface::setFont(const Font& font) {
  if (font_ && font == font_key_) return;
  font_key_ = font;
  font_ = &ResolveFont(font);
  painter_.setFont(font_->font);
}

void QPainterSurface::setTextColor(Color color) { text_color_ = ToQColor(color); }

void QPainterSurface::setBackgroundColor(Color color) {
  background_ = ToQColor(color);
  painter_.setBackground(background_);
}

void QPainterSurface::drawText(Point at, std::string_view text) {
  if (text.empty()) return;
  // Text is opaque, as in Windows GDI: its cell is filled with the background first,
  // so labels stay readable over the lines of a drawing.
  painter_.fillRect(QRect(at.x, at.y, ReportTextWidth(font_key_, text), font_key_.height), background_);
  painter_.setPen(text_color_);
  for (const QGlyphRun& run : ShapedText(font_key_, text)) painter_.drawGlyphRun(QPointF(at.x, at.y), run);
  painter_.setPen(pen_);
}

int QPainterSurface::textWidth(std::string_view text) { return ReportTextWidth(font_key_, text); }

void QPainterSurface::drawLine(Point a, Point b) { painter_.drawLine(a.x, a.y, b.x, b.y); }

void QPainterSurface::drawPolyline(std::span<const Point> points) {
  QPolygon poly;
  poly.reserve(qsizetype(points.size()));
  for (const Point& p : points) poly << QPoint(p.x, p.y);
  painter_.drawPolyline(poly);
}

void QPainterSurface::drawRect(Point a, Point b) {
  painter_.drawRect(QRect(QPoint(std::min(a.x, b.x), std::min(a.y, b.y)),
                          QPoint(std::max(a.x, b.x) - 1, std::max(a.y, b.y) - 1)));
}

}  // namespace traxen
