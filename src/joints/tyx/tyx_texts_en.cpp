// The words of the T/Y/X condition names `traxen-cli check` prints.
#include "joints/tyx/tyx_texts.h"

namespace traxen {

std::string_view TyxCheckName(TyxConditionWord word) {
  using W = TyxConditionWord;
  switch (word) {
    case W::kChord: return "chord";
    case W::kBrace: return "brace";
    case W::kLowerBrace: return "lower brace";
    case W::kSectionClass: return "section class 1 or 2";
    case W::kFacePlateLengthForWidth: return "face plate: length for its width";
    case W::kFacePlateLengthForDepth: return "face plate: length >= 1.5 h1 / sin theta1";
    case W::kFacePlateWidth: return "face plate: width >= b0 - 2 t0";
    case W::kSidePlatesLength: return "side plates: length >= 1.5 h1 / sin theta1";
    case W::kPlatesStrength: return "plates: fy_plate >= fy0";
    case W::kFacePlateThickness: return "face plate: thickness >= t0";
    case W::kCount: break;
  }
  return {};
}

}  // namespace traxen
