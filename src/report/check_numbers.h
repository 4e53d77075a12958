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

// The least value that the reports' "%3.1lf" prints as more than 0.0 (printf rounds the
// double nearest 0.05 up, and everything below it to "0.0" or "-0.0").
inline constexpr double kLeastPrintedAboveZero = 0.05;
// Whether a resistance (kN) or a weld (mm) prints as more than 0.0: one that prints as 0.0
// carries nothing a reader can see, so it never passes, not even against a force of 0.0 kN.
inline bool PrintsAboveZero(double value) { return value >= kLeastPrintedAboveZero; }

// A resistance's verdict: at least the design force (both finite) and printed above 0.0 kN.
inline bool ResistancePasses(double N_Rd, double N_Ed) {
  return PassesAtLeast(N_Rd, N_Ed) && PrintsAboveZero(N_Rd);
}
// The relation a resistance line prints: N_Rd >= N_Ed whenever the numbers say so, also on the
// failed line of a resistance that prints as 0.0, which must not claim 0.0 < 0.0.
inline bool ResistanceReachesForce(double N_Rd, double N_Ed) { return PassesAtLeast(N_Rd, N_Ed); }

// The smaller of a and b; NaN when either is NaN.
inline double SmallerOf(double a, double b) {
  if (std::isnan(a) || std::isnan(b)) return std::numeric_limits<double>::quiet_NaN();
  return b < a ? b : a;
}

}  // namespace traxen
