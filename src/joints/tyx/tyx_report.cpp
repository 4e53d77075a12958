// T/Y/X entry points of the report dispatcher: the report printed from the computed result,
// and the summary of the same result for `traxen-cli check`.
#include "joints/tyx/tyx_report.h"

#include <cmath>

#include "joints/tyx/tyx_compute.h"
#include "joints/tyx/tyx_condition_names.h"
#include "joints/tyx/tyx_report_lines.h"

namespace traxen {

CheckSummary RenderTyxReport(ReportCanvas& canvas, const ReportInputs& in) {
  const TyxResult result = ComputeTyx(in);
  LineWriter w(canvas);
  if (result.reinforced)
    PrintTyxReinforcedReport(w, result);
  else
    PrintTyxPlainReport(w, result);
  return SummariseTyx(result);
}

namespace {
// Which resistance the minimum of the wide-brace procedure takes: punching shear, or the chord
// face and side walls, whose resistances a β between 0.85 and 1 interpolates.
void NameWideBraceMinimum(const TyxResult& r, CheckSummary& s) {
  const TyxWideBrace& w = r.wide;
  if (w.punching_applies && w.punching_resistance < w.interpolated) {
    s.governing_decided_by = FailureMode::kPunchingShear;
    return;
  }
  const FailureMode side =
      w.shear_resistance < w.side_wall_resistance ? FailureMode::kChordShear : FailureMode::kChordSideWall;
  if (r.beta >= 1) {
    s.governing_decided_by = side;
  } else {
    s.governing_decided_by = FailureMode::kChordFace;
    if (r.beta > 0.85) s.governing_interpolated_with = side;
  }
}
}  // namespace

CheckSummary SummariseTyx(const TyxResult& r) {
  CheckSummary s;
  s.report = r.reinforced ? "reinforced" : "plain";
  s.valid = r.valid;
  s.failed_conditions = r.failed_count;
  s.failed_condition_names = FailedTyxConditionNames(r);
  const double force = std::abs(r.inputs.N1);
  auto add = [&](const char* mode, double resistance, bool passed) {
    s.verdicts.push_back({1, mode, resistance, force, passed});
  };
  if (!r.valid) return s;
  if (r.reinforced) {
    if (r.reinforced_case == TyxReinforcedCase::BraceInTension)
      add("1", r.tension.resistance, r.tension.passed);
    else if (r.reinforced_case == TyxReinforcedCase::BraceInCompression)
      add("governing", r.wide.resistance, r.wide.passed);
  } else {
    if (r.narrow_case) add("1", r.narrow.resistance, r.narrow.passed);
    if (r.wide_case) {
      add("governing", r.wide.resistance, r.wide.passed);
      NameWideBraceMinimum(r, s);
    }
  }
  return s;
}

void SetTyxDrawnAngle(ReportInputs& in, bool schematic_drawn) {
  if (schematic_drawn) MirrorTyxLowerBrace(in, TyxMirror::kAngle);
}

CheckSummary CheckTyxJoint(const ReportInputs& in) { return SummariseTyx(ComputeTyx(in)); }

}  // namespace traxen
