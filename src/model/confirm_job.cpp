// Derivations made when a joint is confirmed.
#include "model/confirm_job.h"

#include <cmath>

#include "base/ieee_divide.h"
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

void ConfirmJsonJob(Job& job, const JsonFieldSet& present) {
  auto classify = [&](const char* key, int& slot, double h, double b, double t, double fy) {
    if (!present.contains(key)) slot = HollowSectionClass(h, b, t, fy);
  };
  if (job.family.is_tyx == 1) {
    TyxJoint& t = job.tyx;
    MirrorTyxBrace2(t);
    classify("tyx.chord_class", t.chord_class, t.h0, t.b0, t.t0, 355.0);
    classify("tyx.brace_class", t.brace_class, t.h1, t.b1, t.t1, 355.0);
  } else if (job.family.is_kn == 1) {
    KnJoint& k = job.kn;
    DeriveKnForces(k);
    classify("kn.chord_class", k.chord_class, k.h0, k.b0, k.t0, 355.0);
    classify("kn.brace1_class", k.brace1_class, k.h1, k.b1, k.t1, 355.0);
    classify("kn.brace2_class", k.brace2_class, k.h2, k.b2, k.t2, 355.0);
  }
}

}  // namespace traxen
