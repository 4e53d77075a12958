// The search for the library directory: command line, environment, working directory, the
// installed copy, in that order.
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
    search_ = {root_.File("explicit"), root_.File("env"), root_.File("work"), root_.File("prefix/bin")};
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
  const LibrarySearch s{"", "", root_.File("elsewhere"), root_.File("bin")};
  std::string dir;
  const LibraryError e = FindLibraryDir(s, dir);
  EXPECT_EQ(e.message, "profdeftraxen.txt ei leidnud!");
  EXPECT_EQ(e.detail, "no profdeftraxen.txt in " + root_.File("elsewhere/Profiilid") + " or " +
                          root_.File("share/traxen/Profiilid") +
                          " (name the library with --library DIR or TRAXEN_LIBRARY)");
}

}  // namespace
}  // namespace traxen
