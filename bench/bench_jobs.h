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
  std::string path;
  std::string text;
};

inline std::string ReadJobFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

inline std::vector<BenchJob> LoadBenchJobs() {
  std::vector<BenchJob> jobs;
  for (const auto& entry : std::filesystem::directory_iterator(std::string(TRAXEN_SOURCE_DIR) + "/bench/jobs")) {
    if (entry.path().extension() != ".json") continue;
    jobs.push_back({entry.path().filename().string(), entry.path().string(), ReadJobFile(entry.path().string())});
  }
  return jobs;
}

}  // namespace traxen::bench
