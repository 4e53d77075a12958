// A job's report laid out once into recorded drawing operations, then replayed: the screen,
// print preview, printing and PDF/PNG export all draw the same recording, so they cannot
// disagree, and a repaint costs a replay instead of a fresh layout.
//
// Coordinates are those of the report strip: page k spans y from k × kReportPageHeight to
// (k + 1) × kReportPageHeight, x from 0 to kReportStripWidth.
#pragma once

#include <ctime>

#include "model/job.h"
#include "report/recording_surface.h"
#include "report/report_inputs.h"

namespace traxen {

inline constexpr int kReportStripWidth = 900;  // the page separators reach x = 900
inline constexpr int kReportPageHeight = 1229;

struct ReportRect {
  int left = 0, top = 0, right = 0, bottom = 0;  // report units, right and bottom exclusive
};

struct LaidOutReport {
  RecordingSurface ops;  // the whole strip
  int page_count = 1;
  int failed = 0;  // the failure flag at the end of the report
};

// Lays out the report of `job` from the document's working values and dialog marker, which
// are read, never written. `now` is the footer's date.
LaidOutReport LayOutReport(const Job& job, const ReportInputs& working, int last_dialog, std::time_t now);

// Replays the recording onto `target`; with `clip`, only what may touch that rectangle.
void ReplayReport(const LaidOutReport& report, DrawingSurface& target, const ReportRect* clip = nullptr);

}  // namespace traxen
