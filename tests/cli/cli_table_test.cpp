// traxen-cli with a truss's joint table: check every row, split it into jobs and put the
// jobs back into a table.
#include <gtest/gtest.h>

#include <fmt/format.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <string>

#include "cli/cli_run.h"
#include "support/test_support.h"

namespace traxen {
namespace {

namespace fs = std::filesystem;
using testing::CliRun;
using testing::CliTest;
using testing::RunCli;
using Json = nlohmann::json;

std::string Library() { return " --library " + testing::SourcePath("data/Profiilid"); }

class CliTableTest : public CliTest {};

TEST_F(CliTableTest, EveryRowIsCheckedAndABadRowMakesTheExitStatusTwo) {
  ASSERT_EQ(RunCli("new table -o " + Path("truss.csv")).status, 0);
  const CliRun good = RunCli("check" + Library() + " " + Path("truss.csv"));
  EXPECT_EQ(good.status, 0) << good.err;
  EXPECT_NE(good.out.find("truss.csv:T1 tyx passed"), std::string::npos) << good.out;
  EXPECT_NE(good.out.find("truss.csv:K1 kn passed"), std::string::npos) << good.out;

  // A semicolon table as an Estonian spreadsheet writes it, with a bad row in the middle.
  const std::string table = Write("bad.csv",
                                   "\xEF\xBB\xBFjoint;family;chord;brace1;tyx.N0;tyx.M0;tyx.N1;tyx.theta1\r\n"
                                   "A;tyx;200x200x8;120x120x6;-271,6;2,81;-52;84,3\r\n"
                                   "B;tyx;200x200x8;120x120x6;-271,6;2,81;-52;0\r\n"
                                   "C;tyx;200x200x8;120x120x6;-271,6;2,81;-5200;84,3\r\n");
  const CliRun r = RunCli("check --json" + Library() + " " + table);
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.err.find("bad.csv row 3 (B): key \"tyx.theta1\""), std::string::npos) << r.err;
  const Json out = Json::parse(r.out);
  ASSERT_EQ(out["jobs"].size(), 2u);
  EXPECT_EQ(out["jobs"][0]["passed"], true);
  EXPECT_EQ(out["jobs"][1]["passed"], false);
  EXPECT_TRUE(out["jobs"][1]["job"].get<std::string>().ends_with("bad.csv:C"));

  // The same jobs as the table's rows give the same results as their own JSON files.
  ASSERT_EQ(RunCli("split" + Library() + " " + table + " -o " + Path("jobs")).status, 2);  // row B
  EXPECT_TRUE(fs::exists(Path("jobs/A.json")));
  EXPECT_FALSE(fs::exists(Path("jobs/B.json")));
  const Json one = Json::parse(RunCli("check --json " + Path("jobs/C.json")).out);
  EXPECT_EQ(one["jobs"][0]["verdicts"], out["jobs"][1]["verdicts"]);
}

TEST_F(CliTableTest, SplitAndTableRoundTripTheJobs) {
  ASSERT_EQ(RunCli("new table -o " + Path("truss.csv")).status, 0);
  const CliRun split = RunCli("split" + Library() + " " + Path("truss.csv") + " -o " + Path("jobs"));
  ASSERT_EQ(split.status, 0) << split.err;
  ASSERT_TRUE(fs::exists(Path("jobs/T1.json")) && fs::exists(Path("jobs/K1.json")));
  // Written once; again only with --force.
  EXPECT_EQ(RunCli("split" + Library() + " " + Path("truss.csv") + " -o " + Path("jobs")).status, 2);
  EXPECT_EQ(RunCli("split --force" + Library() + " " + Path("truss.csv") + " -o " + Path("jobs")).status, 0);

  const CliRun table = RunCli("table " + Path("jobs/T1.json") + " " + Path("jobs/K1.json") + " -o " +
                              Path("back.csv"));
  ASSERT_EQ(table.status, 0) << table.err;
  const CliRun original = RunCli("check --json" + Library() + " " + Path("truss.csv"));
  const CliRun back = RunCli("check --json" + Library() + " " + Path("back.csv"));
  ASSERT_EQ(back.status, 0) << back.err;
  const Json a = Json::parse(original.out), b = Json::parse(back.out);
  ASSERT_EQ(a["jobs"].size(), b["jobs"].size());
  for (std::size_t i = 0; i < a["jobs"].size(); ++i) {
    EXPECT_EQ(a["jobs"][i]["verdicts"], b["jobs"][i]["verdicts"]);
    EXPECT_EQ(a["jobs"][i]["title"], b["jobs"][i]["title"]);
  }
  // A job that cannot be read leaves no table behind.
  Write("broken.json", "{");
  const CliRun refused = RunCli("table " + Path("jobs/T1.json") + " " + Path("broken.json") + " -o " + Path("x.csv"));
  EXPECT_EQ(refused.status, 2);
  EXPECT_NE(refused.err.find("broken.json"), std::string::npos);
  EXPECT_FALSE(fs::exists(Path("x.csv")));
}

TEST_F(CliTableTest, AJointNameNeverLeavesTheFolderAndNeverOverwritesAnother) {
  Write("names.csv",
        "joint,family,chord,brace1,tyx.N0,tyx.M0,tyx.N1,tyx.theta1\n"
        "../up,tyx,200x200x8,120x120x6,-271.6,2.81,-52,84.3\n"
        ".hidden,tyx,200x200x8,120x120x6,-271.6,2.81,-52,84.3\n"
        "same,tyx,200x200x8,120x120x6,-271.6,2.81,-52,84.3\n"
        "same,tyx,200x200x8,120x120x6,-271.6,2.81,-40,84.3\n"
        ",tyx,200x200x8,120x120x6,-271.6,2.81,-52,84.3\n");
  const CliRun r = RunCli("split" + Library() + " " + Path("names.csv") + " -o " + Path("jobs"));
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.err.find("row 5: joint \"same\" was already written from row 4"), std::string::npos) << r.err;
  for (const char* name : {"jobs/_._up.json", "jobs/_hidden.json", "jobs/same.json", "jobs/row-6.json"})
    EXPECT_TRUE(fs::exists(Path(name))) << name;
  EXPECT_FALSE(fs::exists(Path("up.json")));
}

}  // namespace
}  // namespace traxen

