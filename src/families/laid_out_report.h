// A job's report laid out once into recorded drawing operations, then replayed: the screen,
// print preview, printing and PDF/PNG export all draw the same recording, so they cannot
// disagree, and a repaint costs a replay of what it exposes instead of a fresh layout.
//
// Coordinates are those of the report strip: page k spans y from k × kReportPageHeight to
// (k + 1) × kReportPageHeight, x from 0 to kReportStripWidth.
#pragma once

#include <array>
#include <ctime>
#include <vector>

#include "model/job.h"
#include "model/report_inputs.h"
#include "report/page_geometry.h"
#include "report/recording_surface.h"
#include "report/report_language.h"

namespace traxen {

struct ReportRect {
  int left = 0, top = 0, right = 0, bottom = 0;  // report units, right and bottom exclusive
};

// Where each drawing operation of a recording lies and what it needs: the rectangle it may
// touch, and for each kind of drawing state (pen, brush, font, text colour, background
// colour) the operation that set it last before it (-1: none yet).
struct RecordedOpPlace {
  ReportRect bounds;
  std::array<int, 5> state{-1, -1, -1, -1, -1};
};

struct LaidOutReport {
  RecordingSurface ops;  // the whole strip, in drawing order
  int page_count = 1;    // known without drawing, for the print dialog
  int failed = 0;        // the failure flag at the end of the report
  std::vector<RecordedOpPlace> places;   // one per operation of `ops` (state ones unused)
  std::vector<std::vector<int>> pages;   // per page, its drawing operations in order
};

// Lays out the report of `job` from the document's working values and dialog marker, which
// are read, never written. `now` is the footer's date.
// `brace_welds` adds the closing section with the brace welds. A report that is one of
// several in a document numbers its pages from `first_page_number` of `page_total`. Its words
// are those of `language`.
LaidOutReport LayOutReport(const Job& job, const ReportInputs& working, int last_dialog, std::time_t now,
                           bool brace_welds = true, int first_page_number = 1, int page_total = 0,
                           ReportLanguage language = ReportLanguage::kEstonian);

// Indexes a recording by page, as LayOutReport does; for a report recorded by other means.
void IndexReportPages(LaidOutReport& report);

// Replays the recording onto `target`. With `clip`, only the drawing operations that may
// touch that rectangle are replayed, each with the drawing state it was recorded under.
void ReplayReport(const LaidOutReport& report, DrawingSurface& target, const ReportRect* clip = nullptr);

}  // namespace traxen
