// Running the real traxen-cli binary as a user would, with its output, errors and exit code.
#pragma once

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "support/test_support.h"

namespace traxen::testing {

struct CliRun {
  int status = -1;
  std::string out;
  std::string err;
};

// `args` go through the shell as written (quote what needs it); `prefix` runs before the
// program in the same shell (a ulimit, an environment variable).
inline CliRun RunCli(const std::string& args, const std::string& prefix = "") {
  const std::filesystem::path err_file =
      std::filesystem::temp_directory_path() / ("traxen_cli_err_" + std::to_string(::getpid()));
  const std::string command = prefix + std::string(TRAXEN_CLI) + " " + args + " 2>" + err_file.string();
  CliRun r;
  FILE* pipe = ::popen(command.c_str(), "r");
  if (!pipe) return r;
  char buffer[4096];
  size_t n;
  while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) r.out.append(buffer, n);
  const int status = ::pclose(pipe);
  r.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  r.err = ReadFile(err_file.string());
  std::filesystem::remove(err_file);
  return r;
}

// What a tool (pdfinfo, pdftotext, ...) prints to standard output.
inline std::string ToolOutput(const std::string& command) {
  std::string out;
  if (FILE* pipe = ::popen(command.c_str(), "r")) {
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) out.append(buffer, n);
    ::pclose(pipe);
  }
  return out;
}

// The number of pages of a PDF as pdfinfo counts them, 0 when it cannot.
inline int PdfPages(const std::string& pdf) {
  const std::string info = ToolOutput("pdfinfo " + pdf + " 2>/dev/null | grep '^Pages:'");
  return info.empty() ? 0 : std::atoi(info.substr(info.find(':') + 1).c_str());
}

// A directory of its own for each test.
class CliTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = std::filesystem::temp_directory_path() /
           ("traxen_cli_" + std::to_string(::getpid()) + "_" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(dir_);
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }
  std::string Write(const std::string& name, const std::string& text) {
    const std::filesystem::path p = dir_ / name;
    std::ofstream(p, std::ios::binary) << text;
    return p.string();
  }
  std::string Path(const std::string& name) const { return (dir_ / name).string(); }
  std::filesystem::path dir_;
};

}  // namespace traxen::testing
