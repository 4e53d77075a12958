// A report laid out once and indexed by page: the page count without drawing, every drawing
// operation listed under the pages it touches, and a clipped replay that draws what touches
// the clip, each operation under the drawing state it was recorded with.
#include "families/laid_out_report.h"

#include <gtest/gtest.h>

#include <string>

#include "model/confirm_job.h"
#include "model/json_job.h"
#include "support/test_support.h"

namespace traxen {
namespace {

LaidOutReport LayOut(const std::string& job_file) {
  JsonJob parsed;
  const LoadError e = ParseJsonJob(testing::ReadFile(testing::SourcePath(job_file)), job_file, parsed);
  EXPECT_FALSE(e) << e.message;
  ConfirmJsonJob(parsed.job, parsed.present);
  return LayOutReport(parsed.job, ReportInputs{}, parsed.job.family.is_kn ? 2 : 1, 0);
}

// One line per drawing operation with the state it is drawn under, as a target sees it.
class StateTrackingSurface : public RecordingSurface {
 public:
  void setPen(const Pen& p) override { pen_ = p; }
  void setBrush(Color c) override { brush_ = c; }
  void setFont(const Font& f) override {
    font_ = f;
    RecordingSurface::setFont(f);
  }
  void setTextColor(Color c) override { text_ = c; }
  void setBackgroundColor(Color c) override { background_ = c; }
  void drawText(Point at, std::string_view t) override { Log("text", at, {}, std::string(t)); }
  void drawLine(Point a, Point b) override { Log("line", a, b, ""); }
  void drawPolyline(std::span<const Point> p) override { Log("polyline", p.front(), p.back(), ""); }
  void drawRect(Point a, Point b) override { Log("rect", a, b, ""); }
  std::vector<std::string> lines;

 private:
  void Log(const char* what, Point a, Point b, const std::string& text) {
    lines.push_back(std::string(what) + " " + std::to_string(a.x) + "," + std::to_string(a.y) + " " +
                    std::to_string(b.x) + "," + std::to_string(b.y) + " " + text + " | pen " +
                    std::to_string(int(pen_.style)) + "/" + std::to_string(pen_.width) + "/" +
                    std::to_string(pen_.color.r) + " brush " + std::to_string(brush_.r) + " font " + font_.face +
                    std::to_string(font_.height) + "/" + std::to_string(font_.weight) + " text " +
                    std::to_string(text_.r) + " bk " + std::to_string(background_.g));
  }
  Pen pen_;
  Color brush_ = kWhite, text_ = kBlack, background_ = kWhite;
  Font font_;
};

bool Contains(const std::vector<std::string>& all, const std::string& line) {
  return std::find(all.begin(), all.end(), line) != all.end();
}

TEST(LaidOutReport, IndexesEveryDrawingOperationUnderItsPages) {
  for (const char* job : {"bench/jobs/kn_gap.json", "bench/jobs/tyx_x_reinforced.json"}) {
    SCOPED_TRACE(job);
    const LaidOutReport report = LayOut(job);
    ASSERT_GE(report.page_count, 2);
    // The last page's footer may reach a few units past its page (its bounds are generous).
    ASSERT_GE(report.pages.size(), static_cast<size_t>(report.page_count));
    ASSERT_LE(report.pages.size(), static_cast<size_t>(report.page_count) + 1);
    size_t drawing = 0, listed = 0;
    for (const DrawOp& op : report.ops.ops())
      drawing += op.kind == DrawOp::Kind::Text || op.kind == DrawOp::Kind::Line ||
                 op.kind == DrawOp::Kind::Polyline || op.kind == DrawOp::Kind::Rect;
    for (const auto& page : report.pages) {
      listed += page.size();
      EXPECT_TRUE(std::is_sorted(page.begin(), page.end()));
    }
    EXPECT_GE(listed, drawing);  // operations across a page break are listed twice
    EXPECT_LT(listed, drawing + drawing / 10);
  }
}

TEST(LaidOutReport, ClippedReplayDrawsWhatTouchesTheClipUnderItsRecordedState) {
  const LaidOutReport report = LayOut("bench/jobs/tyx_x_reinforced.json");
  StateTrackingSurface full;
  ReplayReport(report, full);
  struct Case {
    const char* name;
    ReportRect clip;
  };
  const int h = kReportPageHeight;
  for (const Case c : {Case{"schematic", {325, 400, 525, 600}}, Case{"page 2 text", {100, h + 300, 700, h + 360}},
                       Case{"across the page break", {0, h - 80, 900, h + 80}},
                       Case{"whole page", {0, 0, kReportStripWidth, h}}}) {
    SCOPED_TRACE(c.name);
    StateTrackingSurface clipped;
    ReplayReport(report, clipped, &c.clip);
    ASSERT_FALSE(clipped.lines.empty());
    EXPECT_LT(clipped.lines.size(), full.lines.size());
    // Each operation drawn is one of the full replay's, with the same pen, brush, font and
    // colours, and in the same order.
    size_t at = 0;
    for (const std::string& line : clipped.lines) {
      auto it = std::find(full.lines.begin() + static_cast<std::ptrdiff_t>(at), full.lines.end(), line);
      ASSERT_NE(it, full.lines.end()) << line;
      at = static_cast<size_t>(it - full.lines.begin()) + 1;
    }
  }
  // Nothing lies below the last page or in an empty clip.
  StateTrackingSurface none;
  const ReportRect below{0, report.page_count * h + 10, 900, report.page_count * h + 200};
  ReplayReport(report, none, &below);
  const ReportRect empty{300, 300, 300, 500};
  ReplayReport(report, none, &empty);
  EXPECT_TRUE(none.lines.empty());
}

TEST(LaidOutReport, EveryTextOfTheFullReplayIsInTheReplayOfAPageThatShowsIt) {
  const LaidOutReport report = LayOut("bench/jobs/kn_gap.json");
  StateTrackingSurface full;
  ReplayReport(report, full);
  std::vector<std::string> by_pages;
  for (int page = 0; page < report.page_count; ++page) {
    StateTrackingSurface one;
    const ReportRect clip{0, page * kReportPageHeight, kReportStripWidth, (page + 1) * kReportPageHeight};
    ReplayReport(report, one, &clip);
    by_pages.insert(by_pages.end(), one.lines.begin(), one.lines.end());
  }
  for (const std::string& line : full.lines) {
    if (line.rfind("text", 0) == 0) {
      EXPECT_TRUE(Contains(by_pages, line)) << line;
    }
  }
}

}  // namespace
}  // namespace traxen
