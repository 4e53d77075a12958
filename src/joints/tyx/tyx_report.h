// T, Y and X joints: the report schematic, the report (plain or reinforced) and the checks
// without drawing.
#pragma once

#include "joints/tyx/tyx_result.h"
#include "report/check_summary.h"
#include "report/report_canvas.h"
#include "model/report_inputs.h"

namespace traxen {

// The report's schematic draws the lower brace of an X joint at the brace's angle, and the
// checks follow the drawing: when the schematic is drawn, θ2 becomes θ1 in the rendering's
// copy of the working values.
void SetTyxDrawnAngle(ReportInputs& in, bool schematic_drawn);
// Draws the joint at the top of page 1 (the report frame of DrawTyxSketch).
void DrawTyxSchematic(ReportCanvas& canvas, const ReportInputs& in);
// Prints the T/Y/X report after the title (plain, or reinforced when a plate flag is set)
// and returns the summary of what it printed.
CheckSummary RenderTyxReport(ReportCanvas& canvas, const ReportInputs& in);
// What RenderTyxReport would print, as a summary.
CheckSummary CheckTyxJoint(const ReportInputs& in);
// The summary of a computed result: report kind, validity and the resistance verdicts
// (brace 1; mode "1" for the chord face alone, "governing" for the wide-brace minimum).
CheckSummary SummariseTyx(const TyxResult& r);

}  // namespace traxen
