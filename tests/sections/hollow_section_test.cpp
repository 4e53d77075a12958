// The chord area and section modulus derived from h × b × t agree with every cold-formed
// row of the shipped section library, which the generator computed by the same rule.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "sections/hollow_section.h"
#include "support/test_support.h"

namespace traxen {
namespace {

TEST(HollowSection, DerivedValuesMatchEveryColdFormedLibraryRow) {
  // File, and the columns (after the designation) of h, b, t, A (cm²) and Wy (cm³).
  struct Table { const char* file; int h, b, t, A, Wy; };
  const Table tables[] = {{"data/Profiilid/ruuttoru.prf", 0, 1, 2, 3, 5},
                          {"data/Profiilid/risttoru.prf", 0, 1, 2, 3, 5}};
  for (const Table& table : tables) {
    std::istringstream in(testing::ReadFile(testing::SourcePath(table.file)));
    std::string line;
    std::getline(in, line);  // row count
    int rows = 0;
    while (std::getline(in, line)) {
      std::istringstream words(line);
      std::string name;
      words >> name;
      double v[16] = {};
      for (int i = 0; i < 16 && (words >> v[i]); ++i) {}
      const HollowSectionValues derived = ColdFormedHollowSection(v[table.h], v[table.b], v[table.t]);
      EXPECT_REL_NEAR(derived.A, v[table.A] * 100, 1e-12) << table.file << " " << name;
      EXPECT_REL_NEAR(derived.Wy, v[table.Wy] * 1000, 1e-12) << table.file << " " << name;
      ++rows;
    }
    EXPECT_GT(rows, 100) << table.file;
  }
}

TEST(HollowSection, ImpossibleSizesGiveNoValues) {
  const double cases[][3] = {{0, 100, 5}, {100, -100, 5}, {100, 100, 0}, {100, 100, 50}, {NAN, 100, 5}, {100, INFINITY, 5}};
  for (const auto& c : cases) {
    const HollowSectionValues v = ColdFormedHollowSection(c[0], c[1], c[2]);
    EXPECT_FALSE(std::isfinite(v.A)) << c[0] << " " << c[1] << " " << c[2];
    EXPECT_FALSE(std::isfinite(v.Wy));
  }
}

// The values of sizes asked for again, in another order and after many others, are those
// of the first time: the sections a batch keeps are never mixed up.
TEST(HollowSection, SizesAskedForAgainGiveTheSameValues) {
  std::vector<std::array<double, 3>> sizes;
  for (int i = 0; i < 40; ++i) sizes.push_back({100.0 + 10 * (i % 7), 80.0 + 10 * (i / 7), 4.0 + 0.5 * (i % 5)});
  std::vector<HollowSectionValues> first;
  for (const auto& [h, b, t] : sizes) first.push_back(ColdFormedHollowSection(h, b, t));
  for (int pass = 0; pass < 2; ++pass)
    for (std::size_t k = 0; k < sizes.size(); ++k) {
      const std::size_t i = pass == 0 ? sizes.size() - 1 - k : (k * 7) % sizes.size();
      const auto& [h, b, t] = sizes[i];
      const HollowSectionValues again = ColdFormedHollowSection(h, b, t);
      EXPECT_EQ(again.A, first[i].A) << h << " " << b << " " << t;
      EXPECT_EQ(again.Wy, first[i].Wy) << h << " " << b << " " << t;
    }
}

}  // namespace
}  // namespace traxen
