// Circular hollow section joint calculation. Comparisons are written so that a NaN quantity
// fails its condition and a resistance that is not finite never passes.
#include "joints/chs/chs_compute.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <limits>
#include <numbers>
#include <utility>

#include "base/ieee_divide.h"
#include "model/chs_ring.h"
#include "report/check_numbers.h"
#include "report/report_note.h"

namespace traxen {

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kPi = std::numbers::pi;
// The largest overlap the rules cover without a shear check of the braces on the chord face,
// with the overlapped brace's hidden seam welded.
constexpr double kOverlapLimit = 80;

double Radians(double degrees) { return degrees * kPi / 180; }

bool Within(double value, double lower, double upper) {
  return PassesAtLeast(value, lower == -kInf ? value : lower) &&
         PassesAtMost(value, upper == kInf ? value : upper);
}

ChsCondition Ratio(ChsConditionKind kind, int member, double numerator, double denominator,
                   double lower, double upper) {
  ChsCondition c{kind, member, numerator, denominator, Divide(numerator, denominator), lower, upper};
  c.passed = Within(c.value, lower, upper);
  return c;
}

ChsCondition Value(ChsConditionKind kind, int member, double value, double lower, double upper) {
  ChsCondition c{kind, member, value, 1, value, lower, upper};
  c.passed = Within(value, lower, upper);
  return c;
}

ChsCondition ClassOneOrTwo(ChsConditionKind kind, int member, const ChsMember& m) {
  ChsCondition c{kind, member, m.d, m.t, 0, -kInf, 2};
  c.value = ChsSectionClass(m.d, m.t, m.fy);
  c.passed = c.value <= 2;
  return c;
}

// A brace in compression must be class 1 or 2; in tension (a force of exactly 0 included)
// only its slenderness is bounded.
ChsCondition BraceCondition(int member, const ChsMember& m, double force) {
  if (force < 0) return ClassOneOrTwo(ChsConditionKind::kBraceClass, member, m);
  return Ratio(ChsConditionKind::kBraceSlenderness, member, m.d, m.t, -kInf, 50);
}

ChsResistance Compared(ChsMode mode, int brace, double resistance, double force) {
  ChsResistance r{mode, brace, resistance, std::fabs(force)};
  r.utilisation = Divide(r.force, resistance);
  r.passed = std::isfinite(r.force) && ResistancePasses(resistance, r.force);
  return r;
}

// Punching shear of brace i, checked only when the brace fits inside the chord's bore.
void AddPunching(ChsResult& r, int brace, const ChsMember& m, double theta, double force) {
  const ChsMember& c = r.chord;
  if (!(m.d <= c.d - 2 * c.t)) return;
  const double s = std::sin(Radians(theta));
  double n = Divide(c.fy * c.t * kPi * m.d * (1 + s), 2 * s * s * std::sqrt(3.0) * 1000);
  if (r.reduced) n *= 0.9;
  r.resistances.push_back(Compared(ChsMode::kPunchingShear, brace, n, force));
}

// The smallest resistance of a brace; NaN wins so that it cannot hide behind a number.
double SmallestFor(const ChsResult& r, int brace) {
  double smallest = kInf;
  for (const ChsResistance& x : r.resistances)
    if (x.brace == brace) smallest = SmallerOf(smallest, x.resistance);
  return smallest == kInf ? 0 : smallest;
}

// The conditions in the order the report prints them, so that `check` names the failed ones
// in that order too.
void CountAndSettle(ChsResult& r) {
  std::stable_sort(r.conditions.begin(), r.conditions.end(), [](const ChsCondition& a, const ChsCondition& b) {
    return ChsConditionGroup(a) < ChsConditionGroup(b);
  });
  r.failed_count = static_cast<int>(
      std::count_if(r.conditions.begin(), r.conditions.end(), [](const ChsCondition& c) { return !c.passed; }));
  r.valid = r.failed_count == 0;
}

void SettleResistances(ChsResult& r) {
  r.N1_Rd = SmallestFor(r, 1);
  r.N2_Rd = SmallestFor(r, 2);
  r.passed = r.valid && !r.resistances.empty() &&
             std::all_of(r.resistances.begin(), r.resistances.end(), [](const ChsResistance& x) { return x.passed; });
}

void TakeChord(ChsResult& r, const ChsMember& chord, double A0, double Wel0) {
  r.chord = chord;
  // Only a value left out (0, or below) is derived: a NaN is carried on and fails the check.
  r.A0_derived = A0 <= 0;
  r.Wel0_derived = Wel0 <= 0;
  r.A0 = r.A0_derived ? ChsRingArea(chord.d, chord.t) : A0;
  r.Wel0 = r.Wel0_derived ? ChsRingModulus(chord.d, chord.t) : Wel0;
  r.gamma = Divide(chord.d, 2 * chord.t);
  r.reduced = chord.fy > 355;
}

// Every member's wall and yield strength: the design rules hold up to 460 MPa for the
// braces as for the chord.
void AddWallsAndStrength(ChsResult& r, std::initializer_list<std::pair<int, const ChsMember*>> members) {
  for (const auto& [member, m] : members) {
    r.conditions.push_back(Value(ChsConditionKind::kWallThickness, member, m->t, 2.5, kInf));
    r.conditions.push_back(Value(ChsConditionKind::kYieldStrength, member, m->fy, -kInf, 460));
  }
  // The chord's through-thickness properties matter for a thick wall; a note, not a condition.
  r.thick_chord_note = NeedsThroughThicknessNote(r.chord.t);
}

// The narrower brace overlaps the wider; of equal diameters the one with the smaller t·fy
// (the weaker wall goes on top); brace 2 when those are equal too.
int OverlappingBrace(const ChsMember& b1, const ChsMember& b2) {
  if (b1.d != b2.d) return b1.d < b2.d ? 1 : 2;
  return b1.t * b1.fy < b2.t * b2.fy ? 1 : 2;
}

// The brace whose d and θ the K/N chord face formula takes: the one in compression. The
// braces' forces balance across the chord, so at most one of them is compressed; with
// neither, the narrower brace gives both braces the smaller of the two possible resistances.
int CompressionBrace(const ChsMember& b1, const ChsMember& b2, double N1, double N2, bool& by_force) {
  by_force = N1 < 0 || N2 < 0;
  if (N1 < 0) return 1;
  if (N2 < 0) return 2;
  return b2.d < b1.d ? 2 : 1;
}

}  // namespace

