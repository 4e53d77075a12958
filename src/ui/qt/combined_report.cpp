// The combined PDF.
#include "ui/qt/combined_report.h"

#include <QPainter>
#include <QPdfWriter>

namespace traxen {

bool WriteCombinedReportPdf(const std::vector<CombinedPart>& parts, const QString& path, QString* error,
                            const ReportFileOptions& options, const std::function<void(std::size_t)>& progress) {
  int page_total = 0;
  for (const CombinedPart& p : parts) page_total += p.page_count;
  return WritePdfFile(
      path, options,
      [&](QPdfWriter& writer, QPainter& painter, std::vector<PdfOutlineEntry>& outline) -> Message {
        const QRectF sheet(QPointF(0, 0), QSizeF(writer.width(), writer.height()));
        int next_page = 1;
        for (std::size_t i = 0; i < parts.size(); ++i) {
          if (progress) progress(i);
          const LaidOutReport report = parts[i].lay_out(next_page, page_total);
          if (report.page_count != parts[i].page_count)
            return Message(MessageId::kText, "a report came out with another page count than announced");
          if (!parts[i].bookmark.empty()) outline.push_back({parts[i].bookmark, next_page - 1});
          for (int page = 0; page < report.page_count; ++page) {
            if (next_page > 1) writer.newPage();
            PaintReportPage(painter, report, page, sheet);
            ++next_page;
          }
        }
        return {};
      },
      error);
}

}  // namespace traxen
