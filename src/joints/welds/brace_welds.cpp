// Full-strength brace welds.
#include "joints/welds/brace_welds.h"

#include <cmath>

#include "base/ieee_divide.h"

namespace traxen {

double WeldCorrelationFactor(double fy) {
  if (fy <= 235.0) return 0.80;
  if (fy <= 275.0) return 0.85;
  if (fy <= 355.0) return 0.90;
  return 1.00;  // also a strength that is not a number: the largest factor is the safe one
}

namespace {

// The weaker part joined is the one with the smaller ultimate strength (on equal fu, the
// smaller yield strength); its fu and βw enter the weld. On a full tie the brace is named.
BraceWeld WeldOf(int brace, double fy, double fu, double t, double fy0, double fu0, const JobSteel& steel) {
  BraceWeld w;
  w.brace = brace;
  w.fy = fy;
  w.t = t;
  w.gamma_M0 = steel.gamma_M0;
  w.gamma_M2 = steel.gamma_M2;
  w.chord_governs = fu0 < fu || (fu0 == fu && fy0 < fy);
  w.fu = w.chord_governs ? fu0 : fu;
  w.beta_w = WeldCorrelationFactor(w.chord_governs ? fy0 : fy);
  w.a_over_t = Divide(std::sqrt(2.0) * w.beta_w * w.gamma_M2 * fy, w.gamma_M0 * w.fu);
  w.a_min = w.a_over_t * t;
  return w;
}

}  // namespace

std::vector<BraceWeld> ComputeBraceWelds(const Job& job) {
  const JobSteel& s = job.steel;
  std::vector<BraceWeld> welds;
  if (job.family.is_tyx == 1) {
    welds.push_back(WeldOf(1, s.fy1, s.fu1, job.tyx.t1, s.fy0, s.fu0, s));
    if (job.tyx.x_joint == 1) welds.push_back(WeldOf(2, s.fy2, s.fu2, job.tyx.t2, s.fy0, s.fu0, s));
  } else if (job.family.is_kn == 1) {
    welds.push_back(WeldOf(1, s.fy1, s.fu1, job.kn.t1, s.fy0, s.fu0, s));
    welds.push_back(WeldOf(2, s.fy2, s.fu2, job.kn.t2, s.fy0, s.fu0, s));
  } else if (job.family.is_chs_tyx == 1) {
    // The lower brace of a circular X joint is brace 1 mirrored, steel and all.
    welds.push_back(WeldOf(1, s.fy1, s.fu1, job.chs_tyx.t1, s.fy0, s.fu0, s));
    if (job.chs_tyx.x_joint == 1) welds.push_back(WeldOf(2, s.fy1, s.fu1, job.chs_tyx.t1, s.fy0, s.fu0, s));
  } else if (job.family.is_chs_kn == 1) {
    welds.push_back(WeldOf(1, s.fy1, s.fu1, job.chs_kn.t1, s.fy0, s.fu0, s));
    welds.push_back(WeldOf(2, s.fy2, s.fu2, job.chs_kn.t2, s.fy0, s.fu0, s));
  }
  return welds;
}

}  // namespace traxen
