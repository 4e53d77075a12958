// Laying a report out once and replaying it.
#include "report/laid_out_report.h"

#include "report/dispatch.h"

namespace traxen {

LaidOutReport LayOutReport(const Job& job, const ReportInputs& working, int last_dialog, std::time_t now) {
  LaidOutReport report;
  ViewState scratch{working, last_dialog};  // the rendering's own copy: the document is not written
  RenderOptions options;
  options.now = now;
  const RenderResult result = RenderReport(report.ops, job, scratch, options);
  report.page_count = result.page_count;
  report.failed = result.failed;
  return report;
}

void ReplayReport(const LaidOutReport& report, DrawingSurface& target, const ReportRect* clip) {
  (void)clip;  // every operation is replayed; the target clips
  report.ops.ReplayOnto(target);
}

}  // namespace traxen
