// traxen-cli render in another language: --lang and TRAXEN_LANG choose the report's words for
// every output (text, PDF, a combined truss PDF), the option over the variable, and a language
// the program does not have is refused before anything is written.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "cli/cli_run.h"
#include "support/test_support.h"

namespace traxen {
namespace {

namespace fs = std::filesystem;
using testing::CliRun;
using testing::CliTest;
using testing::RunCli;

// A job with checks that hold and checks that fail: both verdicts appear.
std::string Job() { return testing::TestPath("joints/tyx/jobs/y_invalid.json"); }
std::string Golden(const char* suffix) { return testing::TestPath(std::string("joints/tyx/golden/y_invalid") + suffix); }

TEST_F(CliTest, RenderLangEnWritesTheEnglishReportAndTheVariableDoesTheSame) {
  struct Case {
    const char* prefix;
    const char* option;
    const char* golden;
  };
  const Case cases[] = {
      {"", "--lang en", ".en.txt"},
      {"TRAXEN_LANG=en ", "", ".en.txt"},
      {"TRAXEN_LANG=en ", "--lang et", ".txt"},  // the option wins over the variable
      {"TRAXEN_LANG=et ", "--lang en", ".en.txt"},
      {"", "", ".txt"},                          // Estonian without either
      {"TRAXEN_LANG= ", "", ".txt"},             // an empty variable is no choice
  };
  for (const Case& c : cases) {
    const std::string out = Path("r.txt");
    fs::remove(out);
    const CliRun r = RunCli(std::string("render ") + c.option + " " + Job() + " -o " + out, c.prefix);
    ASSERT_EQ(r.status, 0) << c.prefix << c.option << ": " << r.err;
    const std::string text = testing::ReadFile(out);
    EXPECT_EQ(text, testing::ReadFile(Golden(c.golden))) << c.prefix << c.option;
    const bool english = std::string(c.golden) == ".en.txt";
    EXPECT_EQ(text.find("NOT OK") != std::string::npos, english) << c.prefix << c.option;
    EXPECT_EQ(text.find("OK ") != std::string::npos, english) << c.prefix << c.option;
    EXPECT_EQ(text.find("Korras") == std::string::npos, english) << c.prefix << c.option;
  }
}

TEST_F(CliTest, AnUnknownLanguageIsRefusedNamingItAndTheLanguagesThereAre) {
  struct Case {
    const char* prefix;
    const char* option;
    const char* named;
  };
  const Case cases[] = {
      {"", "--lang fr", "--lang fr"},
      {"", "--lang EN", "--lang EN"},
      {"TRAXEN_LANG=de ", "", "TRAXEN_LANG=de"},
  };
  for (const Case& c : cases) {
    const std::string out = Path("r.pdf");
    const CliRun r = RunCli(std::string("render ") + c.option + " " + Job() + " -o " + out, c.prefix);
    EXPECT_EQ(r.status, 2) << c.option;
    EXPECT_NE(r.err.find(c.named), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("et, en"), std::string::npos) << r.err;
    EXPECT_FALSE(fs::exists(out)) << c.option;
  }
}

// `new` writes the job texts as placeholders in the language its reports are meant to be
// read in, chosen as render chooses: --lang, else TRAXEN_LANG, else Estonian.
TEST_F(CliTest, NewWritesItsPlaceholdersInTheChosenLanguage) {
  struct Case {
    const char* prefix;
    const char* option;
    const char* job_name;
    const char* calculated_by;
  };
  const Case cases[] = {
      {"", "--lang en", "....(job name)", "Example Engineer"},
      {"TRAXEN_LANG=en ", "", "....(job name)", "Example Engineer"},
      {"TRAXEN_LANG=en ", "--lang et", "....(töö nimi)", "Insener Näidis"},
      {"", "", "....(töö nimi)", "Insener Näidis"},
  };
  for (const char* family : {"tyx", "chs-kn"}) {
    for (const Case& c : cases) {
      const CliRun r = RunCli(std::string("new ") + family + " " + c.option, c.prefix);
      ASSERT_EQ(r.status, 0) << c.prefix << c.option << ": " << r.err;
      EXPECT_NE(r.out.find(std::string("\"job_name\": \"") + c.job_name + "\""), std::string::npos) << r.out;
      EXPECT_NE(r.out.find(std::string("\"calculated_by\": \"") + c.calculated_by + "\""), std::string::npos)
          << r.out;
    }
  }
  const std::string out = Path("j.json");
  const CliRun r = RunCli("new tyx --lang fr -o " + out);
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.err.find("--lang fr"), std::string::npos) << r.err;
  EXPECT_FALSE(fs::exists(out));
}

// The English PDFs are whole files, the combined one with a fixed date too (its outline and
// fixed dates are written into the file after the pages).
TEST_F(CliTest, EnglishPdfsOfAJobAndOfATrussAreWholeFiles) {
  const std::string kn = testing::TestPath("joints/kn/reports/gap_joint.json");
  for (const std::string& args : {"render --lang en " + Job() + " -o " + Path("one.pdf"),
                                  "render --lang en " + Job() + " " + kn + " -o " + Path("truss.pdf") +
                                      " --date 2026-12-11",
                                  "render " + Job() + " " + kn + " -o " + Path("truss_et.pdf") + " --date 2026-12-11"}) {
    const CliRun r = RunCli(args);
    ASSERT_EQ(r.status, 0) << args << ": " << r.err;
  }
  for (const char* name : {"one.pdf", "truss.pdf", "truss_et.pdf"}) {
    const std::string pdf = testing::ReadFile(Path(name));
    EXPECT_TRUE(pdf.starts_with("%PDF-")) << name;
    EXPECT_NE(pdf.rfind("%%EOF"), std::string::npos) << name;
  }
}

}  // namespace
}  // namespace traxen
