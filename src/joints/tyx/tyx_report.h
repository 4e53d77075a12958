// T, Y and X joints: the report schematic, the report (plain or reinforced) and the checks
// without drawing.
#pragma once

#include "joints/tyx/tyx_result.h"
#include "report/check_summary.h"
#include "report/report_canvas.h"
#include "report/report_inputs.h"

namespace traxen {

// Draws the joint at the top of page 1; sets in.theta2 to in.theta1.
void DrawTyxSchematic(ReportCanvas& canvas, ReportInputs& in);
// Prints the T/Y/X report after the title: plain, or reinforced when a plate flag is set.
void RenderTyxReport(ReportCanvas& canvas, const ReportInputs& in);
// What RenderTyxReport would print, as a summary; `schematic_drawn` mirrors the report's
// schematic setting theta2 to theta1.
CheckSummary CheckTyxJoint(ReportInputs& in, bool schematic_drawn);
// The summary of a computed result: report kind, validity and the resistance verdicts
// (brace 1; mode "1" for the chord face alone, "governing" for the wide-brace minimum).
CheckSummary SummariseTyx(const TyxResult& r, const ReportInputs& in);

}  // namespace traxen
