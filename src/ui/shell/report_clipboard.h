// Copying the report to the clipboard: a page as an image and as a one-page PDF, so that it
// pastes as a picture into a text processor and as vector graphics where PDF is taken; the
// joint schematic alone as an image.
#pragma once

#include <QImage>
#include <QMimeData>
#include <QString>
#include <memory>
#include <optional>

#include "model/job.h"
#include "model/report_inputs.h"
#include "families/laid_out_report.h"

namespace traxen {

inline constexpr const char* kPdfMimeType = "application/pdf";

// Page `page` (from 0) at `scale` pixels per report unit, white behind the drawing.
QImage ReportPageImage(const LaidOutReport& report, int page, double scale);
// Page `page` as a one-page A4 PDF titled `title`.
QByteArray ReportPagePdf(const LaidOutReport& report, int page, const QString& title);
// Both, ready for the clipboard.
std::unique_ptr<QMimeData> ReportPageMimeData(const LaidOutReport& report, int page, const QString& title);

// The part of the strip a recorded drawing covers: the union of its operations' bounds.
ReportRect DrawingBounds(const LaidOutReport& report, std::size_t first_op, std::size_t end_op);
// Where the joint schematic of a laid-out report lies (none when the report has none): found
// by laying the report out again without it.
std::optional<ReportRect> SchematicBounds(const LaidOutReport& report, const Job& job, const ReportInputs& working,
                                          int last_dialog, bool brace_welds,
                                          ReportLanguage language = ReportLanguage::kEstonian);
// The report region `units` at `scale` pixels per unit.
QImage ReportRegionImage(const LaidOutReport& report, const ReportRect& units, double scale);

}  // namespace traxen
