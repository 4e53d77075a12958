// Everything a circular hollow section joint check computes: the inputs it used, the
// derived forces and layout, the validity conditions and every resistance with its verdict.
// The report prints these numbers and `traxen-cli check` summarises them, so the two
// cannot disagree. Units: mm, mm², mm³, kN, kNm, MPa, degrees.
#pragma once

#include <vector>

namespace traxen {

struct ChsMember {
  double d = 0;      // outside diameter
  double t = 0;      // wall thickness
  double fy = 355;   // yield strength
};

// A T, Y or X joint. N0 is the chord force beside the joint without the brace's component
// along the chord (the prestress).
struct ChsTyxInputs {
  ChsMember chord, brace;
  double theta1 = 90;
  double N0 = 0, M0 = 0, N1 = 0;
  bool x_joint = false;
  double A0 = 0, Wel0 = 0;  // 0: derived from d0 and t0 as a ring
};

// A K or N joint; N2 and N0_right follow from equilibrium.
struct ChsKnInputs {
  ChsMember chord, brace1, brace2;
  double theta1 = 45, theta2 = 45;
  double N0_left = 0, M0 = 0, N1 = 0;
  double e = 0;  // eccentricity, positive away from the braces
  double A0 = 0, Wel0 = 0;  // 0: derived from d0 and t0 as a ring
};

// What a validity condition bounds. The member says whose value it is (0 chord, 1 or 2 brace).
enum class ChsConditionKind {
  kDiameterRatio,      // 0.2 <= d_i / d0 <= 1.0
  kChordSlenderness,   // 10 <= d0 / t0 <= 50 (40 for an X joint)
  kChordClass,         // a compressed chord is class 1 or 2
  kBraceSlenderness,   // a brace in tension: d_i / t_i <= 50
  kBraceClass,         // a brace in compression is class 1 or 2
  kAngle,              // 30 <= θ_i <= 150
  kAngleBetweenBraces, // K/N: |180 − θ1 − θ2| >= 30, the angle between the brace axes
  kGap,                // g >= t1 + t2
  kOverlap,            // 25 <= λov <= 80 %; beyond 80 % the braces' shear on the chord face is unchecked
  kEccentricity,       // -0.55 <= e / d0 <= 0.25
  kWallThickness,      // t >= 2.5
  kYieldStrength,      // fy <= 460, every member
};

// One condition: value lies in [lower, upper]; a bound that does not apply is infinite.
// Ratios keep their numerator and denominator for the report; a class check keeps the
// class as its value and its d/t limits in ε² for the report's working.
struct ChsCondition {
  ChsConditionKind kind = ChsConditionKind::kDiameterRatio;
  int member = 0;
  double numerator = 0, denominator = 0;
  double value = 0;
  double lower = 0, upper = 0;
  bool passed = false;
};

// The failure modes, numbered as the JSON result names them.
enum class ChsMode { kChordFace = 1, kPunchingShear = 4 };

struct ChsResistance {
  ChsMode mode = ChsMode::kChordFace;
  int brace = 1;
  double resistance = 0;  // N_i,Rd, kN
  double force = 0;       // |N_i,Ed|, kN
  double utilisation = 0; // force / resistance
  bool passed = false;    // a value that is not finite never passes
};

// The chord prestress factor kp.
struct ChsPrestress {
  double Np = 0;      // Np,Ed, kN
  double sigma = 0;   // σp,Ed, MPa, compression positive
  double np = 0;      // σp,Ed / fy0
  double kp = 1;
};

struct ChsResult {
  bool kn = false;      // K/N joint; otherwise T/Y or X
  bool x_joint = false;
  // The members as the check used them: brace 2 is the X joint's lower brace (brace 1
  // mirrored) or the K/N joint's second brace.
  ChsMember chord, brace1, brace2;
  double theta1 = 0, theta2 = 0;
  double N0_left = 0, N0_right = 0, M0 = 0, N1 = 0, N2 = 0, e = 0;
  double A0 = 0, Wel0 = 0;
  bool A0_derived = false, Wel0_derived = false;

  double gamma = 0;  // d0 / (2 t0)
  // d_i / d0 of the brace the chord face formula takes: the T, Y or X joint's brace, the K/N
  // joint's compression brace (computed with the resistances).
  double beta = 0;
  ChsPrestress prestress;

  // K/N layout.
  double g = 0;               // gap, negative for an overlap
  bool overlap = false;
  // The overlapping brace of an overlap joint: the narrower one; of equal diameters the one
  // with the smaller t·fy; brace 2 when those are equal too.
  int overlapping_brace = 0;  // 1 or 2 for an overlap joint
  double p = 0;               // d_i / sin θ_i of the overlapping brace
  double lambda_ov = 0;       // %
  bool hidden_seam_note = false;  // 60 % < λov <= 80 %: the overlapped brace's hidden seam is welded
  double kg = 0;
  // The K/N chord face formula takes d and θ of the brace in compression; the other brace's
  // resistance follows from it by sin θ. Neither brace in compression (both forces 0, or
  // not numbers): the narrower brace, which gives both braces the lower resistance.
  int compression_brace = 1;
  bool compression_by_force = true;  // false: chosen by the smaller diameter

  std::vector<ChsCondition> conditions;
  int failed_count = 0;
  bool thick_chord_note = false;  // t0 > 25 mm: the chord's through-thickness properties
  bool valid = false;  // every condition holds; resistances are computed only then

  bool reduced = false;  // fy0 > 355: every resistance × 0.9
  std::vector<ChsResistance> resistances;
  double N1_Rd = 0, N2_Rd = 0;  // the smallest resistance of each brace
  bool passed = false;
};

}  // namespace traxen
