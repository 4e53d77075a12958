// Restoring a joint's members from the library: only square and rectangular hollow sections
// are joint members, in either family and for every member the family looks up.
#include "model/joint_sections.h"

#include <gtest/gtest.h>

#include <functional>

#include "model/json_job.h"
#include "support/test_support.h"

namespace traxen {
namespace {

const std::string kLibrary = testing::SourcePath("data/Profiilid");

// Positions in the shipped list file: 0 RUUTTORU, 1 RISTTORU_I, 2 RISTTORU_II, 3 YMARTORU,
// 4 IPE, 5 HEA, 8 U.
TEST(JointSections, AMemberOfAnotherTypeIsRefusedAndTheJobKept) {
  const struct {
    const char* what;
    int family;
    std::function<void(Job&)> set;
    const char* message;  // "" when the job restores
  } cases[] = {
      {"T/Y/X hollow sections", 1, [](Job& j) { j.tyx.brace1_type_index = 2; }, ""},
      {"T/Y/X chord HEA", 1, [](Job& j) { j.tyx.chord_type_index = 5; },
       "the chord's section type HEA (position 5 of the type list)"},
      {"T/Y/X brace IPE", 1, [](Job& j) { j.tyx.brace1_type_index = 4; },
       "the brace's section type IPE (position 4 of the type list)"},
      // Brace 2 of a T/Y/X joint mirrors brace 1 and is never looked up.
      {"T/Y/X lower brace channel", 1, [](Job& j) { j.tyx.brace2_type_index = 8; }, ""},
      {"K/N hollow sections", 2, [](Job& j) { j.kn.brace1_type_index = 1; }, ""},
      {"K/N brace 2 round tube", 2, [](Job& j) { j.kn.brace2_type_index = 3; },
       "the brace 2's section type YMARTORU (position 3 of the type list)"},
      {"K/N chord channel", 2, [](Job& j) { j.kn.chord_type_index = 8, j.kn.chord_number_index = 3; },
       "the chord's section type U (position 8 of the type list)"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Job job;
    c.set(job);
    const std::string before = WriteJsonJob(job);
    const SectionLibrary library(kLibrary);
    const std::string e = c.family == 1 ? RestoreTyxSections(library, job) : RestoreKnSections(library, job);
    if (*c.message == '\0') {
      EXPECT_EQ(e, "");
      EXPECT_GT(c.family == 1 ? job.tyx.h1 : job.kn.h2, 0);
      continue;
    }
    EXPECT_TRUE(e.starts_with(c.message)) << e;
    EXPECT_NE(e.find("is not a square or rectangular hollow section"), std::string::npos) << e;
    EXPECT_NE(e.find("RUUTTORU, RISTTORU_I or RISTTORU_II"), std::string::npos) << e;
    EXPECT_EQ(WriteJsonJob(job), before);
  }
}

}  // namespace
}  // namespace traxen
