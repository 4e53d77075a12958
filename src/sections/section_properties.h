// One row of a section table and the kinds of section the library knows.
// Units: lengths mm, area cm², second moments cm⁴, section moduli cm³, warping constant cm⁶.
#pragma once

#include <string>
#include <vector>

namespace traxen {

enum class SectionKind {
  kISection,
  kChannel,
  kSquareHollow,
  kRectangularHollow,
  kRoundTube,
};

// How many numbers follow the designation in a row of this kind.
int RowNumberCount(SectionKind kind);
const char* SectionKindName(SectionKind kind);  // for messages: "square hollow section"

struct SectionProperties {
  std::string name;  // designation as written in the file
  double h = 0;      // depth; outer diameter of a round tube
  double b = 0;
  double t = 0;      // wall, or web of I-sections and channels
  double tf = 0;     // flange (equal to t for hollow sections and tubes)
  double r = 0;      // root radius, corner radius of hollow sections
  double A = 0;
  double Iy = 0, Iz = 0;
  double Wy = 0, Wz = 0;
  double Wply = 0, Wplz = 0;
  double It = 0;
  double Iw = 0;
  double extra1 = 0, extra2 = 0, extra3 = 0, extra4 = 0;  // kept, used by no calculation
};

// The rows of one type file, in file order.
using SectionTable = std::vector<SectionProperties>;

}  // namespace traxen
