// Several reports in one PDF: a truss's summary and then each joint's report, every part on
// pages of its own, page numbers running through the document and one bookmark per part.
// Each part is laid out only when its turn comes and dropped once painted, and the PDF goes
// straight into its temporary file, so that memory stays flat however many joints there are.
#pragma once

#include <QString>
#include <functional>
#include <string>
#include <vector>

#include "families/laid_out_report.h"
#include "families/truss_report.h"
#include "ui/qt/report_export.h"

namespace traxen {

// The parts as report/truss_report.h builds them for a truss.
using CombinedPart = ReportPart;

// Writes the parts in order into one PDF at `path`, whole or not at all (the rules of every
// report file). A part whose layout has another page count than it announced is an error:
// the page numbers and bookmarks would not match. `progress` (may be empty) hears of each
// part before it is painted.
bool WriteCombinedReportPdf(const std::vector<CombinedPart>& parts, const QString& path, QString* error,
                            const ReportFileOptions& options = {},
                            const std::function<void(std::size_t part)>& progress = {});

}  // namespace traxen
