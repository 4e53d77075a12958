// The printed reinforced K/N report: plate requirements, then the reinforced gap or overlap
// checks. Computed by kn_reinforced_joint.h.
#pragma once

#include "report/check_summary.h"
#include "report/report_canvas.h"
#include "model/report_inputs.h"

namespace traxen {

struct ReinforcedKnResult;

// Prints the report of a computed result, from the opening lines to the last verdict.
void PrintReinforcedKnReport(ReportCanvas& canvas, const ReinforcedKnResult& r);
// Prints the reinforced K/N report after the title and the schematic (in.g, in.p are set)
// and returns the summary of what it printed.
CheckSummary RenderReinforcedKnReport(ReportCanvas& canvas, const ReportInputs& in);

}  // namespace traxen
