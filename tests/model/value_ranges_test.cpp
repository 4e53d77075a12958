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

TEST(ValueRanges, RangesAreNamedInBothLanguages) {
  EXPECT_EQ(RangeText(ValueRange::kPositive, "m"), "> 0 m");
  EXPECT_EQ(RangeText(ValueRange::kAngle, "degrees"), "within (0, 180) degrees");
  EXPECT_EQ(RangeText(ValueRange::kPartialFactor, ""), ">= 1.0");
  EXPECT_EQ(RangeTextEt(ValueRange::kAngle, "°"), "vahemikus (0°, 180°)");
  EXPECT_EQ(RangeTextEt(ValueRange::kPartialFactor, ""), "≥ 1,0");
}

}  // namespace
}  // namespace traxen
