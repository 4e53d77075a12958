// Text width in report units for a font of the report, from the fonts' own advance widths.
#pragma once

#include <string_view>

#include "report/surface.h"

namespace traxen {

// The em size in report units of a font whose cell height (ascent + descent) is font.height,
// as the Qt backend sizes its fonts.
int FontPixelSize(const Font& font);

// Advance width of UTF-8 text in `font`, without kerning, rounded to whole units.
int ReportTextWidth(const Font& font, std::string_view text);

}  // namespace traxen
