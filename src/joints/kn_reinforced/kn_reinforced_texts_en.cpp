// The names of the K/N plate requirements `traxen-cli check` prints.
#include "joints/kn_reinforced/kn_reinforced_texts.h"

namespace traxen {

std::string_view KnPlateRequirementCheckName(KnPlateRequirementWord word) {
  using W = KnPlateRequirementWord;
  switch (word) {
    case W::kFacePlateLength: return "face plate: length >= 1.5 (h1 / sin theta1 + g + h2 / sin theta2)";
    case W::kFacePlateWidth: return "face plate: width >= b0 - 2 t0";
    case W::kFacePlateThickness1: return "face plate: thickness >= 2 t1";
    case W::kFacePlateThickness2: return "face plate: thickness >= 2 t2";
    case W::kSidePlatesLength: return "side plates: length >= 1.5 (h1 / sin theta1 + g + h2 / sin theta2)";
    case W::kBetweenPlateThickness1: return "plate between the braces: thickness >= 2 t1";
    case W::kBetweenPlateThickness2: return "plate between the braces: thickness >= 2 t2";
    case W::kPlatesStrength: return "plates: fy_plate >= fy0";
    case W::kCount: break;
  }
  return {};
}

}  // namespace traxen
