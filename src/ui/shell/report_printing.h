// Printing, previewing and exporting a laid-out report: one report page per sheet, scaled
// uniformly into the printable area (also on paper narrower than the page's proportions).
#pragma once

#include <QString>

#include "report/laid_out_report.h"

class QPrinter;

namespace traxen {

// Prints the pages the printer's range selects (all by default). False when the printer
// cannot be drawn on.
bool PrintReport(QPrinter& printer, const LaidOutReport& report);

// A PDF of every page, vector text, with `title` as the document title. False with `error`
// naming the file when it cannot be written.
bool ExportReportPdf(const LaidOutReport& report, const QString& path, const QString& title, QString* error);

}  // namespace traxen
