// The file names of a report's pages: the page number goes before the suffix of the file
// name itself, spelt as given, and never into a directory's name.
#include <gtest/gtest.h>

#include "model/page_files.h"

namespace traxen {
namespace {

TEST(PageFileName, NumbersThePagesBeforeTheFileNamesOwnSuffix) {
  struct Case {
    const char* path;
    int page, page_count;
    const char* name;
  };
  for (const Case c : {Case{"out.png", 1, 1, "out.png"}, Case{"out.png", 1, 2, "out-1.png"},
                       Case{"out.png", 12, 12, "out-12.png"}, Case{"dir/Out.PNG", 3, 4, "dir/Out-3.PNG"},
                       Case{"report.v2.png", 2, 2, "report.v2-2.png"}, Case{"a.b/out", 2, 3, "a.b/out-2"},
                       Case{"./out.png", 1, 3, "./out-1.png"}, Case{"/tmp/töö.png", 2, 2, "/tmp/töö-2.png"}}) {
    EXPECT_EQ(PageFileName(c.path, c.page, c.page_count), c.name) << c.path << " " << c.page << "/" << c.page_count;
  }
}

}  // namespace
}  // namespace traxen
