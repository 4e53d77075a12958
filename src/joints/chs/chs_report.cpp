// The circular hollow section reports: the computed result printed after the title, below
// the room the schematic takes.
#include "joints/chs/chs_compute.h"
#include "joints/chs/chs_family.h"
#include "joints/chs/chs_job.h"
#include "joints/chs/chs_report_lines.h"

namespace traxen {

namespace {

CheckSummary PrintChsReport(ReportCanvas& canvas, const ChsResult& r) {
  LineWriter w(canvas);
  canvas.line_offset = r.x_joint && !r.kn ? kChsXJointSketchRoom : kChsSketchRoom;
  w.NewLine();
  canvas.SetTextColor(kBlack);
  PrintChsValidity(w, r);
  if (PrintChsStopLine(w, r.valid)) {
    PrintChsParameters(w, r);
    PrintChsResistances(w, r);
  }
  return SummariseChs(r);
}

}  // namespace

CheckSummary RenderChsTyxReport(ReportCanvas& canvas, const Job& job) {
  CheckSummary s = PrintChsReport(canvas, ComputeChsTyx(ChsTyxInputsOf(job)));
  s.family = "chs_tyx";
  s.title = ChsTyxTitle(job, canvas.language);
  return s;
}

CheckSummary RenderChsKnReport(ReportCanvas& canvas, const Job& job) {
  CheckSummary s = PrintChsReport(canvas, ComputeChsKn(ChsKnInputsOf(job)));
  s.family = "chs_kn";
  s.title = ChsKnTitle(job, canvas.language);
  return s;
}

}  // namespace traxen
