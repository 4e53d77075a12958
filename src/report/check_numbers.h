// The numbers a check line compares. A value that is not a finite number (an infinite
// resistance from a zero angle, a ratio over a zero dimension, a NaN from 0 / 0) never
// passes, and a NaN that meets "the smaller of" or a cap keeps the result NaN instead of
// vanishing behind the other operand.
#pragma once

#include <cmath>
#include <limits>

namespace traxen {

inline bool BothFinite(double a, double b) { return std::isfinite(a) && std::isfinite(b); }

inline bool PassesAtLeast(double value, double limit) { return BothFinite(value, limit) && value >= limit; }
inline bool PassesAtMost(double value, double limit) { return BothFinite(value, limit) && value <= limit; }

// The smaller of a and b; NaN when either is NaN.
inline double SmallerOf(double a, double b) {
  if (std::isnan(a) || std::isnan(b)) return std::numeric_limits<double>::quiet_NaN();
  return b < a ? b : a;
}

}  // namespace traxen
