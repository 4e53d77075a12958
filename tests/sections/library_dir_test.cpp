// The search for the library directory: command line, environment, working directory, the
// user's data directory, the installed copy, the system data directories, in that order.
#include <gtest/gtest.h>

#include "sections/library_dir.h"
#include "sections/temp_dir.h"

namespace traxen {
namespace {

using testing::TempDir;

class LibrarySearchOrder : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* d : {"explicit", "env", "work/Profiilid", "prefix/share/traxen/Profiilid"})
      root_.Write(std::string(d) + "/profdeftraxen.txt", "L 1\nRUUTTORU a\n");
    search_ = {root_.File("explicit"), root_.File("env"), root_.File("work"), root_.File("prefix/bin"), "", {}};
  }
  std::string Found(const LibrarySearch& search) {
    std::string dir;
    const LibraryError e = FindLibraryDir(search, dir);
    EXPECT_FALSE(e) << e.Text();
    return dir;
  }

  TempDir root_;
  LibrarySearch search_;
};

TEST_F(LibrarySearchOrder, TakesTheFirstPlaceThatHoldsTheListFile) {
  LibrarySearch s = search_;
  EXPECT_EQ(Found(s), root_.File("explicit"));
  s.explicit_dir.clear();
  EXPECT_EQ(Found(s), root_.File("env"));
  s.env_dir.clear();
  EXPECT_EQ(Found(s), root_.File("work/Profiilid"));
  s.working_dir = root_.File("elsewhere");
  EXPECT_EQ(Found(s), root_.File("prefix/share/traxen/Profiilid"));
  s.executable_dir += "/";  // a trailing slash names the same directory
  EXPECT_EQ(Found(s), root_.File("prefix/share/traxen/Profiilid"));
}

TEST_F(LibrarySearchOrder, ANamedDirectoryWithoutTheListFileIsAnError) {
  LibrarySearch s = search_;
  s.explicit_dir = root_.File("missing");
  std::string dir = "unchanged";
  LibraryError e = FindLibraryDir(s, dir);
  EXPECT_EQ(e.message, "profdeftraxen.txt ei leidnud!");
  EXPECT_EQ(e.detail, "no profdeftraxen.txt in " + root_.File("missing") + " (--library)");
  EXPECT_EQ(dir, "unchanged");

  s.explicit_dir.clear();
  s.env_dir = root_.File("missing");
  e = FindLibraryDir(s, dir);
  EXPECT_EQ(e.detail, "no profdeftraxen.txt in " + root_.File("missing") + " (TRAXEN_LIBRARY)");
}

TEST_F(LibrarySearchOrder, NothingFoundNamesEveryPlaceLookedAt) {
  const LibrarySearch s{"", "", root_.File("elsewhere"), root_.File("bin"), "", {}};
  std::string dir;
  const LibraryError e = FindLibraryDir(s, dir);
  EXPECT_EQ(e.message, "profdeftraxen.txt ei leidnud!");
  EXPECT_EQ(e.detail, "no profdeftraxen.txt in " + root_.File("elsewhere/Profiilid") + " or " +
                          root_.File("share/traxen/Profiilid") +
                          " (name the library with --library DIR or TRAXEN_LIBRARY)");
}

TEST_F(LibrarySearchOrder, DataHomeComesBeforeTheInstalledCopyAndDataDirsAfterIt) {
  for (const char* d : {"home/traxen/Profiilid", "system1/traxen/Profiilid", "system2/traxen/Profiilid"})
    root_.Write(std::string(d) + "/profdeftraxen.txt", "L 1\nRUUTTORU a\n");
  LibrarySearch s{"", "", root_.File("elsewhere"), root_.File("prefix/bin"), root_.File("home"),
                  {root_.File("nolibrary"), root_.File("system1") + "/", root_.File("system2")}};
  EXPECT_EQ(Found(s), root_.File("home/traxen/Profiilid"));
  s.data_home = root_.File("nolibrary");
  EXPECT_EQ(Found(s), root_.File("prefix/share/traxen/Profiilid"));
  s.executable_dir.clear();
  EXPECT_EQ(Found(s), root_.File("system1/traxen/Profiilid"));
  s.data_dirs.erase(s.data_dirs.begin() + 1);
  EXPECT_EQ(Found(s), root_.File("system2/traxen/Profiilid"));
}

TEST_F(LibrarySearchOrder, APlaceReachedTwiceIsNamedOnceInTheError) {
  // An installation in /usr: the copy beside /usr/bin is also the one below /usr/share.
  const LibrarySearch s{"", "", root_.File("elsewhere"), root_.File("usr/bin"), root_.File("home"),
                        {root_.File("usr/share/"), root_.File("usr/local/share")}};
  std::string dir;
  const LibraryError e = FindLibraryDir(s, dir);
  EXPECT_EQ(e.detail, "no profdeftraxen.txt in " + root_.File("elsewhere/Profiilid") + " or " +
                          root_.File("home/traxen/Profiilid") + " or " + root_.File("usr/share/traxen/Profiilid") +
                          " or " + root_.File("usr/local/share/traxen/Profiilid") +
                          " (name the library with --library DIR or TRAXEN_LIBRARY)");
}

TEST(XdgDataDirs, DefaultsAndRelativePathsFollowTheBaseDirectoryRules) {
  struct Case {
    const char* data_home;
    const char* home;
    const char* data_dirs;
    std::string expected_home;
    std::vector<std::string> expected_dirs;
  };
  const std::vector<std::string> defaults{"/usr/local/share/", "/usr/share/"};
  const Case cases[] = {
      {nullptr, nullptr, nullptr, "", defaults},
      {nullptr, "/home/mari", nullptr, "/home/mari/.local/share", defaults},
      {"", "/home/mari", "", "/home/mari/.local/share", defaults},
      {"/data/mari", "/home/mari", "/opt/share:/usr/share", "/data/mari", {"/opt/share", "/usr/share"}},
      // Relative entries are invalid and ignored; an empty entry is no directory.
      {"relative/dir", "/home/mari", "share::/usr/share:./x", "/home/mari/.local/share", {"/usr/share"}},
      {nullptr, "relative", "relative", "", {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << (c.data_home ? c.data_home : "(unset)") << " | "
                                    << (c.home ? c.home : "(unset)") << " | "
                                    << (c.data_dirs ? c.data_dirs : "(unset)"));
    const XdgDataDirs xdg = XdgDataDirsFrom(c.data_home, c.home, c.data_dirs);
    EXPECT_EQ(xdg.home, c.expected_home);
    EXPECT_EQ(xdg.dirs, c.expected_dirs);
  }
}

}  // namespace
}  // namespace traxen
