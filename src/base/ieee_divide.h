// Division that gives the IEEE result for a zero divisor (±infinity, or NaN for 0 / 0)
// without dividing by zero. A missing section or an angle of 0° or 180° makes a formula's
// denominator zero; the reports then print "inf" and "nan" and the checks fail on them,
// while the core stays clean under -fsanitize=float-divide-by-zero.
#pragma once

#include <cmath>
#include <limits>

namespace traxen {

inline double Divide(double numerator, double denominator) {
  if (denominator != 0) return numerator / denominator;
  if (numerator == 0 || std::isnan(numerator)) return std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  return std::signbit(numerator) == std::signbit(denominator) ? inf : -inf;
}

}  // namespace traxen
