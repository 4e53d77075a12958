// Report text output built from the pieces the formula runs log.
#include "families/report_text.h"

#include <algorithm>

#include "families/dispatch.h"
#include "report/recording_surface.h"

namespace traxen {

namespace {
int PageOf(int y, int page_height) { return y >= 0 ? y / page_height : 0; }
}  // namespace

std::string ReportPiecesToText(std::vector<ReportTextPiece> pieces, int page_height) {
  std::stable_sort(pieces.begin(), pieces.end(), [](const auto& a, const auto& b) {
    return a.line_y != b.line_y ? a.line_y < b.line_y : a.x < b.x;
  });
  std::string out;
  int page = 0;
  for (std::size_t i = 0; i < pieces.size();) {
    const int y = pieces[i].line_y;
    for (const int line_page = PageOf(y, page_height); page < line_page; ++page) out += "\f\n";
    std::string line;
    int end = pieces[i].x;
    for (; i < pieces.size() && pieces[i].line_y == y; ++i) {
      if (!line.empty() && pieces[i].x > end) line += ' ';
      line += pieces[i].text;
      end = std::max(end, pieces[i].x_end);
    }
    out += line;
    out += '\n';
  }
  return out;
}

std::string RenderReportText(const Job& job, const ReportInputs& working, int last_dialog, bool brace_welds,
                             ReportLanguage language) {
  RecordingSurface surface;
  std::vector<ReportTextPiece> pieces;
  RenderOptions options;
  options.text_log = &pieces;
  options.brace_welds = brace_welds;
  options.language = language;
  RenderReport(surface, job, working, last_dialog, options);
  return ReportPiecesToText(std::move(pieces));
}

}  // namespace traxen
