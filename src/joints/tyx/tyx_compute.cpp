// T/Y/X joint calculation. Comparisons are written so that a NaN quantity fails its
// condition; nothing here throws or loops on hostile numbers.
#include "joints/tyx/tyx_compute.h"

#include <cmath>
#include <initializer_list>

#include "base/ieee_divide.h"
#include "report/check_numbers.h"
#include "report/report_note.h"

namespace traxen {

namespace {

TyxClassCheck ClassCheck(int section_class) {
  // Only classes 1 and 2 may be checked by these rules; a class outside 1 to 4 (a hand-edited
  // project file) cannot be trusted and fails too.
  return {section_class, section_class >= 1 && section_class <= 2};
}

TyxLimitCheck AtMost(double value, double limit) { return {value, limit, PassesAtMost(value, limit)}; }
TyxLimitCheck AtLeast(double value, double limit) { return {value, limit, PassesAtLeast(value, limit)}; }

TyxRatioCheck RatioAtMost(double numerator, double denominator, double limit) {
  const double r = Divide(numerator, denominator);
  return {numerator, denominator, r, PassesAtMost(r, limit)};
}
TyxRatioCheck RatioAtLeast(double numerator, double denominator, double limit) {
  const double r = Divide(numerator, denominator);
  return {numerator, denominator, r, PassesAtLeast(r, limit)};
}

struct MemberDimensions {
  int section_class;
  double fy, h, b, t, theta, length_m;
};

TyxMemberChecks MemberChecks(const MemberDimensions& m) {
  TyxMemberChecks c;
  c.section_class = ClassCheck(m.section_class);
  c.yield_strength = AtMost(m.fy, 460);
  c.wall_thickness = AtLeast(m.t, 2.5);
  c.depth_to_thickness = RatioAtMost(m.h, m.t, 35);
  c.width_to_thickness = RatioAtMost(m.b, m.t, 35);
  c.depth_to_width_min = RatioAtLeast(m.h, m.b, 0.5);
  c.depth_to_width_max = RatioAtMost(m.h, m.b, 2);
  c.angle_min = AtLeast(m.theta, 30);
  c.angle_max = AtMost(m.theta, 150);
  c.length_to_depth = RatioAtLeast(1000 * m.length_m, m.h, 6);
  return c;
}

int FailedMemberChecks(const TyxMemberChecks& c, bool with_angles, bool with_width_ratio) {
  int failed = 0;
  for (bool ok : {c.section_class.passed, c.yield_strength.passed, c.wall_thickness.passed,
                  c.depth_to_thickness.passed, c.width_to_thickness.passed,
                  c.depth_to_width_min.passed, c.depth_to_width_max.passed,
                  c.length_to_depth.passed})
    failed += !ok;
  if (with_angles) failed += !c.angle_min.passed + !c.angle_max.passed;
  if (with_width_ratio) failed += !c.brace_to_chord_width.passed;
  return failed;
}

TyxValidity Validity(const ReportInputs& in) {
  TyxValidity v;
  v.chord = MemberChecks({in.chord_class, in.fy0, in.h0, in.b0, in.t0, 0, in.L0_left});
  v.failed_count = FailedMemberChecks(v.chord, false, false);
  v.brace_printed = in.L1 > 0;
  if (v.brace_printed) {
    v.brace = MemberChecks({in.brace1_class, in.fy1, in.h1, in.b1, in.t1, in.theta1, in.L1});
    v.brace.brace_to_chord_width = RatioAtLeast(in.b1, in.b0, 0.25);
    v.failed_count += FailedMemberChecks(v.brace, true, true);
  }
  // The lower brace of an X joint is checked only for the marker length 1000.0 m.
  v.lower_brace_printed = in.L2 == 1000.0;
  if (v.lower_brace_printed) {
    // One class is kept for both braces.
    v.lower_brace = MemberChecks({in.brace1_class, in.fy2, in.h2, in.b2, in.t2, in.theta2, in.L2});
    v.failed_count += FailedMemberChecks(v.lower_brace, true, false);
  }
  v.through_thickness_note = NeedsThroughThicknessNote(in.t0);
  return v;
}

TyxPlateRequirements PlateRequirements(const ReportInputs& in) {
  TyxPlateRequirements p;
  p.face_plate = in.tyx_face_plate == 1;
  p.side_plates = in.tyx_side_plates == 1;
  const double sin1 = std::sin(TyxRadians(in.theta1));
  p.length_for_width = Divide(in.h1, sin1) + std::sqrt((in.face_b - in.b1) * in.face_b);
  p.length_for_depth = Divide(1.5 * in.h1, sin1);
  p.width_required = in.b0 - 2 * in.t0;
  p.face_length_for_width = AtLeast(in.face_l, p.length_for_width);
  p.face_length_for_depth = AtLeast(in.face_l, p.length_for_depth);
  p.face_width = AtLeast(in.face_b, p.width_required);
  p.side_length = AtLeast(in.side_l, p.length_for_depth);
  p.strength = AtLeast(in.fy_plate, in.fy0);
  p.face_thickness = AtLeast(in.face_t, in.t0);
  if (p.face_plate)
    p.failed_count += !p.face_length_for_width.passed + !p.face_length_for_depth.passed +
                      !p.face_width.passed;
  if (p.side_plates) p.failed_count += !p.side_length.passed;
  p.failed_count += !p.strength.passed + !p.face_thickness.passed;
  return p;
}

TyxChordStress ChordStress(const ReportInputs& in) {
  TyxChordStress s;
  s.axial = 1000 * std::abs(in.N0_right);
  s.area = in.A0;
  s.moment = 1000000 * std::abs(in.M0);
  s.modulus = in.Wel0;
  s.sigma = Divide(s.axial, s.area) + Divide(s.moment, s.modulus);
  s.n = Divide(s.sigma, in.fy0);
  return s;
}

double Reduce(double resistance, bool reduced) { return reduced ? 0.9 * resistance : resistance; }

// A width is limited to b1 unless "b1 >= width" holds (so a NaN width becomes b1, as printed).
bool ExceedsLimit(double width, double limit) { return !(limit >= width); }

// Chord face failure: kn × fy × t² × (2η / sin θ + 4 √(1 − β)) / ((1 − β) sin θ), in kN.
double ChordFaceResistance(double kn, double fy, double t, double eta, double beta, double sin1) {
  return Divide(kn * fy * t * t * (Divide(2 * eta, sin1) + 4 * std::sqrt(1 - beta)),
                (1 - beta) * sin1 * 1000);
}

struct WideBraceInputs {
  double beta, gamma;
  TyxChordStressFactor kn_at_085;
  double face_strength, face_thickness, depth_ratio;
  bool side_plates;
  double wall_thickness;
};

TyxWideBrace WideBrace(const ReportInputs& in, const TyxChordStress& stress,
                       const WideBraceInputs& w) {
  TyxWideBrace r;
  const double sin1 = std::sin(TyxRadians(in.theta1));
  const double sin_buckling = std::sin(TyxBucklingRadians(in.theta1));
  const bool compressed = in.N0_right < 0;

  r.kn_at_085 = w.kn_at_085;
  r.face_strength = w.face_strength;
  r.face_thickness = w.face_thickness;
  r.depth_ratio = w.depth_ratio;
  r.face_reduced = TyxReduced(w.face_strength);
  r.face_resistance = Reduce(ChordFaceResistance(r.kn_at_085.kn, w.face_strength, w.face_thickness,
                                                 w.depth_ratio, 0.85, sin1),
                             r.face_reduced);

  r.effective_width_unlimited =
      Divide(10 * w.face_strength * w.face_thickness * w.face_thickness * in.b1, in.b0 * in.fy1 * in.t1);
  r.effective_width_limited = ExceedsLimit(r.effective_width_unlimited, in.b1);
  r.effective_width = r.effective_width_limited && !std::isnan(r.effective_width_unlimited)
                          ? in.b1
                          : r.effective_width_unlimited;
  r.brace_reduced = TyxReduced(in.fy1);
  r.brace_resistance =
      Reduce(in.fy1 * in.t1 * (2 * in.h1 - 4 * in.t1 + 2 * r.effective_width) / 1000, r.brace_reduced);

  r.kn_at_1 = TyxStressFactor(compressed, stress.n, 1.0);
  r.slenderness = Divide(3.46 * (Divide(in.h0, in.t0) - 2) * std::sqrt(Divide(1, sin_buckling)),
                         3.14159265 * std::sqrt(Divide(in.E, in.fy0)));
  const double lambda = r.slenderness;
  const double phi = 0.5 * (1 + 0.49 * (lambda - 0.2) + lambda * lambda);
  const double chi = Divide(1, phi + std::sqrt(phi * phi - lambda * lambda));
  r.reduction = chi > 1.0 ? 1.0 : chi;
  if (!compressed) {
    r.buckling_form = TyxBucklingStress::ChordInTension;
    r.buckling_stress = in.fy0;
  } else if (in.theta1 == 90) {
    r.buckling_form = TyxBucklingStress::RightAngle;
    r.buckling_stress = r.reduction * in.fy0;
  } else {
    r.buckling_form = TyxBucklingStress::General;
    r.buckling_stress = 0.8 * r.reduction * in.fy0 * sin_buckling;
  }
  r.side_plates = w.side_plates;
  r.wall_thickness = w.wall_thickness;
  r.chord_reduced = TyxReduced(in.fy0);
  const double tw = w.wall_thickness;
  r.side_wall_resistance =
      Reduce(Divide(r.kn_at_1.kn * r.buckling_stress * tw * (Divide(2 * in.h1, sin1) + 10 * tw),
                    sin1 * 1000),
             r.chord_reduced);

  r.shear_area = 2 * in.h0 * in.t0;
  r.shear_resistance =
      Reduce(Divide(in.fy0 * r.shear_area, std::sqrt(3.0) * sin_buckling * 1000), r.chord_reduced);
  r.side_resistance = SmallerOf(r.shear_resistance, r.side_wall_resistance);

  r.interpolated = r.face_resistance + (r.side_resistance - r.face_resistance) * (w.beta - 0.85) / 0.15;

  r.punching_limit = 1 - Divide(1, w.gamma);
  r.punching_applies = w.beta >= 0.85 && w.beta <= r.punching_limit;
  r.punching_width_unlimited = Divide(10 * in.b1 * w.face_thickness, in.b0);
  r.punching_width_limited = ExceedsLimit(r.punching_width_unlimited, in.b1);
  r.punching_width = r.punching_width_limited && !std::isnan(r.punching_width_unlimited)
                         ? in.b1
                         : r.punching_width_unlimited;
  r.punching_reduced = TyxReduced(w.face_strength);
  if (r.punching_applies) {
    r.punching_resistance =
        Reduce(Divide(w.face_strength * w.face_thickness * (Divide(2 * in.h1, sin1) + 2 * r.punching_width),
                      std::sqrt(3.0) * sin1 * 1000),
               r.punching_reduced);
    r.resistance = SmallerOf(r.interpolated, r.punching_resistance);
  } else {
    r.resistance = r.interpolated;
  }
  r.passed = ResistancePasses(r.resistance, std::abs(in.N1));
  return r;
}

void PlainResistances(const ReportInputs& in, TyxResult& r) {
  r.beta = Divide(in.b1, in.b0);
  r.gamma = Divide(in.b0, 2 * in.t0);
  r.eta = Divide(in.h1, in.b0);
  r.stress = ChordStress(in);
  const bool compressed = in.N0_right < 0;
  r.kn = TyxStressFactor(compressed, r.stress.n, r.beta);
  if (!r.valid) return;

  r.narrow_case = r.beta <= 0.85;
  r.wide_case = r.beta >= 0.85;
  const double sin1 = std::sin(TyxRadians(in.theta1));
  if (r.narrow_case) {
    r.narrow.reduced = TyxReduced(in.fy0);
    r.narrow.resistance =
        Reduce(ChordFaceResistance(r.kn.kn, in.fy0, in.t0, r.eta, r.beta, sin1), r.narrow.reduced);
    r.narrow.passed = ResistancePasses(r.narrow.resistance, std::abs(in.N1));
  }
  if (r.wide_case) {
    r.wide = WideBrace(in, r.stress,
                       {r.beta, r.gamma, TyxStressFactor(compressed, r.stress.n, 0.85), in.fy0, in.t0,
                        r.eta, false, in.t0});
  }
}

void ReinforcedResistances(const ReportInputs& in, TyxResult& r) {
  r.beta_p = Divide(in.b1, in.face_b);
  r.eta_p = Divide(in.h1, in.face_b);
  r.beta = Divide(in.face_b, in.b0);
  // Side plates thicken the walls γ is taken over; without them the chord's own wall is all
  // there is, whatever thickness the job keeps for a side plate it does not have.
  const bool side = in.tyx_side_plates == 1;
  r.gamma = Divide(in.b0, 2 * (in.t0 + (side ? in.side_t : 0)));
  r.stress = ChordStress(in);
  r.kn = TyxStressFactor(in.N0_right < 0, r.stress.n, r.beta);
  r.beta_p_passed = PassesAtMost(r.beta_p, 0.85);
  if (!r.valid || !r.beta_p_passed) return;

  if (in.N1 > 0) {
    // The face plate alone carries a brace in tension; its resistance takes no chord-stress
    // factor, and the 0.9 follows the chord's yield strength.
    r.reinforced_case = TyxReinforcedCase::BraceInTension;
    const double sin1 = std::sin(TyxRadians(in.theta1));
    r.tension.reduced = TyxReduced(in.fy0);
    r.tension.resistance = Reduce(
        ChordFaceResistance(1.0, in.fy_plate, in.face_t, r.eta_p, r.beta_p, sin1), r.tension.reduced);
    r.tension.passed = ResistancePasses(r.tension.resistance, std::abs(in.N1));
  } else if (in.N1 < 0) {
    r.reinforced_case = TyxReinforcedCase::BraceInCompression;
    // Under a compressed brace the plate acts as a thicker chord face with kn = 1.
    TyxChordStressFactor kn_one;
    r.wide = WideBrace(in, r.stress,
                       {r.beta, r.gamma, kn_one, in.fy_plate, in.face_t, r.eta_p, side,
                        side ? in.t0 + in.side_t : in.t0});
  }
}

}  // namespace

TyxChordStressFactor TyxStressFactor(bool chord_compressed, double n, double beta) {
  TyxChordStressFactor f;
  f.chord_compressed = chord_compressed;
  f.beta = beta;
  if (chord_compressed) {
    f.uncapped = 1.3 - Divide(0.4 * n, beta);
    f.kn = f.uncapped > 1.0 ? 1.0 : f.uncapped;
  }
  return f;
}

void MirrorTyxLowerBrace(ReportInputs& in, TyxMirror what) {
  in.theta2 = in.theta1;
  if (what == TyxMirror::kAngle) return;
  in.N0_right = in.N0_left;
  in.N2 = in.N1;
  in.h2 = in.h1;
  in.b2 = in.b1;
  in.t2 = in.t1;
}

TyxResult ComputeTyx(const ReportInputs& in) {
  TyxResult r;
  r.inputs = in;
  r.reinforced = in.tyx_face_plate == 1 || in.tyx_side_plates == 1;
  if (r.reinforced) r.plates = PlateRequirements(in);
  r.validity = Validity(in);
  r.failed_count = r.plates.failed_count + r.validity.failed_count;
  r.valid = r.failed_count == 0;
  if (r.reinforced)
    ReinforcedResistances(in, r);
  else
    PlainResistances(in, r);
  return r;
}

}  // namespace traxen
