// PDF and PNG output of a laid-out report.
#include "ui/qt/report_export.h"

#include <QBuffer>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <memory>
#include <vector>

#include "base/display_text.h"
#include "model/atomic_file.h"
#include "model/page_files.h"
#include "ui/qt/pdf_file_sink.h"


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

namespace {

QString Reason(const QString& path, MessageId why, Language language = Language::kEnglish) {
  return QString::fromStdString(
      Message(MessageId::kCannotWrite, Message(why)).About(path.toStdString()).Text(language));
}

}  // namespace

void SetUpReportPdf(QPdfWriter& writer, const QString& title) {
  writer.setPageSize(QPageSize(QPageSize::A4));
  writer.setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
  writer.setResolution(600);
  writer.setCreator(QStringLiteral("TRAXEN"));
  writer.setTitle(QString::fromStdString(PrintableText(title.toStdString())));  // one line, no controls
}

bool WritePdfFile(const QString& path, const ReportFileOptions& options, const PdfPainting& paint, QString* error) {
  StagedFiles staged;
  LoadError e = staged.StageStreamed(path.toLocal8Bit().toStdString(), [&](int fd) -> Message {
    PdfFileSink sink(fd, options.reproducible, options.created);
    std::vector<PdfOutlineEntry> outline;
    {
      QPdfWriter writer(&sink);
      SetUpReportPdf(writer, options.title);
      QPainter painter;
      if (!painter.begin(&writer)) return Message(MessageId::kPdfNotStarted);
      Message why = paint(writer, painter, outline);
      painter.end();
      if (!why.empty()) return why;
    }
    if (Message why = sink.Flush(); !why.empty()) return why;
    std::string appended;
    if (std::string why = AppendPdfOutline(fd, outline, &appended); !why.empty()) return Message(MessageId::kText, why);
    sink.Appended(appended);
    return sink.WriteId();
  });
  if (!e) e = staged.PutInPlace(0);
  if (e) {
    if (error) *error = QString::fromStdString(ErrorText(e, options.language));
    return false;
  }
  return true;
}

bool WriteReportPdf(const LaidOutReport& report, const QString& path, QString* error,
                    const ReportFileOptions& options) {
  return WritePdfFile(
      path, options,
      [&](QPdfWriter& writer, QPainter& painter, std::vector<PdfOutlineEntry>&) {
        const QRectF target(QPointF(0, 0), QSizeF(writer.width(), writer.height()));
        for (int page = 0; page < report.page_count; ++page) {
          if (page > 0) writer.newPage();
          PaintReportPage(painter, report, page, target);
        }
        return Message();
      },
      error);
}

bool WriteReportPng(const LaidOutReport& report, const QString& path, QString* error,
                    std::vector<LeftoverPage>* leftovers) {
  const std::string local_path = path.toLocal8Bit().toStdString();
  std::vector<std::string> pages;
  for (int page = 0; page < report.page_count; ++page) {
    QImage image(kPageWidth, kPageHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    PaintReportPage(painter, report, page, QRectF(0, 0, kPageWidth, kPageHeight));
    painter.end();
    const std::string name = PageFileName(local_path, page + 1, report.page_count);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG")) {
      if (error) *error = Reason(QString::fromLocal8Bit(name), MessageId::kPngNotEncoded);
      return false;
    }
    pages.push_back(bytes.toStdString());
  }
  // Never a page of an earlier report beside the new ones (see WritePageFiles).
  std::vector<LeftoverPage> removed;
  if (LoadError e = WritePageFiles(local_path, pages, removed)) {
    if (error) *error = QString::fromStdString(e.message);
    return false;
  }
  if (leftovers) *leftovers = std::move(removed);
  return true;
}

}  // namespace traxen
