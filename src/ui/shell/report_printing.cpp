// Pages onto printers and PDF files through the shared page painter.
#include "ui/shell/report_printing.h"

#include <QBuffer>
#include <QFileInfo>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <algorithm>

#include "model/atomic_file.h"
#include "model/job_name.h"
#include "ui/i18n/interface_language.h"
#include "ui/qt/report_export.h"
#include "ui/shell/document.h"

namespace traxen {

namespace {

// The report pages the printer's range selects (all by default), from 1.
std::pair<int, int> SelectedPages(const QPrinter& printer, const LaidOutReport& report) {
  int first = 1, last = report.page_count;
  if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
    first = std::max(1, printer.fromPage());
    last = std::min(report.page_count, printer.toPage() > 0 ? printer.toPage() : report.page_count);
  }
  return {first, last};
}

bool PaintPages(QPagedPaintDevice& device, const LaidOutReport& report, int first, int last) {
  QPainter painter;
  if (!painter.begin(&device)) return false;
  const QRectF area(0, 0, device.width(), device.height());
  for (int page = first; page <= last; ++page) {
    if (page > first) device.newPage();
    PaintReportPage(painter, report, page - 1, area);
  }
  painter.end();
  return true;
}

}  // namespace

bool PrintReport(QPrinter& printer, const LaidOutReport& report) {
  const auto [first, last] = SelectedPages(printer, report);
  return PaintPages(printer, report, first, last);
}

bool PrintsToFile(const QPrinter& printer) {
  return printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty();
}

// Qt's printer would write the file in place page by page; the PDF is made in memory with the
// printer's paper, margins and resolution instead, and written whole or not at all.
bool PrintReportToFile(const QPrinter& printer, const LaidOutReport& report, QString* error) {
  const QString path = printer.outputFileName();
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  {
    QPdfWriter writer(&buffer);
    writer.setPageLayout(printer.pageLayout());
    writer.setResolution(printer.resolution());
    writer.setCreator(QStringLiteral("TRAXEN"));
    writer.setTitle(printer.docName());
    const auto [first, last] = SelectedPages(printer, report);
    if (!PaintPages(writer, report, first, last)) {
      if (error)
        *error = QString::fromStdString(Message(MessageId::kCannotWrite, Message(MessageId::kPdfNotStarted))
                                            .About(path.toStdString())
                                            .Text(MessageLanguage()));
      return false;
    }
  }
  if (const LoadError e = WriteFileAtomically(path.toLocal8Bit().toStdString(), buffer.data().toStdString())) {
    if (error) *error = QString::fromStdString(ErrorText(e, MessageLanguage()));
    return false;
  }
  return true;
}

QString ReportTitle(const Document& document) {
  const QString file = document.path().isEmpty() ? document.title() : QFileInfo(document.path()).fileName();
  return QString::fromStdString(ReportDocumentTitle(document.job().info.job_name, file.toStdString()));
}

bool ExportReportPdf(const LaidOutReport& report, const QString& path, const QString& title, QString* error) {
  ReportFileOptions options;
  options.title = title;
  options.language = MessageLanguage();
  return WriteReportPdf(report, path, error, options);
}

}  // namespace traxen
