// Hostile T/Y/X inputs: zero, negative and non-finite dimensions, degenerate angles and
// huge forces render the whole report (schematic included) and compute a summary without a
// crash, a hang or undefined behaviour (the core tests also run under the sanitizers).
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>

#include "tyx_fixture.h"

namespace traxen::testing {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

struct Hostile {
  const char* name;
  std::function<void(Job&)> change;
};

const Hostile kHostile[] = {
    {"AllZero", [](Job& j) { j.tyx = TyxJoint{}; j.chord = JobChord{}; }},
    {"ZeroChordWall", [](Job& j) { j.tyx.t0 = 0; }},
    {"ZeroChordWidth", [](Job& j) { j.tyx.b0 = 0; }},
    {"ZeroChordDepth", [](Job& j) { j.tyx.h0 = 0; }},
    {"ZeroBrace", [](Job& j) { j.tyx.h1 = j.tyx.b1 = j.tyx.t1 = 0; }},
    {"NegativeDimensions", [](Job& j) { j.tyx.h0 = -200, j.tyx.b1 = -120, j.tyx.t1 = -6; }},
    {"NegativePlates", [](Job& j) { j.plate.face_l = -450, j.plate.face_b = -100, j.plate.side_t = -8; }},
    {"ZeroPlates", [](Job& j) { j.plate = JobPlates{0, 0, 0, 0, 0, 0, 0, 0, 0}; }},
    {"SideThicknessCancelsWall", [](Job& j) { j.plate.side_t = -8; }},
    {"Angle0", [](Job& j) { j.tyx.theta1 = 0; }},
    {"Angle90", [](Job& j) { j.tyx.theta1 = 90; }},
    {"Angle180", [](Job& j) { j.tyx.theta1 = 180; }},
    {"AngleNegative", [](Job& j) { j.tyx.theta1 = -45; }},
    {"Angle360", [](Job& j) { j.tyx.theta1 = 360; }},
    {"AngleNaN", [](Job& j) { j.tyx.theta1 = kNaN; }},
    {"AngleInfinite", [](Job& j) { j.tyx.theta1 = kInf; }},
    {"HugeForces", [](Job& j) { j.tyx.N0 = -1e300, j.tyx.N1 = -1e300, j.tyx.M0 = 1e300; }},
    {"HugeTension", [](Job& j) { j.tyx.N0 = 1e300, j.tyx.N1 = 1e300; }},
    {"InfiniteForces", [](Job& j) { j.tyx.N0 = -kInf, j.tyx.N1 = kInf; }},
    {"NaNForces", [](Job& j) { j.tyx.N0 = kNaN, j.tyx.N1 = kNaN, j.tyx.M0 = kNaN; }},
    {"NoSectionProperties", [](Job& j) { j.chord.A0 = 0, j.chord.Wel0 = 0; }},
    {"ZeroStrengths", [](Job& j) { j.steel.fy0 = 0, j.steel.fy1 = 0, j.steel.fy_plate = 0, j.steel.E = 0; }},
    {"NegativeModulus", [](Job& j) { j.steel.E = -210000; }},
    {"HugeDimensions", [](Job& j) { j.tyx.h0 = 1e300, j.tyx.b0 = 1e300, j.tyx.h1 = 1e-300; }},
    {"NaNDimensions", [](Job& j) { j.tyx.h0 = kNaN, j.tyx.b1 = kNaN, j.plate.face_t = kNaN; }},
    {"InfiniteLengths", [](Job& j) { j.len.L0_left = kInf, j.len.L1 = -kInf; }},
    {"LowerBraceZero", [](Job& j) { j.len.L2 = 1000.0, j.tyx.h1 = 0, j.tyx.t1 = 0; }},
};

enum class Variant { Plain, XJoint, ReinforcedCompression, ReinforcedTension };

class TyxHostile : public ::testing::TestWithParam<std::tuple<Hostile, Variant>> {};

TEST_P(TyxHostile, RendersAndChecksWithoutFault) {
  const auto& [hostile, variant] = GetParam();
  Job job = ValidYJob();
  switch (variant) {
    case Variant::Plain: break;
    case Variant::XJoint: job.tyx.x_joint = 1, job.len.L2 = 1000.0; break;
    case Variant::ReinforcedCompression:
      job.tyx.x_joint = 1, job.tyx.face_plate = 1, job.tyx.side_plates = 1;
      job.plate.face_b = 184;
      break;
    case Variant::ReinforcedTension:
      job.tyx.face_plate = 1, job.tyx.N1 = 150, job.plate.face_b = 184;
      break;
  }
  hostile.change(job);

  RenderedReport out;
  Render(job, out);
  EXPECT_GE(out.result.page_count, 1);
  // A force of 1e300 prints all its 300 digits over continuation lines: a page more, the
  // closing brace welds may take another, and a wrapped line that a page would part starts
  // the next page whole.
  EXPECT_LE(out.result.page_count, 8);
  const std::string text = ReportText(job);
  EXPECT_TRUE(Contains(text, "EELDUSED:"));

  MirrorTyxBrace2(job.tyx);
  const CheckSummary s = CheckJob(job, ReportInputs{}, 1);
  EXPECT_EQ(s.family, "tyx");
  for (const ResistanceVerdict& v : s.verdicts) {
    EXPECT_EQ(v.brace, 1);
    // A resistance or force that is not a finite number is never a pass.
    EXPECT_TRUE(!v.passed || (std::isfinite(v.N_Rd) && std::isfinite(v.N_Ed))) << v.mode;
  }
}

// The inputs on which a value that is not a number used to pass: each now prints the failed
// relation with "Ei rahulda!" and the job does not pass.
TEST(TyxHostile, ValueThatIsNotANumberFailsItsCheck) {
  struct Case {
    const char* name;
    std::function<void(Job&)> change;
    const char* failed_line;  // how the check line now reads
  };
  const Case cases[] = {
      {"brace at 0° without a length", [](Job& j) { j.tyx.theta1 = 0, j.len.L1 = 0; },
       "N1,Rd  = inf kN < |N1,Ed | =152.0 kN Ei rahulda! "},
      {"chord without a depth", [](Job& j) { j.tyx.h0 = 0; },
       "L0  / h0  = 4000.0 / 0.0 = inf < 6 Ei rahulda! "},
      {"chord force -1e308", [](Job& j) { j.tyx.N0 = -1e308, j.tyx.theta1 = 90, j.tyx.h1 = j.tyx.b1 = 180; },
       "Ei rahulda! "},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Job job = ValidYJob();
    c.change(job);
    const std::string text = ReportText(job);
    EXPECT_TRUE(Contains(text, c.failed_line)) << text;
    EXPECT_FALSE(Contains(text, "inf kN >=")) << text;
    MirrorTyxBrace2(job.tyx);
    EXPECT_FALSE(CheckJob(job, ReportInputs{}, 1).passed());
  }
  // "the smaller of" keeps a NaN instead of hiding it behind the other value.
  Job job = ValidYJob();
  job.tyx.N0 = -1e308, job.tyx.theta1 = 90, job.tyx.h1 = job.tyx.b1 = 180;
  const std::string text = ReportText(job);
  EXPECT_TRUE(Contains(text, "N1,Rd  = min(  -nan , 826.4 ) = nan kN")) << text;
}

std::string VariantName(Variant v) {
  switch (v) {
    case Variant::Plain: return "Plain";
    case Variant::XJoint: return "XJoint";
    case Variant::ReinforcedCompression: return "ReinforcedCompression";
    case Variant::ReinforcedTension: return "ReinforcedTension";
  }
  return "";
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, TyxHostile,
    ::testing::Combine(::testing::ValuesIn(kHostile),
                       ::testing::Values(Variant::Plain, Variant::XJoint,
                                         Variant::ReinforcedCompression, Variant::ReinforcedTension)),
    [](const auto& info) {
      return std::string(std::get<0>(info.param).name) + "_" + VariantName(std::get<1>(info.param));
    });

}  // namespace
}  // namespace traxen::testing
