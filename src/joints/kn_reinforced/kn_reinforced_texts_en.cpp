// The reinforced K/N report words in English, and the names of the K/N plate requirements
// `traxen-cli check` prints.
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

namespace traxen {

template <>
std::string_view KnReinforcedCatalogue<ReportLanguage::kEnglish>::Text(KnReinforcedTextKey key) {
  using K = KnReinforcedTextKey;
  switch (key) {
    case K::kPlateHeading: return "REINFORCING PLATE";
    case K::kFacePlateLength: return "Length of the chord face plate ";
    case K::kFacePlateWidth: return "Width of the chord face plate ";
    case K::kFacePlateThickness: return "Thickness of the chord face plate ";
    case K::kSidePlateLength: return "Length of the chord side plates ";
    case K::kBetweenPlateThickness: return "Thickness of the plate between the overlapping braces ";
    case K::kNoPunching: return "Punching shear check not required (β > 1 − 1/γ)";
    case K::kBothOverlapBraces: return " In reinforced K and N overlap joints both braces are checked, i = 1,2";
    case K::kLeftBrace: return "Brace i=1 on the left";
    case K::kRightBrace: return "Brace i=2 on the right";
    case K::kPlateLengthFactor: return "1.5×(h";
    case K::kPlateLengthNumbersFactor: return "1.5×(";
    case K::kCount: break;
  }
  return {};
}

}  // namespace traxen
