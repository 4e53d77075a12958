// The one place where a computed double becomes a drawing coordinate. A NaN, an infinity
// or a huge value (from a zero scale or a degenerate angle) would be undefined behaviour
// in a plain cast; here it is pinned to a finite, drawable value instead.
#pragma once

#include <cmath>

namespace traxen {

inline constexpr double kCoordLimit = 1.0e7;

// Truncates toward zero, as an integer conversion does; NaN becomes 0 and values beyond
// ±1e7 are clamped.
inline int ToCoord(double v) {
  if (std::isnan(v)) return 0;
  if (v > kCoordLimit) v = kCoordLimit;
  if (v < -kCoordLimit) v = -kCoordLimit;
  return static_cast<int>(v);
}

// Rounds to the nearest integer, halves up, with the same guards.
inline int RoundCoord(double v) {
  if (std::isnan(v)) return 0;
  return ToCoord(std::floor(v + 0.5));
}

}  // namespace traxen
