// K and N joints: the schematic (which also yields the gap g and overlap p), the report
// (plain or reinforced) and the checks without drawing.
#pragma once

#include "report/check_summary.h"
#include "report/report_canvas.h"
#include "report/report_inputs.h"

namespace traxen {

// Draws the joint at the top of page 1 and writes in.g and in.p.
void DrawKnSchematic(ReportCanvas& canvas, ReportInputs& in);
// Prints the K/N report after the title: plain, or reinforced when a plate flag is set.
void RenderKnReport(ReportCanvas& canvas, const ReportInputs& in);
// What the schematic and RenderKnReport would yield, as a summary (writes in.g and in.p).
CheckSummary CheckKnJoint(ReportInputs& in);

}  // namespace traxen
