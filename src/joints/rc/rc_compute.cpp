// Round braces on a rectangular chord. Comparisons are written so that a NaN quantity fails
// its condition and a resistance that is not finite never passes.
#include "joints/rc/rc_compute.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "base/angles.h"
#include "base/ieee_divide.h"
#include "report/check_numbers.h"
#include "report/report_note.h"

namespace traxen {

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kPi4 = kRcRoundBraceFactor;
using K = RcConditionKind;

// The report's conversion, as the rectangular families' reports convert.
double SinOf(double degrees) { return std::sin(ReportRadians(degrees)); }
double CosOf(double degrees) { return std::cos(ReportRadians(degrees)); }

bool Within(double value, double lower, double upper) {
  return PassesAtLeast(value, lower == -kInf ? value : lower) && PassesAtMost(value, upper == kInf ? value : upper);
}

RcCondition Ratio(K kind, int member, double numerator, double denominator, double lower, double upper) {
  RcCondition c{kind, member, numerator, denominator, Divide(numerator, denominator), lower, upper};
  c.passed = Within(c.value, lower, upper);
  return c;
}

RcCondition Value(K kind, int member, double value, double lower, double upper) {
  RcCondition c{kind, member, value, 1, value, lower, upper};
  c.passed = Within(value, lower, upper);
  return c;
}

// EN 1993-1-1 Table 5.2, ε = √(235 / fy).
double Epsilon(double fy) { return std::sqrt(Divide(235.0, fy)); }

void ChordConditions(RcResult& r, bool compressed) {
  const RcChord& c = r.chord;
  r.conditions.push_back(Ratio(K::kDepthToWall, 0, c.h, c.t, -kInf, 35));
  r.conditions.push_back(Ratio(K::kWidthToWall, 0, c.b, c.t, -kInf, 35));
  r.conditions.push_back(Ratio(K::kDepthToWidth, 0, c.h, c.b, 0.5, 2));
  if (compressed) {
    // The wider wall's flat part, c = max(h0, b0) − 3 t0, in compression: class 2 at most.
    const double wall = std::max(c.h, c.b) - 3 * c.t;
    r.conditions.push_back(Ratio(K::kChordClass, 0, wall, c.t, -kInf, 38 * Epsilon(c.fy)));
  }
  r.conditions.push_back(Value(K::kWallThickness, 0, c.t, 2.5, kInf));
  r.conditions.push_back(Value(K::kYieldStrength, 0, c.fy, -kInf, 460));
  r.conditions.push_back(Ratio(K::kLengthRatio, 0, c.L, c.h, 6, kInf));
}

void BraceConditions(RcResult& r, int member, const RcBrace& b, double theta, double force) {
  r.conditions.push_back(Ratio(K::kDiameterToWidth, member, b.d, r.chord.b, 0.4, 0.8));
  r.conditions.push_back(Ratio(K::kBraceSlenderness, member, b.d, b.t, -kInf, 50));
  // A tube in compression is class 1: d / t <= 50 ε².
  if (force < 0) r.conditions.push_back(Ratio(K::kBraceClass, member, b.d, b.t, -kInf, 50 * Divide(235.0, b.fy)));
  r.conditions.push_back(Value(K::kWallThickness, member, b.t, 2.5, kInf));
  r.conditions.push_back(Value(K::kYieldStrength, member, b.fy, -kInf, 460));
  r.conditions.push_back(Value(K::kAngle, member, theta, 30, 150));
  r.conditions.push_back(Ratio(K::kLengthRatio, member, b.L, b.d, 6, kInf));
}

void CountAndSettle(RcResult& r) {
  r.failed_count = static_cast<int>(
      std::count_if(r.conditions.begin(), r.conditions.end(), [](const RcCondition& c) { return !c.passed; }));
  r.valid = r.failed_count == 0;
}

void Add(RcResult& r, RcMode mode, int brace, double value, double fy_governing, double force) {
  RcResistance x{mode, brace, value};
  x.reduced = fy_governing > 355;
  x.resistance = x.reduced ? 0.9 * value : value;
  // A shear beyond the plastic shear resistance leaves the root's argument negative: "nan".
  if (std::isnan(x.resistance)) x.resistance = std::fabs(x.resistance);
  x.force = std::fabs(force);
  x.passed = PassesAtLeast(x.resistance, x.force);
  r.resistances.push_back(x);
}

// The smallest resistance of a brace; NaN wins so that it cannot hide behind a number.
double SmallestFor(const RcResult& r, int brace) {
  double smallest = kInf;
  bool any = false;
  for (const RcResistance& x : r.resistances)
    if (x.brace == brace && x.mode != RcMode::kChordInGap) smallest = SmallerOf(smallest, x.resistance), any = true;
  return any ? smallest : 0;
}

void SettleResistances(RcResult& r) {
  r.N1_Rd = SmallestFor(r, 1);
  r.N2_Rd = SmallestFor(r, 2);
  r.passed = r.valid && !r.resistances.empty() &&
             std::all_of(r.resistances.begin(), r.resistances.end(), [](const RcResistance& x) { return x.passed; });
}

RcWidth CapToDiameter(double formula, double d) {
  RcWidth w;
  w.formula = formula;
  w.capped = !(formula <= d);  // a NaN width is capped too, and the cap is printed
  w.value = w.capped && !std::isnan(formula) ? d : formula;
  return w;
}

void TakeCommon(RcResult& r, const RcChord& chord, double A0, double Wel0, bool A0_derived, bool Wel0_derived,
                double gamma_M0) {
  r.chord = chord;
  r.A0 = A0, r.Wel0 = Wel0;
  r.A0_derived = A0_derived, r.Wel0_derived = Wel0_derived;
  r.gamma_M0 = gamma_M0;
  r.gamma = Divide(chord.b, 2 * chord.t);
  r.through_thickness_note = NeedsThroughThicknessNote(chord.t);
}

// σ0,Ed, n and kn from the chord force and moment, kn at the width ratio β.
void StressFactor(RcChordStress& s, double A0, double Wel0, double fy0, double beta) {
  s.sigma = Divide(std::fabs(s.N0_Ed) * 1000, A0) + Divide(std::fabs(s.M0_Ed) * 1.0e6, Wel0);
  s.n = Divide(s.sigma, fy0);
  s.compressed = s.N0_Ed < 0;
  if (s.compressed) {
    s.kn_formula = 1.3 - Divide(0.4 * s.n, beta);
    s.kn = s.kn_formula > 1.0 ? 1.0 : s.kn_formula;
  }
}

}  // namespace

