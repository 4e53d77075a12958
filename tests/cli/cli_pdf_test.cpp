// traxen-cli's PDF files: their title, and for a truss's joint table the combined PDF's
// bookmarks, its fixed date and what becomes of a row that cannot be read.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "cli/cli_run.h"
#include "support/test_support.h"

namespace traxen {
namespace {

namespace fs = std::filesystem;
using testing::CliRun;
using testing::CliTest;
using testing::PdfPages;
using testing::RunCli;
using testing::ToolOutput;

std::string Library() { return " --library " + testing::SourcePath("data/Profiilid"); }

constexpr const char* kHeader = "joint,family,chord,brace1,brace2,tyx.N0,tyx.M0,tyx.N1,tyx.theta1,kn.N0_left,kn.M0,kn.N1,"
                                "kn.theta1,kn.theta2,kn.e\n";
constexpr const char* kTyxRow = ",tyx,200x200x8,120x120x6,,-271.6,2.81,-52,84.3,,,,,,\n";
constexpr const char* kKnRow = ",kn,160x160x8,100x100x6,100x100x5,,,,,-320,1.5,-85.5,50,45,30\n";

class CliPdfTest : public CliTest {};

// A bookmark's title in the outline is written as hex digits; a title of seven characters
// gives 32 of them, as many as a document id has, and a fixed date must leave it alone.
TEST_F(CliPdfTest, BookmarksOfAReproduciblePdfReadAsTheJointsAreNamed) {
  const std::string table = Write("truss.csv", std::string(kHeader) + "T1_sans" + kTyxRow + "K1_vasak" + kKnRow);
  for (const char* date : {" --date 2026-03-01", ""}) {
    SCOPED_TRACE(*date ? "--date" : "SOURCE_DATE_EPOCH");
    const std::string prefix = *date ? "" : "SOURCE_DATE_EPOCH=1772360400 ";
    const CliRun first = RunCli("render" + Library() + " --lang en " + table + " -o " + Path("a.pdf") + date, prefix);
    ASSERT_EQ(first.status, 0) << first.err;
    ASSERT_EQ(RunCli("render" + Library() + " --lang en " + table + " -o " + Path("b.pdf") + date, prefix).status, 0);
    EXPECT_EQ(testing::ReadFile(Path("a.pdf")), testing::ReadFile(Path("b.pdf")));

    const std::string xml = ToolOutput("pdftohtml -xml -stdout -i " + Path("a.pdf"));
    EXPECT_NE(xml.find("<item page=\"1\">Summary</item>"), std::string::npos) << xml.substr(0, 600);
    EXPECT_NE(xml.find("<item page=\"2\">T1_sans</item>"), std::string::npos) << xml.substr(0, 600);
    EXPECT_NE(xml.find(">K1_vasak</item>"), std::string::npos) << xml.substr(0, 600);
  }
}

// The title names the job; a job still named by a new job's placeholder is named by its file
// (a job from standard input by the PDF's).
TEST_F(CliPdfTest, APdfsTitleIsTheJobsNameOrItsFilesName) {
  const std::string job = RunCli("new tyx").out;
  ASSERT_NE(job.find("\"job_name\": \"....(töö nimi)\""), std::string::npos) << job;
  auto named = [&](const std::string& name) {
    std::string text = job;
    text.replace(text.find("....(töö nimi)"), std::string("....(töö nimi)").size(), name);
    return text;
  };
  struct Case {
    std::string file, text, title;
    bool from_input = false;
  };
  for (const Case& c : {Case{"k3.json", job, "k3.json"}, Case{"k4.json", named("....(job name)"), "k4.json"},
                        Case{"k5.json", named("Katus, sõlm 5"), "Katus, sõlm 5"},
                        Case{"k6.json", job, "report.pdf", true}}) {
    SCOPED_TRACE(c.file);
    const std::string path = Write(c.file, c.text);
    const CliRun r = c.from_input ? RunCli("render - -o " + Path("report.pdf") + " < " + path)
                                  : RunCli("render " + path + " -o " + Path("report.pdf"));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(ToolOutput("pdfinfo " + Path("report.pdf")).find("Title:           " + c.title + "\n"), std::string::npos);
  }
}

// A row that cannot be read leaves the others their reports: the PDF is written with the row
// listed in its summary (its reason, no page), the row named on standard error, exit status 2.
TEST_F(CliPdfTest, ARefusedRowIsListedInTheSummaryAndTheOtherJointsHaveTheirReports) {
  const std::string table = Write("truss.csv", std::string(kHeader) + "T1" + kTyxRow +
                                                   "T2,tyx,200x200x8,120x120x6,,-271.6,2.81,-52,0,,,,,,\n" + "K1" +
                                                   kKnRow);
  ASSERT_EQ(RunCli("render" + Library() + " " + Write("t1.csv", std::string(kHeader) + "T1" + kTyxRow) + " -o " +
                   Path("t1.pdf")).status, 0);
  ASSERT_EQ(RunCli("render" + Library() + " " + Write("k1.csv", std::string(kHeader) + "K1" + kKnRow) + " -o " +
                   Path("k1.pdf")).status, 0);
  const int t1 = PdfPages(Path("t1.pdf")) - 1, k1 = PdfPages(Path("k1.pdf")) - 1;  // without their summaries
  ASSERT_GT(t1, 0);

  struct Case {
    const char* lang;
    const char* outcome;
    const char* verdict;
  };
  for (const Case& c : {Case{"et", "Vigane rida", "Ei rahulda! (1 sõlme 3-st, neist 1 vigase rea tõttu)"},
                        Case{"en", "Bad row", "NOT OK (failed: 1 of 3; bad rows: 1)"}}) {
    SCOPED_TRACE(c.lang);
    const std::string pdf = Path(std::string("truss_") + c.lang + ".pdf");
    const CliRun r = RunCli("render" + Library() + " --lang " + c.lang + " " + table + " -o " + pdf);
    EXPECT_EQ(r.status, 2) << r.err;
    EXPECT_NE(r.err.find("truss.csv row 3 (T2): key \"tyx.theta1\": 0 must be within (0, 180) degrees"),
              std::string::npos)
        << r.err;
    EXPECT_NE(r.err.find("written; its summary lists 1 row that cannot be read"), std::string::npos) << r.err;
    ASSERT_TRUE(fs::exists(pdf));
    EXPECT_EQ(PdfPages(pdf), 1 + t1 + k1);

    const std::string summary = ToolOutput("pdftotext -layout -f 1 -l 1 " + pdf + " -");
    const std::size_t row = summary.find("T2");
    ASSERT_NE(row, std::string::npos) << summary;
    const std::string line = summary.substr(row, summary.find('\n', row) - row);
    EXPECT_NE(line.find("row 3: key \"tyx.theta1\": 0 must be within (0, 180) degrees"), std::string::npos) << line;
    EXPECT_NE(line.find(c.outcome), std::string::npos) << line;
    EXPECT_NE(summary.find(c.verdict), std::string::npos) << summary;
    // K1's report starts after T1's, the refused row taking no page.
    EXPECT_NE(summary.find(std::to_string(2 + t1) + "\n"), std::string::npos) << summary;
    const std::string xml = ToolOutput("pdftohtml -xml -stdout -i " + pdf);
    EXPECT_EQ(xml.find(">T2</item>"), std::string::npos) << xml.substr(0, 600);
  }

  // A joint file that cannot be read among several still stops the PDF.
  Write("broken.json", "{");
  EXPECT_EQ(RunCli("render" + Library() + " " + table + " " + Path("broken.json") + " -o " + Path("x.pdf")).status, 2);
  EXPECT_FALSE(fs::exists(Path("x.pdf")));
}

}  // namespace
}  // namespace traxen
