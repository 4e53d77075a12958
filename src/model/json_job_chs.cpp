// Circular hollow section jobs: their derivations.
#include "model/json_job_chs.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "base/ieee_divide.h"
#include "model/chs_ring.h"
#include "model/confirm_job.h"

namespace traxen {

namespace {
using R = KeyRole;
}  // namespace

std::span<const JobKey> ChsTyxKeys() {
  static constexpr JobKey keys[] = {
      {"family.is_chs_tyx", "", R::kFlag, "1: a T, Y or X joint of circular hollow sections"},
      {"chs_tyx.d0", "mm", R::kDimension, "chord outside diameter"},
      {"chs_tyx.t0", "mm", R::kDimension, "chord wall thickness"},
      {"chs_tyx.d1", "mm", R::kDimension, "brace outside diameter"},
      {"chs_tyx.t1", "mm", R::kDimension, "brace wall thickness"},
      {"chs_tyx.theta1", "degrees", R::kAction, "angle between brace and chord"},
      {"chs_tyx.N0", "kN", R::kAction, "chord force without the brace's component along it (prestress), tension positive"},
      {"chs_tyx.M0", "kNm", R::kAction, "chord bending moment"},
      {"chs_tyx.N1", "kN", R::kAction, "brace axial force, tension positive"},
      {"chs_tyx.x_joint", "", R::kFlag, "1: X joint, a second brace on the opposite side of the chord"},
  };
  return keys;
}

std::span<const JobKey> ChsKnKeys() {
  static constexpr JobKey keys[] = {
      {"family.is_chs_kn", "", R::kFlag, "1: a K or N joint of circular hollow sections"},
      {"chs_kn.d0", "mm", R::kDimension, "chord outside diameter"},
      {"chs_kn.t0", "mm", R::kDimension, "chord wall thickness"},
      {"chs_kn.d1", "mm", R::kDimension, "brace 1 (left) outside diameter"},
      {"chs_kn.t1", "mm", R::kDimension, "brace 1 wall thickness"},
      {"chs_kn.d2", "mm", R::kDimension, "brace 2 (right) outside diameter"},
      {"chs_kn.t2", "mm", R::kDimension, "brace 2 wall thickness"},
      {"chs_kn.theta1", "degrees", R::kAction, "angle between brace 1 and the chord"},
      {"chs_kn.theta2", "degrees", R::kAction, "angle between brace 2 and the chord"},
      {"chs_kn.N0_left", "kN", R::kAction, "chord axial force left of the joint, tension positive"},
      {"chs_kn.N0_right", "kN", R::kDerived, "chord force right of the joint: from equilibrium"},
      {"chs_kn.M0", "kNm", R::kAction, "chord bending moment"},
      {"chs_kn.N1", "kN", R::kAction, "brace 1 axial force, tension positive"},
      {"chs_kn.N2", "kN", R::kDerived, "brace 2 axial force: from equilibrium"},
      {"chs_kn.e", "mm", R::kAction, "eccentricity, positive away from the braces"},
  };
  return keys;
}

void DeriveChsKnForces(ChsKnJoint& k) {
  const double a1 = k.theta1 * std::numbers::pi / 180, a2 = k.theta2 * std::numbers::pi / 180;
  k.N2 = Divide(-k.N1 * std::sin(a1), std::sin(a2));
  k.N0_right = k.N0_left + k.N1 * std::cos(a1) - k.N2 * std::cos(a2);
}

namespace {

void OnlyFamily(Job& job, int JobFamily::*flag) {
  job.family = JobFamily{};
  job.family.*flag = 1;
}

void ChordFromRing(Job& job, double d0, double t0) {
  job.chord.A0 = RingArea(d0, t0);
  job.chord.Wel0 = RingModulus(d0, t0);
}

}  // namespace

void ConfirmChsTyx(Job& job) {
  ChordFromRing(job, job.chs_tyx.d0, job.chs_tyx.t0);
  OnlyFamily(job, &JobFamily::is_chs_tyx);
}

void ConfirmChsKn(Job& job) {
  DeriveChsKnForces(job.chs_kn);
  ChordFromRing(job, job.chs_kn.d0, job.chs_kn.t0);
  OnlyFamily(job, &JobFamily::is_chs_kn);
}

void ConfirmChsJsonJob(Job& job, const JsonFieldSet& present, std::vector<std::string>* warnings,
                       std::vector<Message>* messages) {
  double d0 = 0, t0 = 0;
  if (job.family.is_chs_tyx == 1) {
    d0 = job.chs_tyx.d0, t0 = job.chs_tyx.t0;
  } else if (job.family.is_chs_kn == 1) {
    ChsKnJoint& k = job.chs_kn;
    const ChsKnJoint given = k;
    DeriveChsKnForces(k);
    WarnIfReplaced(present, "chs_kn.N2", given.N2, k.N2, warnings, messages);
    WarnIfReplaced(present, "chs_kn.N0_right", given.N0_right, k.N0_right, warnings, messages);
    d0 = k.d0, t0 = k.t0;
  } else {
    return;
  }
  if (!present.contains("chord.A0")) job.chord.A0 = RingArea(d0, t0);
  if (!present.contains("chord.Wel0")) job.chord.Wel0 = RingModulus(d0, t0);
}

}  // namespace traxen
