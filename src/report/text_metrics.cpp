// Text widths from the font tables.
#include "report/text_metrics.h"

#include <algorithm>
#include <cmath>

#include "base/utf8.h"
#include "report/font_tables.h"

namespace traxen {

namespace {

using font_tables::FaceMetrics;

const FaceMetrics& MetricsFor(const Font& font) {
  const bool sans = font.face == "Arial" || font.face == "Arial Bold";
  const bool bold = font.weight >= 700 || font.face == "Arial Bold";
  if (sans) return bold ? font_tables::kSansBold : font_tables::kSansRegular;
  return bold ? font_tables::kSerifBold : font_tables::kSerifRegular;
}

int Advance(const FaceMetrics& m, char32_t cp) {
  if (cp >= 0x20 && cp < 0x7F) return m.advance[cp - 0x20];
  const auto* end = font_tables::kCodePoints + font_tables::kGlyphCount;
  const auto* it = std::find(font_tables::kCodePoints + 95, end, cp);
  return it != end ? m.advance[it - font_tables::kCodePoints] : 1024;  // unknown: half an em
}

}  // namespace

int FontPixelSize(const Font& font) {
  const FaceMetrics& m = MetricsFor(font);
  return std::max(1, int(std::lround(double(font.height) * 2048.0 / (m.ascent + m.descent))));
}

int ReportTextWidth(const Font& font, std::string_view text) {
  const FaceMetrics& m = MetricsFor(font);
  long total = 0;
  for (std::size_t i = 0; i < text.size();) total += Advance(m, NextCodePoint(text, i));
  return int(std::lround(double(total) * FontPixelSize(font) / 2048.0));
}

}  // namespace traxen
