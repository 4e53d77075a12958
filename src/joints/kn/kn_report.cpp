// The plain K/N report: the gap lines, the validity section and either the stop line or the
// gap or overlap resistances.
#include "joints/kn/kn_report.h"
#include "joints/kn/kn_validity_lines.h"

#include "joints/kn/kn_gap_lines.h"
#include "joints/kn/kn_geometry_lines.h"
#include "joints/kn/kn_joint.h"
#include "joints/kn/kn_overlap_lines.h"
#include "joints/kn/kn_schematic.h"
#include "joints/kn/kn_validity.h"

namespace traxen {

CheckSummary RenderPlainKnReport(ReportCanvas& canvas, const ReportInputs& in) {
  const KnJointResult r = ComputeKnJoint(in);
  PrintPlainKnReport(canvas, r);
  return SummarizeKnJoint(r);
}

void PrintPlainKnReport(ReportCanvas& canvas, const KnJointResult& r) {
  canvas.line_offset = kKnSketchRoom;  // the schematic occupies the top of page 1
  PrintKnGapLines(canvas, r.used.g, r.used.p);
  PrintKnValidity(canvas, r.validity);
  if (canvas.failed) {
    PrintKnStopLine(canvas);
    return;
  }
  if (r.overlap) PrintKnOverlapChecks(canvas, r.used.chord, *r.overlap);
  if (r.gap) PrintKnGapChecks(canvas, r.used, *r.gap);
}

CheckSummary CheckPlainKnJoint(const ReportInputs& in) { return SummarizeKnJoint(ComputeKnJoint(in)); }

}  // namespace traxen
