// A full rendering of each benchmark job into the QPainter backend (an offscreen image the
// size of the pages), as a repaint does. Goal: well inside one frame, under 4 ms for a
// three-page report. Fonts are resolved once and cached, so runs after the first pay none.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include "bench_jobs.h"
#include "model/confirm_job.h"
#include "model/json_job.h"
#include "report/dispatch.h"
#include "ui/qt/painter_surface.h"

namespace {

using namespace traxen;

void BM_RenderReport(benchmark::State& state, const bench::BenchJob& job) {
  JsonJob parsed;
  ParseJsonJob(job.text, job.name, parsed);
  ConfirmJsonJob(parsed.job, parsed.present);
  ViewState view;
  view.last_dialog = parsed.job.family.is_kn ? 2 : 1;
  // The image is cleared once: a repaint's own background fill covers only the exposed part.
  QImage image(900, 4 * 1229, QImage::Format_RGB32);
  image.fill(Qt::white);
  int pages = 0;
  for (auto _ : state) {
    QPainter painter(&image);
    QPainterSurface surface(painter);
    pages = RenderReport(surface, parsed.job, view, {}).page_count;
  }
  state.counters["pages"] = pages;
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  static const auto jobs = bench::LoadBenchJobs();
  for (const auto& job : jobs)
    benchmark::RegisterBenchmark(("BM_RenderReport/" + job.name).c_str(), BM_RenderReport, job)
        ->Unit(benchmark::kMillisecond);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
