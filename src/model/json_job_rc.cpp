// Jobs of round braces on a rectangular chord: keys, members, examples and derivations.
#include "model/json_job_rc.h"

#include "model/confirm_job.h"
#include "model/job_family.h"
#include "sections/hollow_section.h"

namespace traxen {

namespace {
using R = KeyRole;
}  // namespace

std::span<const JobKey> RcTyxKeys() {
  static constexpr JobKey keys[] = {
      {"family.is_rc_tyx", "", R::kFlag, "1: a T, Y or X joint of a circular brace on a rectangular chord"},
      {"rc_tyx.h0", "mm", R::kDimension, "chord depth (in the plane of the joint)"},
      {"rc_tyx.b0", "mm", R::kDimension, "chord width"},
      {"rc_tyx.t0", "mm", R::kDimension, "chord wall thickness"},
      {"rc_tyx.d1", "mm", R::kDimension, "brace outside diameter"},
      {"rc_tyx.t1", "mm", R::kDimension, "brace wall thickness"},
      {"rc_tyx.theta1", "degrees", R::kAction, "angle between brace and chord"},
      {"rc_tyx.N0", "kN", R::kAction, "chord axial force, tension positive"},
      {"rc_tyx.M0", "kNm", R::kAction, "chord bending moment"},
      {"rc_tyx.N1", "kN", R::kAction, "brace axial force, tension positive"},
      {"rc_tyx.x_joint", "", R::kFlag, "1: X joint, a second brace on the opposite chord face"},
  };
  return keys;
}

std::span<const JobKey> RcKnKeys() {
  static constexpr JobKey keys[] = {
      {"family.is_rc_kn", "", R::kFlag, "1: a K or N joint of circular braces on a rectangular chord"},
      {"rc_kn.h0", "mm", R::kDimension, "chord depth (in the plane of the joint)"},
      {"rc_kn.b0", "mm", R::kDimension, "chord width"},
      {"rc_kn.t0", "mm", R::kDimension, "chord wall thickness"},
      {"rc_kn.d1", "mm", R::kDimension, "brace 1 (left) outside diameter"},
      {"rc_kn.t1", "mm", R::kDimension, "brace 1 wall thickness"},
      {"rc_kn.d2", "mm", R::kDimension, "brace 2 (right) outside diameter"},
      {"rc_kn.t2", "mm", R::kDimension, "brace 2 wall thickness"},
      {"rc_kn.theta1", "degrees", R::kAction, "angle between brace 1 and the chord"},
      {"rc_kn.theta2", "degrees", R::kAction, "angle between brace 2 and the chord"},
      {"rc_kn.N0_left", "kN", R::kAction, "chord axial force left of the joint, tension positive"},
      {"rc_kn.N0_right", "kN", R::kDerived, "chord force right of the joint: from equilibrium"},
      {"rc_kn.M0", "kNm", R::kAction, "chord bending moment"},
      {"rc_kn.N1", "kN", R::kAction, "brace 1 axial force, tension positive"},
      {"rc_kn.N2", "kN", R::kDerived, "brace 2 axial force: from equilibrium"},
      {"rc_kn.e", "mm", R::kAction, "eccentricity, positive away from the braces"},
  };
  return keys;
}

std::vector<MemberSize> RcTyxMembers(const Job& job) {
  const RcTyxJoint& j = job.rc_tyx;
  return {{"chord", "rc_tyx.t0", j.h0, j.b0, j.t0}, {"brace", "rc_tyx.t1", j.d1, j.d1, j.t1, true}};
}

std::vector<MemberSize> RcKnMembers(const Job& job) {
  const RcKnJoint& j = job.rc_kn;
  return {{"chord", "rc_kn.t0", j.h0, j.b0, j.t0},
          {"brace 1", "rc_kn.t1", j.d1, j.d1, j.t1, true},
          {"brace 2", "rc_kn.t2", j.d2, j.d2, j.t2, true}};
}

Job RcTyxExample(bool x_joint) {
  Job job;
  job.rc_tyx.x_joint = x_joint ? 1 : 0;
  ConfirmRcTyx(job);
  return job;
}

Job RcKnExample(bool) {
  Job job;
  ConfirmRcKn(job);
  return job;
}

double RcChordArea(double h0, double b0, double t0) { return ColdFormedHollowSection(h0, b0, t0).A; }
double RcChordModulus(double h0, double b0, double t0) { return ColdFormedHollowSection(h0, b0, t0).Wy; }

void DeriveRcKnForces(RcKnJoint& k) {
  // The rectangular K/N joint's own derivation, on its fields.
  KnJoint kn;
  kn.theta1 = k.theta1, kn.theta2 = k.theta2, kn.N1 = k.N1, kn.N0_left = k.N0_left;
  DeriveKnForces(kn);
  k.N2 = kn.N2;
  k.N0_right = kn.N0_right;
}

namespace {

void ChordFromSection(Job& job, double h0, double b0, double t0, const JsonFieldSet* present) {
  const HollowSectionValues chord = ColdFormedHollowSection(h0, b0, t0);
  if (!present || !present->contains("chord.A0")) job.chord.A0 = chord.A;
  if (!present || !present->contains("chord.Wel0")) job.chord.Wel0 = chord.Wy;
}

}  // namespace

void ConfirmRcTyx(Job& job) {
  const RcTyxJoint& x = job.rc_tyx;
  ChordFromSection(job, x.h0, x.b0, x.t0, nullptr);
  SetJobFamily(job, JobFamilyId::kRcTyx);
}

void ConfirmRcKn(Job& job) {
  DeriveRcKnForces(job.rc_kn);
  const RcKnJoint& k = job.rc_kn;
  ChordFromSection(job, k.h0, k.b0, k.t0, nullptr);
  SetJobFamily(job, JobFamilyId::kRcKn);
}

void ConfirmRcJsonJob(Job& job, const JsonFieldSet& present, std::vector<std::string>* warnings,
                      std::vector<Message>* messages) {
  if (job.family.is_rc_tyx == 1) {
    const RcTyxJoint& x = job.rc_tyx;
    ChordFromSection(job, x.h0, x.b0, x.t0, &present);
  } else if (job.family.is_rc_kn == 1) {
    RcKnJoint& k = job.rc_kn;
    const RcKnJoint given = k;
    DeriveRcKnForces(k);
    WarnIfReplaced(present, "rc_kn.N2", given.N2, k.N2, warnings, messages);
    WarnIfReplaced(present, "rc_kn.N0_right", given.N0_right, k.N0_right, warnings, messages);
    ChordFromSection(job, k.h0, k.b0, k.t0, &present);
  }
}

}  // namespace traxen