int ChsConditionGroup(const ChsCondition& c) {
  switch (c.kind) {
    case ChsConditionKind::kAngleBetweenBraces: return kChsBracesGroup;
    case ChsConditionKind::kGap:
    case ChsConditionKind::kOverlap:
    case ChsConditionKind::kEccentricity: return kChsLayoutGroup;
    default: return c.member;
  }
}

int ChsSectionClass(double d, double t, double fy) {
  const double ratio = Divide(d, t);
  const double eps2 = Divide(235.0, fy);
  if (!std::isfinite(ratio) || !std::isfinite(eps2)) return 4;
  if (ratio <= 50 * eps2) return 1;
  if (ratio <= 70 * eps2) return 2;
  if (ratio <= 90 * eps2) return 3;
  return 4;
}

// The job derives a chord's A0 and Wel0 from the same ring.
double ChsRingArea(double d, double t) { return RingArea(d, t); }
double ChsRingModulus(double d, double t) { return RingModulus(d, t); }

double ChsGapFactor(double gamma, double g, double t0) {
  return std::pow(gamma, 0.2) *
         (1 + 0.024 * std::pow(gamma, 1.2) / (1 + std::exp(Divide(0.5 * g, t0) - 1.33)));
}

ChsPrestress ChsPrestressFactor(double Np, double M0, double A0, double Wel0, double fy0) {
  ChsPrestress p;
  p.Np = Np;
  p.sigma = Divide(-Np * 1e3, A0) + Divide(std::fabs(M0) * 1e6, Wel0);
  p.np = Divide(p.sigma, fy0);
  if (std::isnan(p.np))
    p.kp = p.np;
  else if (p.np > 0)
    p.kp = std::min(1.0, 1 - 0.3 * p.np * (1 + p.np));
  return p;
}

