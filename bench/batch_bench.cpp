// A batch of project files against the same jobs as JSON, read and checked as `traxen-cli
// check` does with one section library for the run. Goal: BM_CheckProjectFiles at most twice
// the time per job of BM_CheckJsonJobs (the project files also restore every member's
// section from the library).
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "model/job_file.h"
#include "model/json_job.h"
#include "families/dispatch.h"

namespace {

using namespace traxen;
namespace fs = std::filesystem;

constexpr int kJobs = 200;

// kJobs copies of each example project file and of its JSON form, in a fresh directory.
struct BatchFiles {
  fs::path dir;
  std::vector<std::string> trx, json;

  BatchFiles() {
    dir = fs::temp_directory_path() / ("traxen_batch_bench_" + std::to_string(::getpid()));
    fs::create_directories(dir);
    const std::string source = TRAXEN_SOURCE_DIR;
    for (const char* example : {"kn_windows", "tyx_windows"}) {
      LoadedJob loaded;
      const std::string path = source + "/examples/" + example + ".trx";
      if (LoadJobFile(path, source + "/data/Profiilid", loaded)) continue;
      const std::string json_text = WriteJsonJob(loaded.job);
      for (int i = 0; i < kJobs / 2; ++i) {
        const std::string stem = (dir / (std::string(example) + "_" + std::to_string(i))).string();
        fs::copy_file(path, stem + ".trx");
        std::ofstream(stem + ".json") << json_text;
        trx.push_back(stem + ".trx");
        json.push_back(stem + ".json");
      }
    }
  }
  ~BatchFiles() { fs::remove_all(dir); }
};

const BatchFiles& Files() {
  static const BatchFiles files;
  return files;
}

void CheckAll(benchmark::State& state, const std::vector<std::string>& paths) {
  for (auto _ : state) {
    JobLibrary library(std::string(TRAXEN_SOURCE_DIR) + "/data/Profiilid", "");
    for (const std::string& p : paths) {
      LoadedJob loaded;
      if (LoadJobFile(p, library, loaded)) state.SkipWithError("a job could not be read");
      benchmark::DoNotOptimize(CheckJob(loaded.job, loaded.working, loaded.last_dialog));
    }
  }
  state.SetItemsProcessed(state.iterations() * int64_t(paths.size()));
}

void BM_CheckProjectFiles(benchmark::State& state) {
  CheckAll(state, Files().trx);
}
BENCHMARK(BM_CheckProjectFiles)->Unit(benchmark::kMillisecond);

void BM_CheckJsonJobs(benchmark::State& state) {
  CheckAll(state, Files().json);
}
BENCHMARK(BM_CheckJsonJobs)->Unit(benchmark::kMillisecond);

}  // namespace
