// Whole reinforced K/N reports as text, from JSON jobs through the dispatcher: title,
// opening, plate section, validity and the reinforced checks.
#include <gtest/gtest.h>

#include <string>

#include "support/test_support.h"

namespace traxen {
namespace {

using testing::MatchesGolden;
using testing::RenderJobText;
using testing::TestPath;

class ReinforcedKnGolden : public ::testing::TestWithParam<std::string> {};

TEST_P(ReinforcedKnGolden, MatchesTheReviewedReport) {
  const std::string base = TestPath("joints/kn_reinforced/" + GetParam());
  EXPECT_TRUE(MatchesGolden(base + ".golden.txt", RenderJobText(base + ".json")));
}

TEST_P(ReinforcedKnGolden, EnglishReportMatchesTheReviewedReport) {
  const std::string base = TestPath("joints/kn_reinforced/" + GetParam());
  EXPECT_TRUE(MatchesGolden(base + ".en.golden.txt", RenderJobText(base + ".json", ReportLanguage::kEnglish)));
}

INSTANTIATE_TEST_SUITE_P(Jobs, ReinforcedKnGolden,
                         ::testing::Values("gap_both_plates", "gap_side_plates",
                                           "overlap_between_plate"));

}  // namespace
}  // namespace traxen
