// Notes of a joint report: a sentence from a catalogue laid out over as many lines as the
// frame needs, and the notes that several families print after their validity lines. A note
// changes no verdict.
#pragma once

#include <functional>
#include <string_view>

#include "report/line_writer.h"

namespace traxen {

// A note at the left margin, after `lead` (symbols the catalogue does not hold), broken between
// words, its continuation indented as every continued line is, kept together on one page and in
// the colour it began in. A reference in brackets, "(EN 1993-1-8 7.1.1(6)).", stays in one
// piece. The last line is left open for the caller to end.
void PrintNote(LineWriter& w, std::string_view text, std::string_view weight = "normal",
               const std::function<void(LineWriter&)>& lead = {});

// A chord wall thicker than 25 mm needs the through-thickness properties EN 1993-1-8 7.1.1(6)
// asks for, which no check of the report covers. t0 in mm; a wall that is not a number gets no
// note (its ratios fail the validity lines).
inline constexpr double kThickestChordWallWithoutNote = 25;
inline bool NeedsThroughThicknessNote(double t0) { return t0 > kThickestChordWallWithoutNote; }
void PrintChordWallNote(LineWriter& w);

// Between 60 % and 80 % overlap the rules hold only with the overlapped brace's hidden seam
// welded (EN 1993-1-8 7.1.2(6)); every K/N family asks for it in the same words.
void PrintHiddenSeamNote(LineWriter& w);

}  // namespace traxen
