// Area and elastic section modulus of a square or rectangular hollow section from its
// outer dimensions, by the rule the section-library files are generated with: rounded
// outer and inner corners (cold-formed EN 10219-2 radii), values kept to the five
// significant digits a library row holds. A job that gives only h × b × t gets the same
// A and W as the library row of that size.
#pragma once

namespace traxen {

// Outer corner radius of a cold-formed hollow section (EN 10219-2): 2t up to 6 mm,
// 2.5t up to 10 mm, 3t above. The inner radius is the outer one less t.
double ColdFormedOuterRadius(double t);

struct HollowSectionValues {
  double A = 0;   // mm²
  double Wy = 0;  // mm³, bending about the axis parallel to b (the chord's Wel0)
};

// h, b, t in mm; all must be finite and positive with t < b/2 and t < h/2, otherwise the
// values are not finite.
HollowSectionValues ColdFormedHollowSection(double h, double b, double t);

// `x` kept to `digits` significant digits as the library files print it.
double RoundToSignificant(double x, int digits);

}  // namespace traxen
