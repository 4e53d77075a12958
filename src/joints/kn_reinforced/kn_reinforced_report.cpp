// The reinforced K/N report: computed once, then printed in the order the report runs.
#include "joints/kn_reinforced/kn_reinforced_report.h"

#include "joints/kn/kn_geometry.h"
#include "joints/kn/kn_validity_lines.h"
#include "joints/kn/kn_geometry_lines.h"
#include "joints/kn/kn_schematic.h"
#include "report/line_writer.h"
#include "joints/kn_reinforced/kn_plate_requirements_lines.h"
#include "joints/kn_reinforced/kn_reinforced_gap_lines.h"
#include "joints/kn_reinforced/kn_reinforced_joint.h"
#include "joints/kn_reinforced/kn_reinforced_overlap_lines.h"
#include "joints/kn/kn_texts.h"
#include "joints/kn_reinforced/kn_reinforced_texts.h"
#include "report/report_words.h"

namespace traxen {

void PrintReinforcedKnReport(ReportCanvas& canvas, const ReinforcedKnResult& r) {
  const bool between_braces_plate = r.used.plates.between;
  // The schematic above needs more room when it shows the between-braces plate.
  canvas.line_offset = between_braces_plate ? kKnBetweenPlateSketchRoom : kKnSketchRoom;
  if (!between_braces_plate) PrintKnGapLines(canvas, r.used.g, r.used.p);

  NewLine(canvas);
  canvas.x = canvas.left_margin;
  canvas.SetTextColor(kBlack);
  LineWriter(canvas, canvas.left_margin, "bold")
      .Text(Say(canvas, ReportTextKey::kReinforcedValidityHeading), " ", "  ");
  NewLine(canvas);
  LineWriter(canvas, canvas.left_margin, "bold").Text(Say(canvas, KnReinforcedTextKey::kPlateHeading), " ", "  ");
  NewLine(canvas);
  canvas.x = canvas.left_margin;
  PrintKnPlateRequirements(canvas, r.used, r.plates);

  NewLine(canvas);
  NewLine(canvas);
  NewLine(canvas);
  canvas.x = canvas.left_margin;
  PrintKnValidity(canvas, r.validity);

  if (!r.valid()) {
    PrintKnStopLine(canvas);
  } else if (r.reinforced_overlap) {
    PrintReinforcedOverlapChecks(canvas, r.used, *r.reinforced_overlap);
  } else if (r.reinforced_gap) {
    PrintReinforcedGapChecks(canvas, r.used, *r.reinforced_gap);
  }
  canvas.SetTextColor(kBlack);
}

CheckSummary RenderReinforcedKnReport(ReportCanvas& canvas, const ReportInputs& in) {
  const ReinforcedKnResult r = ComputeReinforcedKnJoint(in);
  PrintReinforcedKnReport(canvas, r);
  return SummarizeReinforcedKnJoint(r);
}

}  // namespace traxen
