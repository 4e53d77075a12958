// Circular hollow section jobs: family, sizes and derivations.
#include "model/json_job_chs.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "base/ieee_divide.h"
#include "model/chs_ring.h"
#include "model/confirm_job.h"

namespace traxen {

std::string_view ChsFamilyGroup(const Job& job) {
  if (job.family.is_chs_tyx == 1) return "chs_tyx";
  if (job.family.is_chs_kn == 1) return "chs_kn";
  return "";
}

std::string_view ChsFamilyName(std::string_view group) { return group == "chs_kn" ? "CHS K/N" : "CHS T/Y/X"; }

Message FamilyFlagsProblem(const Job& job) {
  const JobFamily& f = job.family;
  std::vector<std::string_view> set;
  if (f.is_tyx == 1) set.push_back("is_tyx");
  if (f.is_kn == 1) set.push_back("is_kn");
  if (f.is_chs_tyx == 1) set.push_back("is_chs_tyx");
  if (f.is_chs_kn == 1) set.push_back("is_chs_kn");
  if (set.size() < 2) return {};
  if (f.is_tyx == 1 && f.is_kn == 1 && set.size() == 2) return Message(MessageId::kJsonBothFamilies);
  std::string names;
  for (std::size_t i = 0; i < set.size(); ++i)
    names += std::string(i == 0 ? "" : i + 1 == set.size() ? " and " : ", ") + std::string(set[i]);
  return Message(MessageId::kJsonFamilies, names);
}

Message ChsSectionProblem(const Job& job) {
  struct Member {
    const char* name;
    const char* wall_key;
    double d, t;
  };
  std::vector<Member> members;
  if (job.family.is_chs_tyx == 1) {
    const ChsTyxJoint& x = job.chs_tyx;
    members = {{"chord", "chs_tyx.t0", x.d0, x.t0}, {"brace", "chs_tyx.t1", x.d1, x.t1}};
  } else if (job.family.is_chs_kn == 1) {
    const ChsKnJoint& k = job.chs_kn;
    members = {{"chord", "chs_kn.t0", k.d0, k.t0}, {"brace 1", "chs_kn.t1", k.d1, k.t1},
               {"brace 2", "chs_kn.t2", k.d2, k.t2}};
  }
  for (const Member& m : members)
    if (!(2 * m.t < m.d)) return Message(MessageId::kJsonChsWallTooThick, m.wall_key, m.t, Term{m.name}, m.d);
  return {};
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
