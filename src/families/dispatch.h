// The report dispatcher: one rendering of a job's whole report onto a drawing surface
// (frame, header and footer of page 1, the family title, the schematic and the report), and
// the same computation without drawing for the checks.
#pragma once

#include <ctime>
#include <vector>

#include "model/job.h"
#include "report/check_summary.h"
#include "report/report_language.h"
#include "report/report_canvas.h"
#include "model/report_inputs.h"

namespace traxen {

struct RenderOptions {
  std::time_t now = 0;                             // the footer's date and time
  std::vector<ReportTextPiece>* text_log = nullptr;  // collects the report text when set
  // The closing section with the full-strength weld of every brace ("KEEVISÕMBLUSED"); off
  // for a report exactly as the checks alone print it.
  bool brace_welds = true;
  // The joint's sketch at the top of page 1; off for the report's lines alone (the text
  // output, which holds no sketch, reads the same either way).
  bool sketch = true;
  // The footer's page numbers when the report is one of several in one document.
  int first_page_number = 1;
  int page_total = 0;  // 0: a report alone, "Leht k"
  ReportLanguage language = ReportLanguage::kEstonian;  // the words of the whole report
};

struct RenderResult {
  int page_count = 1;
  int failed = 0;
};

// Renders the report of `job` from the document's working values and its last confirmed
// joint dialog (0 none, 1 T/Y/X, 2 K/N). Both are read, never written: the rendering copies
// the job's family column into its own copy of the working values.
RenderResult RenderReport(DrawingSurface& surface, const Job& job, const ReportInputs& working, int last_dialog,
                          const RenderOptions& options);

// Computes what the report would print, without drawing: the values `traxen-cli check` reports.
// Its title is in `language`, as the report would print it.
CheckSummary CheckJob(const Job& job, const ReportInputs& working, int last_dialog,
                      ReportLanguage language = ReportLanguage::kEstonian);

}  // namespace traxen
