// The one range table that the readers and the dialogs share.
#include "model/value_ranges.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace traxen {
namespace {

struct RangeCase {
  const char* key;
  double value;
  bool accepted;
};

TEST(ValueRanges, KeysTakeTheirRange) {
  const double inf = std::numeric_limits<double>::infinity();
  const RangeCase cases[] = {
      {"len.L1", 4.0, true},          {"len.L1", 0.0, false},           {"len.L0_left", -3.0, false},
      {"tyx.theta1", 90.0, true},     {"tyx.theta1", 0.0, false},       {"kn.theta2", 180.0, false},
      {"kn.theta2", 179.9, true},     {"steel.gamma_M0", 1.0, true},    {"steel.gamma_M2", 0.99, false},
      {"steel.gamma_M1", 0.0, false}, {"steel.fu0", 540.0, true},       {"steel.fu1", 0.0, false},
      {"steel.E", -210000, false},    {"steel.fy_plate", 355, true},    {"plate.face_t", 0.0, false},
      {"tyx.h0", 200, true},          {"kn.t2", -1, false},             {"chord.A0", 0.0, false},
      {"kn.N1", -52, true},           {"kn.e", -1e6, true},             {"tyx.M0", 0.0, true},
      {"kn.N1", inf, false},          {"tyx.theta1", std::nan(""), false},
  };
  for (const RangeCase& c : cases)
    EXPECT_EQ(InRange(RangeOfKey(c.key), c.value), c.accepted) << c.key << " = " << c.value;
}

// Strengths and E take a range a steel can have: a value typed in GPa, in Pa or with a digit
// too many is refused at and just beyond the bounds, which themselves are accepted.
TEST(ValueRanges, SteelStrengthsAndModulusHaveTheRangeOfASteel) {
  const RangeCase cases[] = {
      {"steel.fy0", 100, true},         {"steel.fy0", 99.99, false},      {"steel.fy1", 1000, true},
      {"steel.fy1", 1000.01, false},    {"steel.fy2", 0.355, false},      {"steel.fu0", 0.51, false},
      {"steel.fu1", 5100, false},       {"steel.fu2", 470, true},         {"steel.fy_plate", 99, false},
      {"steel.fy_plate", 460, true},    {"steel.E", 150000, true},        {"steel.E", 149999.9, false},
      {"steel.E", 250000, true},        {"steel.E", 250000.1, false},     {"steel.E", 210, false},
      {"steel.E", 2.1e11, false},       {"steel.E", 210000, true},        {"steel.gamma_M0", 1.0, true},
  };
  for (const RangeCase& c : cases)
    EXPECT_EQ(InRange(RangeOfKey(c.key), c.value), c.accepted) << c.key << " = " << c.value;
}

TEST(ValueRanges, RangesAreNamedInBothLanguages) {
  EXPECT_EQ(RangeText(ValueRange::kPositive, "m"), "> 0 m");
  EXPECT_EQ(RangeText(ValueRange::kAngle, "degrees"), "within (0, 180) degrees");
  EXPECT_EQ(RangeText(ValueRange::kPartialFactor, ""), ">= 1.0");
  EXPECT_EQ(RangeTextEt(ValueRange::kAngle, "°"), "vahemikus (0°, 180°)");
  EXPECT_EQ(RangeTextEt(ValueRange::kPartialFactor, ""), "≥ 1,0");
  EXPECT_EQ(RangeText(ValueRange::kStrength, "MPa"), "within [100, 1000] MPa");
  EXPECT_EQ(RangeText(ValueRange::kElasticModulus, "MPa"), "within [150000, 250000] MPa");
  EXPECT_EQ(RangeTextEt(ValueRange::kStrength, "MPa"), "vahemikus [100, 1000] MPa");
  EXPECT_EQ(RangeTextEt(ValueRange::kElasticModulus, ""), "vahemikus [150000, 250000]");
}

}  // namespace
}  // namespace traxen
