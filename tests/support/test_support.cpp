// Test helpers.
#include "support/test_support.h"

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace traxen::testing {

std::string TestPath(const std::string& relative) { return std::string(TRAXEN_TEST_DIR) + "/" + relative; }
std::string SourcePath(const std::string& relative) { return std::string(TRAXEN_SOURCE_DIR) + "/" + relative; }

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

::testing::AssertionResult MatchesGolden(const std::string& golden_path, const std::string& actual) {
  const char* update = std::getenv("TRAXEN_UPDATE_GOLDEN");
  if (update && std::string(update) == "1") {
    std::ofstream(golden_path, std::ios::binary) << actual;
    return ::testing::AssertionSuccess();
  }
  const std::string expected = ReadFile(golden_path);
  if (expected == actual) return ::testing::AssertionSuccess();
  std::string actual_path = golden_path;
  if (auto dot = actual_path.rfind(".txt"); dot != std::string::npos) actual_path.erase(dot);
  actual_path += ".actual.txt";
  std::ofstream(actual_path, std::ios::binary) << actual;
  std::istringstream e(expected), a(actual);
  std::string le, la;
  int line = 0;
  while (true) {
    ++line;
    const bool he = bool(std::getline(e, le)), ha = bool(std::getline(a, la));
    if (!he && !ha) break;
    if (le != la || he != ha)
      return ::testing::AssertionFailure() << golden_path << " line " << line << ":\n  expected: " << le
                                           << "\n  actual:   " << la << "\n(actual output in " << actual_path << ")";
  }
  return ::testing::AssertionFailure() << golden_path << " differs; actual output in " << actual_path;
}

}  // namespace traxen::testing

#include "model/job_file.h"
#include "families/report_text.h"

namespace traxen::testing {
std::string RenderJobText(const std::string& job_path, ReportLanguage language) {
  LoadedJob loaded;
  if (LoadError e = LoadJobFile(job_path, SourcePath("data/Profiilid"), loaded)) {
    ADD_FAILURE() << e.message;
    return {};
  }
  return RenderReportText(loaded.job, ReportInputs{}, loaded.last_dialog, true, language);
}
}  // namespace traxen::testing
