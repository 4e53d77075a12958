// traxen-cli render of a truss's joint table: the combined PDF's bookmarks, its fixed date, and
// what becomes of a row that cannot be read.
#include <gtest/gtest.h>

#include <cstdio>
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

constexpr const char* kHeader = "joint,family,chord,brace1,brace2,tyx.N0,tyx.M0,tyx.N1,tyx.theta1,kn.N0_left,kn.M0,kn.N1,"
                                "kn.theta1,kn.theta2,kn.e\n";
constexpr const char* kTyxRow = ",tyx,200x200x8,120x120x6,,-271.6,2.81,-52,84.3,,,,,,\n";
constexpr const char* kKnRow = ",kn,160x160x8,100x100x6,100x100x5,,,,,-320,1.5,-85.5,50,45,30\n";

class CliTrussPdfTest : public CliTest {};

// A bookmark's title in the outline is written as hex digits; a title of seven characters
// gives 32 of them, as many as a document id has, and a fixed date must leave it alone.
TEST_F(CliTrussPdfTest, BookmarksOfAReproduciblePdfReadAsTheJointsAreNamed) {
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

}  // namespace
}  // namespace traxen
