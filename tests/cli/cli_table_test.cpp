// traxen-cli with a truss's joint table: check every row, split it into jobs and put the
// jobs back into a table.
#include <gtest/gtest.h>

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
