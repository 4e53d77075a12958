// A job's report laid out once with real font metrics, then replayed onto pages: PDF files,
// PNG images and printers all draw the same recorded operations.
#pragma once

#include <QString>
#include <ctime>
#include <memory>

#include "model/job.h"
#include "report/recording_surface.h"
#include "report/report_inputs.h"
#include "ui/qt/painter_surface.h"

class QPagedPaintDevice;
class QPainter;

namespace traxen {

inline constexpr int kPageWidth = 900;    // the report strip's width in units
inline constexpr int kPageHeight = 1229;  // one page of the strip

struct LaidOutReport {
  RecordingSurface ops;
  int page_count = 1;
};

std::unique_ptr<LaidOutReport> LayOutReport(const Job& job, ViewState& view, std::time_t now);

// Draws page `page` (from 0) of the laid-out report so that it fills the painter's
// `target` rectangle's height (one report page per sheet), centred horizontally.
void PaintReportPage(QPainter& painter, const LaidOutReport& report, int page, const QRectF& target);

// Writes one page per sheet; false with `error` set when the file cannot be written.
bool WriteReportPdf(const LaidOutReport& report, const QString& path, QString* error);
// Writes the pages at 1 pixel per unit: exactly `path` for one page, else NAME-1.png, ...
bool WriteReportPng(const LaidOutReport& report, const QString& path, QString* error);

}  // namespace traxen
