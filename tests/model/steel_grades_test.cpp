// The hollow-section grades the steel dialog offers: each row as EN 1993-1-1 Table 3.1 gives
// it for t <= 40 mm, and the lookup that tells a typed pair of strengths apart from "other".
#include "model/steel_grades.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/value_ranges.h"

namespace traxen {
namespace {

TEST(SteelGrades, EveryRowHasTheTablesStrengths) {
  struct Row {
    const char* name;
    const char* standard;
    double fy, fu;
  };
  const std::vector<Row> expected = {
      {"S235H", "EN 10210-1", 235, 360},      {"S275H", "EN 10210-1", 275, 430},
      {"S355H", "EN 10210-1", 355, 510},      {"S275NH/NLH", "EN 10210-1", 275, 390},
      {"S355NH/NLH", "EN 10210-1", 355, 490}, {"S420NH/NLH", "EN 10210-1", 420, 540},
      {"S460NH/NLH", "EN 10210-1", 460, 560}, {"S235H", "EN 10219-1", 235, 360},
      {"S275H", "EN 10219-1", 275, 430},      {"S355H", "EN 10219-1", 355, 510},
      {"S275NH/NLH", "EN 10219-1", 275, 370}, {"S355NH/NLH", "EN 10219-1", 355, 470},
      {"S460NH/NLH", "EN 10219-1", 460, 550}, {"S275MH/MLH", "EN 10219-1", 275, 360},
      {"S355MH/MLH", "EN 10219-1", 355, 470}, {"S420MH/MLH", "EN 10219-1", 420, 500},
      {"S460MH/MLH", "EN 10219-1", 460, 530},
  };
  const auto grades = SteelGrades();
  ASSERT_EQ(grades.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    SCOPED_TRACE(expected[i].name + std::string(" ") + expected[i].standard);
    EXPECT_EQ(grades[i].name, expected[i].name);
    EXPECT_EQ(grades[i].standard, expected[i].standard);
    EXPECT_EQ(grades[i].fy, expected[i].fy);
    EXPECT_EQ(grades[i].fu, expected[i].fu);
    EXPECT_LT(grades[i].fy, grades[i].fu);
  }
}

TEST(SteelGrades, TypedStrengthsFindTheirGradeOrNone) {
  const auto grades = SteelGrades();
  const auto name = [&](std::optional<std::size_t> i) {
    return i ? std::string(grades[*i].name) + " " + std::string(grades[*i].standard) : std::string("muu");
  };
  // The same grade name has other strengths in the other standard.
  EXPECT_EQ(name(FindSteelGrade(275, 390)), "S275NH/NLH EN 10210-1");
  EXPECT_EQ(name(FindSteelGrade(275, 370)), "S275NH/NLH EN 10219-1");
  // Two grades with one pair of strengths: the first in the table's order.
  EXPECT_EQ(name(FindSteelGrade(355, 470)), "S355NH/NLH EN 10219-1");
  EXPECT_EQ(name(FindSteelGrade(420, 500)), "S420MH/MLH EN 10219-1");
  // The default job (355 / 520) and near misses are no grade of the table.
  EXPECT_EQ(name(FindSteelGrade(355, 520)), "muu");
  EXPECT_EQ(name(FindSteelGrade(355.0001, 510)), "muu");
  EXPECT_EQ(name(FindSteelGrade(0, 0)), "muu");
  EXPECT_EQ(name(FindSteelGradeByYield(420)), "S420NH/NLH EN 10210-1");
  EXPECT_EQ(name(FindSteelGradeByYield(300)), "muu");
}

// Every grade the dialog offers is a steel the ranges take and the ductility rule does not
// warn about; the rule itself holds at exactly 1.10 and warns just below it.
TEST(SteelGrades, EveryGradeLiesInTheRangesAndIsDuctile) {
  for (const SteelGrade& g : SteelGrades()) {
    EXPECT_TRUE(InRange(ValueRange::kStrength, g.fy) && InRange(ValueRange::kStrength, g.fu)) << g.name;
    EXPECT_FALSE(LacksDuctility(g.fy, g.fu)) << g.name;
  }
  struct Case {
    double fy, fu;
    bool lacks;
  };
  for (const Case c : {Case{355, 390.5, false}, Case{355, 390.4, true}, Case{460, 506, false}, Case{460, 505.9, true},
                       Case{100, 110, false}, Case{1000, 1000, true}}) {
    EXPECT_EQ(LacksDuctility(c.fy, c.fu), c.lacks) << c.fy << " " << c.fu;
  }
}

}  // namespace
}  // namespace traxen
