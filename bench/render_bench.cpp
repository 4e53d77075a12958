// Painting a report into the QPainter backend (an offscreen image). BM_RenderReport lays
// the whole report out through the painter, as a repaint did before reports were laid out
// once (goal: well inside one frame, under 4 ms for a three-page report). The replay pairs
// show what laying out once buys: replaying a laid-out page costs at most half of painting
// it afresh (BM_ReplayPage against BM_PaintPageAfresh), and repainting an exposed
// 200 × 200 region at zoom 1 at most a quarter of repainting the 850-unit-wide viewport
// (BM_RepaintRegion against BM_RepaintViewport). Fonts are resolved once and cached, so
// runs after the first pay none.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include "bench_jobs.h"
#include "model/confirm_job.h"
#include "model/json_job.h"
#include "families/dispatch.h"
#include "families/laid_out_report.h"
#include "ui/qt/painter_surface.h"

namespace {

using namespace traxen;

void BM_RenderReport(benchmark::State& state, const bench::BenchJob& job) {
  JsonJob parsed;
  ParseJsonJob(job.text, job.name, parsed);
  ConfirmJsonJob(parsed.job, parsed.present);
  // The image is cleared once: a repaint's own background fill covers only the exposed part.
  QImage image(900, 4 * 1229, QImage::Format_RGB32);
  image.fill(Qt::white);
  int pages = 0;
  for (auto _ : state) {
    QPainter painter(&image);
    QPainterSurface surface(painter);
    pages = RenderReport(surface, parsed.job, ReportInputs{}, parsed.job.family.is_kn ? 2 : 1, {}).page_count;
  }
  state.counters["pages"] = pages;
}

Job ConfirmedJob(const bench::BenchJob& job) {
  JsonJob parsed;
  ParseJsonJob(job.text, job.name, parsed);
  ConfirmJsonJob(parsed.job, parsed.present);
  return parsed.job;
}

int DialogOf(const Job& job) { return job.family.is_kn ? 2 : 1; }

// Page 1 painted the old way: the whole report laid out through a painter clipped to the page.
void BM_PaintPageAfresh(benchmark::State& state, const bench::BenchJob& bench_job) {
  const Job job = ConfirmedJob(bench_job);
  QImage image(kReportStripWidth, kReportPageHeight, QImage::Format_RGB32);
  image.fill(Qt::white);
  for (auto _ : state) {
    QPainter painter(&image);
    painter.setClipRect(0, 0, kReportStripWidth, kReportPageHeight);
    QPainterSurface surface(painter);
    RenderReport(surface, job, ReportInputs{}, DialogOf(job), {});
  }
}

// Replays the laid-out report clipped to `clip`, with the painter clipped the same way.
void ReplayClipped(benchmark::State& state, const bench::BenchJob& bench_job, ReportRect clip) {
  const Job job = ConfirmedJob(bench_job);
  const LaidOutReport report = LayOutReport(job, ReportInputs{}, DialogOf(job), 0);
  QImage image(kReportStripWidth, kReportPageHeight, QImage::Format_RGB32);
  image.fill(Qt::white);
  for (auto _ : state) {
    QPainter painter(&image);
    painter.setClipRect(clip.left, clip.top, clip.right - clip.left, clip.bottom - clip.top);
    QPainterSurface surface(painter);
    ReplayReport(report, surface, &clip);
  }
}

void BM_ReplayPage(benchmark::State& state, const bench::BenchJob& job) {
  ReplayClipped(state, job, {0, 0, kReportStripWidth, kReportPageHeight});
}
void BM_RepaintViewport(benchmark::State& state, const bench::BenchJob& job) {
  ReplayClipped(state, job, {0, 0, 850, 1000});
}
// A region of report text and schematic below the page header.
void BM_RepaintRegion(benchmark::State& state, const bench::BenchJob& job) {
  ReplayClipped(state, job, {325, 400, 525, 600});
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  static const auto jobs = bench::LoadBenchJobs();
  for (const auto& job : jobs) {
    benchmark::RegisterBenchmark(("BM_RenderReport/" + job.name).c_str(), BM_RenderReport, job)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark(("BM_PaintPageAfresh/" + job.name).c_str(), BM_PaintPageAfresh, job)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark(("BM_ReplayPage/" + job.name).c_str(), BM_ReplayPage, job)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark(("BM_RepaintViewport/" + job.name).c_str(), BM_RepaintViewport, job)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark(("BM_RepaintRegion/" + job.name).c_str(), BM_RepaintRegion, job)
        ->Unit(benchmark::kMicrosecond);
  }
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
