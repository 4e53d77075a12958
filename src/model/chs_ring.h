// A circular hollow section as a plain ring: its area and elastic section modulus from the
// outside diameter d and the wall t (mm, mm², mm³). A chord whose A0 or Wel0 a job leaves
// out takes these, in the job as in its check.
#pragma once

#include <cmath>
#include <numbers>

#include "base/ieee_divide.h"

namespace traxen {

inline double RingArea(double d, double t) {
  const double bore = d - 2 * t;
  return std::numbers::pi * (d * d - bore * bore) / 4;
}

inline double RingModulus(double d, double t) {
  const double bore = d - 2 * t;
  return Divide(std::numbers::pi * (std::pow(d, 4) - std::pow(bore, 4)), 32 * d);
}

}  // namespace traxen
