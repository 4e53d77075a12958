// The report as plain text: one line per report line in page order, pieces joined by x,
// a form feed line at each page break.
#pragma once

#include <string>
#include <vector>

#include "model/job.h"
#include "report/page_geometry.h"
#include "report/report_canvas.h"
#include "report/report_language.h"
#include "model/report_inputs.h"

namespace traxen {

// Joins logged report pieces into text: pieces of one line in x order, one blank where a
// piece starts right of the previous one's end; UTF-8, each line ending in "\n".
std::string ReportPiecesToText(std::vector<ReportTextPiece> pieces, int page_height = kReportPageHeight);

// Renders `job` onto a recording surface with deterministic metrics and returns its text.
std::string RenderReportText(const Job& job, const ReportInputs& working, int last_dialog, bool brace_welds = true,
                             ReportLanguage language = ReportLanguage::kEstonian);

}  // namespace traxen
