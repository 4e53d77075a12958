// Hostile reinforced K/N inputs: plates of zero or non-finite size, missing sections and
// degenerate angles render the whole report and compute a summary without a crash, a hang or
// undefined behaviour (the core tests also run under the sanitizers).
#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <string>

#include "model/job_file.h"
#include "families/dispatch.h"
#include "families/report_text.h"
#include "support/test_support.h"

namespace traxen {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

struct Hostile {
  const char* name;
  std::function<void(Job&)> change;
  bool unsound = false;  // no joint with this change may be reported as passing
};

const Hostile kHostile[] = {
    {"ZeroPlates", [](Job& j) { j.plate = JobPlates{0, 0, 0, 0, 0, 0, 0, 0, 0}; }},
    {"ZeroPlateThicknesses", [](Job& j) { j.plate.face_t = j.plate.side_t = j.plate.overlap_t = 0; }},
    {"ZeroBetweenPlateWidth", [](Job& j) { j.plate.overlap_b = 0; }},
    {"NaNPlates", [](Job& j) { j.plate.face_b = j.plate.side_l = j.plate.overlap_t = kNaN; }},
    {"SideThicknessCancelsWall", [](Job& j) { j.plate.side_t = -j.kn.t0; }},
    {"NoChord", [](Job& j) { j.kn.h0 = j.kn.b0 = j.kn.t0 = 0; }, true},
    {"NoBraces", [](Job& j) { j.kn.h1 = j.kn.b1 = j.kn.t1 = j.kn.h2 = j.kn.b2 = j.kn.t2 = 0; }, true},
    {"ZeroStrengths", [](Job& j) { j.steel.fy0 = j.steel.fy1 = j.steel.fy2 = j.steel.fy_plate = 0; }, true},
    {"Angles0", [](Job& j) { j.kn.theta1 = j.kn.theta2 = 0; }, true},
    {"Angles180", [](Job& j) { j.kn.theta1 = j.kn.theta2 = 180; }, true},
};

class ReinforcedKnHostile
    : public ::testing::TestWithParam<std::tuple<const char*, Hostile>> {};

TEST_P(ReinforcedKnHostile, RendersAndChecksWithoutFault) {
  const auto& [base, hostile] = GetParam();
  LoadedJob loaded;
  const std::string path = testing::TestPath(std::string("joints/kn_reinforced/") + base + ".json");
  ASSERT_FALSE(LoadJobFile(path, "", loaded));
  hostile.change(loaded.job);
  EXPECT_FALSE(RenderReportText(loaded.job, ReportInputs{}, loaded.last_dialog).empty());
  const CheckSummary summary = CheckJob(loaded.job, ReportInputs{}, loaded.last_dialog);
  if (hostile.unsound) {
    EXPECT_FALSE(summary.passed());
  }
}

INSTANTIATE_TEST_SUITE_P(
    Jobs, ReinforcedKnHostile,
    ::testing::Combine(::testing::Values("gap_both_plates", "gap_side_plates", "overlap_between_plate"),
                       ::testing::ValuesIn(kHostile)),
    [](const auto& info) {
      return std::string(std::get<0>(info.param)) + "_" + std::get<1>(info.param).name;
    });

}  // namespace
}  // namespace traxen
