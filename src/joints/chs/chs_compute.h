// The circular hollow section joint calculation (EN 1993-1-8, 7.4, Tables 7.1 and 7.2,
// γM5 = 1.0): validity, chord prestress, gap or overlap and resistances, without drawing.
#pragma once

#include "joints/chs/chs_result.h"

namespace traxen {

// Where the report prints a condition, in this order: under its member (0 chord, 1 and 2 the
// braces), then the angle between the K/N joint's braces, then its gap or overlap and
// eccentricity. The result's conditions come in this order.
inline constexpr int kChsBracesGroup = 3;
inline constexpr int kChsLayoutGroup = 4;
int ChsConditionGroup(const ChsCondition& c);

// Cross-section class of a tube from d / t against 50 ε², 70 ε² and 90 ε², ε² = 235 / fy.
// A ratio that is not finite gives class 4.
int ChsSectionClass(double d, double t, double fy);

// The ring's area and elastic section modulus from its diameter and wall.
double ChsRingArea(double d, double t);
double ChsRingModulus(double d, double t);

// The gap factor kg at gap g (negative for an overlap).
double ChsGapFactor(double gamma, double g, double t0);

// The prestress factor kp for the chord force Np (kN) and moment M0 (kNm).
ChsPrestress ChsPrestressFactor(double Np, double M0, double A0, double Wel0, double fy0);

ChsResult ComputeChsTyx(const ChsTyxInputs& in);
ChsResult ComputeChsKn(const ChsKnInputs& in);

}  // namespace traxen
