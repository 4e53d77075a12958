// Evaluation of the K/N validity conditions; the lines are printed in kn_validity_lines.cpp.
#include "joints/kn/kn_validity.h"

#include <cmath>

#include "joints/kn/kn_geometry.h"
#include "base/ieee_divide.h"
#include "report/check_numbers.h"
#include "report/report_note.h"

namespace traxen {

namespace {

struct MemberData {
  int member;
  int section_class;
  double fy, h, b, t, L, theta;
};

KnMemberValidity CheckMember(const MemberData& m, const ReportInputs& in, bool gap_rows) {
  KnMemberValidity v;
  v.member = m.member;
  v.shown = m.member == 0 || m.L > 0;
  v.section_class = m.section_class;
  v.class_ok = m.section_class == 1 || m.section_class == 2;
  v.fy = m.fy;
  v.fy_ok = PassesAtMost(m.fy, 460);
  v.t = m.t;
  v.t_ok = PassesAtLeast(m.t, 2.5);
  v.h = m.h;
  v.b = m.b;
  v.h_t = Divide(m.h, m.t);
  v.h_t_ok = PassesAtMost(v.h_t, 35);
  v.b_t = Divide(m.b, m.t);
  v.b_t_ok = PassesAtMost(v.b_t, 35);
  v.h_b = Divide(m.h, m.b);
  v.h_b_min_ok = PassesAtLeast(v.h_b, 0.5);
  v.h_b_max_ok = PassesAtMost(v.h_b, 2);
  v.length_mm = m.L * 1000;
  v.length_ratio = Divide(v.length_mm, m.h);
  v.length_ok = PassesAtLeast(v.length_ratio, 6);
  if (m.member != 0) {
    v.theta = m.theta;
    v.theta_min_ok = PassesAtLeast(m.theta, 30);
    v.theta_max_ok = PassesAtMost(m.theta, 150);
    v.b_b0 = Divide(m.b, in.b0);
    v.b_b0_ok = PassesAtLeast(v.b_b0, gap_rows ? 0.35 : 0.25);
    if (gap_rows) {
      v.b_b0_limit = 0.1 + Divide(0.01 * in.b0, in.t0);
      v.b_b0_limit_ok = PassesAtLeast(v.b_b0, v.b_b0_limit);
    }
  }
  return v;
}

int FailedChecks(const KnMemberValidity& v, bool gap_rows) {
  if (!v.shown) return 0;
  int failed = !v.class_ok + !v.fy_ok + !v.t_ok + !v.h_t_ok + !v.b_t_ok + !v.h_b_min_ok +
               !v.h_b_max_ok + !v.length_ok;
  if (v.member != 0) {
    failed += !v.theta_min_ok + !v.theta_max_ok + !v.b_b0_ok;
    if (gap_rows) failed += !v.b_b0_limit_ok;
  }
  return failed;
}

}  // namespace

KnValidity ComputeKnValidity(const ReportInputs& in, KnOverlapConditions overlap) {
  KnValidity v;
  v.g = in.g;
  v.p = in.p;
  v.gap_rows = !(in.g < 0);
  v.chord = CheckMember({0, in.chord_class, in.fy0, in.h0, in.b0, in.t0, in.L0_left, 0}, in, v.gap_rows);
  v.brace1 = CheckMember({1, in.brace1_class, in.fy1, in.h1, in.b1, in.t1, in.L1, in.theta1}, in,
                         v.gap_rows);
  v.brace2 = CheckMember({2, in.brace2_class, in.fy2, in.h2, in.b2, in.t2, in.L2, in.theta2}, in,
                         v.gap_rows);
  v.beta = KnWidthRatio(in);
  v.brace_angle = std::fabs(180 - in.theta1 - in.theta2);
  v.brace_angle_ok = PassesAtLeast(v.brace_angle, kLeastBraceAngle);
  v.through_thickness_note = NeedsThroughThicknessNote(in.t0);

  int failed = FailedChecks(v.chord, v.gap_rows) + FailedChecks(v.brace1, v.gap_rows) +
               FailedChecks(v.brace2, v.gap_rows) + !v.brace_angle_ok;
  if (v.gap_rows) {
    v.t1_plus_t2 = in.t1 + in.t2;
    v.gap_size_ok = PassesAtLeast(in.g, v.t1_plus_t2);
    v.g_b0 = Divide(in.g, in.b0);
    v.gap_ratio_min = 0.5 * (1 - v.beta);
    v.gap_ratio_min_ok = PassesAtLeast(v.g_b0, v.gap_ratio_min);
    v.gap_ratio_max = 1.5 * (1 - v.beta);
    v.gap_ratio_max_ok = PassesAtMost(v.g_b0, v.gap_ratio_max);
    failed += !v.gap_size_ok + !v.gap_ratio_min_ok + !v.gap_ratio_max_ok;
  } else {
    v.overlap_conditions = overlap == KnOverlapConditions::Checked;
    v.lambda_ov = KnOverlapRatio(in.g, in.p);
    if (v.overlap_conditions) {
      v.width_ratio_shown = in.b1 != in.b2;
      if (v.width_ratio_shown) {
        v.narrower_brace = in.b2 > in.b1 ? 1 : 2;
        v.narrower_width = v.narrower_brace == 1 ? in.b1 : in.b2;
        v.wider_width = v.narrower_brace == 1 ? in.b2 : in.b1;
        v.width_ratio = Divide(v.narrower_width, v.wider_width);
        v.width_ratio_ok = PassesAtLeast(v.width_ratio, 0.75);
        failed += !v.width_ratio_ok;
      }
      v.brace1_depth_ok = PassesAtLeast(in.h1, in.b1);
      v.brace2_depth_ok = PassesAtLeast(in.h2, in.b2);
      failed += !v.brace1_depth_ok + !v.brace2_depth_ok;
      v.overlap_ok =
          PassesAtLeast(v.lambda_ov, kLeastOverlap) && PassesAtMost(v.lambda_ov, kOverlapWeldedSeamLimit);
      v.overlap_beyond_limit = v.lambda_ov > kOverlapWeldedSeamLimit;
      v.hidden_seam_note = v.overlap_ok && v.lambda_ov > kOverlapOpenSeamLimit;
      failed += !v.overlap_ok;
    }
  }
  v.failed_conditions = failed;
  return v;
}

}  // namespace traxen
