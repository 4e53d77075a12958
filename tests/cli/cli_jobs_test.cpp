// traxen-cli's job commands end to end: the README's example and every template check as
// sound results, round trips through convert, CSV against JSON, help texts, safe writes.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <nlohmann/json.hpp>

#include <cmath>
#include <algorithm>
#include <fstream>
#include <sstream>
#include <map>
#include <filesystem>
#include <string>
#include <vector>

#include "cli/cli_run.h"
#include "model/job_file.h"
#include "model/json_job.h"
#include "model/json_job_keys.h"
#include "support/test_support.h"

namespace traxen {
namespace {

namespace fs = std::filesystem;
using testing::CliRun;
using testing::CliTest;
using testing::RunCli;
using Json = nlohmann::json;

std::string Library() { return " --library " + testing::SourcePath("data/Profiilid"); }

// The first ```json block of the README.
std::string ReadmeExample() {
  const std::string readme = testing::ReadFile(testing::SourcePath("README.md"));
  const std::size_t start = readme.find("```json\n");
  if (start == std::string::npos) return {};
  const std::size_t body = start + 8;
  return readme.substr(body, readme.find("```", body) - body);
}

// Every verdict finite and positive, the utilisation its ratio: a sound computed result.
void ExpectSoundResults(const Json& job, const std::string& name) {
  EXPECT_EQ(job["valid"], true) << name;
  EXPECT_EQ(job["passed"], true) << name;
  ASSERT_FALSE(job["verdicts"].empty()) << name;
  for (const Json& v : job["verdicts"]) {
    ASSERT_TRUE(v["N_Rd"].is_number()) << name << " " << v.dump();
    ASSERT_TRUE(v["N_Ed"].is_number()) << name << " " << v.dump();
    const double n_rd = v["N_Rd"], n_ed = v["N_Ed"], eta = v["utilisation"];
    EXPECT_GT(n_rd, 0) << name;
    EXPECT_GT(n_ed, 0) << name;
    EXPECT_REL_NEAR(eta, n_ed / n_rd, 1e-12);
    EXPECT_LT(eta, 1) << name;
    EXPECT_FALSE(v["mode_name"].get<std::string>().empty()) << name;
  }
}

TEST_F(CliTest, ReadmeExampleAndEveryTemplateCheckAsSoundResults) {
  const std::string example = ReadmeExample();
  ASSERT_FALSE(example.empty()) << "README.md has no ```json example";
  std::vector<std::string> jobs = {Write("readme.json", example)};
  for (const char* family : {"tyx", "x", "kn"}) {
    const std::string path = Path(std::string(family) + ".json");
    const CliRun made = RunCli(std::string("new ") + family + " -o " + path);
    ASSERT_EQ(made.status, 0) << made.err;
    jobs.push_back(path);
  }
  std::string args;
  for (const std::string& j : jobs) args += " " + j;
  const CliRun r = RunCli("check --json" + args);
  ASSERT_EQ(r.status, 0) << r.err << r.out;
  EXPECT_EQ(r.err, "");  // not even a warning
  const Json out = Json::parse(r.out);
  ASSERT_EQ(out["jobs"].size(), jobs.size());
  for (const Json& job : out["jobs"]) ExpectSoundResults(job, job["job"]);
  EXPECT_EQ(out["jobs"][3]["family"], "kn");

  // The text line names the largest utilisation with its brace and mode.
  const CliRun text = RunCli("check " + jobs[0]);
  EXPECT_EQ(text.status, 0);
  EXPECT_NE(text.out.find(jobs[0] + " tyx passed: max eta = 0."), std::string::npos) << text.out;
  EXPECT_NE(text.out.find("(brace 1, mode 1: chord face failure)"), std::string::npos) << text.out;

  // new writes every user-facing key and no internal one.
  const Json tyx = Json::parse(testing::ReadFile(jobs[1]));
  for (const JobKey& key : JobKeys()) {
    const std::string name(key.name);
    const std::string group = name.substr(0, name.find('.')), field = name.substr(name.find('.') + 1);
    const bool written = tyx.contains(group) && tyx[group].contains(field);
    EXPECT_EQ(written, IsTemplateKey(key, "tyx")) << name;
  }
}

TEST_F(CliTest, IncompleteOrUnsoundJobsAreRefusedAndAnInvalidJobCountsItsConditions) {
  Json job = Json::parse(RunCli("new kn").out);
  job["kn"].erase("N1");
  job["kn"].erase("e");
  const CliRun missing = RunCli("check " + Write("missing.json", job.dump()));
  EXPECT_EQ(missing.status, 2);
  EXPECT_NE(missing.err.find("must give these keys (2): kn.N1, kn.e"), std::string::npos) << missing.err;
  EXPECT_EQ(missing.out, "");

  // An angle below 30 degrees is a report check, not a refusal.
  Json flat = Json::parse(RunCli("new tyx").out);
  flat["tyx"]["theta1"] = 20;
  const std::string flat_path = Write("flat.json", flat.dump());
  const CliRun invalid = RunCli("check " + flat_path);
  EXPECT_EQ(invalid.status, 1);
  EXPECT_NE(invalid.out.find(flat_path + " tyx invalid: "), std::string::npos) << invalid.out;
  EXPECT_NE(invalid.out.find("failed condition"), std::string::npos) << invalid.out;
  const Json summary = Json::parse(RunCli("check --json " + flat_path).out)["jobs"][0];
  EXPECT_GE(summary["failed_conditions"].get<int>(), 1);
  EXPECT_EQ(summary["failed_condition_names"].size(), summary["failed_conditions"].get<std::size_t>());
}

// A value outside its range is an input mistake: exit 2 with the key (or line) and the range,
// never a report. A value inside the range but beyond a validity limit stays a report check.
TEST_F(CliTest, ValuesOutsideTheirRangeAreRefusedNamingKeyAndRange) {
  struct Case {
    const char* family;
    const char* group;
    const char* key;
    double value;
    const char* message;
  };
  const Case cases[] = {
      {"tyx", "len", "L1", 0, "key \"len.L1\": 0 must be > 0 m"},
      {"tyx", "tyx", "theta1", 0, "key \"tyx.theta1\": 0 must be within (0, 180) degrees"},
      {"kn", "steel", "gamma_M0", 0, "key \"steel.gamma_M0\": 0 must be >= 1.0"},
      {"kn", "steel", "fu1", -520, "key \"steel.fu1\": -520 must be within [100, 1000] MPa"},
      {"x", "steel", "E", 0, "key \"steel.E\": 0 must be within [150000, 250000] MPa"},
      // The unit slip of a strength in GPa: refused, not a report of "0 MPa <= 460.0 MPa".
      {"tyx", "steel", "fy1", 0.355, "key \"steel.fy1\": 0.355 must be within [100, 1000] MPa"},
  };
  for (const Case& c : cases) {
    Json job = Json::parse(RunCli(std::string("new ") + c.family).out);
    job[c.group][c.key] = c.value;
    const std::string path = Write("range.json", job.dump());
    for (const std::string& args : {"check " + path, "render " + path + " -o " + Path("r.txt")}) {
      const CliRun r = RunCli(args);
      EXPECT_EQ(r.status, 2) << args;
      EXPECT_EQ(r.err, path + ": " + c.message + "\n") << args;
      EXPECT_EQ(r.out, "");
    }
    EXPECT_FALSE(fs::exists(Path("r.txt")));
  }
  // The same for a project file: its tail's E of 0 is named by its line.
  const CliRun made = RunCli("convert " + Write("kn.json", RunCli("new kn").out) + " -o " + Path("kn.trx") + Library());
  ASSERT_EQ(made.status, 0) << made.err;
  const std::string trx = testing::ReadFile(Path("kn.trx")) + "355\n520\n520\n520\n355\n0\n";
  const std::string bad = Write("bad.trx", trx);
  const CliRun r = RunCli("check " + bad + Library());
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.err, bad + ": line 24, slot 1 (E): 0 must be within [150000, 250000] MPa\n");

