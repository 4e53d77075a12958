// Validity conditions of a K/N joint: the limits on the chord and both braces, β, the angle
// between the braces, and the gap rows (g ≥ 0) or the overlap rows (g < 0), computed first and
// then printed as check lines. The reinforced K/N report runs the same section without the
// overlap conditions.
#pragma once

#include "model/report_inputs.h"

namespace traxen {

// Checks on one member. The chord block is always shown; a brace block only when that
// brace's member length is positive, and a hidden block fails nothing.
struct KnMemberValidity {
  int member = 0;     // 0 chord, 1 brace 1, 2 brace 2
  bool shown = true;
  int section_class = 0;  // stored class; passes when 1 or 2
  bool class_ok = false;
  double fy = 0;          // MPa, passes when ≤ 460
  bool fy_ok = false;
  double t = 0;           // mm, passes when ≥ 2.5
  bool t_ok = false;
  double h = 0, b = 0;    // mm, as printed in the ratios
  double h_t = 0;         // ≤ 35
  bool h_t_ok = false;
  double b_t = 0;         // ≤ 35
  bool b_t_ok = false;
  double h_b = 0;         // ≥ 0.5 and ≤ 2, two checks
  bool h_b_min_ok = false, h_b_max_ok = false;
  double length_mm = 0;   // member length L·1000
  double length_ratio = 0;  // L·1000 / h, ≥ 6
  bool length_ok = false;
  // Braces only.
  double theta = 0;       // degrees, ≥ 30 and ≤ 150, two checks
  bool theta_min_ok = false, theta_max_ok = false;
  double b_b0 = 0;        // b / b0: ≥ 0.35 in a gap joint, ≥ 0.25 in an overlap joint
  bool b_b0_ok = false;
  double b_b0_limit = 0;  // gap joint only: b / b0 ≥ 0.1 + 0.01·b0/t0
  bool b_b0_limit_ok = false;
};

// Whether the overlap conditions (width ratio of the braces, 25 % ≤ λov ≤ 80 %, h ≥ b of both
// braces) belong to the section; a joint with the plate between the braces leaves them out:
// its braces meet the plate, whose own rules stand in for the overlap.
enum class KnOverlapConditions { Checked, Omitted };

// The overlap up to which the braces' connection to the chord face needs no shear check,
// with the hidden seam of the overlapped brace welded (λov,lim of EN 1993-1-8 7.1.2(6)); above
// 60 % the report asks for that seam. The program makes no such shear check, so an overlap
// beyond the limit fails.
inline constexpr double kLeastOverlap = 25;           // %
inline constexpr double kOverlapWeldedSeamLimit = 80; // %
inline constexpr double kOverlapOpenSeamLimit = 60;   // %
// The least angle between the two brace axes (and between a brace and the chord), degrees.
inline constexpr double kLeastBraceAngle = 30;

struct KnValidity {
  KnMemberValidity chord, brace1, brace2;
  double beta = 0;           // (b1 + b2 + h1 + h2) / (4·b0)
  // The angle between the brace axes, |180° − θ1 − θ2| (degrees), at least 30°: two braces at
  // 80° leave 20° between them although each passes its own angle limits.
  double brace_angle = 0;
  bool brace_angle_ok = false;
  bool gap_rows = true;      // g ≥ 0 (also when g is not a number): the gap rows run
  double g = 0, p = 0;       // mm, as StoreKnGeometry left them
  // Gap rows.
  double t1_plus_t2 = 0;
  bool gap_size_ok = false;            // g ≥ t1 + t2
  double g_b0 = 0;                     // g / b0
  double gap_ratio_min = 0;            // 0.5·(1 − β)
  bool gap_ratio_min_ok = false;
  double gap_ratio_max = 0;            // 1.5·(1 − β)
  bool gap_ratio_max_ok = false;
  // Overlap rows.
  bool overlap_conditions = true;      // false: neither printed nor checked
  bool width_ratio_shown = false;      // b1 ≠ b2
  int narrower_brace = 1;              // 1: b1 / b2 is checked, 2: b2 / b1
  double narrower_width = 0, wider_width = 0;  // mm, as the ratio divides them
  double width_ratio = 0;              // narrower / wider, ≥ 0.75
  bool width_ratio_ok = false;
  double lambda_ov = 0;                // %, −g / p × 100, 25 … 80
  bool overlap_ok = false;
  bool overlap_beyond_limit = false;   // λov > 80 %: the failed line names the shear check
  bool hidden_seam_note = false;       // 60 % < λov ≤ 80 %: weld the overlapped brace's hidden seam
  // h ≥ b of each brace: a brace wider than deep needs the same shear check at any overlap.
  bool brace1_depth_ok = false, brace2_depth_ok = false;
  bool DepthRowFailed() const { return overlap_conditions && (!brace1_depth_ok || !brace2_depth_ok); }

  // The chord wall is thicker than 25 mm: a note after the conditions, no verdict.
  bool through_thickness_note = false;

  int failed_conditions = 0;  // how many shown checks failed
  bool valid() const { return failed_conditions == 0; }
};

// Evaluates every condition from the working values (in.g and in.p as StoreKnGeometry left them).
KnValidity ComputeKnValidity(const ReportInputs& in,
                             KnOverlapConditions overlap = KnOverlapConditions::Checked);

}  // namespace traxen
