// Report pages: the line advance with its page break, and the frame, header, footer and
// separators drawn on every page of the vertical strip of 1229-unit pages.
#pragma once

#include <ctime>
#include <string>
#include <string_view>

#include "report/report_canvas.h"

namespace traxen {

// The emblem's two lines: the owning firm's name.
inline constexpr const char* kEmblemLine1 = "NÄIDISFIRMA";
inline constexpr const char* kEmblemLine2 = "TRAXEN";

// Advances the current line by `step`; starts a new page (frame, header, footer,
// separator) when the text area cannot take `step` + `reserve` more. Returns the new y.
int NextLine(ReportCanvas& canvas, int step, int reserve);

// Keeps the current line and the `lines` − 1 lines after it on one page: when they would not
// all fit (and the current line is not already the page's first), the current line moves to
// the top of a new page. The text colour is kept. Returns the current line's y.
int KeepLinesTogether(ReportCanvas& canvas, int lines);

void DrawPageHeader(ReportCanvas& canvas, int page_index, int page_height);
void DrawPageFooter(ReportCanvas& canvas, int page_index, int page_height);
// Frame rectangle, header, footer and the dashed separator below page `page_index`.
void DrawPageDecoration(ReportCanvas& canvas, int page_index);

// A job text as the page shows it: one printable line (PrintableText) that fits `width` units
// in the surface's current font, cut after a whole character and ended with "…" when it is
// too long, rather than running under the emblem, over the next label or off the page.
std::string FittedJobText(DrawingSurface& s, std::string_view job_text, int width);

// "Tue Dec 08 21:07:08 2026": English names, never the locale's.
std::string FooterDate(std::time_t when);

}  // namespace traxen