  // And for a joint table's row: the row is refused by name, the others are checked.
  const std::string table = Write("steel.csv",
                                  "joint,family,chord,brace1,tyx.N0,tyx.M0,tyx.N1,tyx.theta1,steel.fy1,steel.E\n"
                                  "T1,tyx,200x200x8,120x120x6,-271.6,2.81,-52,84.3,355,210000\n"
                                  "T2,tyx,200x200x8,120x120x6,-271.6,2.81,-52,84.3,0.355,210000\n"
                                  "T3,tyx,200x200x8,120x120x6,-271.6,2.81,-52,84.3,355,210\n");
  const CliRun rows = RunCli("check" + Library() + " " + table);
  EXPECT_EQ(rows.status, 2);
  EXPECT_NE(rows.out.find("steel.csv:T1 tyx passed"), std::string::npos) << rows.out;
  EXPECT_NE(rows.err.find("steel.csv row 3 (T2): key \"steel.fy1\": 0.355 must be within [100, 1000] MPa"),
            std::string::npos)
      << rows.err;
  EXPECT_NE(rows.err.find("steel.csv row 4 (T3): key \"steel.E\": 210 must be within [150000, 250000] MPa"),
            std::string::npos)
      << rows.err;
}

TEST_F(CliTest, GivenDerivedForceIsWarnedAboutAndReplaced) {
  Json job = Json::parse(RunCli("new kn").out);
  job["kn"]["N2"] = 100;
  const std::string path = Write("n2.json", job.dump());
  const CliRun r = RunCli("check --json " + path);
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.err.find(path + ": warning: key \"kn.N2\": the given 100 is replaced by the derived 92.626"),
            std::string::npos)
      << r.err;
  const Json verdicts = Json::parse(r.out)["jobs"][0]["verdicts"];
  EXPECT_NEAR(verdicts[5]["N_Ed"].get<double>(), 92.626, 0.001);  // brace 2 carries the derived force
}

