// `traxen-cli check --json` written piece by piece as the jobs are checked: the document is,
// byte for byte, what a JSON library's pretty-printer makes of it.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

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
using Ordered = nlohmann::ordered_json;

// The output parsed and printed again at an indent of 2: any difference in layout, number
// digits or string escapes shows. A computed value keeps its decimal point ("52.0"), a count
// has none.
void ExpectPrettyDumpOfItself(const std::string& out) {
  const Ordered parsed = Ordered::parse(out);
  EXPECT_EQ(parsed.dump(2) + "\n", out);
  auto expect_real = [](const Ordered& o, const char* key) {
    EXPECT_TRUE(o[key].is_null() || o[key].is_number_float()) << key << ": " << o[key].dump();
  };
  for (const Ordered& job : parsed["jobs"]) {
    for (const char* key : {"g", "p", "lambda_ov"}) expect_real(job, key);
    EXPECT_TRUE(job["failed_conditions"].is_number_integer());
    for (const Ordered& v : job["verdicts"]) {
      EXPECT_TRUE(v["brace"].is_number_integer());
      for (const char* key : {"N_Rd", "N_Ed", "utilisation"}) expect_real(v, key);
    }
    for (const Ordered& w : job["welds"]) {
      EXPECT_TRUE(w["brace"].is_number_integer());
      for (const char* key : {"beta_w", "a_over_t", "a_min"}) expect_real(w, key);
    }
  }
}

TEST_F(CliTest, CheckJsonIsThePrettyDumpOfItselfByteForByte) {
  std::string jobs;
  for (const char* family : {"tyx", "x", "kn"}) {
    const std::string path = Path(std::string(family) + ".json");
    ASSERT_EQ(RunCli(std::string("new ") + family + " -o " + path).status, 0);
    jobs += " " + path;
  }
  for (const char* fixture : {"tests/joints/kn_reinforced/overlap_between_plate.json",
                              "tests/joints/kn/reports/failing_validity.json", "tests/joints/tyx/jobs/y_invalid.json"})
    jobs += " " + testing::SourcePath(fixture);
  jobs += " " + Write("empty.json", "{}");  // no family: every list empty, every number null
  // A name to escape: a quote, a backslash, a control character, a byte that is not UTF-8
  // and letters that are.
  const std::string odd = Path("a\"b\\c\x01 \xff \xc3\xb5.json");
  fs::copy_file(Path("kn.json"), odd);
  jobs += " '" + odd + "'";

  const CliRun r = RunCli("check --json" + jobs);
  ASSERT_EQ(r.status, 1) << r.err;  // the failing fixtures do not pass
  ExpectPrettyDumpOfItself(r.out);
  const Ordered out = Ordered::parse(r.out);
  ASSERT_EQ(out["jobs"].size(), 8u);
  bool conditions = false, welds = false, gap = false;
  for (const Ordered& job : out["jobs"]) {
    conditions = conditions || !job["failed_condition_names"].empty();
    welds = welds || !job["welds"].empty();
    gap = gap || job["g"].is_number();
  }
  EXPECT_TRUE(conditions && welds && gap) << "the jobs above no longer cover every part of a summary";
  EXPECT_NE(out["jobs"][7]["job"].get<std::string>().find("\x01 \xEF\xBF\xBD \xc3\xb5"), std::string::npos);

  // No job checked at all: the list is empty, the units still stated.
  const CliRun none = RunCli("check --json " + Write("broken.json", "{"));
  EXPECT_EQ(none.status, 2);
  ExpectPrettyDumpOfItself(none.out);
  EXPECT_TRUE(Ordered::parse(none.out)["jobs"].empty());
}

// The results are written in large pieces, yet a message about a bad job still comes after
// the results before it and before those after it where both streams go to one file.
TEST_F(CliTest, AMessageKeepsItsPlaceAmongTheResultsInOneStream) {
  const std::string first = Path("a.json"), last = Path("c.json");
  ASSERT_EQ(RunCli("new tyx -o " + first).status, 0);
  ASSERT_EQ(RunCli("new kn -o " + last).status, 0);
  const std::string bad = Write("b.json", "{\"tyx\": {\"h0\": true}}");
  // Both streams of traxen-cli into one pipe; the shell's own stream goes where RunCli says.
  const CliRun r = RunCli("check " + first + " " + bad + " " + last + " 2>&1 | cat");
  const std::size_t a = r.out.find(first + " tyx"), b = r.out.find("b.json: key"), c = r.out.find(last + " kn");
  ASSERT_NE(a, std::string::npos) << r.out;
  ASSERT_NE(b, std::string::npos) << r.out;
  ASSERT_NE(c, std::string::npos) << r.out;
  EXPECT_LT(a, b) << r.out;
  EXPECT_LT(b, c) << r.out;
}

}  // namespace
}  // namespace traxen
