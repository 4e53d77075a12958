// The note a rectangular or circular joint's report prints after its validity lines when the
// chord wall is thicker than 25 mm: such a wall needs the through-thickness properties that
// EN 1993-1-8 7.1.1(6) asks for, which no check of the report covers. It changes no verdict.
#pragma once

#include "report/line_writer.h"
#include "report/report_words.h"

namespace traxen {

inline constexpr double kThickestChordWallWithoutNote = 25;  // mm

// t0 in mm; a wall that is not a number gets no note (its ratios fail the validity lines).
inline bool NeedsThroughThicknessNote(double t0) { return t0 > kThickestChordWallWithoutNote; }

// The note at the left margin of the current line, in black, wrapped at the frame; the line
// is left open for the caller to end.
inline void PrintChordWallNote(LineWriter& w) {
  w.canvas().SetTextColor(kBlack);
  w.AtLeft().Weight("normal").Words(Say(w, ReportTextKey::kChordWallThroughThickness));
}

}  // namespace traxen