// Every field of a confirmed job, by key, except the library list positions and section texts
// a JSON job does not carry.
Json ValuesOf(const std::string& path) {
  LoadedJob loaded;
  const LoadError e = LoadJobFile(path, testing::SourcePath("data/Profiilid"), loaded);
  EXPECT_FALSE(e) << e.message;
  Json values = Json::parse(WriteJsonJob(loaded.job));
  for (const JobKey& key : JobKeys())
    if (key.role == KeyRole::kInternal) {
      const std::string name(key.name);
      values[name.substr(0, name.find('.'))].erase(name.substr(name.find('.') + 1));
    }
  return values;
}

TEST_F(CliTest, ConvertRoundTripsKeepEveryValue) {
  for (const char* example : {"examples/kn_windows.trx", "examples/tyx_windows.trx"}) {
    const std::string trx = testing::SourcePath(example);
    const std::string json = Path("round.json"), back = Path("back.trx");
    ASSERT_EQ(RunCli("convert " + trx + " -o " + json + Library()).status, 0) << example;
    const CliRun r = RunCli("convert " + json + " -o " + back + Library());
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(ValuesOf(back), ValuesOf(trx)) << example;
    fs::remove(json);
    fs::remove(back);
  }
  for (const char* family : {"tyx", "x", "kn"}) {
    const std::string json = Path("start.json"), trx = Path("mid.trx"), back = Path("back.json");
    ASSERT_EQ(RunCli(std::string("new ") + family + " -o " + json).status, 0);
    const CliRun to_trx = RunCli("convert " + json + " -o " + trx + Library());
    ASSERT_EQ(to_trx.status, 0) << to_trx.err;
    ASSERT_EQ(RunCli("convert " + trx + " -o " + back + Library()).status, 0);
    EXPECT_EQ(ValuesOf(back), ValuesOf(json)) << family;
    // Converting again does not replace a job unless told to.
    const CliRun again = RunCli("convert " + json + " -o " + trx + Library());
    EXPECT_EQ(again.status, 2);
    EXPECT_NE(again.err.find(trx + ": exists; --force replaces it"), std::string::npos) << again.err;
    EXPECT_EQ(RunCli("convert --force " + json + " -o " + trx + Library()).status, 0);
    for (const std::string& p : {json, trx, back}) fs::remove(p);
  }
  // A size the library lacks is named with its member.
  Json odd = Json::parse(RunCli("new tyx").out);
  odd["tyx"]["b1"] = 117;
  const CliRun r = RunCli("convert " + Write("odd.json", odd.dump()) + " -o " + Path("odd.trx") + Library());
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.err.find("the brace size 120 x 117 x 6 is not a hollow section of the library"), std::string::npos)
      << r.err;
  EXPECT_FALSE(fs::exists(Path("odd.trx")));
}

