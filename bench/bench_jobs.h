// The benchmark jobs: every JSON file in bench/jobs, read once into memory.
#pragma once

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace traxen::bench {

struct BenchJob {
  std::string name;
  std::string text;
};

inline std::vector<BenchJob> LoadBenchJobs() {
  std::vector<BenchJob> jobs;
  for (const auto& entry : std::filesystem::directory_iterator(std::string(TRAXEN_SOURCE_DIR) + "/bench/jobs")) {
    if (entry.path().extension() != ".json") continue;
    std::ifstream in(entry.path(), std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    jobs.push_back({entry.path().filename().string(), s.str()});
  }
  return jobs;
}

}  // namespace traxen::bench
