// The K/N schematic: the values it stores, the hidden edges of an overlap, the dimension
// labels, and no drawing without a chord depth.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "joints/kn/kn_report.h"
#include "joints/kn/kn_schematic.h"
#include "joints/kn/kn_test_inputs.h"
#include "report/recording_surface.h"

namespace traxen {
namespace {

using testing::KnGapInputs;
using testing::KnOverlapInputs;

struct Drawn {
  int dotted_polylines = 0;
  std::vector<std::string> texts;
  size_t ops = 0;
  bool HasText(const std::string& t) const {
    return std::find(texts.begin(), texts.end(), t) != texts.end();
  }
};

Drawn Draw(ReportInputs& in) {
  RecordingSurface s;
  ReportCanvas canvas(s);
  // As the dispatcher does: the geometry is stored, then the schematic draws from it.
  StoreKnGeometry(in);
  DrawKnSchematic(canvas, in);
  Drawn d;
  d.ops = s.ops().size();
  bool dotted = false;
  for (const DrawOp& op : s.ops()) {
    if (op.kind == DrawOp::Kind::SetPen) dotted = op.pen.style == PenStyle::Dot;
    if (op.kind == DrawOp::Kind::Polyline && dotted) ++d.dotted_polylines;
  }
  for (const auto& t : s.texts()) d.texts.push_back(t.text);
  return d;
}

TEST(KnSchematic, GapJointHasNoHiddenEdgesAndDimensionsTheGap) {
  ReportInputs in = KnGapInputs();
  const Drawn d = Draw(in);
  EXPECT_NEAR(in.g, 58.58, 0.01);
  EXPECT_EQ(d.dotted_polylines, 0);
  EXPECT_TRUE(d.HasText(" 58.6 mm"));
  EXPECT_TRUE(d.HasText(" 100x100x5.0"));
  EXPECT_TRUE(d.HasText(" 200x200x8.0"));
  EXPECT_TRUE(d.HasText(" -152.0 kN"));
  EXPECT_TRUE(d.HasText(" 200 mm "));
  EXPECT_TRUE(d.HasText("  45 °"));  // " %3.0f °"
}

TEST(KnSchematic, OverlapDrawsTheHiddenEdgeAndTheOverlapLength) {
  ReportInputs in = KnOverlapInputs();
  const Drawn d = Draw(in);
  EXPECT_LT(in.g, 0);
  EXPECT_EQ(d.dotted_polylines, 1);
  EXPECT_TRUE(d.HasText(" 41.4 mm"));   // |g|
  EXPECT_TRUE(d.HasText(" 141.4 mm"));  // p
}

TEST(KnSchematic, TopBraceInsideTheOtherHidesBothOfItsEdges) {
  ReportInputs in = KnOverlapInputs();
  in.e = -30;                 // a deep overlap …
  in.h2 = 40, in.b2 = 60;     // … of a small brace 2 on top
  in.b1 = 100;
  const Drawn d = Draw(in);
  ASSERT_LT(in.g, 0);
  ASSERT_GT(-in.g, in.p);  // brace 2's footprint lies inside brace 1's
  EXPECT_EQ(d.dotted_polylines, 2);
}

TEST(KnSchematic, BetweenBracesPlateEndsBothBracesAtTheApex) {
  ReportInputs in = KnOverlapInputs();
  in.kn_overlap_plate = 1;
  in.overlap_l = 150, in.overlap_b = 100, in.overlap_t = 12;
  const Drawn d = Draw(in);
  EXPECT_EQ(d.dotted_polylines, 0);
  EXPECT_TRUE(d.HasText(" 150x100x12.0"));
  EXPECT_FALSE(d.HasText(" 41.4 mm"));  // no overlap dimension with the plate
}

TEST(KnSchematic, EccentricityDimensionOnlyWhenNotZero) {
  ReportInputs in = KnGapInputs();
  EXPECT_FALSE(Draw(in).HasText(" 0.0 mm"));
  in.e = 30;
  EXPECT_TRUE(Draw(in).HasText(" 30.0 mm"));
}

TEST(KnSchematic, NoChordDepthDrawsNothingButStoresTheGap) {
  ReportInputs in = KnGapInputs();
  in.h0 = 0;
  const Drawn d = Draw(in);
  EXPECT_EQ(d.ops, 0u);
  EXPECT_NEAR(in.g, 2 * 0 - 141.42, 0.01);
}

}  // namespace
}  // namespace traxen
