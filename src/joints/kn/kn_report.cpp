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
  const ReportInputs& used = r.inputs;  // the lines print what the result was computed from
  canvas.line_offset = kKnSketchRoom;  // the schematic occupies the top of page 1
  PrintKnGapLines(canvas, r.g, r.p);
  PrintKnValidity(canvas, used, r.validity);
  if (canvas.failed) {
    PrintKnStopLine(canvas);
    return SummarizeKnJoint(r);
  }
  if (r.overlap) PrintKnOverlapChecks(canvas, used, *r.overlap);
  if (r.gap) PrintKnGapChecks(canvas, used, *r.gap);
  return SummarizeKnJoint(r);
}

CheckSummary CheckPlainKnJoint(const ReportInputs& in) { return SummarizeKnJoint(ComputeKnJoint(in)); }

}  // namespace traxen
