// Row completion per kind of section.
#include "sections/section_completion.h"

#include <cmath>

#include "sections/section_class.h"

namespace traxen {

namespace {

// Ring properties of a tube of outer diameter h and wall t (mm), in the table's units,
// each rounded up: A to 0.01 cm², I to 0.0001 cm⁴, W to 0.001 cm³.
void CompleteRoundTube(SectionProperties& row) {
  constexpr double kPi = 3.14159265;
  const double h = row.h;
  const double inner = h - 2 * row.t;
  const double ring2 = h * h - inner * inner;                              // mm²
  const double ring4 = h * h * h * h - inner * inner * inner * inner;      // mm⁴
  const double i_mm4 = std::ceil(ring4 * kPi / 64);                         // whole mm⁴
  row.A = std::ceil(ring2 * kPi * 0.25) / 100;                              // whole mm², as cm²
  row.Iy = row.Iz = i_mm4 / 10000;
  row.Wy = row.Wz = h == 0 ? 0 : std::ceil(std::ceil(ring4 * kPi / 640) * 20 / h) / 1000;  // whole mm³, as cm³
  row.tf = row.t;
  // A tube's width in a rectangular-section formula is its diameter; it has no corner radius.
  row.b = h;
  row.r = 0;
}

}  // namespace

void CompleteSectionRow(SectionKind kind, SectionProperties& row) {
  switch (kind) {
    case SectionKind::kSquareHollow:
      row.Iz = row.Iy;
      row.Wz = row.Wy;
      row.Wplz = row.Wply;
      [[fallthrough]];
    case SectionKind::kRectangularHollow:
      row.tf = row.t;
      row.r = HollowCornerRadius(row.t);
      break;
    case SectionKind::kChannel:
      row.r = row.tf;
      break;
    case SectionKind::kRoundTube:
      CompleteRoundTube(row);
      break;
    case SectionKind::kISection:
      break;
  }
}

}  // namespace traxen
