// Full-strength brace welds.
#include "joints/welds/brace_welds.h"

#include <cmath>

#include "base/ieee_divide.h"
#include "report/check_numbers.h"

namespace traxen {

double WeldCorrelationFactor(double fy) {
  if (fy <= 235.0) return 0.80;
  if (fy <= 275.0) return 0.85;
  if (fy <= 355.0) return 0.90;
  return 1.00;  // also a strength that is not a number: the largest factor is the safe one
}

// The weaker part joined is the one with the smaller ultimate strength (on equal fu, the
// smaller yield strength); its fu and βw enter the weld. On a full tie the brace is named.
BraceWeld BraceWeldOf(int brace, double fy, double fu, double t, const JobSteel& steel) {
  const double fy0 = steel.fy0, fu0 = steel.fu0;
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
  w.sound = std::isfinite(w.a_min) && PrintsAboveZero(w.a_min);
  return w;
}

}  // namespace traxen
