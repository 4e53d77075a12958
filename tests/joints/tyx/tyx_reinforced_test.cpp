// Reinforced T/Y/X joints: plate requirements, the βp limit, the brace in tension on the
// face plate alone and the brace in compression with the plates.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "joints/tyx/tyx_compute.h"
#include "joints/tyx/tyx_report.h"
#include "base/number_format.h"
#include "tyx_fixture.h"

namespace traxen::testing {
namespace {

// The valid Y joint with a face plate 450x184x10 that meets every requirement (βp = 0.652).
Job FacePlateJob() {
  Job job = ValidYJob();
  job.tyx.face_plate = 1;
  job.plate.face_l = 450, job.plate.face_b = 184, job.plate.face_t = 10;
  return job;
}

TEST(TyxPlates, FacePlateRequirementsMatchTheirFormulas) {
  const TyxResult r = ComputeTyx(InputsOf(FacePlateJob()));
  const double sin60 = std::sin(60 * 3.14159265 / 180);
  EXPECT_DOUBLE_EQ(r.plates.length_for_width, 120 / sin60 + std::sqrt((184 - 120) * 184.0));
  EXPECT_DOUBLE_EQ(r.plates.length_for_depth, 1.5 * 120 / sin60);
  EXPECT_EQ(r.plates.width_required, 184);
  EXPECT_TRUE(r.plates.face_width.passed);  // 184 >= 184
  EXPECT_EQ(r.plates.failed_count, 0);
  EXPECT_TRUE(r.valid);
}

TEST(TyxPlates, ShortNarrowOrThinPlatesStopTheReport) {
  Job job = FacePlateJob();
  job.plate.face_l = 200, job.plate.face_b = 183, job.plate.face_t = 7;
  const TyxResult r = ComputeTyx(InputsOf(job));
  EXPECT_EQ(r.plates.failed_count, 4);  // both lengths, the width and the thickness
  EXPECT_FALSE(r.valid);
  const std::string text = ReportText(job);
  EXPECT_TRUE(Contains(text, "l p  = 200.0 mm  < 207.8 mm  Ei rahulda!"));
  EXPECT_TRUE(Contains(text, "b p  = 183.0 mm  < 184.0 mm  Ei rahulda!"));
  EXPECT_TRUE(Contains(text, "t p  = 7.0 mm  < 8.0 mm  Ei rahulda!"));
  EXPECT_TRUE(Contains(text, "EI SAA ARVUTADA"));
  EXPECT_FALSE(Contains(text, "β p  = b1"));
  RenderedReport out;
  Render(job, out);
  EXPECT_EQ(out.result.failed, 1);
}

// The plate passes when it is at least as strong as the chord, and the printed relation says so.
TEST(TyxPlates, StrengthLinePrintsTheRelationItDecides) {
  Job job = FacePlateJob();
  EXPECT_TRUE(Contains(ReportText(job), "f ykt = 355 MPa  >= 355.0 MPa  Korras!"));
  job.steel.fy0 = 420;
  const TyxResult r = ComputeTyx(InputsOf(job));
  EXPECT_FALSE(r.plates.strength.passed);
  EXPECT_FALSE(r.valid);
  EXPECT_TRUE(Contains(ReportText(job), "f ykt = 355 MPa  < 420.0 MPa  Ei rahulda!"));
  job.steel.fy_plate = 460;
  EXPECT_TRUE(Contains(ReportText(job), "f ykt = 460 MPa  >= 420.0 MPa  Korras!"));
}

TEST(TyxPlates, SidePlatesOnlyStillUseTheFacePlateValues) {
  Job job = ValidYJob();
  job.tyx.side_plates = 1;
  job.tyx.N1 = 150;
  const std::string narrow_plate = ReportText(job);  // face_b keeps its default 100
  EXPECT_TRUE(Contains(narrow_plate, "βp   = 1.20  > 0.85 Ei rahulda!"));

  job.plate.face_b = 184;
  const TyxResult r = ComputeTyx(InputsOf(job));
  EXPECT_FALSE(r.plates.face_plate);
  EXPECT_DOUBLE_EQ(r.beta_p, 120 / 184.0);
  EXPECT_DOUBLE_EQ(r.beta, 184 / 200.0);
  ASSERT_EQ(r.reinforced_case, TyxReinforcedCase::BraceInTension);
  const double sin60 = std::sin(60 * 3.14159265 / 180);
  EXPECT_NEAR(r.tension.resistance,
              355 * 100 * (2 * r.eta_p / sin60 + 4 * std::sqrt(1 - r.beta_p)) /
                  ((1 - r.beta_p) * sin60 * 1000),
              1e-9);
  const std::string text = ReportText(job);
  EXPECT_FALSE(Contains(text, "Nelikanttoru vöölapi"));
  EXPECT_TRUE(Contains(text, "Nelikanttoru külgpinna lapi pikkus"));
  EXPECT_TRUE(Contains(text, "f ykt = 355 MPa  >= 355.0 MPa  Korras!"));
  EXPECT_TRUE(Contains(text, "t p  = 10.0 mm  >= 8.0 mm  Korras!"));
}

// A side plate the joint does not have thickens nothing: γ is the chord's own without side
// plates, whatever thickness the job keeps for one, and takes the side plate with them.
TEST(TyxPlates, GammaTakesTheSidePlateOnlyWhenThereIsOne) {
  Job job = FacePlateJob();
  job.tyx.N1 = -250;
  job.plate.side_t = 8;
  TyxResult r = ComputeTyx(InputsOf(job));
  EXPECT_DOUBLE_EQ(r.gamma, 200 / (2 * 8.0));
  EXPECT_FALSE(r.wide.side_plates);
  EXPECT_EQ(r.wide.wall_thickness, 8);
  EXPECT_TRUE(Contains(ReportText(job), "γ = b0   /(2×t0  ) = 200.0 / (2×8.0 ) = 12.500"));

  job.tyx.side_plates = 1;
  r = ComputeTyx(InputsOf(job));
  EXPECT_DOUBLE_EQ(r.gamma, 200 / (2 * (8 + 8.0)));
  EXPECT_TRUE(r.wide.side_plates);
  EXPECT_TRUE(Contains(ReportText(job), "γ = b0   /(2×(t0   + tp  ) = 200.0 / (2×(8.0 + 8.0 )) = 6.250"));
}

TEST(TyxPlateWidthLimit, ExactlyPoint85PassesAndGoesOn) {
  Job exact = FacePlateJob();
  exact.tyx.b1 = 85, exact.tyx.h1 = 85, exact.tyx.t1 = 5, exact.plate.face_b = 100;
  exact.plate.face_l = 600, exact.tyx.t0 = 8, exact.tyx.b0 = 116, exact.tyx.h0 = 116;
  const TyxResult r = ComputeTyx(InputsOf(exact));
  EXPECT_EQ(r.beta_p, 0.85);
  EXPECT_TRUE(r.beta_p_passed);
  EXPECT_EQ(r.reinforced_case, TyxReinforcedCase::BraceInCompression);
  EXPECT_TRUE(Contains(ReportText(exact), "βp   = 0.85  <= 0.85 Korras!"));
}

TEST(TyxPlateWidthLimit, AboveItEndsAfterTheChordStressWithoutStopLine) {
  Job job = FacePlateJob();
  job.tyx.b1 = 86, job.tyx.h1 = 86, job.tyx.t1 = 5, job.plate.face_b = 100;
  job.tyx.b0 = 116, job.tyx.h0 = 116;
  job.plate.face_l = 600;
  const TyxResult r = ComputeTyx(InputsOf(job));
  ASSERT_TRUE(r.valid);
  EXPECT_FALSE(r.beta_p_passed);
  EXPECT_EQ(r.reinforced_case, TyxReinforcedCase::None);
  RenderedReport out;
  Render(job, out);
  EXPECT_EQ(out.result.failed, 0);  // a limit of the method, not a failed condition
  const std::string text = ReportText(job);
  EXPECT_TRUE(Contains(text, "βp   = 0.86  > 0.85 Ei rahulda!"));
  EXPECT_FALSE(Contains(text, "EI SAA ARVUTADA"));
  const std::string last = text.substr(text.rfind('\n', text.size() - 2) + 1);
  EXPECT_EQ(last.substr(0, 3), "= 1");  // the kn line of a compressed chord is the last
  const CheckSummary s = SummariseTyx(r);
  EXPECT_TRUE(s.valid);
  EXPECT_EQ(s.failed_conditions, 0);
  EXPECT_TRUE(s.verdicts.empty());
  EXPECT_FALSE(s.passed());
}

// The face plate alone carries a brace in tension, without the chord-stress factor: a highly
// compressed chord changes nothing, and no kn is printed for it.
TEST(TyxBraceInTension, FacePlateResistanceTakesNoChordStressFactor) {
  Job job = FacePlateJob();
  job.tyx.N1 = 150;
  job.tyx.N0 = -1800;  // kn at β would be well below 1
  const TyxResult r = ComputeTyx(InputsOf(job));
  ASSERT_EQ(r.reinforced_case, TyxReinforcedCase::BraceInTension);
  EXPECT_LT(r.kn.kn, 1);
  const double sin60 = std::sin(60 * 3.14159265 / 180);
  const double bp = 120 / 184.0;
  EXPECT_NEAR(r.tension.resistance,
              355 * 100 * (2 * bp / sin60 + 4 * std::sqrt(1 - bp)) / ((1 - bp) * sin60 * 1000), 1e-9);
  const std::string text = ReportText(job);
  const std::string tension = text.substr(text.find("N1,Rd  = (f ykp"));
  EXPECT_TRUE(Contains(tension, "N1,Rd  = {(355×10.0²)×[2×0.652 / sin60.0°"));
  EXPECT_FALSE(Contains(tension, "k n"));
  EXPECT_FALSE(Contains(tension, "Surutud"));
  const CheckSummary s = SummariseTyx(r);
  ASSERT_EQ(s.verdicts.size(), 1u);
  EXPECT_EQ(s.verdicts[0].mode, "1");
  EXPECT_EQ(s.verdicts[0].N_Rd, r.tension.resistance);
}

TEST(TyxBraceInTension, ChordAbove355ReducesTheFacePlateResistance) {
  Job job = FacePlateJob();
  job.tyx.N1 = 150;
  job.steel.fy0 = 420, job.steel.fy_plate = 420;
  const TyxResult r = ComputeTyx(InputsOf(job));
  ASSERT_TRUE(r.valid);
  EXPECT_TRUE(r.tension.reduced);
  EXPECT_TRUE(Contains(ReportText(job), "N1,Rd  = 0.9×(f ykp ×t² p )"));
  EXPECT_TRUE(Contains(ReportText(job), "N1,Rd  = 0.9×{(420×10.0²)"));
}

TEST(TyxBraceInCompression, PlateValuesReplaceTheChordFace) {
  Job job = FacePlateJob();
  job.tyx.N1 = -250;
  const TyxResult r = ComputeTyx(InputsOf(job));
  ASSERT_EQ(r.reinforced_case, TyxReinforcedCase::BraceInCompression);
  const TyxWideBrace& m = r.wide;
  EXPECT_EQ(m.kn_at_085.kn, 1);
  EXPECT_EQ(m.face_strength, 355);
  EXPECT_EQ(m.face_thickness, 10);
  EXPECT_DOUBLE_EQ(m.depth_ratio, 120 / 184.0);
  EXPECT_DOUBLE_EQ(m.effective_width_unlimited, 10 * 355 * 100 * 120.0 / (200 * 355 * 6));
  EXPECT_DOUBLE_EQ(m.punching_width_unlimited, 10 * 120 * 10 / 200.0);
  EXPECT_DOUBLE_EQ(r.beta, 0.92);
  const std::string text = ReportText(job);
  EXPECT_TRUE(Contains(text, "Surutud võrguvarda korral"));
  EXPECT_TRUE(Contains(text, "beff  = (10×fykt ×t²p ×b1 )"));
  // γ = 200 / 16 = 12.5: punching up to β = 0.92, so the plate is checked for it at β = 0.92.
  EXPECT_TRUE(m.punching_applies);
  EXPECT_TRUE(Contains(text, "0.85 <= ( β = 0.920) <= (1 - 1/γ = 12.500 ) = 0.920\n"));
  EXPECT_FALSE(Contains(text, "Vöö pinna läbisurumise ohtu pole !"));
  EXPECT_LE(m.resistance, m.interpolated);
}

TEST(TyxBraceInCompression, SidePlatesThickenTheSideWall) {
  Job job = FacePlateJob();
  job.tyx.N1 = -250;
  job.tyx.side_plates = 1;
  const TyxResult r = ComputeTyx(InputsOf(job));
  const TyxWideBrace& m = r.wide;
  ASSERT_TRUE(m.side_plates);
  const double sin60 = std::sin(60 * 3.14159265 / 180);
  EXPECT_NEAR(m.side_wall_resistance,
              m.kn_at_1.kn * m.buckling_stress * 16 * (2 * 120 / sin60 + 10 * 16) / (sin60 * 1000), 1e-9);
  // λ keeps the chord wall.
  EXPECT_NEAR(m.slenderness,
              3.46 * (200 / 8.0 - 2) * std::sqrt(1 / std::sin(60 * 0.0174532925)) /
                  (3.14159265 * std::sqrt(210000 / 355.0)),
              1e-12);
  EXPECT_TRUE(Contains(ReportText(job), "×(8.0 + 8.0)×[2×120.0 / sin60.0° + 10×(8.000 + 8.0 )]"));
}

// A plate as wide as its requirement allows reaches 1 − 1/γ only without side plate
// thickness: γ then equals b0 / 2t0 and β = (b0 − 2t0) / b0 lies exactly on the limit.
TEST(TyxBraceInCompression, PunchingWithThePlateAtTheLimit) {
  Job job = FacePlateJob();
  job.tyx.N1 = -250;
  job.plate.side_t = 0;
  const TyxResult r = ComputeTyx(InputsOf(job));
  ASSERT_TRUE(r.valid);
  EXPECT_EQ(r.beta, r.wide.punching_limit);
  ASSERT_TRUE(r.wide.punching_applies);
  const double sin60 = std::sin(60 * 3.14159265 / 180);
  const double bep = 10 * 120 * 10 / 200.0;
  EXPECT_NEAR(r.wide.punching_resistance,
              355 * 10 * (2 * 120 / sin60 + 2 * bep) / (std::sqrt(3.0) * sin60 * 1000), 1e-9);
  EXPECT_EQ(r.wide.resistance, std::min(r.wide.interpolated, r.wide.punching_resistance));
  const std::string text = ReportText(job);
  EXPECT_TRUE(Contains(text, "N1L,Rd  = (fykt ×t p )×(2×h1/ sinθ1  + 2×be,p  )"));
  EXPECT_TRUE(Contains(text, "be.p  = 10×b1 ×tp  / b0  = 10×120.0×10.0/ 200.0 = 60.0 mm <= 120.0"));
  EXPECT_TRUE(Contains(text, "tugedatud liite kandevõime on N1,Rd = min( N1,Rd , N1,LRd  )"));
}

TEST(TyxReinforced, NoBraceForceEndsAfterTheParameters) {
  Job job = FacePlateJob();
  job.tyx.N1 = 0;
  const TyxResult r = ComputeTyx(InputsOf(job));
  EXPECT_EQ(r.reinforced_case, TyxReinforcedCase::None);
  const std::string text = ReportText(job);
  EXPECT_FALSE(Contains(text, "N1,Rd"));
  EXPECT_TRUE(SummariseTyx(r).verdicts.empty());
}

}  // namespace
}  // namespace traxen::testing
