// PDF and PNG output of a laid-out report.
#include "ui/qt/report_export.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>


namespace traxen {

void PaintReportPage(QPainter& painter, const LaidOutReport& report, int page, const QRectF& target) {
  const double scale = std::min(target.height() / kPageHeight, target.width() / kPageWidth);
  painter.save();
  painter.setClipRect(target);
  painter.translate(target.left() + (target.width() - kPageWidth * scale) / 2, target.top());
  painter.scale(scale, scale);
  painter.translate(0, -double(page) * kPageHeight);
  painter.setClipRect(QRectF(0, double(page) * kPageHeight, kPageWidth, kPageHeight), Qt::IntersectClip);
  QPainterSurface surface(painter);
  const ReportRect page_rect{0, page * kPageHeight, kPageWidth, (page + 1) * kPageHeight};
  ReplayReport(report, surface, &page_rect);
  painter.restore();
}

bool WriteReportPdf(const LaidOutReport& report, const QString& path, QString* error) {
  QPdfWriter writer(path);
  writer.setPageSize(QPageSize(QPageSize::A4));
  writer.setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
  writer.setResolution(600);
  writer.setCreator(QStringLiteral("TRAXEN"));
  QPainter painter;
  if (!painter.begin(&writer)) {
    if (error) *error = QStringLiteral("%1: cannot write the PDF file").arg(path);
    return false;
  }
  const QRectF target(QPointF(0, 0), QSizeF(writer.width(), writer.height()));
  for (int page = 0; page < report.page_count; ++page) {
    if (page > 0) writer.newPage();
    PaintReportPage(painter, report, page, target);
  }
  painter.end();
  if (!QFileInfo(path).exists()) {
    if (error) *error = QStringLiteral("%1: cannot write the PDF file").arg(path);
    return false;
  }
  return true;
}

bool WriteReportPng(const LaidOutReport& report, const QString& path, QString* error) {
  const QFileInfo info(path);
  for (int page = 0; page < report.page_count; ++page) {
    QImage image(kPageWidth, kPageHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    PaintReportPage(painter, report, page, QRectF(0, 0, kPageWidth, kPageHeight));
    painter.end();
    const QString name = report.page_count == 1
        ? path
        : info.dir().filePath(QStringLiteral("%1-%2.%3").arg(info.completeBaseName()).arg(page + 1).arg(info.suffix()));
    if (!image.save(name, "PNG")) {
      if (error) *error = QStringLiteral("%1: cannot write the PNG file").arg(name);
      return false;
    }
  }
  return true;
}

}  // namespace traxen
