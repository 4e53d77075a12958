// Cross-section classes from the slenderness of the walls, with ε from the classifying strength.
#include <gtest/gtest.h>

#include "sections/section_class.h"
#include "sections/section_completion.h"

namespace traxen {
namespace {

SectionProperties Hollow(SectionKind kind, double h, double b, double t) {
  SectionProperties row;
  row.h = h, row.b = b, row.t = t;
  CompleteSectionRow(kind, row);
  return row;
}

// With 355 MPa, ε = 0.8801: the limits are 33 ε = 29.04, 38 ε = 33.44 and 48 ε = 42.25; the
// ratios (h − 2r) / tf are truncated to whole numbers first.
TEST(SectionClass, HollowSectionsByTheirSlenderestWall) {
  const struct {
    double h, b, t;
    int expected;
  } cases[] = {
      {100, 100, 5, 1},    // (100 − 20) / 5 = 16
      {200, 200, 6, 1},    // 29.3 -> 29 <= 29.04
      {200, 200, 5.6, 2},  // 31.7 -> 31
      {250, 250, 6, 3},    // 37.7 -> 37
      {300, 300, 6.3, 3},  // 42.6 -> 42 <= 42.25: truncation keeps class 3
      {300, 300, 5, 4},    // 56 > 42.25
      {300, 100, 6.3, 3},  // the deep wall governs
      {100, 300, 6.3, 3},  // and so does a wide one
  };
  for (const auto& c : cases) {
    EXPECT_EQ(LibrarySectionClass(SectionKind::kRectangularHollow, Hollow(SectionKind::kRectangularHollow, c.h, c.b, c.t), 355.0),
              c.expected)
        << c.h << "x" << c.b << "x" << c.t;
    EXPECT_EQ(HollowSectionClass(c.h, c.b, c.t, 355.0), c.expected);
  }
}

TEST(SectionClass, TheClassifyingStrengthSetsEpsilon) {
  // 250x250x6: ratio 37; with 235 MPa ε = 1.0817, 38 ε = 41.1: class 2.
  EXPECT_EQ(HollowSectionClass(250, 250, 6, 235.0), 2);
  EXPECT_EQ(HollowSectionClass(250, 250, 6, 355.0), 3);
}

TEST(SectionClass, RolledSectionsUseFlangeAndRootRadius) {
  SectionProperties ipe;  // IPE 200: (200 − 24) / 8.5 = 20.7, (100 − 24) / 8.5 = 8.9
  ipe.h = 200, ipe.b = 100, ipe.t = 5.6, ipe.tf = 8.5, ipe.r = 12;
  EXPECT_EQ(LibrarySectionClass(SectionKind::kISection, ipe, 355.0), 1);
}

// Tubes have no corner radius: d / t against 50 ε², 70 ε², 90 ε² (38.7, 54.2, 69.7 at 355 MPa).
TEST(SectionClass, RoundTubesByDiameterOverThickness) {
  const struct {
    double d, t;
    int expected;
  } cases[] = {{168.3, 6, 1}, {168.3, 4, 2}, {273, 4.5, 3}, {508, 6, 4}};
  for (const auto& c : cases) {
    SectionProperties tube;
    tube.h = c.d, tube.t = c.t;
    CompleteSectionRow(SectionKind::kRoundTube, tube);
    EXPECT_EQ(LibrarySectionClass(SectionKind::kRoundTube, tube, 355.0), c.expected) << c.d << "x" << c.t;
  }
}

TEST(SectionClass, DegenerateSectionsAreClassFour) {
  EXPECT_EQ(HollowSectionClass(100, 100, 0, 355.0), 4);
  SectionProperties tube;  // a zero wall
  tube.h = 100;
  EXPECT_EQ(LibrarySectionClass(SectionKind::kRoundTube, tube, 355.0), 4);
  EXPECT_EQ(LibrarySectionClass(SectionKind::kRoundTube, tube, 0.0), 4);
  SectionProperties nothing;  // a zero tube: no division by its diameter either
  CompleteSectionRow(SectionKind::kRoundTube, nothing);
  EXPECT_EQ(nothing.Wy, 0);
  EXPECT_EQ(LibrarySectionClass(SectionKind::kRoundTube, nothing, 355.0), 4);
  EXPECT_EQ(HollowSectionClass(100, 100, 5, 0.0), 4);
}

}  // namespace
}  // namespace traxen
