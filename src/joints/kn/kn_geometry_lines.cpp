// Gap and overlap lines of the report opening, and the chord-state lines.
#include "joints/kn/kn_geometry_lines.h"

namespace traxen {

void PrintKnGapLines(ReportCanvas&, double, double) {}
void PrintKnChordStateLines(ReportCanvas&, const ReportInputs&, const KnChordState&, double, double) {}
void PrintKnChordForceLine(ReportCanvas&, const ReportInputs&, const KnChordState&) {}

}  // namespace traxen