namespace traxen {
namespace {

// What a poppler tool prints about a PDF.
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

TEST_F(CliTableTest, ATableRendersAsOnePdfWithItsSummaryFirstAndABookmarkPerJoint) {
  ASSERT_EQ(RunCli("new table -o " + Path("truss.csv")).status, 0);
  ASSERT_EQ(RunCli("split" + Library() + " " + Path("truss.csv") + " -o " + Path("jobs")).status, 0);
  const CliRun r = RunCli("render" + Library() + " " + Path("truss.csv") + " -o " + Path("truss.pdf"));
  ASSERT_EQ(r.status, 0) << r.err;

  // The summary page plus every joint's own report.
  ASSERT_EQ(RunCli("render " + Path("jobs/T1.json") + " -o " + Path("t1.pdf")).status, 0);
  ASSERT_EQ(RunCli("render " + Path("jobs/K1.json") + " -o " + Path("k1.pdf")).status, 0);
  const int t1 = PdfPages(Path("t1.pdf")), k1 = PdfPages(Path("k1.pdf"));
  ASSERT_GT(t1, 0);
  EXPECT_EQ(PdfPages(Path("truss.pdf")), 1 + t1 + k1);

  // One bookmark per joint after the summary's, each at its report's first page.
  const std::string xml = ToolOutput("pdftohtml -xml -stdout -i " + Path("truss.pdf"));
  EXPECT_NE(xml.find("<item page=\"1\">Kokkuvõte</item>"), std::string::npos) << xml.substr(0, 400);
  EXPECT_NE(xml.find("<item page=\"2\">T1</item>"), std::string::npos);
  EXPECT_NE(xml.find(fmt::format("<item page=\"{}\">K1</item>", 2 + t1)), std::string::npos);

  // The summary's figures are those of check --json, and the pages count on.
  const Json check = Json::parse(RunCli("check --json" + Library() + " " + Path("truss.csv")).out);
  const std::string text = ToolOutput("pdftotext -layout -f 1 -l 1 " + Path("truss.pdf") + " -");
  for (const Json& job : check["jobs"]) {
    double eta = 0;
    for (const Json& v : job["verdicts"]) eta = std::max(eta, v["utilisation"].get<double>());
    EXPECT_NE(text.find(fmt::format("{:.2f}", eta)), std::string::npos) << text;
  }
  EXPECT_NE(text.find("Korras! (kõik 2 sõlme)"), std::string::npos) << text;
  EXPECT_NE(text.find(fmt::format("1 / {}", 1 + t1 + k1)), std::string::npos) << text;

  // A job that cannot be read leaves no truss report behind; a PNG cannot hold several joints.
  Write("broken.json", "{");
  EXPECT_EQ(RunCli("render " + Path("jobs/T1.json") + " " + Path("broken.json") + " -o " + Path("x.pdf")).status, 2);
  EXPECT_FALSE(fs::exists(Path("x.pdf")));
  EXPECT_EQ(RunCli("render" + Library() + " " + Path("truss.csv") + " -o " + Path("x.png")).status, 2);
}

}  // namespace
}  // namespace traxen
