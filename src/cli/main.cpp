// traxen-cli: the desktop program's headless twin. Reads the same job files, computes the
// same checks and draws the same report into PDF, PNG or text; never opens a window.
#include <QGuiApplication>
#include <unistd.h>

#include <climits>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <memory>
#include <iostream>
#include <string>
#include <vector>

#include "base/file_suffix.h"
#include "cli/check_json.h"
#include "model/job_file.h"
#include "report/dispatch.h"
#include "report/report_text.h"
#include "ui/qt/report_export.h"

namespace {

using namespace traxen;

constexpr const char* kUsage =
    "usage: traxen-cli render JOB -o OUT [--library DIR]\n"
    "       traxen-cli check [--json] [--library DIR] JOB...\n"
    "OUT ends in .pdf, .png or .txt; JOB is a .json job or a .trx project file.\n";

int Usage(const std::string& why) {
  std::cerr << "traxen-cli: " << why << "\n" << kUsage;
  return 2;
}

// The directory of this program, where the installed section library is looked for
// (../share/traxen/Profiilid): from /proc/self/exe, else from argv[0] when it holds a path.
std::string ExecutableDir(const char* argv0) {
  char buffer[PATH_MAX];
  const ssize_t n = ::readlink("/proc/self/exe", buffer, sizeof buffer - 1);
  std::filesystem::path exe = n > 0 ? std::filesystem::path(std::string(buffer, static_cast<std::size_t>(n)))
                                    : std::filesystem::path(argv0 ? argv0 : "");
  if (n <= 0 && exe.string().find('/') == std::string::npos) return {};  // found on PATH: unknown
  return exe.parent_path().string();
}

bool HasSuffix(const std::string& s, const std::string& suffix) { return HasFileSuffix(s, suffix); }

int Render(int argc, char** argv, int first) {
  std::string job_path, out_path, library;
  for (int i = first; i < argc; ++i) {
    const std::string a = argv[i];
    if (a == "-o" && i + 1 < argc) out_path = argv[++i];
    else if (a == "--library" && i + 1 < argc) library = argv[++i];
    else if (!a.empty() && a[0] == '-') return Usage("unknown option " + a);
    else if (job_path.empty()) job_path = a;
    else return Usage("render takes one job");
  }
  if (job_path.empty() || out_path.empty()) return Usage("render needs JOB and -o OUT");
  if (!HasSuffix(out_path, ".pdf") && !HasSuffix(out_path, ".png") && !HasSuffix(out_path, ".txt"))
    return Usage(out_path + ": the output must end in .pdf, .png or .txt");

  LoadedJob loaded;
  if (LoadError e = LoadJobFile(job_path, library, loaded, ExecutableDir(argv[0]))) {
    std::cerr << e.message << "\n";
    return 2;
  }
  if (HasSuffix(out_path, ".txt")) {
    std::ofstream out(out_path, std::ios::binary | std::ios::trunc);
    out << RenderReportText(loaded.job, loaded.working, loaded.last_dialog);
    out.close();
    if (!out) {
      std::cerr << out_path << ": cannot write the text file\n";
      return 2;
    }
    return 0;
  }

  // Only drawing needs fonts: the GUI machinery starts here and nowhere else.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  int qt_argc = 1;
  char* qt_argv[] = {argv[0], nullptr};
  QGuiApplication app(qt_argc, qt_argv);
  const auto report = std::make_unique<LaidOutReport>(
      LayOutReport(loaded.job, loaded.working, loaded.last_dialog, std::time(nullptr)));
  QString error;
  const QString out = QString::fromLocal8Bit(out_path.c_str());
  const bool ok = HasSuffix(out_path, ".pdf") ? WriteReportPdf(*report, out, &error)
                                              : WriteReportPng(*report, out, &error);
  if (!ok) {
    std::cerr << error.toStdString() << "\n";
    return 2;
  }
  return 0;
}

int Check(int argc, char** argv, int first) {
  bool as_json = false;
  std::string library;
  std::vector<std::string> jobs;
  for (int i = first; i < argc; ++i) {
    const std::string a = argv[i];
    if (a == "--json") as_json = true;
    else if (a == "--library" && i + 1 < argc) library = argv[++i];
    else if (!a.empty() && a[0] == '-' && a != "-") return Usage("unknown option " + a);
    else jobs.push_back(a);
  }
  if (jobs.empty()) return Usage("check needs at least one job");

  bool any_error = false, all_passed = true;
  nlohmann::ordered_json array = nlohmann::ordered_json::array();
  const std::string executable_dir = ExecutableDir(argv[0]);
  for (const std::string& path : jobs) {
    LoadedJob loaded;
    if (LoadError e = LoadJobFile(path, library, loaded, executable_dir)) {
      std::cerr << e.message << "\n";
      any_error = true;
      continue;
    }
    const CheckSummary summary = CheckJob(loaded.job, loaded.working, loaded.last_dialog);
    all_passed = all_passed && summary.passed();
    if (as_json) {
      array.push_back(CheckSummaryToJson(path, summary));
    } else {
      const char* verdict = summary.passed() ? "passed"
                            : !summary.valid ? "invalid"
                            : summary.verdicts.empty() ? "no checks"
                                                       : "failed";
      std::cout << path << " " << summary.family << " " << verdict << "\n";
    }
  }
  if (as_json) std::cout << array.dump(2) << "\n";
  if (any_error) return 2;
  return all_passed ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return Usage("missing command");
  const std::string command = argv[1];
  if (command == "render") return Render(argc, argv, 2);
  if (command == "check") return Check(argc, argv, 2);
  if (command == "--help" || command == "-h") {
    std::cout << kUsage;
    return 0;
  }
  return Usage("unknown command " + command);
}
