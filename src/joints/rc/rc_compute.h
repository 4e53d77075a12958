// The check of circular hollow section braces on a square or rectangular chord (EN 1993-1-8,
// 7.5, Tables 7.8, 7.10 to 7.12, γM5 = 1.0): the rectangular chord's resistances with the
// brace's diameter for its width and depth and π/4 on the resistances of the chord face, the
// brace and punching shear. Validity, layout and resistances, without drawing.
#pragma once

#include "joints/rc/rc_result.h"

namespace traxen {

// π/4: the factor of a circular brace on a rectangular chord.
inline constexpr double kRcRoundBraceFactor = 0.78539816339744831;

// The chord face resistance of a T, Y or X joint before π/4 and the 0.9 reduction:
// kn fy0 t0² / ((1 − β) sin θ1) × (2η / sin θ1 + 4 √(1 − β)), kN.
double RcTyxChordFace(double kn, double fy0, double t0, double beta, double eta, double theta1);

RcResult ComputeRcTyx(const RcTyxInputs& in);
RcResult ComputeRcKn(const RcKnInputs& in);

// The gap between the brace toes on the chord face (negative for an overlap), mm.
double RcKnGap(double h0, double e, double d1, double theta1, double d2, double theta2);

// Which brace overlaps the other: the narrower one; of equal diameters the one with the lower
// t × fy; of equal t × fy brace 2.
int RcOverlappingBrace(const RcBrace& brace1, const RcBrace& brace2);

}  // namespace traxen
