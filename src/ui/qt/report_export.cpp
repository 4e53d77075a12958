// PDF and PNG output of a laid-out report.
#include "ui/qt/report_export.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QDateTime>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QTimeZone>

#include <cstring>
#include <memory>
#include <vector>

#include "base/display_text.h"
#include "model/atomic_file.h"
#include "model/page_files.h"


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

// Writes the files through temporary files beside them; nothing is replaced on failure.
bool SaveWhole(const std::vector<FileContent>& files, QString* error, Language language = Language::kEnglish) {
  if (LoadError e = WriteFilesAtomically(files)) {
    if (error) *error = QString::fromStdString(ErrorText(e, language));
    return false;
  }
  return true;
}

}  // namespace

// PDF date "D:YYYYMMDDHHmmSS" digits of every date string, and the document id (the trailer's
// /ID and the metadata's uuid), made fixed: the id from a hash of the rest of the file. The
// lengths stay as they are, so the cross-reference offsets stay right.
void MakePdfReproducible(QByteArray& pdf, std::time_t created) {
  const QByteArray stamp =
      QDateTime::fromSecsSinceEpoch(created, QTimeZone::utc()).toString(QStringLiteral("yyyyMMddHHmmss")).toLatin1();
  for (qsizetype at = pdf.indexOf("(D:"); at >= 0; at = pdf.indexOf("(D:", at + 1))
    if (at + 3 + stamp.size() <= pdf.size()) pdf.replace(at + 3, stamp.size(), stamp);
  for (const char* marker : {"<xmp:CreateDate>", "<xmp:ModifyDate>", "<xmp:MetadataDate>"}) {
    const QByteArray iso =
        QDateTime::fromSecsSinceEpoch(created, QTimeZone::utc()).toString(Qt::ISODate).toLatin1().left(19);
    for (qsizetype at = pdf.indexOf(marker); at >= 0; at = pdf.indexOf(marker, at + 1)) {
      const qsizetype start = at + qsizetype(std::strlen(marker));
      if (start + iso.size() <= pdf.size()) pdf.replace(start, iso.size(), iso);
    }
  }
  // The id: every 32-digit hex string in angle brackets, and every "uuid:" value.
  QByteArray blanked = pdf;
  const QRegularExpression hex_id(QStringLiteral("<([0-9a-fA-F]{32})>"));
  const QRegularExpression uuid(QStringLiteral("uuid:([0-9a-fA-F-]{36})"));
  QString text = QString::fromLatin1(blanked);
  text.replace(hex_id, QStringLiteral("<>"));
  text.replace(uuid, QStringLiteral("uuid:"));
  const QByteArray digest = QCryptographicHash::hash(text.toLatin1(), QCryptographicHash::Md5).toHex();
  const QString id = QString::fromLatin1(digest);
  const QString dashed = id.mid(0, 8) + '-' + id.mid(8, 4) + '-' + id.mid(12, 4) + '-' + id.mid(16, 4) + '-' + id.mid(20, 12);
  QString out = QString::fromLatin1(pdf);
  out.replace(hex_id, QStringLiteral("<") + id + QStringLiteral(">"));
  out.replace(uuid, QStringLiteral("uuid:") + dashed);
  pdf = out.toLatin1();
}


void SetUpReportPdf(QPdfWriter& writer, const QString& title) {
  writer.setPageSize(QPageSize(QPageSize::A4));
  writer.setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
  writer.setResolution(600);
  writer.setCreator(QStringLiteral("TRAXEN"));
  writer.setTitle(QString::fromStdString(PrintableText(title.toStdString())));  // one line, no controls
}

bool WriteReportPdf(const LaidOutReport& report, const QString& path, QString* error,
                    const ReportFileOptions& options) {
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  {
    QPdfWriter writer(&buffer);
    SetUpReportPdf(writer, options.title);
    QPainter painter;
    if (!painter.begin(&writer)) {
      if (error) *error = Reason(path, MessageId::kPdfNotStarted, options.language);
      return false;
    }
    const QRectF target(QPointF(0, 0), QSizeF(writer.width(), writer.height()));
    for (int page = 0; page < report.page_count; ++page) {
      if (page > 0) writer.newPage();
      PaintReportPage(painter, report, page, target);
    }
    painter.end();
  }
  QByteArray pdf = buffer.data();
  if (options.reproducible) MakePdfReproducible(pdf, options.created);
  return SaveWhole({{path.toLocal8Bit().toStdString(), pdf.toStdString()}}, error, options.language);
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
