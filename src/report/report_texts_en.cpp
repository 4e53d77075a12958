// The failure modes by the English names `traxen-cli check` prints.
#include "report/report_texts.h"

namespace traxen {

std::string_view CheckModeName(FailureMode mode) {
  switch (mode) {
    case FailureMode::kChordFace: return "chord face failure";
    case FailureMode::kFacePlateBraceInTension: return "face plate failure (brace in tension)";
    case FailureMode::kBrace: return "brace failure";
    case FailureMode::kChordShear: return "chord shear";
    case FailureMode::kChordAxialUnderShear: return "chord axial resistance under shear";
    case FailureMode::kPunchingShear: return "punching shear";
    case FailureMode::kOverlapBrace: return "overlap: brace failure";
    case FailureMode::kGoverningPlain:
      return "governing of chord face, brace, chord side wall and punching shear";
    case FailureMode::kGoverningReinforced: return "governing of the reinforced chord (brace in compression)";
    case FailureMode::kCount: break;
  }
  return {};
}

}  // namespace traxen
