// Report lines of the K/N geometry: the gap and overlap lines at the top of the report, and
// the chord-state lines (eccentricity moment, chord stress, n, kn) and the chord force line
// printed inside each gap-joint brace check.
#pragma once

#include "joints/kn/kn_geometry.h"
#include "report/report_canvas.h"

namespace traxen {

// "Varraste vahe g =  …", and for g < 0 "p =  …" and "Ülekate λOv = g/p×100 = …", each on a
// new line 200 units right of the left margin.
void PrintKnGapLines(ReportCanvas& canvas, double g, double p);

// The eccentricity lines (only when the moment is added), then the chord stress, n and kn lines.
void PrintKnChordStateLines(ReportCanvas& canvas, const KnChordState& c);

// "Pikijõud liites N0.Ed = Nvöö,vasak + N1×cosθ1 = …" on a new line.
void PrintKnChordForceLine(ReportCanvas& canvas, const KnChordState& c);

}  // namespace traxen
