// The T/Y/X report words in English, and the words of the condition names `traxen-cli check`
// prints.
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

namespace traxen {

template <>
std::string_view TyxCatalogue<ReportLanguage::kEnglish>::Text(TyxTextKey key) {
  using K = TyxTextKey;
  switch (key) {
    case K::kChordHeading: return "1) CHORD";
    case K::kChordHeadingAfterPlate: return "2) CHORD";
    case K::kBraceHeading: return "2) BRACE";
    case K::kLowerBraceHeading: return "3) LOWER BRACE";
    case K::kIf: return "If";
    case K::kNarrowBraceRule: return " <= 0.85, the joint resistance is the chord face resistance N";
    case K::kWideBraceRule: return " >= 0.85, the joint resistance is found from:";
    case K::kChordFaceHeading: return "1. Chord face failure when ";
    case K::kBraceFailureHeading: return "2. Brace failure N";
    case K::kWhere: return " ) , where ";
    case K::kSoEffectiveWidth: return "%3.1lf , so b";
    case K::kSideWallHeading: return "3a. Chord side wall failure when ";
    case K::kChordShearHeading: return "3b. Chord shear  EN 1993-1-8 Table 7.12";
    case K::kShearArea: return "Chord shear area A";
    case K::kChordFaceResistanceIs: return "Chord face resistance N";
    case K::kIndentedWhen: return "      when ";
    case K::kInterpolatedWhen: return "By linear interpolation when ";
    case K::kPunchingHeading: return "4. Punching shear  N";
    case K::kWhen: return " when ";
    case K::kJointResistanceIs: return "Joint resistance N";
    case K::kReinforcedJointResistanceIsLower: return "Reinforced joint resistance N";
    case K::kNoPunching: return "Punching shear check not required (β > 1 − 1/γ)";
    case K::kReinforcedJointResistanceIs: return "Reinforced joint resistance N";
    case K::kModeListBrace: return "2. Brace failure when ";
    case K::kModeListSideWall: return "3. Chord side wall failure when ";
    case K::kModeListPunching: return "4. Punching shear ";
    case K::kPlateHeading: return "1) REINFORCING PLATE";
    case K::kFacePlateLength: return "Length of the chord face plate ";
    case K::kFacePlateWidth: return "Width of the chord face plate ";
    case K::kSidePlateLength: return "Length of the chord side plates ";
    case K::kReinforcedJointMust: return "The reinforced joint requires";
    case K::kCompressedBraceTakesPlate:
      return "With the brace in compression, the joint reinforced by a chord face plate uses t";
    case K::kCalculationsToDo: return "The following are computed ";
    case K::kKnFormula: return "1.3 − 0.4 n /";
    case K::kKnFormulaAtBetaOne: return "1.3 − 0.4 n / (";
    case K::kKnNumbers: return "1.3 − 0.4×";
    case K::kKnResultAt085: return " = ";
    case K::kKnResultAtBetaOne: return " = ";
    case K::kKnAtMostOneAtBetaOne: return " <= 1";
    case K::kPiNumber: return "] / [ 3.14159265×( ";
    case K::kPunchingWidthIndex: return "e,p ";
    case K::kPunchingResistanceIndex: return "1L,Rd ";
    case K::kBraceForceIndex: return "1,Ed ";
    case K::kSchematicT: return "  T JOINT ";
    case K::kSchematicY: return "  Y JOINT ";
    case K::kSchematicX: return "  X JOINT ";
    case K::kSchematicReaction: return "reaction";
    case K::kCount: break;
  }
  return {};
}

}  // namespace traxen
