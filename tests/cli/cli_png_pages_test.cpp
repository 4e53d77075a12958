// A PNG render over an earlier one of the same name: afterwards only the new report's pages
// carry that name. What the new pages did not replace is removed and named on stderr; a link,
// a directory and everything after a failed render stay as they were.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "cli/cli_run.h"
#include "support/test_support.h"

namespace traxen {
namespace {

namespace fs = std::filesystem;
using testing::CliRun;
using testing::CliTest;
using testing::RunCli;

constexpr const char* kEarlierPage = "a page of an earlier report";

class PngPagesTest : public CliTest {
 protected:
  // Jobs whose reports have one and three pages.
  std::string OnePageJob() { return Write("one.json", "{}"); }
  std::string ThreePageJob() const {
    return testing::SourcePath("examples/tyx_windows.trx") + " --library " + testing::SourcePath("data/Profiilid");
  }
  bool IsPng(const std::string& name) const { return testing::ReadFile(Path(name)).substr(1, 3) == "PNG"; }
  std::string Removed(const std::string& name) const {
    return Path(name) + ": removed, left from an earlier render\n";
  }
};

TEST_F(PngPagesTest, TheFixturesHaveOneAndThreePages) {
  fs::create_directory(dir_ / "probe");
  ASSERT_EQ(RunCli("render " + OnePageJob() + " -o " + Path("probe/one.png")).status, 0);
  ASSERT_EQ(RunCli("render " + ThreePageJob() + " -o " + Path("probe/three.png")).status, 0);
  std::vector<std::string> written;
  for (const auto& entry : fs::directory_iterator(dir_ / "probe")) written.push_back(entry.path().filename().string());
  std::sort(written.begin(), written.end());
  EXPECT_EQ(written, (std::vector<std::string>{"one.png", "three-1.png", "three-2.png", "three-3.png"}));
}

TEST_F(PngPagesTest, ARenderRemovesWhatItsPagesDidNotReplace) {
  const std::string limit = "trap '' XFSZ; ulimit -f 1; ";  // every write beyond 1 kB fails
  struct Case {
    const char* what;
    int pages;                          // of the new report, rendered to out.png
    std::vector<const char*> earlier;   // files there before
    std::vector<const char*> removed;   // in the order named on stderr
    const char* prefix = "";
  };
  const Case cases[] = {
      {"5 pages then 3", 3, {"out-1.png", "out-2.png", "out-3.png", "out-4.png", "out-5.png"}, {"out-4.png", "out-5.png"}},
      {"3 pages then 1", 1, {"out-1.png", "out-2.png", "out-3.png"}, {"out-1.png", "out-2.png", "out-3.png"}},
      {"1 page then 3", 3, {"out.png"}, {"out.png"}},
      {"the run ends at the first gap", 3, {"out-1.png", "out-2.png", "out-3.png", "out-5.png"}, {}},
      {"a one-page render and a set without its first page", 1, {"out-2.png", "out-3.png"}, {}},
      {"only the suffix as spelt", 3, {"out-4.PNG", "out-4.png", "out.PNG", "out-5.png.bak", "xout-5.png"},
       {"out-4.png"}},
      {"a failed render removes nothing", 3, {"out-1.png", "out-4.png", "out-5.png", "out.png"}, {}, limit.c_str()},
      {"a failed one-page render removes nothing", 1, {"out-1.png", "out-2.png"}, {}, limit.c_str()},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    for (const auto& entry : fs::directory_iterator(dir_)) fs::remove_all(entry.path());
    for (const char* name : c.earlier) Write(name, kEarlierPage);
    const std::string job = c.pages == 1 ? OnePageJob() : ThreePageJob();
    const CliRun r = RunCli("render " + job + " -o " + Path("out.png"), c.prefix);
    const bool fails = *c.prefix != '\0';

    std::string named;
    for (const char* name : c.removed) named += Removed(name);
    if (fails) {
      EXPECT_EQ(r.status, 2);
      EXPECT_NE(r.err.find("cannot write: File too large"), std::string::npos) << r.err;
      EXPECT_EQ(r.err.find("removed"), std::string::npos) << r.err;
    } else {
      EXPECT_EQ(r.status, 0) << r.err;
      EXPECT_EQ(r.err, named);
    }
    for (const char* name : c.earlier) {
      const bool gone = std::find(c.removed.begin(), c.removed.end(), std::string_view(name)) != c.removed.end();
      if (gone) {
        EXPECT_FALSE(fs::exists(Path(name))) << name;
      } else if (fails || !IsPng(name)) {
        EXPECT_EQ(testing::ReadFile(Path(name)), kEarlierPage) << name;
      }
    }
    if (fails) continue;
    if (c.pages == 1) {
      EXPECT_TRUE(IsPng("out.png"));
    } else {
      for (const char* page : {"out-1.png", "out-2.png", "out-3.png"}) EXPECT_TRUE(IsPng(page)) << page;
    }
  }
}

TEST_F(PngPagesTest, LinksDirectoriesAndOtherFilesAreLeftAloneAndNamed) {
  for (const char* name : {"out-1.png", "out-2.png", "out-3.png", "out-6.png"}) Write(name, kEarlierPage);
  const std::string elsewhere = Write("another-job.png", "a page of another job");
  fs::create_symlink(elsewhere, Path("out-4.png"));  // a link does not end the run
  fs::create_directory(Path("out-5.png"));
  fs::create_symlink(Path("nowhere.png"), Path("out.png"));  // a dangling link counts as there
  const CliRun r = RunCli("render " + ThreePageJob() + " -o " + Path("out.png"));
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.err, Path("out-4.png") + ": left from an earlier render, not removed: a symbolic link is left alone\n" +
                       Path("out-5.png") + ": left from an earlier render, not removed: not a regular file, left alone\n" +
                       Removed("out-6.png") +
                       Path("out.png") + ": left from an earlier render, not removed: a symbolic link is left alone\n");
  EXPECT_TRUE(fs::is_symlink(Path("out-4.png")));
  EXPECT_EQ(testing::ReadFile(elsewhere), "a page of another job");
  EXPECT_TRUE(fs::is_directory(Path("out-5.png")));
  EXPECT_FALSE(fs::exists(Path("out-6.png")));
  EXPECT_TRUE(fs::is_symlink(Path("out.png")));
}

TEST_F(PngPagesTest, ARelativeNameIsNamedAsGiven) {
  Write("out-4.png", kEarlierPage);
  const CliRun r = RunCli("render " + ThreePageJob() + " -o out.png", "cd " + dir_.string() + " && ");
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.err, "out-4.png: removed, left from an earlier render\n");
  EXPECT_TRUE(IsPng("out-3.png"));
}

}  // namespace
}  // namespace traxen