ChsResult ComputeChsTyx(const ChsTyxInputs& in) {
  ChsResult r;
  r.x_joint = in.x_joint;
  TakeChord(r, in.chord, in.A0, in.Wel0);
  // The X joint's lower brace mirrors the upper one; the report prints brace 1.
  r.brace1 = r.brace2 = in.brace;
  r.theta1 = r.theta2 = in.theta1;
  r.N0_left = r.N0_right = in.N0;
  r.M0 = in.M0;
  r.N1 = r.N2 = in.N1;
  r.beta = Divide(in.brace.d, in.chord.d);
  r.prestress = ChsPrestressFactor(in.N0, in.M0, r.A0, r.Wel0, in.chord.fy);

  r.conditions.push_back(Ratio(ChsConditionKind::kDiameterRatio, 1, in.brace.d, in.chord.d, 0.2, 1.0));
  r.conditions.push_back(
      Ratio(ChsConditionKind::kChordSlenderness, 0, in.chord.d, in.chord.t, 10, in.x_joint ? 40 : 50));
  if (in.N0 < 0) r.conditions.push_back(ClassOneOrTwo(ChsConditionKind::kChordClass, 0, in.chord));
  r.conditions.push_back(BraceCondition(1, in.brace, in.N1));
  r.conditions.push_back(Value(ChsConditionKind::kAngle, 1, in.theta1, 30, 150));
  AddWallsAndStrength(r, {{0, &r.chord}, {1, &r.brace1}});
  CountAndSettle(r);
  if (!r.valid) return r;

  const ChsMember& c = r.chord;
  const double s = std::sin(Radians(in.theta1));
  const double face = c.fy * c.t * c.t;
  double n = in.x_joint
                 ? Divide(r.prestress.kp * face * 5.2, (1 - 0.81 * r.beta) * s * 1000)
                 : Divide(std::pow(r.gamma, 0.2) * r.prestress.kp * face * (2.8 + 14.2 * r.beta * r.beta), s * 1000);
  if (r.reduced) n *= 0.9;
  r.resistances.push_back(Compared(ChsMode::kChordFace, 1, n, in.N1));
  AddPunching(r, 1, in.brace, in.theta1, in.N1);
  SettleResistances(r);
  return r;
}

