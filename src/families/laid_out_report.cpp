// Laying a report out once, indexing its operations by page, and replaying what a clip
// rectangle exposes.
#include "families/laid_out_report.h"

#include <algorithm>

#include "families/dispatch.h"
#include "report/text_metrics.h"

namespace traxen {

namespace {

using Kind = DrawOp::Kind;

// The state slot an operation sets, or -1 for a drawing operation.
int StateSlot(Kind kind) {
  switch (kind) {
    case Kind::SetPen: return 0;
    case Kind::SetBrush: return 1;
    case Kind::SetFont: return 2;
    case Kind::SetTextColor: return 3;
    case Kind::SetBackgroundColor: return 4;
    default: return -1;
  }
}

ReportRect Around(Point a, Point b, int margin) {
  return {std::min(a.x, b.x) - margin, std::min(a.y, b.y) - margin, std::max(a.x, b.x) + margin + 1,
          std::max(a.y, b.y) + margin + 1};
}

// Generous bounds: a wide pen's stroke, a glyph reaching past its measured cell.
ReportRect BoundsOf(const DrawOp& op, const Pen& pen, const Font& font) {
  const int stroke = pen.width / 2 + 2;
  switch (op.kind) {
    case Kind::Text: {
      const int width = ReportTextWidth(font, op.text);
      return {op.a.x - 4, op.a.y - 4, op.a.x + width + width / 8 + 8, op.a.y + font.height + font.height / 2 + 4};
    }
    case Kind::Line: return Around(op.a, op.b, stroke);
    case Kind::Rect: return Around(op.a, op.b, stroke);
    case Kind::Polyline: {
      if (op.points.empty()) return {};
      ReportRect r = Around(op.points.front(), op.points.front(), stroke);
      for (const Point& p : op.points) {
        const ReportRect q = Around(p, p, stroke);
        r = {std::min(r.left, q.left), std::min(r.top, q.top), std::max(r.right, q.right),
             std::max(r.bottom, q.bottom)};
      }
      return r;
    }
    default: return {};
  }
}

bool Intersects(const ReportRect& a, const ReportRect& b) {
  return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

int PageOf(int y) { return y < 0 ? 0 : y / kReportPageHeight; }

// A four-page report records about 3 200 operations.
constexpr std::size_t kTypicalReportOps = 4096;


}  // namespace

void IndexReportPages(LaidOutReport& report) {
  const std::vector<DrawOp>& ops = report.ops.ops();
  report.places.assign(ops.size(), {});
  report.pages.assign(static_cast<std::size_t>(std::max(report.page_count, 1)), {});
  std::array<int, 5> state{-1, -1, -1, -1, -1};
  Pen pen;
  Font font;
  for (std::size_t i = 0; i < ops.size(); ++i) {
    const DrawOp& op = ops[i];
    if (const int slot = StateSlot(op.kind); slot >= 0) {
      state[static_cast<std::size_t>(slot)] = static_cast<int>(i);
      if (op.kind == Kind::SetPen) pen = op.pen;
      if (op.kind == Kind::SetFont) font = op.font;
      continue;
    }
    RecordedOpPlace& place = report.places[i];
    place.bounds = BoundsOf(op, pen, font);
    place.state = state;
    const int first = PageOf(place.bounds.top), last = PageOf(place.bounds.bottom - 1);
    if (static_cast<std::size_t>(last) >= report.pages.size()) report.pages.resize(static_cast<std::size_t>(last) + 1);
    for (int page = first; page <= last; ++page) report.pages[static_cast<std::size_t>(page)].push_back(static_cast<int>(i));
  }
}

LaidOutReport LayOutReport(const Job& job, const ReportInputs& working, int last_dialog, std::time_t now,
                           bool brace_welds, int first_page_number, int page_total, ReportLanguage language) {
  LaidOutReport report;
  report.ops.reserve(kTypicalReportOps);
  RenderOptions options;
  options.now = now;
  options.brace_welds = brace_welds;
  options.first_page_number = first_page_number;
  options.page_total = page_total;
  options.language = language;
  const RenderResult result = RenderReport(report.ops, job, working, last_dialog, options);
  report.page_count = result.page_count;
  report.failed = result.failed;
  IndexReportPages(report);
  return report;
}

void ReplayReport(const LaidOutReport& report, DrawingSurface& target, const ReportRect* clip) {
  if (!clip || report.places.size() != report.ops.ops().size()) {
    report.ops.ReplayOnto(target);
    return;
  }
  if (report.pages.empty() || clip->right <= clip->left || clip->bottom <= clip->top) return;
  const std::size_t first = static_cast<std::size_t>(PageOf(clip->top));
  const std::size_t last = std::min(static_cast<std::size_t>(PageOf(clip->bottom - 1)), report.pages.size() - 1);
  if (first > last) return;
  // The operations of the exposed pages, in drawing order and once each (an operation
  // across a page break belongs to both pages).
  std::vector<int> exposed;
  for (std::size_t page = first; page <= last; ++page)
    exposed.insert(exposed.end(), report.pages[page].begin(), report.pages[page].end());
  if (first != last) {
    std::sort(exposed.begin(), exposed.end());
    exposed.erase(std::unique(exposed.begin(), exposed.end()), exposed.end());
  }

  const std::vector<DrawOp>& ops = report.ops.ops();
  std::array<int, 5> applied{-1, -1, -1, -1, -1};
  for (const int i : exposed) {
    const RecordedOpPlace& place = report.places[static_cast<std::size_t>(i)];
    if (!Intersects(place.bounds, *clip)) continue;
    for (std::size_t slot = 0; slot < applied.size(); ++slot) {
      const int setter = place.state[slot];
      if (setter >= 0 && setter != applied[slot]) {
        ApplyDrawOp(ops[static_cast<std::size_t>(setter)], target);
        applied[slot] = setter;
      }
    }
    ApplyDrawOp(ops[static_cast<std::size_t>(i)], target);
  }
}

}  // namespace traxen
