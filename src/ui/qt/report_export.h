// A job's report laid out once with real font metrics, then replayed onto pages: PDF files,
// PNG images and printers all draw the same recorded operations.
#pragma once

#include <QString>
#include <ctime>
#include <memory>

#include "model/job.h"
#include "report/laid_out_report.h"
#include "report/report_inputs.h"
#include "ui/qt/painter_surface.h"

class QPagedPaintDevice;
class QPainter;

namespace traxen {

inline constexpr int kPageWidth = kReportStripWidth;
inline constexpr int kPageHeight = kReportPageHeight;

// Draws page `page` (from 0) of the laid-out report so that it fills the painter's
// `target` rectangle's height (one report page per sheet), centred horizontally.
void PaintReportPage(QPainter& painter, const LaidOutReport& report, int page, const QRectF& target);

// Writes one page per sheet; false with `error` set when the file cannot be written.
bool WriteReportPdf(const LaidOutReport& report, const QString& path, QString* error);
// Writes the pages at 1 pixel per unit: exactly `path` for one page, else NAME-1.png, ...
bool WriteReportPng(const LaidOutReport& report, const QString& path, QString* error);

}  // namespace traxen
