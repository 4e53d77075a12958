// Printing, previewing and exporting a laid-out report: one report page per sheet, scaled
// uniformly into the printable area (also on paper narrower than the page's proportions).
#pragma once

#include <QString>

#include "families/laid_out_report.h"

class QPrinter;

namespace traxen {

class Document;

// The title of the document's report in a PDF and a print job: the job's name, or the name of
// the document's file (its window's name while it has none) while the job name is a new job's
// placeholder.
QString ReportTitle(const Document& document);

// Prints the pages the printer's range selects (all by default). False when the printer
// cannot be drawn on.
bool PrintReport(QPrinter& printer, const LaidOutReport& report);

// Files are written whole or not at all, through a temporary file beside them that is renamed
// over the old one, with the same refusals as every other file the program writes (folders,
// pipes and devices, read-only files): a failed write keeps the old file. On failure `error`
// names the file and the reason, in the interface's language.

// The printer prints to a PDF file (the print dialog's "print to file").
bool PrintsToFile(const QPrinter& printer);
// Prints the selected pages to the printer's output file as PrintReport would.
bool PrintReportToFile(const QPrinter& printer, const LaidOutReport& report, QString* error);

// A PDF of every page, vector text, with `title` as the document title.
bool ExportReportPdf(const LaidOutReport& report, const QString& path, const QString& title, QString* error);

}  // namespace traxen
