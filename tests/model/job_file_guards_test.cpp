// Job readers refuse, before reading, what cannot be a job (a directory, a pipe, a device, a
// file larger than any job), and project-file numbers that are not finite.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fmt/format.h>

#include <fstream>
#include <sstream>
#include <string>

#include "model/job_file.h"
#include "model/job_file_reader.h"
#include "model/project_file.h"
#include "sections/temp_dir.h"
#include "support/test_support.h"

namespace traxen {
namespace {

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

TEST(JobFileGuards, WhatCannotBeAJobIsRefusedNamingTheFile) {
  testing::TempDir dir;
  const std::string directory = dir.File("folder.json");
  std::filesystem::create_directory(directory);
  const std::string fifo = dir.File("pipe.trx");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);  // no writer: reading it would wait for ever
  const std::string large = dir.File("large.trx");
  std::ofstream(large) << std::string(kMaxJobFileBytes + 1, ' ');
  const std::string device_link = dir.File("zero.json");
  std::filesystem::create_symlink("/dev/zero", device_link);

  struct Case { std::string path; std::string expected; };
  const Case cases[] = {
      {directory, directory + ": is a directory"},
      {fifo, fifo + ": is not a regular file"},
      {device_link, device_link + ": is not a regular file"},
      {large, large + ": too large for a job file"},
      {dir.File("absent.trx"), dir.File("absent.trx") + ": cannot open: No such file or directory"},
  };
  for (const Case& c : cases) {
    std::string content = "unchanged";
    const LoadError e = ReadJobFileBytes(c.path, content);
    ASSERT_TRUE(e) << c.path;
    EXPECT_TRUE(Contains(e.message, c.expected)) << e.message;
    EXPECT_EQ(content, "unchanged");
    // Both job readers go through the same guard.
    LoadedJob loaded;
    const LoadError through_loader = LoadJobFile(c.path, "", loaded);
    ASSERT_TRUE(through_loader) << c.path;
    EXPECT_TRUE(Contains(through_loader.message, c.expected)) << through_loader.message;
  }
  std::string content;
  std::ofstream(dir.File("exact.json")) << std::string(kMaxJobFileBytes, ' ');
  EXPECT_FALSE(ReadJobFileBytes(dir.File("exact.json"), content));
  EXPECT_EQ(content.size(), kMaxJobFileBytes);
}

TEST(JobFileGuards, ProjectFileNumbersMustBeFinite) {
  const std::string good = testing::ReadFile(testing::SourcePath("examples/kn_windows.trx"));
  ProjectFileSlots slots;
  ASSERT_FALSE(ParseProjectFile(good, "kn.trx", slots));
  // Line 1 slot 5 is the chord force N0; line 2 slot 1 is h0.
  struct Case { int line; int slot; const char* word; };
  const Case cases[] = {{1, 5, "nan"},       {1, 5, "inf"},  {1, 5, "-Infinity"}, {1, 5, "-1e308"},
                        {2, 1, "NAN"},       {2, 1, "1e13"}, {4, 3, "-inf"},       {11, 1, "infinity"}};
  for (const Case& c : cases) {
    std::istringstream in(good);
    std::string text, line;
    for (int n = 1; std::getline(in, line); ++n) {
      if (n == c.line) {
        std::istringstream words(line);
        std::string word, rebuilt;
        for (int i = 1; words >> word; ++i) rebuilt += (i == c.slot ? std::string(c.word) : word) + " ";
        line = rebuilt;
      }
      text += line + "\n";
    }
    ProjectFileSlots parsed;
    const LoadError e = ParseProjectFile(text, "kn.trx", parsed);
    ASSERT_TRUE(e) << c.word;
    EXPECT_TRUE(Contains(e.message, fmt::format("kn.trx: line {}, slot {}", c.line, c.slot))) << e.message;
    EXPECT_TRUE(Contains(e.message, "is not a finite number")) << e.message;
  }
}

}  // namespace
}  // namespace traxen
