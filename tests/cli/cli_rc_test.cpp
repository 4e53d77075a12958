// traxen-cli with joints of round braces on a rectangular chord: new jobs by the families'
// names, their keys, check --json naming the family and a failed condition, and a joint
// table that mixes every family rendered as one PDF.
#include <gtest/gtest.h>

#include <fmt/format.h>

#include <cstdio>
#include <cstdlib>
#include <nlohmann/json.hpp>
#include <string>

#include "cli/cli_run.h"
#include "support/test_support.h"

namespace traxen {
namespace {

using testing::CliRun;
using testing::CliTest;
using testing::RunCli;
using Json = nlohmann::json;

std::string Library() { return " --library " + testing::SourcePath("data/Profiilid"); }

std::string ToolOutput(const std::string& command) {
  std::string out;
  if (FILE* pipe = ::popen(command.c_str(), "r")) {
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) out.append(buffer, n);
    ::pclose(pipe);
  }
  return out;
}

int PdfPages(const std::string& pdf) {
  const std::string info = ToolOutput("pdfinfo " + pdf + " 2>/dev/null | grep '^Pages:'");
  return info.empty() ? 0 : std::atoi(info.substr(info.find(':') + 1).c_str());
}

class CliRcTest : public CliTest {};

TEST_F(CliRcTest, NewJobsByTheirNamesCheckAndNameTheFamily) {
  const struct {
    const char* name;
    const char* family;
    std::size_t verdicts;
  } cases[] = {{"rc-tyx", "rc_tyx", 1}, {"rc-x", "rc_tyx", 1}, {"rc_kn", "rc_kn", 10}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string job = Path(std::string(c.name) + ".json");
    ASSERT_EQ(RunCli(std::string("new ") + c.name + " -o " + job).status, 0);
    const CliRun check = RunCli("check --json " + job);
    ASSERT_EQ(check.status, 0) << check.err << check.out;
    const Json out = Json::parse(check.out);
    EXPECT_EQ(out["jobs"][0]["family"], c.family);
    EXPECT_EQ(out["jobs"][0]["verdicts"].size(), c.verdicts);
  }
  const CliRun keys = RunCli("keys");
  for (const char* key : {"family.is_rc_tyx", "rc_tyx.d1", "rc_kn.h0", "rc_kn.N2", "rc_kn.e"})
    EXPECT_NE(keys.out.find(key), std::string::npos) << key;
  EXPECT_NE(RunCli("new --help").out.find("rc_kn"), std::string::npos);
}

TEST_F(CliRcTest, AFailedConditionIsNamedAndAProjectFileIsRefused) {
  ASSERT_EQ(RunCli("new rc-tyx -o " + Path("t.json")).status, 0);
  Json job = Json::parse(testing::ReadFile(Path("t.json")));
  job["rc_tyx"]["d1"] = 48.3;  // d1 / b0 = 0.24
  job["rc_tyx"]["t1"] = 3;
  Write("t.json", job.dump());
  const CliRun check = RunCli("check --json " + Path("t.json"));
  EXPECT_EQ(check.status, 1);
  const Json out = Json::parse(check.out);
  EXPECT_EQ(out["jobs"][0]["valid"], false);
  EXPECT_EQ(out["jobs"][0]["failed_condition_names"][0], "brace: 0.4 <= d1 / b0 <= 0.8");
  const CliRun convert = RunCli("convert " + Path("t.json") + " -o " + Path("t.trx"));
  EXPECT_EQ(convert.status, 2);
  EXPECT_NE(convert.err.find("circular braces on a rectangular chord"), std::string::npos) << convert.err;
}

TEST_F(CliRcTest, ATableOfEveryFamilyRendersAsOnePdf) {
  const char* names[] = {"tyx", "x", "kn", "chs_tyx", "chs_x", "chs_kn", "rc_tyx", "rc_x", "rc_kn"};
  std::string jobs;
  int pages = 1;  // the summary
  for (const char* name : names) {
    const std::string job = Path(std::string(name) + ".json");
    ASSERT_EQ(RunCli(std::string("new ") + name + " -o " + job).status, 0) << name;
    ASSERT_EQ(RunCli("render " + job + " -o " + Path(std::string(name) + ".pdf")).status, 0) << name;
    pages += PdfPages(Path(std::string(name) + ".pdf"));
    jobs += " " + job;
  }
  const CliRun table = RunCli("table" + jobs + " -o " + Path("truss.csv"));
  ASSERT_EQ(table.status, 0) << table.err;
  const CliRun r = RunCli("render" + Library() + " " + Path("truss.csv") + " -o " + Path("truss.pdf"));
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(PdfPages(Path("truss.pdf")), pages);
  const std::string summary = ToolOutput("pdftotext -layout -f 1 -l 1 " + Path("truss.pdf") + " -");
  for (const char* family : {"RHS/CHS T/Y", "RHS/CHS X", "RHS/CHS K/N", "CHS K/N", "K/N"})
    EXPECT_NE(summary.find(family), std::string::npos) << family << "\n" << summary;
  EXPECT_NE(summary.find("Ø114.3×5"), std::string::npos) << summary;
  EXPECT_NE(summary.find("200×200×8"), std::string::npos) << summary;
  // Every joint counted, and every example holds (the circular X joint's among them).
  EXPECT_NE(summary.find("kõik 9 sõlme"), std::string::npos) << summary;
}

}  // namespace
}  // namespace traxen