ChsResult ComputeChsKn(const ChsKnInputs& in) {
  ChsResult r;
  r.kn = true;
  TakeChord(r, in.chord, in.A0, in.Wel0);
  r.brace1 = in.brace1;
  r.brace2 = in.brace2;
  r.theta1 = in.theta1;
  r.theta2 = in.theta2;
  r.M0 = in.M0;
  r.e = in.e;
  r.N0_left = in.N0_left;
  r.N1 = in.N1;
  // Equilibrium across the joint, as for the rectangular K and N joints.
  const double a1 = Radians(in.theta1), a2 = Radians(in.theta2);
  const double s1 = std::sin(a1), s2 = std::sin(a2);
  r.N2 = Divide(-in.N1 * s1, s2);
  r.N0_right = in.N0_left + in.N1 * std::cos(a1) - r.N2 * std::cos(a2);

  // The chord side with the smaller force carries the prestress; the left one on a tie.
  const double Np = std::fabs(r.N0_right) < std::fabs(r.N0_left) ? r.N0_right : r.N0_left;
  r.prestress = ChsPrestressFactor(Np, in.M0, r.A0, r.Wel0, in.chord.fy);

  const double d0 = in.chord.d;
  r.g = Divide((in.e + d0 / 2) * std::sin(a1 + a2), s1 * s2) - Divide(in.brace1.d, 2 * s1) -
        Divide(in.brace2.d, 2 * s2);
  r.overlap = r.g < 0;
  if (r.overlap) {
    r.overlapping_brace = OverlappingBrace(in.brace1, in.brace2);
    r.p = r.overlapping_brace == 1 ? Divide(in.brace1.d, s1) : Divide(in.brace2.d, s2);
    r.lambda_ov = Divide(-r.g, r.p) * 100;
    // Up to 80 % the overlapped brace's hidden seam must be welded above 60 %; beyond 80 %
    // the overlap condition fails.
    r.hidden_seam_note = r.lambda_ov > 60 && r.lambda_ov <= kOverlapLimit;
  }
  r.kg = ChsGapFactor(r.gamma, r.g, in.chord.t);

  r.conditions.push_back(Ratio(ChsConditionKind::kDiameterRatio, 1, in.brace1.d, d0, 0.2, 1.0));
  r.conditions.push_back(Ratio(ChsConditionKind::kDiameterRatio, 2, in.brace2.d, d0, 0.2, 1.0));
  r.conditions.push_back(Ratio(ChsConditionKind::kChordSlenderness, 0, d0, in.chord.t, 10, 50));
  if (r.N0_left < 0 || r.N0_right < 0)
    r.conditions.push_back(ClassOneOrTwo(ChsConditionKind::kChordClass, 0, in.chord));
  r.conditions.push_back(BraceCondition(1, in.brace1, in.N1));
  r.conditions.push_back(BraceCondition(2, in.brace2, r.N2));
  r.conditions.push_back(Value(ChsConditionKind::kAngle, 1, in.theta1, 30, 150));
  r.conditions.push_back(Value(ChsConditionKind::kAngle, 2, in.theta2, 30, 150));
  r.conditions.push_back(
      Value(ChsConditionKind::kAngleBetweenBraces, 0, std::fabs(180 - in.theta1 - in.theta2), 30, kInf));
  if (r.overlap)
    r.conditions.push_back(Value(ChsConditionKind::kOverlap, 0, r.lambda_ov, 25, kOverlapLimit));
  else
    r.conditions.push_back(Value(ChsConditionKind::kGap, 0, r.g, in.brace1.t + in.brace2.t, kInf));
  r.conditions.push_back(Ratio(ChsConditionKind::kEccentricity, 0, in.e, d0, -0.55, 0.25));
  AddWallsAndStrength(r, {{0, &r.chord}, {1, &r.brace1}, {2, &r.brace2}});
  CountAndSettle(r);
  if (!r.valid) return r;

  const ChsMember& c = r.chord;
  r.compression_brace = CompressionBrace(in.brace1, in.brace2, in.N1, r.N2, r.compression_by_force);
  const bool first = r.compression_brace == 1;
  r.beta = Divide(first ? in.brace1.d : in.brace2.d, d0);
  const double sc = first ? s1 : s2, st = first ? s2 : s1;
  double nc = Divide(r.kg * r.prestress.kp * c.fy * c.t * c.t * (1.8 + 10.2 * r.beta), sc * 1000);
  if (r.reduced) nc *= 0.9;
  // The reduction is already in the compressed brace's resistance; the other brace's only
  // carries it over to its angle.
  const double nt = Divide(nc * sc, st);
  const int other = first ? 2 : 1;
  r.resistances.push_back(Compared(ChsMode::kChordFace, r.compression_brace, nc, first ? in.N1 : r.N2));
  r.resistances.push_back(Compared(ChsMode::kChordFace, other, nt, first ? r.N2 : in.N1));
  // Punching shear bounds a gap joint's braces; in an overlap joint part of the force goes
  // through the overlapped brace and the chord face is the only mode.
  if (!r.overlap) {
    AddPunching(r, 1, in.brace1, in.theta1, in.N1);
    AddPunching(r, 2, in.brace2, in.theta2, r.N2);
  }
  SettleResistances(r);
  return r;
}

}  // namespace traxen
