// Derivations made when a joint is confirmed.
#include "model/confirm_job.h"

#include <fmt/format.h>

#include <algorithm>
#include <cmath>

#include "base/ieee_divide.h"
#include "model/job_family.h"
#include "sections/hollow_section.h"
#include "sections/section_class.h"

namespace traxen {

void MirrorTyxBrace2(TyxJoint& t) {
  t.h2 = t.h1;
  t.b2 = t.b1;
  t.t2 = t.t1;
  t.N2 = t.N1;
  t.theta2 = t.theta1;
}

void DeriveKnForces(KnJoint& k) {
  const double a1 = k.theta1 * kDialogRadiansPerDegree;
  const double a2 = k.theta2 * kDialogRadiansPerDegree;
  k.N2 = Divide(-k.N1 * std::sin(a1), std::sin(a2));
  k.N0_right = k.N0_left + k.N1 * std::cos(a1) - k.N2 * std::cos(a2);
}

void WarnIfReplaced(const JsonFieldSet& present, const char* key, double given, double derived,
                    std::vector<std::string>* warnings, std::vector<Message>* messages) {
  if ((!warnings && !messages) || !present.contains(key)) return;
  const bool same = given == derived || (std::isfinite(given) && std::isfinite(derived) &&
                                         std::abs(given - derived) <= 1e-9 * std::max(1.0, std::abs(derived)));
  if (same) return;
  Message replaced(MessageId::kJsonReplaced, key, given, derived);
  if (warnings) warnings->push_back(replaced.English());
  if (messages) messages->push_back(std::move(replaced));
}

void ConfirmTyx(Job& job) {
  MirrorTyxBrace2(job.tyx);
  SetJobFamily(job, JobFamilyId::kTyx);
}

void ConfirmKn(Job& job) {
  DeriveKnForces(job.kn);
  SetJobFamily(job, JobFamilyId::kKn);
}

namespace {


void DeriveChordProperties(Job& job, const JsonFieldSet& present, double h0, double b0, double t0) {
  const HollowSectionValues chord = ColdFormedHollowSection(h0, b0, t0);
  if (!present.contains("chord.A0")) job.chord.A0 = chord.A;
  if (!present.contains("chord.Wel0")) job.chord.Wel0 = chord.Wy;
}

}  // namespace

namespace {
void Classify(const JsonFieldSet& present, const char* key, int& slot, double h, double b, double t) {
  if (!present.contains(key)) slot = HollowSectionClass(h, b, t, 355.0);
}
}  // namespace

void ConfirmTyxJson(Job& job, const JsonFieldSet& present, std::vector<std::string>* warnings,
                    std::vector<Message>* messages) {
  TyxJoint& t = job.tyx;
  const TyxJoint given = t;
  MirrorTyxBrace2(t);
  WarnIfReplaced(present, "tyx.h2", given.h2, t.h2, warnings, messages);
  WarnIfReplaced(present, "tyx.b2", given.b2, t.b2, warnings, messages);
  WarnIfReplaced(present, "tyx.t2", given.t2, t.t2, warnings, messages);
  WarnIfReplaced(present, "tyx.N2", given.N2, t.N2, warnings, messages);
  WarnIfReplaced(present, "tyx.theta2", given.theta2, t.theta2, warnings, messages);
  Classify(present, "tyx.chord_class", t.chord_class, t.h0, t.b0, t.t0);
  Classify(present, "tyx.brace_class", t.brace_class, t.h1, t.b1, t.t1);
  DeriveChordProperties(job, present, t.h0, t.b0, t.t0);
}

void ConfirmKnJson(Job& job, const JsonFieldSet& present, std::vector<std::string>* warnings,
                   std::vector<Message>* messages) {
  KnJoint& k = job.kn;
  const KnJoint given = k;
  DeriveKnForces(k);
  WarnIfReplaced(present, "kn.N2", given.N2, k.N2, warnings, messages);
  WarnIfReplaced(present, "kn.N0_right", given.N0_right, k.N0_right, warnings, messages);
  DeriveChordProperties(job, present, k.h0, k.b0, k.t0);
  Classify(present, "kn.chord_class", k.chord_class, k.h0, k.b0, k.t0);
  Classify(present, "kn.brace1_class", k.brace1_class, k.h1, k.b1, k.t1);
  Classify(present, "kn.brace2_class", k.brace2_class, k.h2, k.b2, k.t2);
}

void ConfirmJsonJob(Job& job, const JsonFieldSet& present, std::vector<std::string>* warnings,
                    std::vector<Message>* messages) {
  if (const JobFamilyInfo* family = FamilyOf(job)) family->confirm_json(job, present, warnings, messages);
}

}  // namespace traxen
