// The plain K/N report: the gap lines, the validity section and either the stop line or the
// gap or overlap resistances; a job with any plate goes to the reinforced report instead.
#include "joints/kn/kn_report.h"

#include "joints/kn/kn_gap_lines.h"
#include "joints/kn/kn_geometry_lines.h"
#include "joints/kn/kn_joint.h"
#include "joints/kn/kn_overlap_lines.h"
#include "joints/kn/kn_schematic.h"
#include "joints/kn/kn_validity.h"
#include "joints/kn_reinforced/kn_reinforced_report.h"

namespace traxen {

namespace {
bool HasKnPlate(const ReportInputs& in) {
  return in.kn_face_plate == 1 || in.kn_side_plates == 1 || in.kn_overlap_plate == 1;
}
}  // namespace

void RenderKnReport(ReportCanvas& canvas, const ReportInputs& in) {
  if (HasKnPlate(in)) {
    RenderReinforcedKnReport(canvas, in);
    return;
  }
  const KnJointResult r = ComputeKnJoint(in);
  canvas.line_offset = kKnSketchRoom;  // the schematic occupies the top of page 1
  PrintKnGapLines(canvas, r.g, r.p);
  PrintKnValidity(canvas, in, r.validity);
  if (canvas.failed) {
    PrintKnStopLine(canvas);
    return;
  }
  if (r.overlap) PrintKnOverlapChecks(canvas, in, *r.overlap);
  if (r.gap) PrintKnGapChecks(canvas, in, *r.gap);
}

CheckSummary CheckKnJoint(ReportInputs& in) {
  StoreKnGeometry(in);
  if (HasKnPlate(in)) return CheckReinforcedKnJoint(in);
  return SummarizeKnJoint(ComputeKnJoint(in));
}

}  // namespace traxen
