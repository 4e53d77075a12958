// Pages and the schematic onto the clipboard, drawn from the same recording as the screen.
#include "ui/shell/report_clipboard.h"

#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>
#include <climits>
#include <cmath>

#include "families/dispatch.h"
#include "ui/qt/painter_surface.h"
#include "ui/qt/report_export.h"

namespace traxen {

QImage ReportPageImage(const LaidOutReport& report, int page, double scale) {
  page = std::clamp(page, 0, std::max(0, report.page_count - 1));
  return ReportRegionImage(report, ReportRect{0, page * kReportPageHeight, kPageWidth, (page + 1) * kReportPageHeight},
                           scale);
}

QImage ReportRegionImage(const LaidOutReport& report, const ReportRect& units, double scale) {
  const int width = std::max(1, int(std::lround((units.right - units.left) * scale)));
  const int height = std::max(1, int(std::lround((units.bottom - units.top) * scale)));
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  painter.scale(scale, scale);
  painter.translate(-units.left, -units.top);
  painter.setClipRect(QRect(units.left, units.top, units.right - units.left, units.bottom - units.top));
  QPainterSurface surface(painter);
  ReplayReport(report, surface, &units);
  return image;
}

QByteArray ReportPagePdf(const LaidOutReport& report, int page, const QString& title) {
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  {
    QPdfWriter writer(&buffer);
    SetUpReportPdf(writer, title);
    QPainter painter(&writer);
    PaintReportPage(painter, report, std::clamp(page, 0, std::max(0, report.page_count - 1)),
                    QRectF(0, 0, writer.width(), writer.height()));
  }
  return buffer.data();
}

std::unique_ptr<QMimeData> ReportPageMimeData(const LaidOutReport& report, int page, const QString& title) {
  auto data = std::make_unique<QMimeData>();
  // Two pixels per unit: sharp when pasted at the size of a printed page.
  data->setImageData(ReportPageImage(report, page, 2.0));
  data->setData(QString::fromLatin1(kPdfMimeType), ReportPagePdf(report, page, title));
  return data;
}

ReportRect DrawingBounds(const LaidOutReport& report, std::size_t first_op, std::size_t end_op) {
  ReportRect bounds{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
  const auto& ops = report.ops.ops();
  end_op = std::min({end_op, ops.size(), report.places.size()});
  for (std::size_t i = first_op; i < end_op; ++i) {
    const DrawOp::Kind kind = ops[i].kind;
    if (kind != DrawOp::Kind::Text && kind != DrawOp::Kind::Line && kind != DrawOp::Kind::Polyline &&
        kind != DrawOp::Kind::Rect)
      continue;
    const ReportRect& b = report.places[i].bounds;
    bounds = {std::min(bounds.left, b.left), std::min(bounds.top, b.top), std::max(bounds.right, b.right),
              std::max(bounds.bottom, b.bottom)};
  }
  if (bounds.left > bounds.right) return {};
  return bounds;
}

namespace {
// The same drawing in the same place; texts may differ (the footer's date).
bool SamePlace(const DrawOp& a, const DrawOp& b) {
  return a.kind == b.kind && a.a == b.a && a.b == b.b && a.points == b.points;
}
}  // namespace

std::optional<ReportRect> SchematicBounds(const LaidOutReport& report, const Job& job, const ReportInputs& working,
                                          int last_dialog, bool brace_welds, ReportLanguage language) {
  // The report without its sketch has the same lines in the same places; the operations the
  // two recordings do not share are the sketch's.
  RecordingSurface plain;
  RenderOptions options;
  options.brace_welds = brace_welds;
  options.sketch = false;
  options.language = language;
  RenderReport(plain, job, working, last_dialog, options);
  const auto& with = report.ops.ops();
  const auto& without = plain.ops();
  if (with.size() <= without.size()) return std::nullopt;
  std::size_t first = 0;
  while (first < without.size() && SamePlace(with[first], without[first])) ++first;
  std::size_t shared_tail = 0;
  while (shared_tail < without.size() - first &&
         SamePlace(with[with.size() - 1 - shared_tail], without[without.size() - 1 - shared_tail]))
    ++shared_tail;
  ReportRect bounds = DrawingBounds(report, first, with.size() - shared_tail);
  if (bounds.right <= bounds.left || bounds.bottom <= bounds.top) return std::nullopt;
  // A margin of a few units keeps strokes on the edge whole; never past the page's frame.
  bounds = {std::max(0, bounds.left - 4), std::max(0, bounds.top - 4), std::min(kPageWidth, bounds.right + 4),
            std::min(kReportPageHeight, bounds.bottom + 4)};
  return bounds;
}

}  // namespace traxen
