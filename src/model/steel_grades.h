// Steel grades of structural hollow sections with their nominal yield and tensile strengths
// for walls up to 40 mm, as EN 1993-1-1 Table 3.1 gives them for the two product standards:
// hot-finished sections (EN 10210-1) and cold-formed ones (EN 10219-1). The strength of one
// grade name differs between the two standards (S275NH: 390 or 370 MPa), so a grade is
// always named with its standard.
#pragma once

#include <optional>
#include <span>
#include <string_view>

namespace traxen {

struct SteelGrade {
  std::string_view name;      // "S355NH/NLH"
  std::string_view standard;  // "EN 10210-1" or "EN 10219-1"
  double fy = 0;              // MPa, t <= 40 mm
  double fu = 0;              // MPa, t <= 40 mm
};

// Where the figures come from, for the dialog's tooltip and the manual.
inline constexpr std::string_view kSteelGradeSource = "EN 1993-1-1 tabel 3.1, t ≤ 40 mm";

// Every grade, hot-finished ones first, each standard in the table's order.
std::span<const SteelGrade> SteelGrades();

// The first grade with exactly these strengths, or none ("other").
std::optional<std::size_t> FindSteelGrade(double fy, double fu);
// The first grade with this yield strength (a plate, whose tensile strength is not kept).
std::optional<std::size_t> FindSteelGradeByYield(double fy);

// EN 1993-1-1 3.2.2(1): a steel with f_u / f_y below 1.10 lacks the ductility the design
// rules take for granted. The steel dialog warns about it; nothing refuses such a steel.
inline constexpr double kLeastUltimateToYieldRatio = 1.10;
// The ratio is compared as a quotient, so that f_u of exactly 1.10 f_y (390.5 over 355 MPa)
// does not warn by a rounding of 1.10 × f_y.
inline bool LacksDuctility(double fy, double fu) { return fy > 0 && fu / fy < kLeastUltimateToYieldRatio; }

}  // namespace traxen