// RFC 4180 rows: quoted fields may hold commas and doubled quotes.
std::vector<std::vector<std::string>> ParseCsv(const std::string& text) {
  std::vector<std::vector<std::string>> rows(1, std::vector<std::string>(1));
  bool quoted = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (quoted) {
      if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') rows.back().back() += '"', ++i;
      else if (c == '"') quoted = false;
      else rows.back().back() += c;
    } else if (c == '"') {
      quoted = true;
    } else if (c == ',') {
      rows.back().emplace_back();
    } else if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
      ++i;
      rows.emplace_back(1);
    } else {
      rows.back().back() += c;
    }
  }
  if (rows.back().size() == 1 && rows.back()[0].empty()) rows.pop_back();
  return rows;
}

TEST_F(CliTest, CsvRowsAgreeWithJsonVerdicts) {
  const std::string kn = Path("a, \"quoted\" kn.json"), tyx = Path("t.json");
  ASSERT_EQ(RunCli("new kn -o '" + kn + "'").status, 0);
  ASSERT_EQ(RunCli("new tyx -o " + tyx).status, 0);
  const std::string args = " '" + kn + "' " + tyx + " " + testing::SourcePath("examples/kn_windows.trx") + Library();
  const CliRun csv = RunCli("check --csv" + args);
  const CliRun json = RunCli("check --json" + args);
  ASSERT_EQ(csv.status, 0) << csv.err;
  ASSERT_EQ(json.status, 0) << json.err;
  const auto rows = ParseCsv(csv.out);
  ASSERT_FALSE(rows.empty());
  EXPECT_EQ(rows[0], (std::vector<std::string>{"job", "family", "brace", "mode", "mode_name", "N_Ed_kN", "N_Rd_kN",
                                                "utilisation", "passed", "a_min_mm"}));
  std::size_t row = 1;
  const Json parsed = Json::parse(json.out);
  for (const Json& job : parsed["jobs"])
    for (const Json& v : job["verdicts"]) {
      ASSERT_LT(row, rows.size());
      const std::vector<std::string>& r = rows[row++];
      ASSERT_EQ(r.size(), 10u);
      EXPECT_EQ(r[0], job["job"].get<std::string>());
      EXPECT_EQ(r[1], job["family"].get<std::string>());
      EXPECT_EQ(r[2], std::to_string(v["brace"].get<int>()));
      EXPECT_EQ(r[3], v["mode"].get<std::string>());
      EXPECT_EQ(r[4], v["mode_name"].get<std::string>());
      EXPECT_EQ(std::stod(r[5]), v["N_Ed"].get<double>());
      EXPECT_EQ(std::stod(r[6]), v["N_Rd"].get<double>());
      EXPECT_EQ(std::stod(r[7]), v["utilisation"].get<double>());
      EXPECT_EQ(r[8], v["passed"].get<bool>() ? "true" : "false");
      std::string a_min;  // the weld of the verdict's brace, as the JSON gives it
      for (const Json& w : job["welds"])
        if (w["brace"] == v["brace"]) a_min = r[9];
      if (a_min.empty()) {
        EXPECT_EQ(r[9], "");
      } else {
        bool found = false;
        for (const Json& w : job["welds"])
          if (w["brace"] == v["brace"]) found = std::stod(r[9]) == w["a_min"].get<double>();
        EXPECT_TRUE(found) << r[9];
      }
    }
  EXPECT_EQ(row, rows.size());
  EXPECT_GT(row, 10u);
}

