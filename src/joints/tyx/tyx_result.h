// Everything a T/Y/X joint check computes: the validity conditions, the plate requirements,
// the joint parameters and every resistance with its verdict. The report prints these
// numbers and `traxen-cli check` summarises them, so the two cannot disagree.
// Units: mm, mm², kN, MPa, degrees.
#pragma once

#include "model/report_inputs.h"

namespace traxen {

// A condition of the "value relation limit" shape (yield strength, wall thickness, angle).
struct TyxLimitCheck {
  double value = 0;
  double limit = 0;
  bool passed = false;
};

// A condition on a ratio of two dimensions (h0 / t0, 1000 × L1 / h1, ...).
struct TyxRatioCheck {
  double numerator = 0;
  double denominator = 0;
  double ratio = 0;
  bool passed = false;
};

struct TyxClassCheck {
  int section_class = 0;  // as stored: 1 to 4, anything else fails
  bool passed = false;
};

// The range of validity of one member. The chord has no angle checks and only the brace
// has the width ratio b1 / b0.
struct TyxMemberChecks {
  TyxClassCheck section_class;
  TyxLimitCheck yield_strength;
  TyxLimitCheck wall_thickness;
  TyxRatioCheck depth_to_thickness;
  TyxRatioCheck width_to_thickness;
  TyxRatioCheck depth_to_width_min;  // h / b >= 0.5
  TyxRatioCheck depth_to_width_max;  // h / b <= 2
  TyxLimitCheck angle_min;           // theta >= 30
  TyxLimitCheck angle_max;           // theta <= 150
  TyxRatioCheck length_to_depth;     // 1000 × L / h >= 6
  TyxRatioCheck brace_to_chord_width;  // b1 / b0 >= 0.25
};

struct TyxValidity {
  TyxMemberChecks chord;
  bool brace_printed = false;  // L1 > 0
  TyxMemberChecks brace;
  bool lower_brace_printed = false;  // L2 is exactly 1000.0
  TyxMemberChecks lower_brace;
  int failed_count = 0;
  // The chord wall is thicker than 25 mm: a note after the member checks, no verdict.
  bool through_thickness_note = false;
};

// The plate requirements of a reinforced joint.
struct TyxPlateRequirements {
  bool face_plate = false;
  bool side_plates = false;
  double length_for_width = 0;  // h1 / sin θ1 + √((bp − b1) × bp)
  double length_for_depth = 0;  // 1.5 × h1 / sin θ1
  double width_required = 0;    // b0 − 2 × t0
  TyxLimitCheck face_length_for_width;  // face_l >= length_for_width
  TyxLimitCheck face_length_for_depth;  // face_l >= length_for_depth
  TyxLimitCheck face_width;             // face_b >= width_required
  TyxLimitCheck side_length;            // side_l >= length_for_depth
  TyxLimitCheck strength;               // fy_plate >= fy0
  TyxLimitCheck face_thickness;         // face_t >= t0
  int failed_count = 0;
};

// The chord-stress factor kn = 1.3 − 0.4 n / β for a compressed chord, at most 1.
struct TyxChordStressFactor {
  bool chord_compressed = false;
  double beta = 0;       // the β the factor is taken at
  double uncapped = 1;   // 1.3 − 0.4 n / β before the cap (compressed chord only)
  double kn = 1;
};

struct TyxChordStress {
  double axial = 0;   // 1000 × |N0,Ed|, N
  double area = 0;    // A0
  double moment = 0;  // 1 000 000 × |M0,Ed|, Nmm
  double modulus = 0; // Wel0
  double sigma = 0;   // σ0,Ed, MPa
  double n = 0;       // σ0,Ed / fy0
};

// Which form the buckling stress of the chord side wall takes.
enum class TyxBucklingStress { ChordInTension, RightAngle, General };

// The wide-brace procedure: the chord face at β = 0.85, brace failure, chord side wall and
// shear, the interpolation and punching shear, and the governing minimum. The reinforced
// joint fills it with the face plate in place of the chord face.
struct TyxWideBrace {
  // 1. chord face at β = 0.85
  TyxChordStressFactor kn_at_085;
  double face_strength = 0;   // fy0, or fy_plate under a face plate
  double face_thickness = 0;  // t0, or face_t
  double depth_ratio = 0;     // η, or ηp
  bool face_reduced = false;  // face_strength > 355
  double face_resistance = 0;  // N1,Rd(0.85)
  // 2. brace failure
  double effective_width_unlimited = 0;
  double effective_width = 0;  // limited to b1
  bool effective_width_limited = false;
  bool brace_reduced = false;  // fy1 > 355
  double brace_resistance = 0;  // N1K,Rd
  // 3a. chord side wall
  TyxChordStressFactor kn_at_1;
  TyxBucklingStress buckling_form = TyxBucklingStress::ChordInTension;
  double slenderness = 0;  // λ
  double reduction = 0;    // χ
  double buckling_stress = 0;  // fb
  bool side_plates = false;    // the wall is t0 + side_t thick
  double wall_thickness = 0;
  bool chord_reduced = false;  // fy0 > 355
  double side_wall_resistance = 0;  // N1M,Rd from the buckling formula
  // 3b. chord shear
  double shear_area = 0;  // Av
  double shear_resistance = 0;  // N1N,Rd
  double side_resistance = 0;   // min(N1N,Rd, N1M,Rd)
  // interpolation
  double interpolated = 0;  // N1,Rd(β)
  // 4. punching shear
  bool punching_applies = false;  // 0.85 <= β <= 1 − 1/γ
  double punching_limit = 0;      // 1 − 1/γ
  double punching_width_unlimited = 0;
  double punching_width = 0;  // b_e,p limited to b1
  bool punching_width_limited = false;
  bool punching_reduced = false;
  double punching_resistance = 0;  // N1L,Rd
  // governing
  double resistance = 0;  // N1,Rd
  bool passed = false;    // resistance >= |N1|
};

// The chord face resistance when it alone governs: the narrow brace (β <= 0.85) of a plain
// joint, or the face plate under a brace in tension.
struct TyxChordFace {
  double resistance = 0;
  bool reduced = false;
  bool passed = false;
};

enum class TyxReinforcedCase { None, BraceInTension, BraceInCompression };

struct TyxResult {
  // The working values the result was computed from (the lower brace already made brace 1
  // where the report does so): the report prints its symbols and numbers from these.
  ReportInputs inputs;
  bool reinforced = false;
  TyxPlateRequirements plates;  // reinforced only
  TyxValidity validity;
  bool valid = false;  // no plate requirement or member condition failed
  int failed_count = 0;

  // Joint parameters; a reinforced joint takes β from the face plate width.
  double beta = 0, gamma = 0, eta = 0;
  double beta_p = 0, eta_p = 0;  // reinforced only
  TyxChordStress stress;
  TyxChordStressFactor kn;

  // Plain joint: which cases the width ratio selects (both at β = 0.85 exactly).
  bool narrow_case = false;
  bool wide_case = false;
  TyxChordFace narrow;

  // Reinforced joint: βp <= 0.85 lets the calculation go on; the brace force picks the case.
  bool beta_p_passed = false;
  TyxReinforcedCase reinforced_case = TyxReinforcedCase::None;
  TyxChordFace tension;

  TyxWideBrace wide;  // the plain wide case or the reinforced compression case
};

}  // namespace traxen
