// Joint tables: how spreadsheets write them (separators, decimal commas, quotes, a byte
// order mark), section names, and rows that are wrong beside rows that are right.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>

#include "model/csv_table.h"
#include "model/job_file.h"
#include "model/joint_table.h"
#include "support/test_support.h"

namespace traxen {
namespace {

using Json = nlohmann::json;

JointTable Read(const std::string& text) {
  JobLibrary library(testing::SourcePath("data/Profiilid"), "");
  return ReadJointTable(text, "truss.csv", library);
}

Json RowJob(const JointRow& row) { return Json::parse(row.json); }

TEST(CsvTable, ReadsWhatSpreadsheetsWrite) {
  struct Case {
    std::string name, text;
    char separator;
    std::vector<std::vector<std::string>> cells;
  };
  const Case cases[] = {
      {"comma", "a,b\n1,2\n", ',', {{"a", "b"}, {"1", "2"}}},
      {"semicolon with decimal commas", "a;b\r\n1,5;2\r\n", ';', {{"a", "b"}, {"1,5", "2"}}},
      {"byte order mark", "\xEF\xBB\xBF" "a,b\n1,2", ',', {{"a", "b"}, {"1", "2"}}},
      {"quotes, doubled quotes, a line break and the separator in a cell", "a,b\n\"x,\"\"y\"\"\nz\",2\n", ',',
       {{"a", "b"}, {"x,\"y\"\nz", "2"}}},
      {"blank lines left out", "a,b\n\n1,2\n,\n", ',', {{"a", "b"}, {"1", "2"}}},
  };
  for (const Case& c : cases) {
    const CsvTable t = ReadCsvTable(c.text);
    EXPECT_EQ(t.error, "") << c.name;
    EXPECT_EQ(t.separator, c.separator) << c.name;
    ASSERT_EQ(t.records.size(), c.cells.size()) << c.name;
    for (std::size_t i = 0; i < c.cells.size(); ++i) EXPECT_EQ(t.records[i].cells, c.cells[i]) << c.name;
  }
  // Row numbers are the spreadsheet's: a blank line and a cell over two lines still count once.
  EXPECT_EQ(ReadCsvTable("a\n\n\"x\ny\"\nz\n").records.back().row, 4);
  EXPECT_EQ(ReadCsvTable("a,b\n\"open,2\n").error, "row 2: a quoted cell is not closed");
  EXPECT_EQ(CsvText("=1+2"), "'=1+2");
  EXPECT_EQ(CsvText("a;b", ';'), "\"a;b\"");
  EXPECT_EQ(CsvText("a;b", ','), "a;b");
}

TEST(JointTable, RowsBecomeJsonJobsWithSectionsByNameAndDecimalCommas) {
  const JointTable t = Read(
      "joint;family;chord;brace1;brace2;kn.N1;kn.theta1;kn.theta2;kn.N0_left;kn.M0;kn.e;tyx.N0;tyx.M0;tyx.N1;"
      "tyx.theta1;info.client\n"
      "K1;kn;160x160x8;100 × 100 × 6;100X100X5;-85,5;50;45;-320;1,5;30;;;;;\n"
      "X1;x;200x200x8;120x120x6;;;;;;;;-271,6;2,81;-52;84,3;\"Sild; ehitus\"\n");
  ASSERT_EQ(t.error, "");
  ASSERT_EQ(t.rows.size(), 2u);
  for (const JointRow& r : t.rows) ASSERT_EQ(r.error, "") << r.row;
  const Json k = RowJob(t.rows[0]);
  EXPECT_EQ(k["family"]["is_kn"], 1);
  EXPECT_EQ(k["kn"]["h0"], 160.0);
  EXPECT_EQ(k["kn"]["b1"], 100.0);
  EXPECT_EQ(k["kn"]["t2"], 5.0);
  EXPECT_EQ(k["kn"]["N1"], -85.5);
  EXPECT_EQ(k["kn"]["M0"], 1.5);
  EXPECT_EQ(k["info"]["job_name"], "K1");  // the joint's name stands for the job name
  EXPECT_FALSE(k.contains("tyx"));         // empty cells keep the defaults
  const Json x = RowJob(t.rows[1]);
  EXPECT_EQ(x["family"]["is_tyx"], 1);
  EXPECT_EQ(x["tyx"]["x_joint"], 1);
  EXPECT_EQ(x["tyx"]["N0"], -271.6);
  EXPECT_EQ(x["info"]["client"], "Sild; ehitus");
  // Each row is a job the one JSON reader takes as it is.
  for (const JointRow& r : t.rows) {
    LoadedJob loaded;
    EXPECT_FALSE(LoadJsonJobText(r.json, JointLabel(r), loaded)) << r.json;
  }
}

// A circular joint's tubes by name come from the round tube table as a diameter and a wall;
// a rectangular name, or a wall that the name would give twice, is refused for them.
TEST(JointTable, CircularJointsTakeTheirTubesByName) {
  const JointTable t = Read(
      "joint,family,chord,brace1,brace2,chs_kn.N1,chs_kn.theta1,chs_kn.theta2,chs_kn.N0_left,chs_kn.M0,chs_kn.e,"
      "chs_tyx.N1,chs_tyx.theta1,chs_tyx.N0,chs_tyx.M0,chs_kn.t0\n"
      "K,chs_kn,Ø114.3x5,60.3 × 3,48.3x3,-40,45,45,-100,0,0,,,,,\n"
      "X,chs_x,88.9x5,ø60.3x3,,,,,,,,-30,90,-50,0,\n"
      "R,chs_tyx,160x160x8,60.3x3,,,,,,,,-30,90,-50,0,\n"
      "W,chs_kn,114.3x5,60.3x3,48.3x3,-40,45,45,-100,0,0,,,,,5\n"
      "B,chs_tyx,88.9x5,60.3x3,48.3x3,,,,,,,-30,90,-50,0,\n");
  ASSERT_EQ(t.error, "");
  ASSERT_EQ(t.rows.size(), 5u);
  ASSERT_EQ(t.rows[0].error, "");
  const Json k = RowJob(t.rows[0]);
  EXPECT_EQ(k["chs_kn"]["d0"], 114.3);
  EXPECT_EQ(k["chs_kn"]["t0"], 5.0);
  EXPECT_EQ(k["chs_kn"]["d1"], 60.3);
  EXPECT_EQ(k["chs_kn"]["t2"], 3.0);
  EXPECT_FALSE(k["chs_kn"].contains("b0"));
  ASSERT_EQ(t.rows[1].error, "");
  const Json x = RowJob(t.rows[1]);
  EXPECT_EQ(x["chs_tyx"]["x_joint"], 1);
  EXPECT_EQ(x["chs_tyx"]["d0"], 88.9);
  EXPECT_EQ(x["chs_tyx"]["t1"], 3.0);
  for (int i : {0, 1}) {
    LoadedJob loaded;
    const LoadError e = LoadJsonJobText(t.rows[i].json, JointLabel(t.rows[i]), loaded);
    EXPECT_FALSE(e) << e.message << "\n" << t.rows[i].json;
  }
  EXPECT_TRUE(t.rows[2].error.starts_with("truss.csv row 4, column chord: no circular hollow section \"160x160x8\""))
      << t.rows[2].error;
  EXPECT_TRUE(t.rows[3].error.starts_with("truss.csv row 5, column chord: chs_kn.t0 is given too")) << t.rows[3].error;
  EXPECT_TRUE(t.rows[4].error.starts_with("truss.csv row 6, column brace2: a CHS T/Y/X joint has one brace section"))
      << t.rows[4].error;
}

TEST(JointTable, ABadRowNamesRowColumnAndReasonAndTheOthersStillCount) {
  const JointTable t = Read(
      "joint,family,chord,brace1,brace2,tyx.N1,tyx.h0\n"
      "A,tyx,200x200x8,120x120x6,,-52,\n"
      "B,tyx,200x200x9,120x120x6,,-52,\n"
      "C,tyx,200x200x8,120x120x6,,12;5,\n"
      "D,tri,200x200x8,120x120x6,,-52,\n"
      "E,tyx,200x200x8,120x120x6,100x100x5,-52,\n"
      "F,tyx,200x200x8,120x120x6,,-52,200\n"
      ",tyx,,,,\"1,5\",\n"
      "H,tyx,200x200x8,120x120x6,,-52,,extra\n");
  ASSERT_EQ(t.error, "");
  const std::pair<int, std::string> expected[] = {
      {2, ""},
      {3, "truss.csv row 3, column chord: no square or rectangular hollow section \"200x200x9\""},
      {4, "truss.csv row 4, column tyx.N1: \"12;5\" is not a number"},
      {5, "truss.csv row 5, column family: unknown family \"tri\""},
      {6, "truss.csv row 6, column brace2: a T/Y/X joint has one brace section"},
      {7, "truss.csv row 7, column chord: tyx.h0 is given too"},
      {8, "truss.csv row 8, column tyx.N1: \"1,5\" is not a number"},  // a decimal comma needs ';'
      {9, "truss.csv row 9: 8 cells, the header has 7 columns"},
  };
  ASSERT_EQ(t.rows.size(), std::size(expected));
  for (std::size_t i = 0; i < t.rows.size(); ++i) {
    EXPECT_EQ(t.rows[i].row, expected[i].first);
    EXPECT_TRUE(t.rows[i].error.starts_with(expected[i].second)) << t.rows[i].error;
    EXPECT_EQ(t.rows[i].error.empty(), expected[i].second.empty()) << t.rows[i].error;
  }
  EXPECT_EQ(JointLabel(t.rows[6]), "row 8");
}

TEST(JointTable, AHeaderThatCannotBeReadRefusesTheTable) {
  EXPECT_EQ(Read("joint,family,tyx.N9\nA,tyx,1\n").error,
            "truss.csv row 1: unknown column \"tyx.N9\" (did you mean \"tyx.N0\"?); a column is joint, family, chord, "
            "brace1, brace2 or a key that traxen-cli keys lists");
  EXPECT_EQ(Read("joint,joint\nA,B\n").error, "truss.csv row 1: column \"joint\" appears twice");
  EXPECT_EQ(Read("").error, "truss.csv: the table is empty (a header row of job keys comes first)");
  EXPECT_EQ(Read("joint,family\n").error, "truss.csv: the table has a header but no joints");
  EXPECT_EQ(Read("tyx.reserved\n1\n").error.substr(0, 41), "truss.csv row 1: unknown column \"tyx.rese");
}

TEST(JointTable, JobsBackToATableKeepEveryValueAndTheJointNames) {
  const std::string csv =
      "joint,family,chord,brace1,brace2,kn.N1,kn.theta1,kn.theta2,kn.N0_left,kn.M0,kn.e,tyx.N0,tyx.M0,tyx.N1,"
      "tyx.theta1,info.job_name\n"
      "K1,kn,160x160x8,100x100x6,100x100x5,-85.5,50,45,-320,1.5,30,,,,,\n"
      "T1,tyx,200x200x8,120x120x6,,,,,,,,-271.6,2.81,-52,84.3,Sõlm T1 \"ülemine\"\n";
  const JointTable t = Read(csv);
  std::vector<TableJob> jobs;
  for (const JointRow& r : t.rows) jobs.push_back({r.joint, r.json, r.joint + ".json"});
  std::string error;
  const std::string back = WriteJointTable(jobs, error);
  ASSERT_EQ(error, "");
  EXPECT_EQ(back,
            "joint,family,info.job_name,tyx.h0,tyx.b0,tyx.t0,tyx.h1,tyx.b1,tyx.t1,tyx.N0,tyx.M0,tyx.N1,tyx.theta1,"
            "kn.h0,kn.b0,kn.t0,kn.h1,kn.b1,kn.t1,kn.h2,kn.b2,kn.t2,kn.N0_left,kn.M0,kn.N1,kn.theta1,kn.theta2,kn.e\r\n"
            "K1,kn,,,,,,,,,,,,160.0,160.0,8.0,100.0,100.0,6.0,100.0,100.0,5.0,-320.0,1.5,-85.5,50.0,45.0,30.0\r\n"
            "T1,tyx,\"Sõlm T1 \"\"ülemine\"\"\",200.0,200.0,8.0,120.0,120.0,6.0,-271.6,2.81,-52.0,84.3,,,,,,,,,,,,,,,"
            "\r\n");
  // And that table reads back to the same jobs.
  const JointTable again = Read(back);
  ASSERT_EQ(again.rows.size(), 2u);
  for (std::size_t i = 0; i < 2; ++i) EXPECT_EQ(RowJob(again.rows[i]), RowJob(t.rows[i]));
}

TEST(JointTable, TheTemplateChecksAsItIs) {
  const JointTable t = Read(JointTableTemplate());
  ASSERT_EQ(t.rows.size(), 2u);
  for (const JointRow& r : t.rows) {
    ASSERT_EQ(r.error, "");
    LoadedJob loaded;
    EXPECT_FALSE(LoadJsonJobText(r.json, JointLabel(r), loaded));
  }
}

}  // namespace
}  // namespace traxen