// File names a spreadsheet would run as formulas stay text in the CSV, and every job keeps its
// one line in the plain output, whatever control characters its file name holds.
TEST_F(CliTest, FileNamesStayTextInTheCsvAndOneLineInThePlainOutput) {
  struct Case {
    std::string name;
    std::string csv;      // the CSV field, unquoted
    std::string printed;  // how the plain output spells it
  };
  const std::vector<Case> cases = {
      {"=1+2.json", "'=1+2.json", "=1+2.json"},  {"+x.json", "'+x.json", "+x.json"},
      {"-x.json", "'-x.json", "-x.json"},        {"@x.json", "'@x.json", "@x.json"},
      {"\tx.json", "'\tx.json", "\\tx.json"},   {"\rx.json", "'\rx.json", "\\rx.json"},
      {"a\nb.json", "a\nb.json", "a\\nb.json"}, {"plain.json", "plain.json", "plain.json"},
  };
  const std::string job = RunCli("new kn").out;
  fs::create_directory(dir_ / "jobs");
  for (const Case& c : cases) std::ofstream(dir_ / "jobs" / c.name) << job;
  const std::string in_jobs = "cd " + (dir_ / "jobs").string() + " && ";

  const CliRun csv = RunCli("check --csv -- *", in_jobs);  // the shell passes every name as it is
  ASSERT_EQ(csv.status, 0) << csv.err;
  const auto rows = ParseCsv(csv.out);
  std::map<std::string, int> rows_of_job;
  for (std::size_t i = 1; i < rows.size(); ++i) {
    ASSERT_EQ(rows[i].size(), 10u);
    ++rows_of_job[rows[i][0]];
    EXPECT_EQ(rows[i][1], "kn");
    EXPECT_GT(std::stod(rows[i][5]), 0);  // numbers stay numbers
  }
  for (const Case& c : cases) EXPECT_GT(rows_of_job[c.csv], 0) << c.csv;
  EXPECT_EQ(rows_of_job.size(), cases.size());

  const CliRun plain = RunCli("check -- *", in_jobs);
  ASSERT_EQ(plain.status, 0) << plain.err;
  std::vector<std::string> lines;
  std::istringstream in(plain.out);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  ASSERT_EQ(lines.size(), cases.size()) << plain.out;
  for (const Case& c : cases) {
    const bool one_line = std::any_of(lines.begin(), lines.end(),
                                      [&](const std::string& l) { return l.starts_with(c.printed + " kn passed"); });
    EXPECT_TRUE(one_line) << c.printed << "\n" << plain.out;
  }
}

TEST_F(CliTest, VersionAndEveryHelpExitZero) {
  const std::pair<const char*, const char*> cases[] = {
      {"--version", "traxen-cli "}, {"--help", "Exit codes"},         {"render --help", "--date"},
      {"check --help", "--csv"},    {"new --help", "tyx (a T or Y"}, {"keys --help", "Units"},
      {"convert --help", "h x b x t"}, {"keys", "tyx.theta1"},      {"check --help", "TRAXEN_LIBRARY"},
  };
  for (const auto& [args, expected] : cases) {
    const CliRun r = RunCli(args);
    EXPECT_EQ(r.status, 0) << args << r.err;
    EXPECT_NE(r.out.find(expected), std::string::npos) << args << ": " << r.out;
  }
  EXPECT_EQ(RunCli("--version").out.rfind("traxen-cli ", 0), 0u);
  for (const char* bad : {"", "frobnicate", "check", "render x.json", "new abc", "check --json --csv x.json"})
    EXPECT_EQ(RunCli(bad).status, 2) << bad;
}

TEST_F(CliTest, StandardInputDashAndEndOfOptions) {
  const std::string job = Path("t.json");
  ASSERT_EQ(RunCli("new tyx -o " + job).status, 0);
  const CliRun piped = RunCli("check - < " + job);
  EXPECT_EQ(piped.status, 0) << piped.err;
  EXPECT_EQ(piped.out.rfind("- tyx passed", 0), 0u) << piped.out;
  // A job whose name starts with a dash, after --.
  fs::copy_file(job, dir_ / "-odd.json");
  const CliRun dashed = RunCli("check -- -odd.json", "cd " + dir_.string() + " && ");
  EXPECT_EQ(dashed.status, 0) << dashed.err;
  EXPECT_EQ(dashed.out.rfind("-odd.json tyx passed", 0), 0u) << dashed.out;
  // Output suffixes in any case.
  EXPECT_EQ(RunCli("render " + job + " -o " + Path("r.TXT")).status, 0);
  EXPECT_TRUE(fs::exists(Path("r.TXT")));
}

