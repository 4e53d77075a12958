// The report dispatcher: one rendering of a job's whole report onto a drawing surface
// (frame, header and footer of page 1, the family title, the schematic and the report), and
// the same computation without drawing for the checks.
#pragma once

#include <ctime>
#include <vector>

#include "model/job.h"
#include "report/check_summary.h"
#include "report/report_canvas.h"
#include "report/report_inputs.h"

namespace traxen {

struct RenderOptions {
  std::time_t now = 0;                             // the footer's date and time
  std::vector<ReportTextPiece>* text_log = nullptr;  // collects the report text when set
  // The zoom rectangle being dragged in the view, drawn over the report (report units).
  bool has_drag_rect = false;
  Point drag_from, drag_to;
};

struct RenderResult {
  int page_count = 1;
  int failed = 0;
};

RenderResult RenderReport(DrawingSurface& surface, const Job& job, ViewState& view,
                          const RenderOptions& options);

// Computes what the report would print, without drawing: the values `traxen-cli check` reports.
CheckSummary CheckJob(const Job& job, ViewState& view);

// The copy rules from the Job record into the working values, one per family.
void CopyTyxInputs(const Job& job, ReportInputs& in);
void CopyKnInputs(const Job& job, ReportInputs& in);

// Family titles exactly as printed, blanks kept ("" when none applies).
std::string TyxTitle(const ReportInputs& in);
std::string KnTitle(const ReportInputs& in);

}  // namespace traxen
