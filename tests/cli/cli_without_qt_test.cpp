// traxen-cli loads Qt only to draw: every command but render runs where no Qt library can be
// loaded, and render hands its work to the program beside it that draws.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "cli/cli_run.h"
#include "support/test_support.h"

namespace traxen {
namespace {

namespace fs = std::filesystem;
using testing::CliRun;
using testing::CliTest;
using testing::RunCli;

std::string Library() { return " --library " + testing::SourcePath("data/Profiilid"); }

class CliWithoutQtTest : public CliTest {
 protected:
  // A library path that holds broken Qt libraries: a program that needs Qt fails to start.
  std::string WithoutQt() {
    fs::create_directories(dir_ / "noqt");
    for (const char* name : {"Core", "Gui", "Widgets", "PrintSupport", "DBus"})
      Write(std::string("noqt/libQt6") + name + ".so.6", "not a library\n");
    return "LD_LIBRARY_PATH=" + Path("noqt") + " ";
  }
};

TEST_F(CliWithoutQtTest, EveryCommandButRenderRunsWhereQtCannotBeLoaded) {
  const std::string job = Write("joint.json", RunCli("new tyx").out);
  const std::string table = Write("truss.csv", RunCli("new table").out);
  const std::string no_qt = WithoutQt();
  struct Case {
    std::string args;
    std::string output;  // what standard output holds
  };
  for (const Case& c : std::vector<Case>{
           {"check " + job, "tyx passed"},
           {"check --json " + job, "\"verdicts\""},
           {"check --csv " + job + " " + table + Library(), "job,family,brace"},
           {"new kn", "\"kn\""},
           {"keys", "tyx.h0"},
           {"convert " + job + " -o " + Path("joint.trx") + Library(), ""},
           {"split " + table + " -o " + Path("jobs") + Library(), ""},
           {"table " + job + " -o " + Path("back.csv"), ""},
           {"render --help", "--no-welds"},
       }) {
    const CliRun r = RunCli(c.args, no_qt);
    EXPECT_EQ(r.status, 0) << c.args << "\n" << r.err;
    EXPECT_NE(r.out.find(c.output), std::string::npos) << c.args << "\n" << r.out;
  }
  EXPECT_TRUE(fs::exists(Path("joint.trx")));
  EXPECT_TRUE(fs::exists(Path("jobs/T1.json")));

  // The loader names no Qt library for a check.
  const CliRun traced = RunCli("check " + job, "LD_DEBUG=libs ");
  EXPECT_EQ(traced.status, 0);
  EXPECT_NE(traced.err.find("calling init"), std::string::npos) << "LD_DEBUG said nothing";
  EXPECT_EQ(traced.err.find("libQt"), std::string::npos) << traced.err.substr(0, 2000);

  // Render needs Qt, and gets it where it can be loaded.
  EXPECT_NE(RunCli("render " + job + " -o " + Path("a.pdf"), no_qt).status, 0);
  const CliRun drawn = RunCli("render " + job + " -o " + Path("a.pdf"));
  EXPECT_EQ(drawn.status, 0) << drawn.err;
  EXPECT_TRUE(testing::ReadFile(Path("a.pdf")).starts_with("%PDF-"));
}

// A traxen-cli without its render program beside it says so, and its other commands work.
TEST_F(CliWithoutQtTest, ARenderWithoutTheProgramThatDrawsSaysWhatIsMissing) {
  fs::create_directories(dir_ / "bin");
  fs::copy_file(TRAXEN_CLI, dir_ / "bin" / "traxen-cli");
  const std::string job = Write("joint.json", RunCli("new tyx").out);
  const std::string cli = (dir_ / "bin" / "traxen-cli").string();
  CliRun r;
  for (const std::string& args : {"render " + job + " -o " + Path("a.pdf"), "check " + job}) {
    const std::string command = cli + " " + args + " 2>" + Path("err.txt");
    FILE* pipe = ::popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    char buffer[4096];
    r.out.clear();
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) r.out.append(buffer, n);
    const int status = ::pclose(pipe);
    r.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    r.err = testing::ReadFile(Path("err.txt"));
    if (args.starts_with("render")) {
      EXPECT_EQ(r.status, 2);
      EXPECT_NE(r.err.find("traxen-cli: cannot start the report writer " + (dir_ / "libexec/traxen/traxen-render").string() +
                           ": No such file or directory"),
                std::string::npos)
          << r.err;
      EXPECT_FALSE(fs::exists(Path("a.pdf")));
    } else {
      EXPECT_EQ(r.status, 0) << r.err;
    }
  }
}

}  // namespace
}  // namespace traxen
