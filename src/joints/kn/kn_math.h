// Division as the K/N formulas need it: a zero denominator (no section chosen, an angle of
// 0° or 180°) gives the IEEE result (±inf, or NaN for 0/0) without executing a division by
// zero, which the sanitizer build treats as an error. The checks then fail on that value.
#pragma once

#include <cmath>
#include <limits>

namespace traxen {

inline double Div(double numerator, double denominator) {
  if (denominator != 0) return numerator / denominator;
  if (numerator == 0 || std::isnan(numerator)) return std::numeric_limits<double>::quiet_NaN();
  const bool negative = std::signbit(numerator) != std::signbit(denominator);
  return negative ? -std::numeric_limits<double>::infinity() : std::numeric_limits<double>::infinity();
}

}  // namespace traxen
