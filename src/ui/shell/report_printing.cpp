// Pages onto printers and PDF files through the shared page painter.
#include "ui/shell/report_printing.h"

#include <QFile>
#include <QFileInfo>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <algorithm>

#include "ui/qt/report_export.h"

namespace traxen {

bool PrintReport(QPrinter& printer, const LaidOutReport& report) {
  int first = 1, last = report.page_count;
  if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
    first = std::max(1, printer.fromPage());
    last = std::min(report.page_count, printer.toPage() > 0 ? printer.toPage() : report.page_count);
  }
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  const QRectF area(0, 0, printer.width(), printer.height());
  for (int page = first; page <= last; ++page) {
    if (page > first) printer.newPage();
    PaintReportPage(painter, report, page - 1, area);
  }
  painter.end();
  return true;
}

bool ExportReportPdf(const LaidOutReport& report, const QString& path, const QString& title, QString* error) {
  // QPdfWriter reports no error of its own: a file that cannot be created is found first.
  QFile probe(path);
  const bool existed = probe.exists();
  if (!probe.open(QIODevice::WriteOnly | QIODevice::Append)) {
    if (error) *error = QStringLiteral("%1: cannot write the PDF file: %2").arg(path, probe.errorString());
    return false;
  }
  probe.close();
  if (!existed) probe.remove();

  QPdfWriter writer(path);
  writer.setPageSize(QPageSize(QPageSize::A4));
  writer.setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
  writer.setResolution(600);
  writer.setCreator(QStringLiteral("TRAXEN"));
  writer.setTitle(title);
  QPainter painter;
  if (!painter.begin(&writer)) {
    if (error) *error = QStringLiteral("%1: cannot write the PDF file").arg(path);
    return false;
  }
  const QRectF area(0, 0, writer.width(), writer.height());
  for (int page = 0; page < report.page_count; ++page) {
    if (page > 0) writer.newPage();
    PaintReportPage(painter, report, page, area);
  }
  painter.end();
  if (!QFileInfo(path).exists()) {
    if (error) *error = QStringLiteral("%1: cannot write the PDF file").arg(path);
    return false;
  }
  return true;
}

}  // namespace traxen