double RcTyxChordFace(double kn, double fy0, double t0, double beta, double eta, double theta1) {
  const double s = SinOf(theta1);
  return Divide(kn * fy0 * t0 * t0 * (Divide(2 * eta, s) + 4 * std::sqrt(1 - beta)), (1 - beta) * s * 1000);
}

double RcKnGap(double h0, double e, double d1, double theta1, double d2, double theta2) {
  const double s1 = SinOf(theta1), s2 = SinOf(theta2);
  const double cot_sum = Divide(CosOf(theta1), s1) + Divide(CosOf(theta2), s2);
  return (e + h0 / 2) * cot_sum - Divide(d1, 2 * s1) - Divide(d2, 2 * s2);
}

int RcOverlappingBrace(const RcBrace& b1, const RcBrace& b2) {
  if (b1.d != b2.d) return b1.d < b2.d ? 1 : 2;
  return b1.t * b1.fy < b2.t * b2.fy ? 1 : 2;
}

RcResult ComputeRcTyx(const RcTyxInputs& in) {
  RcResult r;
  r.x_joint = in.x_joint;
  TakeCommon(r, in.chord, in.A0, in.Wel0, in.A0_derived, in.Wel0_derived, in.gamma_M0);
  // The X joint's lower brace mirrors the upper one; the report prints brace 1.
  r.brace1 = r.brace2 = in.brace;
  r.theta1 = r.theta2 = in.theta1;
  r.N0_left = r.N0_right = in.N0;
  r.M0 = in.M0;
  r.N1 = r.N2 = in.N1;
  r.beta = r.eta = Divide(in.brace.d, in.chord.b);
  r.stress.N0_Ed = in.N0;
  r.stress.M0_Ed = in.M0;
  StressFactor(r.stress, r.A0, r.Wel0, in.chord.fy, r.beta);

  ChordConditions(r, in.N0 < 0);
  BraceConditions(r, 1, in.brace, in.theta1, in.N1);
  CountAndSettle(r);
  if (!r.valid) return r;

  // β <= 0.8: the chord face alone governs.
  const double face = kPi4 * RcTyxChordFace(r.stress.kn, in.chord.fy, in.chord.t, r.beta, r.eta, in.theta1);
  Add(r, RcMode::kChordFace, 1, face, in.chord.fy, in.N1);
  SettleResistances(r);
  return r;
}

