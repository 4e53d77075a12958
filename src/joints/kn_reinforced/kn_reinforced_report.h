// Reinforced K and N joints: plate requirements, then the reinforced gap or overlap checks.
#pragma once

#include "report/check_summary.h"
#include "report/report_canvas.h"
#include "model/report_inputs.h"

namespace traxen {

// Prints the reinforced K/N report after the title and the schematic (in.g, in.p are set).
void RenderReinforcedKnReport(ReportCanvas& canvas, const ReportInputs& in);
// What RenderReinforcedKnReport would print, as a summary (report "reinforced").
CheckSummary CheckReinforcedKnJoint(const ReportInputs& in);

}  // namespace traxen
