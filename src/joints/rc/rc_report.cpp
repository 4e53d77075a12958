// The reports of round braces on a rectangular chord: the computed result printed after the
// title, below the room the schematic takes.
#include "joints/rc/rc_compute.h"
#include "joints/rc/rc_family.h"
#include "joints/rc/rc_job.h"
#include "joints/rc/rc_report_lines.h"

namespace traxen {

namespace {

CheckSummary PrintRcReport(ReportCanvas& canvas, const RcResult& r) {
  LineWriter w(canvas);
  canvas.line_offset = r.x_joint && !r.kn ? kRcXJointSketchRoom : kRcSketchRoom;
  w.NewLine();
  canvas.SetTextColor(kBlack);
  PrintRcValidity(w, r);
  if (PrintRcStopLine(w, r.valid)) {
    PrintRcParameters(w, r);
    PrintRcResistances(w, r);
  }
  return SummariseRc(r);
}

}  // namespace

CheckSummary RenderRcTyxReport(ReportCanvas& canvas, const Job& job) {
  CheckSummary s = PrintRcReport(canvas, ComputeRcTyx(RcTyxInputsOf(job)));
  s.family = "rc_tyx";
  s.title = RcTyxTitle(job, canvas.language);
  return s;
}

CheckSummary RenderRcKnReport(ReportCanvas& canvas, const Job& job) {
  CheckSummary s = PrintRcReport(canvas, ComputeRcKn(RcKnInputsOf(job)));
  s.family = "rc_kn";
  s.title = RcKnTitle(job, canvas.language);
  return s;
}

}  // namespace traxen