RcResult ComputeRcKn(const RcKnInputs& in) {
  RcResult r;
  r.kn = true;
  TakeCommon(r, in.chord, in.A0, in.Wel0, in.A0_derived, in.Wel0_derived, in.gamma_M0);
  r.brace1 = in.brace1;
  r.brace2 = in.brace2;
  r.theta1 = in.theta1, r.theta2 = in.theta2;
  r.N0_left = in.N0_left, r.N0_right = in.N0_right;
  r.M0 = in.M0, r.N1 = in.N1, r.N2 = in.N2, r.e = in.e;
  const RcChord& c = in.chord;
  r.beta = Divide(in.brace1.d + in.brace2.d, 2 * c.b);

  // The chord at the joint, as the rectangular K/N joint takes it: brace 1's force and angle
  // for both braces, the moment from an eccentricity outside −0.55 h0 … 0.25 h0 added.
  RcChordStress& s = r.stress;
  s.N0_Ed = in.N0_left + in.N1 * CosOf(in.theta1);
  s.M0_Ed = in.M0;
  if (in.e > 0.25 * c.h) {
    s.eccentricity_moment = s.e_above_limit = true;
    s.e_limit_factor = 0.25;
  } else if (in.e < -0.55 * c.h) {
    s.eccentricity_moment = true;
    s.e_limit_factor = -0.55;
  }
  if (s.eccentricity_moment) {
    s.M_e = in.N1 * CosOf(in.theta1) * in.e / 1000;
    s.M0_Ed = in.M0 + s.M_e;
  }
  StressFactor(s, r.A0, r.Wel0, c.fy, r.beta);

  r.g = RcKnGap(c.h, in.e, in.brace1.d, in.theta1, in.brace2.d, in.theta2);
  r.overlap = r.g < 0;
  if (r.overlap) {
    r.overlapping = RcOverlappingBrace(in.brace1, in.brace2);
    r.overlapped = 3 - r.overlapping;
    const RcBrace& i = r.overlapping == 1 ? in.brace1 : in.brace2;
    r.p = Divide(i.d, SinOf(r.overlapping == 1 ? in.theta1 : in.theta2));
    r.lambda_ov = Divide(-r.g, r.p) * 100;
    r.hidden_seam_note = r.lambda_ov > 60 && r.lambda_ov <= 80;
    r.overlap_beyond_limit = r.lambda_ov > 80;
  }

  ChordConditions(r, in.N0_left < 0 || in.N0_right < 0);
  BraceConditions(r, 1, in.brace1, in.theta1, in.N1);
  BraceConditions(r, 2, in.brace2, in.theta2, in.N2);
  r.conditions.push_back(Value(K::kAngleBetween, 0, std::fabs(180 - in.theta1 - in.theta2), 30, kInf));
  if (r.overlap) {
    r.conditions.push_back(Value(K::kOverlap, 0, r.lambda_ov, 25, 80));
    const RcBrace& i = r.overlapping == 1 ? in.brace1 : in.brace2;
    const RcBrace& j = r.overlapping == 1 ? in.brace2 : in.brace1;
    r.conditions.push_back(Ratio(K::kOverlapDiameters, r.overlapping, i.d, j.d, 0.75, kInf));
  } else {
    r.conditions.push_back(Value(K::kGap, 0, r.g, in.brace1.t + in.brace2.t, kInf));
    r.conditions.push_back(Ratio(K::kGapRatio, 0, r.g, c.b, 0.5 * (1 - r.beta), 1.5 * (1 - r.beta)));
  }
  CountAndSettle(r);
  if (!r.valid) return r;

  const double kSqrt3 = std::sqrt(3.0);
  if (!r.overlap) {
    // α = 0 under a circular brace: the shear area is the two side walls.
    r.A_v = 2 * c.h * c.t;
    r.V_pl_Rd = Divide(r.A_v * c.fy, kSqrt3 * in.gamma_M0 * 1000);
    r.punching_limit = 1 - Divide(1, r.gamma);
    r.punching_applies = r.beta <= r.punching_limit;
    for (int i = 1; i <= 2; ++i) {
      const RcBrace& b = i == 1 ? in.brace1 : in.brace2;
      const double theta = i == 1 ? in.theta1 : in.theta2;
      const double force = i == 1 ? in.N1 : in.N2;
      const double sin_t = SinOf(theta);
      RcWidth& b_eff = r.b_eff[i - 1];
      RcWidth& b_ep = r.b_ep[i - 1];
      b_eff = CapToDiameter(Divide(10, Divide(c.b, c.t)) * Divide(c.fy * c.t, b.fy * b.t) * b.d, b.d);
      b_ep = CapToDiameter(Divide(10, Divide(c.b, c.t)) * b.d, b.d);
      Add(r, RcMode::kChordFace, i,
          kPi4 * Divide(8.9 * s.kn * c.fy * c.t * c.t * std::sqrt(r.gamma) * r.beta, sin_t * 1000), c.fy, force);
      Add(r, RcMode::kBrace, i, kPi4 * b.fy * b.t * (3 * b.d - 4 * b.t + b_eff.value) / 1000, b.fy, force);
      Add(r, RcMode::kChordShear, i, Divide(c.fy * r.A_v, kSqrt3 * sin_t * 1000), c.fy, force);
      r.V_Ed[i - 1] = force * sin_t;
      const double shear = Divide(r.V_Ed[i - 1], r.V_pl_Rd);
      Add(r, RcMode::kChordInGap, i,
          ((r.A0 - r.A_v) * c.fy + r.A_v * c.fy * std::sqrt(1 - shear * shear)) / 1000, c.fy, s.N0_Ed);
      if (r.punching_applies)
        Add(r, RcMode::kPunching, i,
            kPi4 * Divide(c.fy * c.t, kSqrt3 * sin_t) * (Divide(2 * b.d, sin_t) + b.d + b_ep.value) / 1000, c.fy,
            force);
    }
  } else {
    const int oi = r.overlapping, oj = r.overlapped;
    const RcBrace& i = oi == 1 ? in.brace1 : in.brace2;
    const RcBrace& j = oj == 1 ? in.brace1 : in.brace2;
    r.b_eff_i = CapToDiameter(Divide(10, Divide(c.b, c.t)) * Divide(c.fy * c.t, i.fy * i.t) * i.d, i.d);
    r.b_e_ov = CapToDiameter(Divide(10, Divide(j.d, j.t)) * Divide(j.fy * j.t, i.fy * i.t) * i.d, i.d);
    const double walls = r.lambda_ov < 50 ? 2 * i.d * r.lambda_ov / 50 : 2 * i.d;
    const double n_i = kPi4 * i.fy * i.t * (r.b_eff_i.value + r.b_e_ov.value + walls - 4 * i.t) / 1000;
    Add(r, RcMode::kOverlap, oi, n_i, i.fy, oi == 1 ? in.N1 : in.N2);
    // The overlapped brace carries the overlapping one's resistance over, its 0.9 included.
    const RcResistance& ni = r.resistances.back();
    const double area_i = kPi4 * (i.d * i.d - (i.d - 2 * i.t) * (i.d - 2 * i.t));
    const double area_j = kPi4 * (j.d * j.d - (j.d - 2 * j.t) * (j.d - 2 * j.t));
    RcResistance nj{RcMode::kOverlap, oj};
    nj.before_reduction = nj.resistance = ni.resistance * Divide(area_j * j.fy, area_i * i.fy);
    nj.force = std::fabs(oj == 1 ? in.N1 : in.N2);
    nj.passed = PassesAtLeast(nj.resistance, nj.force);
    r.resistances.push_back(nj);
  }
  SettleResistances(r);
  return r;
}

}  // namespace traxen
