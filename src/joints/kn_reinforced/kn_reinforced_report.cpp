// The reinforced K/N report: computed once, then printed in the order the report runs, or
// summarised for the checks.
#include "joints/kn_reinforced/kn_reinforced_report.h"

#include "joints/kn/kn_geometry.h"
#include "joints/kn/kn_validity_lines.h"
#include "joints/kn/kn_geometry_lines.h"
#include "joints/kn/kn_runs.h"
#include "joints/kn/kn_schematic.h"
#include "joints/kn_reinforced/kn_reinforced_joint.h"

namespace traxen {

ReinforcedKnResult ComputeReinforcedKnJoint(const ReportInputs& in) {
  ReinforcedKnResult r;
  r.g = in.g;
  r.p = in.p;
  r.plates = ComputeKnPlateRequirements(in);
  r.validity = ComputeKnValidity(in, KnOverlapConditions::Omitted);
  if (!r.valid()) return r;
  if (in.g < 0) r.overlap = ComputeReinforcedOverlapChecks(in);
  if (in.g > 0) r.gap = ComputeReinforcedGapChecks(in);
  return r;
}

CheckSummary SummarizeReinforcedKnJoint(const ReinforcedKnResult& r) {
  CheckSummary s;
  s.report = "reinforced";
  s.g = r.g;
  if (r.g < 0) {
    s.p = r.p;
    s.lambda_ov = KnOverlapRatio(r.g, r.p);
  }
  s.failed_conditions = r.FailedConditions();
  s.valid = r.valid();
  if (r.overlap) AppendReinforcedOverlapVerdicts(*r.overlap, s.verdicts);
  if (r.gap) AppendReinforcedGapVerdicts(*r.gap, s.verdicts);
  return s;
}

void PrintReinforcedKnReport(ReportCanvas& canvas, const ReportInputs& in,
                             const ReinforcedKnResult& r) {
  const bool between_braces_plate = in.kn_overlap_plate == 1;
  // The schematic above needs more room when it shows the between-braces plate.
  canvas.line_offset = between_braces_plate ? kKnBetweenPlateSketchRoom : kKnSketchRoom;
  if (!between_braces_plate) PrintKnGapLines(canvas, r.g, r.p);

  NewLine(canvas);
  canvas.x = canvas.left_margin;
  canvas.SetTextColor(kBlack);
  LineWriter(canvas, canvas.left_margin, "bold")
      .Text("TUGEVDATUD SÕLME KANDEVÕIME ARVUTUSE EELDUSED:", " ", "  ");
  NewLine(canvas);
  LineWriter(canvas, canvas.left_margin, "bold").Text("TUGEVDUSLAPP", " ", "  ");
  NewLine(canvas);
  canvas.x = canvas.left_margin;
  PrintKnPlateRequirements(canvas, in, r.plates);

  NewLine(canvas);
  NewLine(canvas);
  NewLine(canvas);
  canvas.x = canvas.left_margin;
  PrintKnValidity(canvas, in, r.validity);

  if (!r.valid()) {
    PrintKnStopLine(canvas);
  } else if (r.overlap) {
    PrintReinforcedOverlapChecks(canvas, in, *r.overlap);
  } else if (r.gap) {
    PrintReinforcedGapChecks(canvas, in, *r.gap);
  }
  canvas.SetTextColor(kBlack);
}

void RenderReinforcedKnReport(ReportCanvas& canvas, const ReportInputs& in) {
  PrintReinforcedKnReport(canvas, in, ComputeReinforcedKnJoint(in));
}

CheckSummary CheckReinforcedKnJoint(const ReportInputs& in) {
  return SummarizeReinforcedKnJoint(ComputeReinforcedKnJoint(in));
}

}  // namespace traxen
