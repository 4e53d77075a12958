// Throughput of `traxen-cli check` against parsing the same JSON alone: the computation
// should cost little next to reading the job (goal: at least 80 % of the parse-only rate).
#include <benchmark/benchmark.h>

#include <nlohmann/json.hpp>

#include "bench_jobs.h"
#include "model/confirm_job.h"
#include "model/json_job.h"
#include "report/dispatch.h"

namespace {

using namespace traxen;

void BM_ParseJsonOnly(benchmark::State& state) {
  const auto jobs = bench::LoadBenchJobs();
  for (auto _ : state) {
    for (const auto& j : jobs) benchmark::DoNotOptimize(nlohmann::json::parse(j.text));
  }
  state.SetItemsProcessed(state.iterations() * int64_t(jobs.size()));
}
BENCHMARK(BM_ParseJsonOnly);

void BM_CheckJobs(benchmark::State& state) {
  const auto jobs = bench::LoadBenchJobs();
  for (auto _ : state) {
    for (const auto& j : jobs) {
      JsonJob parsed;
      ParseJsonJob(j.text, j.name, parsed);
      ConfirmJsonJob(parsed.job, parsed.present);
      ViewState view;
      view.last_dialog = parsed.job.family.is_kn ? 2 : 1;
      benchmark::DoNotOptimize(CheckJob(parsed.job, view));
    }
  }
  state.SetItemsProcessed(state.iterations() * int64_t(jobs.size()));
}
BENCHMARK(BM_CheckJobs);

}  // namespace
