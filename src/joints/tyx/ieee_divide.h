// Division that gives the IEEE result for a zero divisor (±infinity, or NaN for 0 / 0)
// without dividing by zero: the reports print such results as "inf" and "nan", and the
// core is also checked with -fsanitize=float-divide-by-zero.
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
