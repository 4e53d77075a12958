// K and N joints as the dispatcher calls them: the schematic, the plain report and its checks
// without drawing. A job with any plate takes the reinforced report instead
// (joints/kn_reinforced/kn_reinforced_report.h); the dispatcher routes between the two.
#pragma once

#include "model/report_inputs.h"
#include "report/check_summary.h"
#include "report/report_canvas.h"

namespace traxen {

struct KnJointResult;

// Whether the reinforced K/N report applies: any of the three plate flags set.
inline bool HasKnPlate(const ReportInputs& in) {
  return in.kn_face_plate == 1 || in.kn_side_plates == 1 || in.kn_overlap_plate == 1;
}

// Draws the joint at the top of page 1 (the report frame of DrawKnSketch).
void DrawKnSchematic(ReportCanvas& canvas, const ReportInputs& in);
// Prints the plain K/N report after the title. Like every K/N report it reads g and p as
// StoreKnGeometry left them in the rendering's copy of the working values.
// Returns the summary of what it printed.
CheckSummary RenderPlainKnReport(ReportCanvas& canvas, const ReportInputs& in);
// Prints the report of a computed result, from the gap lines to the last verdict.
void PrintPlainKnReport(ReportCanvas& canvas, const KnJointResult& r);
// What RenderPlainKnReport would yield, as a summary.
CheckSummary CheckPlainKnJoint(const ReportInputs& in);

}  // namespace traxen
