// Everything a check of round braces on a rectangular chord computes: the inputs it used, the
// derived forces and layout, the validity conditions and every resistance with its verdict.
// The report prints these numbers and `traxen-cli check` summarises them, so the two cannot
// disagree. Units: mm, mm², mm³, kN, kNm, MPa, degrees; λov in per cent.
#pragma once

#include <vector>

namespace traxen {

// The chord: a square or rectangular hollow section.
struct RcChord {
  double h = 0, b = 0, t = 0;  // depth (in the plane of the joint), width, wall
  double fy = 355;
  double L = 0;  // member length, mm
};

// A brace: a circular hollow section.
struct RcBrace {
  double d = 0, t = 0;
  double fy = 355;
  double L = 0;  // member length, mm
};

struct RcTyxInputs {
  RcChord chord;
  RcBrace brace;
  double theta1 = 90;
  double N0 = 0, M0 = 0, N1 = 0;
  bool x_joint = false;
  double A0 = 0, Wel0 = 0;  // 0: the chord section's own (the caller passes them derived)
  bool A0_derived = false, Wel0_derived = false;
  double gamma_M0 = 1;
};

struct RcKnInputs {
  RcChord chord;
  RcBrace brace1, brace2;
  double theta1 = 45, theta2 = 45;
  double N0_left = 0, N0_right = 0, M0 = 0, N1 = 0, N2 = 0;  // N2, N0_right from equilibrium
  double e = 0;  // eccentricity, positive away from the braces
  double A0 = 0, Wel0 = 0;
  bool A0_derived = false, Wel0_derived = false;
  double gamma_M0 = 1;
};

// What a validity condition bounds. The member says whose value it is (0 chord, 1 or 2 brace;
// 0 also for the conditions on the joint's layout).
enum class RcConditionKind {
  kDepthToWall,       // chord: h0 / t0 <= 35
  kWidthToWall,       // chord: b0 / t0 <= 35
  kDepthToWidth,      // chord: 0.5 <= h0 / b0 <= 2
  kChordClass,        // a compressed chord is class 1 or 2: c / t0 <= 38 ε, c = max(h0, b0) − 3 t0
  kWallThickness,     // t_i >= 2.5 mm
  kYieldStrength,     // f_yi <= 460 MPa
  kLengthRatio,       // L_i / h0 or L_i / d_i >= 6
  kDiameterToWidth,   // 0.4 <= d_i / b0 <= 0.8
  kBraceSlenderness,  // d_i / t_i <= 50
  kBraceClass,        // a compressed brace is class 1: d_i / t_i <= 50 ε²
  kAngle,             // 30° <= θ_i <= 150°
  kAngleBetween,      // |180° − θ1 − θ2| >= 30°
  kGap,               // g >= t1 + t2
  kGapRatio,          // 0.5 (1 − β) <= g / b0 <= 1.5 (1 − β)
  kOverlap,           // 25 % <= λov <= 80 %
  kOverlapDiameters,  // d_i / d_j >= 0.75, i overlapping
};

// One condition: value lies in [lower, upper]; a bound that does not apply is infinite.
// Ratios keep their numerator and denominator for the report.
struct RcCondition {
  RcConditionKind kind = RcConditionKind::kDepthToWall;
  int member = 0;
  double numerator = 0, denominator = 0;
  double value = 0;
  double lower = 0, upper = 0;
  bool passed = false;
};

// The failure modes, by the codes `traxen-cli check` gives the rectangular K/N modes.
enum class RcMode { kChordFace, kBrace, kChordShear, kChordInGap, kPunching, kOverlap };

struct RcResistance {
  RcMode mode = RcMode::kChordFace;
  int brace = 1;
  double before_reduction = 0;  // kN, the formula's value (with π/4 where it applies)
  double resistance = 0;        // kN: × 0.9 when the governing yield strength exceeds 355 MPa
  bool reduced = false;
  double force = 0;             // kN, absolute value of the force it is compared with
  bool passed = false;          // a value that is not finite never passes
};

// An effective width: the formula's value and the width used, at most the brace's diameter.
struct RcWidth {
  double formula = 0;
  double value = 0;
  bool capped = false;
};

// The chord's stress and the factor kn that follows from it.
struct RcChordStress {
  double N0_Ed = 0;                // kN: the chord force the stress is taken from
  bool eccentricity_moment = false;  // K/N: e outside −0.55 h0 … 0.25 h0
  bool e_above_limit = false;      // e > 0.25 h0 (otherwise e < −0.55 h0)
  double e_limit_factor = 0;       // 0.25 or −0.55
  double M_e = 0;                  // kNm: N1 cos θ1 e / 1000
  double M0_Ed = 0;                // kNm
  double sigma = 0;                // MPa: |N0,Ed| / A0 + |M0,Ed| / Wel0
  double n = 0;                    // σ0,Ed / fy0
  bool compressed = false;         // N0,Ed < 0: kn from the formula
  double kn_formula = 1;           // 1.3 − 0.4 n / β before the cap
  double kn = 1;
};

struct RcResult {
  bool kn = false;  // a K/N joint; otherwise T, Y or X
  bool x_joint = false;
  RcChord chord;
  RcBrace brace1, brace2;  // brace 2 of an X joint is brace 1 mirrored
  double theta1 = 0, theta2 = 0;
  double N0_left = 0, N0_right = 0, M0 = 0, N1 = 0, N2 = 0, e = 0;
  double A0 = 0, Wel0 = 0;
  bool A0_derived = false, Wel0_derived = false;
  double gamma_M0 = 1;

  // Joint parameters.
  double beta = 0;   // d1 / b0 (T, Y, X) or (d1 + d2) / (2 b0) (K, N)
  double eta = 0;    // d1 / b0 (T, Y, X)
  double gamma = 0;  // b0 / (2 t0)
  RcChordStress stress;

  // K/N layout.
  double g = 0;  // gap, negative for an overlap
  bool overlap = false;
  int overlapping = 0, overlapped = 0;  // braces i and j of an overlap joint
  double p = 0;          // d_i / sin θ_i of the overlapping brace
  double lambda_ov = 0;  // %
  bool hidden_seam_note = false;   // 60 % < λov <= 80 %: the hidden seam must be welded
  bool overlap_beyond_limit = false;  // λov > 80 %: the shear of the braces' connection to the chord is not checked
  bool through_thickness_note = false;  // t0 > 25 mm

  std::vector<RcCondition> conditions;
  int failed_count = 0;
  bool valid = false;  // every condition holds; resistances are computed only then

  // K/N gap joint: the auxiliary values of each brace (index 0 brace 1, 1 brace 2).
  double A_v = 0;      // 2 h0 t0 (α = 0 under a circular brace)
  double V_pl_Rd = 0;  // kN: A_v fy0 / (√3 γM0)
  double V_Ed[2] = {0, 0};  // kN: N_i sin θ_i
  RcWidth b_eff[2], b_ep[2];
  double punching_limit = 0;   // 1 − 1/γ
  bool punching_applies = false;  // β <= 1 − 1/γ (T, Y, X: never, β <= 0.8 and chord face alone governs)
  // K/N overlap joint.
  RcWidth b_eff_i, b_e_ov;

  std::vector<RcResistance> resistances;
  double N1_Rd = 0, N2_Rd = 0;  // the smallest resistance of each brace
  bool passed = false;
};

}  // namespace traxen
