// traxen-cli as a user runs it: outputs of render, check lines and JSON, exit codes, errors.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "cli/cli_run.h"
#include "support/test_support.h"

namespace traxen {
namespace {

namespace fs = std::filesystem;

using testing::CliRun;
using testing::CliTest;
using testing::RunCli;

TEST_F(CliTest, RenderOfAnEmptyJobWritesOnePagePdfPngAndEmptyText) {
  const std::string job = Write("empty.json", "{}");
  const std::string pdf = (dir_ / "out.pdf").string();
  ASSERT_EQ(RunCli("render " + job + " -o " + pdf).status, 0);
  ASSERT_TRUE(fs::exists(pdf));
  EXPECT_EQ(testing::ReadFile(pdf).rfind("%PDF", 0), 0u);
  if (std::system("command -v pdftotext >/dev/null 2>&1") == 0) {
    const std::string text_file = (dir_ / "out_pdf.txt").string();
    ASSERT_EQ(std::system(("pdftotext " + pdf + " " + text_file).c_str()), 0);
    const std::string text = testing::ReadFile(text_file);
    for (const char* expected : {"NELIKANTORUDEST SÕRESTIKE SÕLMEDE", "TÖÖ:", "TELLIJA:", "Arvutas:", "Leht 1"})
      EXPECT_NE(text.find(expected), std::string::npos) << expected;
    EXPECT_EQ(text.find("Leht 2"), std::string::npos);
  }

  const std::string png = (dir_ / "out.png").string();
  ASSERT_EQ(RunCli("render " + job + " -o " + png).status, 0);
  const std::string image = testing::ReadFile(png);
  ASSERT_GT(image.size(), 24u);
  EXPECT_EQ(image.substr(1, 3), "PNG");
  auto be32 = [&](size_t at) {
    return (unsigned char)image[at] << 24 | (unsigned char)image[at + 1] << 16 | (unsigned char)image[at + 2] << 8 |
           (unsigned char)image[at + 3];
  };
  EXPECT_EQ(be32(16), 900u);   // 1 pixel per report unit: the strip's width
  EXPECT_EQ(be32(20), 1229u);  // and one page's height

  const std::string txt = (dir_ / "out.txt").string();
  ASSERT_EQ(RunCli("render " + job + " -o " + txt).status, 0);
  EXPECT_TRUE(fs::exists(txt));
  EXPECT_EQ(testing::ReadFile(txt), "");
}

TEST_F(CliTest, CheckJsonOfAJobWithNoFamilyReportsNone) {
  const std::string job = Write("empty.json", "{}");
  const CliRun r = RunCli("check --json " + job);
  EXPECT_EQ(r.status, 1);  // computed, but nothing passed
  const auto output = nlohmann::json::parse(r.out);
  EXPECT_EQ(output["units"]["N_Rd"], "kN");  // stated once for the whole output
  const auto array = output["jobs"];
  ASSERT_EQ(array.size(), 1u);
  EXPECT_EQ(array[0]["job"], job);
  EXPECT_EQ(array[0]["family"], "none");
  EXPECT_EQ(array[0]["report"], "none");
  EXPECT_EQ(array[0]["title"], "");
  EXPECT_TRUE(array[0]["g"].is_null());
  EXPECT_EQ(array[0]["verdicts"].size(), 0u);
  EXPECT_EQ(array[0]["passed"], false);
}

TEST_F(CliTest, BadJobsExitTwoNamingFileAndKeyWhileOthersAreStillChecked) {
  const std::string good = Write("good.json", "{}");
  const std::string unknown = Write("unknown.json", R"({"tyx": {"h00": 1}})");
  const std::string wrong_type = Write("type.json", R"({"tyx": {"h0": true}})");
  const std::string broken = Write("broken.json", "{\n\"tyx\": {\n");
  const CliRun r = RunCli("check " + unknown + " " + good + " " + wrong_type + " " + broken);
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.err.find(unknown + ": unknown key \"tyx.h00\""), std::string::npos) << r.err;
  EXPECT_NE(r.err.find(wrong_type + ": key \"tyx.h0\""), std::string::npos) << r.err;
  EXPECT_NE(r.err.find(broken + ": line 3, column 1"), std::string::npos) << r.err;
  EXPECT_NE(r.out.find(good + " none"), std::string::npos) << r.out;

  const CliRun missing = RunCli("render " + (dir_ / "missing.json").string() + " -o " + (dir_ / "x.pdf").string());
  EXPECT_EQ(missing.status, 2);
  EXPECT_NE(missing.err.find("missing.json: cannot open"), std::string::npos) << missing.err;
  EXPECT_EQ(RunCli("render " + good + " -o " + (dir_ / "x.doc").string()).status, 2);
  EXPECT_EQ(RunCli("frobnicate").status, 2);
}

}  // namespace
}  // namespace traxen