TEST_F(CliTest, FailedRenderLeavesTheExistingReportUntouched) {
  const std::string job = Path("t.json");
  ASSERT_EQ(RunCli("new tyx -o " + job).status, 0);
  // The file size limit stands in for a full disk: every write beyond 1 kB fails.
  const std::string limit = "trap '' XFSZ; ulimit -f 1; ";
  struct Case { const char* output; std::vector<const char*> existing; };
  const Case cases[] = {{"old.pdf", {"old.pdf"}},
                        {"old.txt", {"old.txt"}},
                        {"old.png", {"old-1.png", "old-2.png"}}};  // the report has two pages
  for (const Case& c : cases) {
    for (const char* name : c.existing) Write(name, "a good report");
    const CliRun r = RunCli("render " + job + " -o " + Path(c.output), limit);
    EXPECT_EQ(r.status, 2) << c.output;
    EXPECT_NE(r.err.find(Path(c.existing[0]) + ": cannot write: File too large"), std::string::npos) << r.err;
    for (const char* name : c.existing) EXPECT_EQ(testing::ReadFile(Path(name)), "a good report") << name;
  }
  // No place to write at all: nothing is created.
  const CliRun r = RunCli("render " + job + " -o " + Path("no/such/dir/r.pdf"));
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.err.find("no/such/dir/r.pdf: cannot write"), std::string::npos) << r.err;
  for (const auto& entry : fs::directory_iterator(dir_))
    EXPECT_EQ(entry.path().filename().string().find(".old"), std::string::npos) << "temporary file left behind";
}

// render and convert --force write through a link only to a regular file (or a new one),
// never onto a pipe, a device, a read-only file or the job they read; every refusal names the
// path and leaves everything as it was.
TEST_F(CliTest, OutputsGoOnlyWhereAWholeFileMayBeWritten) {
  const std::string job = Write("job.json", RunCli("new tyx").out);
  const std::string job_text = testing::ReadFile(job);
  const std::string trx = Path("job.trx");
  ASSERT_EQ(RunCli("convert " + job + " -o " + trx + Library()).status, 0);
  const std::string trx_text = testing::ReadFile(trx);
  ASSERT_EQ(::mkfifo(Path("fifo.pdf").c_str(), 0600), 0);
  fs::create_symlink("/dev/null", Path("null.txt"));
  fs::create_symlink("job.json", Path("job-link.txt"));
  fs::create_symlink("job.json", Path("page-1.png"));  // the first page of a set of several
  fs::create_symlink("job.trx", Path("trx-link.json"));
  fs::create_symlink("loop2.pdf", Path("loop1.pdf"));
  fs::create_symlink("loop1.pdf", Path("loop2.pdf"));
  Write("read-only.pdf", "signed");
  fs::permissions(Path("read-only.pdf"), fs::perms(0444));
  struct Case {
    std::string command;  // before " -o OUT"
    std::string out;
    std::string named;    // the path the message names
    std::string reason;   // after "NAMED: cannot write: "
  };
  const std::string render = "render " + job;
  const Case cases[] = {
      {render, "fifo.pdf", "fifo.pdf", "it is not a regular file"},
      {render, "null.txt", "null.txt", "it is a link to /dev/null, which is not a regular file"},
      {render, "loop1.pdf", "loop1.pdf", "a loop of links"},
      {render, "read-only.pdf", "read-only.pdf", "the file is read-only"},
      {render, "job-link.txt", "job-link.txt", "it is the job file being read (" + job + ")"},
      {render, "page.png", "page-1.png", "it is the job file being read (" + job + ")"},
      {"convert --force " + trx + Library(), "trx-link.json", "trx-link.json",
       "it is the job file being read (" + trx + ")"},
      {"convert --force " + job + Library(), "fifo.trx", "", ""},  // not there: written
  };
  for (const Case& c : cases) {
    const std::string args = c.command + " -o " + Path(c.out);
    const CliRun r = RunCli(args);
    if (c.named.empty()) {
      EXPECT_EQ(r.status, 0) << args << "\n" << r.err;
      continue;
    }
    EXPECT_EQ(r.status, 2) << args;
    EXPECT_EQ(r.err.rfind(Path(c.named) + ": cannot write: ", 0), 0u) << args << "\n" << r.err;
    EXPECT_NE(r.err.find(c.reason), std::string::npos) << args << "\n" << r.err;
  }
  EXPECT_EQ(testing::ReadFile(job), job_text);
  EXPECT_EQ(testing::ReadFile(trx), trx_text);
  EXPECT_EQ(testing::ReadFile(Path("read-only.pdf")), "signed");
  EXPECT_EQ(fs::status(Path("fifo.pdf")).type(), fs::file_type::fifo);
  EXPECT_TRUE(fs::is_symlink(fs::symlink_status(Path("null.txt"))));

  // A link to a report not yet there, in a folder that is: the report goes where it leads.
  fs::create_directory(Path("reports"));
  fs::create_symlink("reports/new.txt", Path("new-link.txt"));
  const CliRun r = RunCli("render " + job + " -o " + Path("new-link.txt"));
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(fs::is_symlink(fs::symlink_status(Path("new-link.txt"))));
  EXPECT_NE(testing::ReadFile(Path("reports/new.txt")).find("EELDUSED"), std::string::npos);
}

