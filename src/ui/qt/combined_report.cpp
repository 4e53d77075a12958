// The combined PDF.
#include "ui/qt/combined_report.h"

#include <QFile>
#include <QPainter>
#include <QPdfWriter>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "model/atomic_file.h"
#include "ui/qt/pdf_outline.h"

namespace traxen {

namespace {

// The reproducible form needs the whole file: it is read back, fixed and written again.
std::string MakeFileReproducible(int fd, std::time_t created) {
  // The outline was just appended: the descriptor stands at the file's end, and a QFile opened
  // on it reads from there, which would write the file's tail over its start.
  if (::lseek(fd, 0, SEEK_SET) != 0) return std::strerror(errno);
  QFile file;
  if (!file.open(fd, QIODevice::ReadWrite, QFileDevice::DontCloseHandle)) return file.errorString().toStdString();
  QByteArray pdf = file.readAll();
  MakePdfReproducible(pdf, created);
  if (!file.seek(0) || file.write(pdf) != pdf.size() || !file.flush()) return file.errorString().toStdString();
  return {};
}

}  // namespace

bool WriteCombinedReportPdf(const std::vector<CombinedPart>& parts, const QString& path, QString* error,
                            const ReportFileOptions& options, const std::function<void(std::size_t)>& progress) {
  int page_total = 0;
  for (const CombinedPart& p : parts) page_total += p.page_count;
  std::vector<PdfOutlineEntry> outline;

  const std::string target = path.toLocal8Bit().toStdString();
  StagedFiles staged;
  // A reason from Qt or the outline is passed on as it is worded there.
  auto as_message = [](const std::string& why) { return why.empty() ? Message() : Message(MessageId::kText, why); };
  const LoadError e = staged.StageStreamed(target, [&](int fd) -> Message {
    QFile file;
    if (!file.open(fd, QIODevice::WriteOnly, QFileDevice::DontCloseHandle))
      return as_message(file.errorString().toStdString());
    std::string why;
    {
      QPdfWriter writer(&file);
      SetUpReportPdf(writer, options.title);
      QPainter painter;
      if (!painter.begin(&writer)) return as_message("the PDF could not be started");
      const QRectF sheet(QPointF(0, 0), QSizeF(writer.width(), writer.height()));
      int next_page = 1;
      for (std::size_t i = 0; i < parts.size() && why.empty(); ++i) {
        if (progress) progress(i);
        const LaidOutReport report = parts[i].lay_out(next_page, page_total);
        if (report.page_count != parts[i].page_count) {
          why = "a report came out with another page count than announced";
          break;
        }
        if (!parts[i].bookmark.empty()) outline.push_back({parts[i].bookmark, next_page - 1});
        for (int page = 0; page < report.page_count; ++page) {
          if (next_page > 1) writer.newPage();
          PaintReportPage(painter, report, page, sheet);
          ++next_page;
        }
      }
      painter.end();
    }
    if (!why.empty()) return as_message(why);
    if (!file.flush() || file.error() != QFileDevice::NoError) return as_message(file.errorString().toStdString());
    if (std::string outline_error = AppendPdfOutline(fd, outline); !outline_error.empty())
      return as_message(outline_error);
    if (options.reproducible) return as_message(MakeFileReproducible(fd, options.created));
    return {};
  });
  LoadError placed = e;
  if (!placed) placed = staged.PutInPlace(0);
  if (placed) {
    if (error) *error = QString::fromStdString(ErrorText(placed, options.language));
    return false;
  }
  return true;
}

}  // namespace traxen
