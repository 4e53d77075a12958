// Throughput of `traxen-cli check` against reading and parsing the same JSON files alone:
// the computation should cost little next to reading the job (goal: BM_ReadAndCheck at
// least 80 % of the items per second of BM_ReadAndParseOnly). The in-memory pair shows the
// cost of mapping and computing without the file system.
#include <benchmark/benchmark.h>

#include <nlohmann/json.hpp>

#include "bench_jobs.h"
#include "model/confirm_job.h"
#include "model/json_job.h"
#include "families/dispatch.h"

namespace {

using namespace traxen;

void CheckText(const bench::BenchJob& j, const std::string& text) {
  JsonJob parsed;
  ParseJsonJob(text, j.path, parsed);
  ConfirmJsonJob(parsed.job, parsed.present);
  benchmark::DoNotOptimize(CheckJob(parsed.job, ReportInputs{}, parsed.job.family.is_kn ? 2 : 1));
}

void BM_ReadAndParseOnly(benchmark::State& state) {
  const auto jobs = bench::LoadBenchJobs();
  for (auto _ : state)
    for (const auto& j : jobs) benchmark::DoNotOptimize(nlohmann::json::parse(bench::ReadJobFile(j.path)));
  state.SetItemsProcessed(state.iterations() * int64_t(jobs.size()));
}
BENCHMARK(BM_ReadAndParseOnly);

void BM_ReadAndCheck(benchmark::State& state) {
  const auto jobs = bench::LoadBenchJobs();
  for (auto _ : state)
    for (const auto& j : jobs) CheckText(j, bench::ReadJobFile(j.path));
  state.SetItemsProcessed(state.iterations() * int64_t(jobs.size()));
}
BENCHMARK(BM_ReadAndCheck);

void BM_ParseOnlyInMemory(benchmark::State& state) {
  const auto jobs = bench::LoadBenchJobs();
  for (auto _ : state)
    for (const auto& j : jobs) benchmark::DoNotOptimize(nlohmann::json::parse(j.text));
  state.SetItemsProcessed(state.iterations() * int64_t(jobs.size()));
}
BENCHMARK(BM_ParseOnlyInMemory);

void BM_CheckInMemory(benchmark::State& state) {
  const auto jobs = bench::LoadBenchJobs();
  for (auto _ : state)
    for (const auto& j : jobs) CheckText(j, j.text);
  state.SetItemsProcessed(state.iterations() * int64_t(jobs.size()));
}
BENCHMARK(BM_CheckInMemory);

}  // namespace
