// The grade table. Checked row by row against EN 1993-1-1:2005 Table 3.1, hollow sections,
// nominal thickness t <= 40 mm; a wrong f_u here would size a wrong weld.
#include "model/steel_grades.h"

#include <array>

namespace traxen {

namespace {
constexpr std::string_view kHot = "EN 10210-1";
constexpr std::string_view kCold = "EN 10219-1";

constexpr std::array kGrades = {
    SteelGrade{"S235H", kHot, 235, 360},      SteelGrade{"S275H", kHot, 275, 430},
    SteelGrade{"S355H", kHot, 355, 510},      SteelGrade{"S275NH/NLH", kHot, 275, 390},
    SteelGrade{"S355NH/NLH", kHot, 355, 490}, SteelGrade{"S420NH/NLH", kHot, 420, 540},
    SteelGrade{"S460NH/NLH", kHot, 460, 560},

    SteelGrade{"S235H", kCold, 235, 360},      SteelGrade{"S275H", kCold, 275, 430},
    SteelGrade{"S355H", kCold, 355, 510},      SteelGrade{"S275NH/NLH", kCold, 275, 370},
    SteelGrade{"S355NH/NLH", kCold, 355, 470}, SteelGrade{"S460NH/NLH", kCold, 460, 550},
    SteelGrade{"S275MH/MLH", kCold, 275, 360}, SteelGrade{"S355MH/MLH", kCold, 355, 470},
    SteelGrade{"S420MH/MLH", kCold, 420, 500}, SteelGrade{"S460MH/MLH", kCold, 460, 530},
};
}  // namespace

std::span<const SteelGrade> SteelGrades() { return kGrades; }

std::optional<std::size_t> FindSteelGrade(double fy, double fu) {
  for (std::size_t i = 0; i < kGrades.size(); ++i)
    if (kGrades[i].fy == fy && kGrades[i].fu == fu) return i;
  return std::nullopt;
}

std::optional<std::size_t> FindSteelGradeByYield(double fy) {
  for (std::size_t i = 0; i < kGrades.size(); ++i)
    if (kGrades[i].fy == fy) return i;
  return std::nullopt;
}

}  // namespace traxen
