// The range every number of a job must lie in before anything is computed from it. A value
// outside its range is an input mistake, not a joint that fails a validity limit: the
// dialogs mark the field, the JSON reader and the project-file reader refuse the job and
// name the key or line. The validity limits of the design rules are another matter; a
// value inside its range but outside a limit still prints its red verdict in the report.
//
// One table for every reader and every dialog, so that a value one of them accepts is
// never refused by another.
#pragma once

#include <string>
#include <string_view>

namespace traxen {

enum class ValueRange {
  kAnyFinite,      // forces, moments, eccentricity: any finite number
  kPositive,       // sizes, member lengths: finite and > 0
  kAngle,          // brace angles: within (0°, 180°)
  kPartialFactor,  // partial factors γM: finite and ≥ 1.0
  kStrength,       // yield and ultimate strengths: within [100, 1000] MPa
  kElasticModulus, // E: within [150 000, 250 000] MPa
};

// The strengths and the elastic modulus a steel of a hollow section joint can have. Wide
// enough for every structural steel, narrow enough to refuse a value typed in the wrong unit
// (0.355 for 355 MPa, GPa for MPa, 2.1e11 Pa for E), which would otherwise be computed into
// a report that passes with a 0.0 mm weld.
inline constexpr double kLeastStrength = 100, kGreatestStrength = 1000;              // MPa
inline constexpr double kLeastElasticModulus = 150000, kGreatestElasticModulus = 250000;  // MPa

// The range of a job key ("len.L1", "steel.gamma_M0", "kn.theta2", "plate.face_t").
// Plate sizes are kPositive; whether a plate is in use is the caller's to know.
// Keys that hold no number, or no physical quantity (flags, indices, classes), are kAnyFinite.
ValueRange RangeOfKey(std::string_view dotted);

// The range of a key of a hollow section joint's own group, as the families' records give
// it: the members' sizes ("h0", "b1", "d2", "t0") kPositive, the brace angles ("theta1")
// kAngle, forces, moments, eccentricity and the rest kAnyFinite.
ValueRange HollowJointKeyRange(std::string_view key);

// True when `v` lies in `range` (never for NaN or ±∞).
bool InRange(ValueRange range, double v);

// The range as a short English phrase for messages: "> 0 mm", "within (0, 180) degrees",
// ">= 1.0", "within [100, 1000] MPa", "finite". `unit` as `traxen-cli keys` prints it ("mm", "m", "MPa", "").
std::string RangeText(ValueRange range, std::string_view unit);

// The same in Estonian for the desktop program's field tooltips: "> 0 mm",
// "vahemikus (0°, 180°)", "≥ 1,0", "vahemikus [100, 1000] MPa", "lõplik arv".
std::string RangeTextEt(ValueRange range, std::string_view unit);

}  // namespace traxen
