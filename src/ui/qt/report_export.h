// A job's report laid out once with real font metrics, then replayed onto pages: PDF files,
// PNG images and printers all draw the same recorded operations.
#pragma once

#include <QString>
#include <ctime>
#include <functional>
#include <memory>
#include <vector>

#include "model/job.h"
#include "model/messages.h"
#include "model/page_files.h"
#include "families/laid_out_report.h"
#include "model/report_inputs.h"
#include "ui/qt/painter_surface.h"
#include "ui/qt/pdf_outline.h"

class QPdfWriter;
class QPagedPaintDevice;
class QPainter;

namespace traxen {

inline constexpr int kPageWidth = kReportStripWidth;
inline constexpr int kPageHeight = kReportPageHeight;

// Draws page `page` (from 0) of the laid-out report so that it fills the painter's
// `target` rectangle's height (one report page per sheet), centred horizontally.
void PaintReportPage(QPainter& painter, const LaidOutReport& report, int page, const QRectF& target);

struct ReportFileOptions {
  QString title;              // the PDF's document title (the job name)
  bool reproducible = false;  // the PDF's creation date is `created` and its id follows from
  std::time_t created = 0;    // the content, so the same report gives the same bytes
  Language language = Language::kEnglish;  // of the error message: traxen-cli's English, the desktop's Estonian
};

// Files are written whole or not at all: into a temporary file beside the target, then
// renamed over it, so a failed write never leaves a half-written file nor replaces a good one.
// On failure `error` names the file and the system's reason.

// One report page per A4 sheet at 600 dpi, by TRAXEN, titled `title` as one printable line:
// every PDF the program writes is set up so.
void SetUpReportPdf(QPdfWriter& writer, const QString& title);

// What draws a PDF's pages, given its writer and a painter begun on it; it may name
// bookmarks. An error message stops the file from being written.
using PdfPainting =
    std::function<Message(QPdfWriter& writer, QPainter& painter, std::vector<PdfOutlineEntry>& outline)>;

// Writes a PDF as it is painted, straight into its temporary file (never whole in memory),
// with the bookmarks `paint` names, reproducible as `options` say; put in place only whole.
bool WritePdfFile(const QString& path, const ReportFileOptions& options, const PdfPainting& paint, QString* error);

// Writes one page per sheet.
bool WriteReportPdf(const LaidOutReport& report, const QString& path, QString* error,
                    const ReportFileOptions& options = {});
// Writes the pages at 1 pixel per unit: exactly `path` for one page, else NAME-1.png, ...;
// every page is written before any is put in place, and the names never hold pages of an
// earlier set beside new ones (see WritePageFiles); `leftovers` gets each file of an earlier
// set that the new one does not replace, removed or not.
bool WriteReportPng(const LaidOutReport& report, const QString& path, QString* error,
                    std::vector<LeftoverPage>* leftovers = nullptr);

}  // namespace traxen
