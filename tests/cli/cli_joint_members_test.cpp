// traxen-cli on project files whose members are not hollow sections: check and render refuse
// the job, name the file and the type, and write nothing, as the desktop refuses to compute it.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli_run.h"
#include "support/test_support.h"

namespace traxen {
namespace {

using testing::CliRun;
using testing::CliTest;
using testing::RunCli;

std::string Library() { return " --library " + testing::SourcePath("data/Profiilid"); }

// The shipped example with line 7 (the type and section positions) replaced.
std::string WithPositions(const std::string& example, const std::string& positions) {
  std::istringstream in(testing::ReadFile(testing::SourcePath(example)));
  std::string text;
  int n = 0;
  for (std::string line; std::getline(in, line);) text += (++n == 7 ? positions : line) + "\n";
  return text;
}

using CliJointMembers = CliTest;

TEST_F(CliJointMembers, ANonHollowSectionTypeIsRefusedWithTheFileAndTheType) {
  const struct {
    const char* example;
    const char* positions;
    const char* type;
  } cases[] = {
      {"examples/tyx_windows.trx", "5 3 0 36 0 42 ", "the chord's section type HEA"},
      {"examples/tyx_windows.trx", "0 41 4 2 0 42 ", "the brace's section type IPE"},
      {"examples/kn_windows.trx", "0 64 0 42 3 5 ", "the brace 2's section type YMARTORU"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.example) + " " + c.positions);
    const std::string trx = Write("members.trx", WithPositions(c.example, c.positions));
    const CliRun check = RunCli("check " + trx + Library());
    EXPECT_EQ(check.status, 2);
    EXPECT_EQ(check.out.find("Korras"), std::string::npos) << check.out;
    EXPECT_NE(check.err.find(trx + ": the sections cannot be restored: " + c.type), std::string::npos) << check.err;
    EXPECT_NE(check.err.find("is not a square or rectangular hollow section"), std::string::npos) << check.err;

    const std::string pdf = Path("members.pdf");
    const CliRun render = RunCli("render " + trx + " -o " + pdf + Library());
    EXPECT_EQ(render.status, 2);
    EXPECT_NE(render.err.find(c.type), std::string::npos) << render.err;
    EXPECT_FALSE(std::filesystem::exists(pdf));
  }
  // The same files with hollow sections check as usual.
  const CliRun sound = RunCli("check " + testing::SourcePath("examples/kn_windows.trx") + Library());
  EXPECT_NE(sound.status, 2) << sound.err;
}

}  // namespace
}  // namespace traxen
