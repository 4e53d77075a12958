// Derivations made when a joint is confirmed.
#include "model/confirm_job.h"

#include <fmt/format.h>

#include <algorithm>
#include <cmath>

#include "base/ieee_divide.h"
#include "model/json_job_chs.h"
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

void ConfirmTyx(Job& job) {
  MirrorTyxBrace2(job.tyx);
  job.family.is_tyx = 1;
  job.family.is_kn = 0;
}

void ConfirmKn(Job& job) {
  DeriveKnForces(job.kn);
  job.family.is_tyx = 0;
  job.family.is_kn = 1;
}

namespace {

// A given value the derivation replaced: worth a word when it differs beyond the last
// digits a written job keeps.
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

void DeriveChordProperties(Job& job, const JsonFieldSet& present, double h0, double b0, double t0) {
  const HollowSectionValues chord = ColdFormedHollowSection(h0, b0, t0);
  if (!present.contains("chord.A0")) job.chord.A0 = chord.A;
  if (!present.contains("chord.Wel0")) job.chord.Wel0 = chord.Wy;
}

}  // namespace

void ConfirmJsonJob(Job& job, const JsonFieldSet& present, std::vector<std::string>* warnings,
                    std::vector<Message>* messages) {
  auto classify = [&](const char* key, int& slot, double h, double b, double t, double fy) {
    if (!present.contains(key)) slot = HollowSectionClass(h, b, t, fy);
  };
  if (job.family.is_tyx == 1) {
    TyxJoint& t = job.tyx;
    const TyxJoint given = t;
    MirrorTyxBrace2(t);
    WarnIfReplaced(present, "tyx.h2", given.h2, t.h2, warnings, messages);
    WarnIfReplaced(present, "tyx.b2", given.b2, t.b2, warnings, messages);
    WarnIfReplaced(present, "tyx.t2", given.t2, t.t2, warnings, messages);
    WarnIfReplaced(present, "tyx.N2", given.N2, t.N2, warnings, messages);
    WarnIfReplaced(present, "tyx.theta2", given.theta2, t.theta2, warnings, messages);
    classify("tyx.chord_class", t.chord_class, t.h0, t.b0, t.t0, 355.0);
    classify("tyx.brace_class", t.brace_class, t.h1, t.b1, t.t1, 355.0);
    DeriveChordProperties(job, present, t.h0, t.b0, t.t0);
  } else if (job.family.is_kn == 1) {
    KnJoint& k = job.kn;
    const KnJoint given = k;
    DeriveKnForces(k);
    WarnIfReplaced(present, "kn.N2", given.N2, k.N2, warnings, messages);
    WarnIfReplaced(present, "kn.N0_right", given.N0_right, k.N0_right, warnings, messages);
    DeriveChordProperties(job, present, k.h0, k.b0, k.t0);
    classify("kn.chord_class", k.chord_class, k.h0, k.b0, k.t0, 355.0);
    classify("kn.brace1_class", k.brace1_class, k.h1, k.b1, k.t1, 355.0);
    classify("kn.brace2_class", k.brace2_class, k.h2, k.b2, k.t2, 355.0);
  } else {
    ConfirmChsJsonJob(job, present, warnings, messages);
  }
}

}  // namespace traxen
