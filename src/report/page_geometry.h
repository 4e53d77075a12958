// The page of a report in report units: every page is the same strip of this size, the
// frame's rectangle is where the report's text lives, and the dashed separators mark the
// page breaks of the vertical strip the screen shows.
#pragma once

namespace traxen {

inline constexpr int kReportStripWidth = 900;  // the page separators reach x = 900
inline constexpr int kReportPageHeight = 1229;

// The frame drawn on every page, relative to the page's top.
inline constexpr int kFrameLeft = 80, kFrameTop = 120, kFrameRight = 850, kFrameBottom = 1100;

}  // namespace traxen