TEST_F(CliTest, FixedDateRebuildsTheSameBytesAndThePdfIsTitledByTheJob) {
  Json job = Json::parse(RunCli("new kn").out);
  job["info"]["job_name"] = "Sõlm K7";
  const std::string path = Write("k.json", job.dump());
  for (const char* ext : {"pdf", "png"}) {
    const std::string a = Path(std::string("a.") + ext), b = Path(std::string("b.") + ext);
    const CliRun first = RunCli("render " + path + " -o " + a + " --date '2026-03-01 10:20'", "unset XDG_RUNTIME_DIR; ");
    ASSERT_EQ(first.status, 0);
    EXPECT_EQ(first.err, "");  // nothing of Qt's own diagnostics reaches the user
    ASSERT_EQ(RunCli("render " + path + " -o " + b, "SOURCE_DATE_EPOCH=1772360400 ").status, 0);
    if (std::string(ext) == "png") {
      EXPECT_EQ(testing::ReadFile(Path("a-1.png")), testing::ReadFile(Path("b-1.png")));
    } else {
      EXPECT_EQ(testing::ReadFile(a), testing::ReadFile(b));
    }
  }
  if (std::system("command -v pdfinfo >/dev/null 2>&1") == 0) {
    const std::string info = Path("info.txt");
    ASSERT_EQ(std::system(("pdfinfo " + Path("a.pdf") + " > " + info).c_str()), 0);
    const std::string text = testing::ReadFile(info);
    EXPECT_NE(text.find("Title:           Sõlm K7"), std::string::npos) << text;
    EXPECT_NE(text.find("Sun Mar  1 10:20:00 2026 UTC"), std::string::npos) << text;
  }
  for (const char* bad : {"2026-02-30", "yesterday", "2026-03-01 25:00"})
    EXPECT_EQ(RunCli("render " + path + " -o " + Path("c.pdf") + " --date '" + std::string(bad) + "'").status, 2)
        << bad;
}

TEST_F(CliTest, APdfTitleHoldsNoControlCharacter) {
  if (std::system("command -v pdfinfo >/dev/null 2>&1") != 0) GTEST_SKIP() << "pdfinfo is not installed";
  Json job = Json::parse(RunCli("new tyx").out);
  job["info"]["job_name"] = "Sõlm\tK7\n\u202Ekatus\u0007";
  const std::string path = Write("t.json", job.dump());
  ASSERT_EQ(RunCli("render " + path + " -o " + Path("t.pdf")).status, 0);
  ASSERT_EQ(std::system(("pdfinfo " + Path("t.pdf") + " > " + Path("info.txt")).c_str()), 0);
  const std::string info = testing::ReadFile(Path("info.txt"));
  EXPECT_NE(info.find("Title:           Sõlm K7 katus\n"), std::string::npos) << info;
}

TEST_F(CliTest, JsonOutputSurvivesAFileNameThatIsNotUtf8) {
  const std::string job = Path("t.json");
  ASSERT_EQ(RunCli("new tyx -o " + job).status, 0);
  const std::string odd = Path("bad\xff\xfe.json");
  fs::copy_file(job, odd);
  const CliRun r = RunCli("check --json '" + odd + "' " + job);
  EXPECT_EQ(r.status, 0) << r.err;
  const Json out = Json::parse(r.out);  // valid JSON: the bad bytes replaced
  ASSERT_EQ(out["jobs"].size(), 2u);
  EXPECT_NE(out["jobs"][0]["job"].get<std::string>().find("bad\xEF\xBF\xBD"), std::string::npos);
  EXPECT_EQ(out["jobs"][0]["passed"], true);
}

}  // namespace
}  // namespace traxen
