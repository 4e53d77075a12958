// The words of the T/Y/X report and schematic by key, and the names `traxen-cli check` gives
// the T/Y/X conditions. The texts of each language are in tyx_texts_<language>.cpp; symbols
// and formulas stay with the lines that print them.
#pragma once

#include <string_view>

#include "report/report_language.h"

namespace traxen {

enum class TyxTextKey {
  // validity
  kChordHeading,
  kChordHeadingAfterPlate,
  kBraceHeading,
  kLowerBraceHeading,
  // plain report
  kIf,
  kNarrowBraceRule,
  kWideBraceRule,
  // wide-brace procedure
  kChordFaceHeading,  // also the first line of the list of modes
  kBraceFailureHeading,
  kWhere,
  kSoEffectiveWidth,  // a number format: the width is limited
  kSideWallHeading,
  kChordShearHeading,
  kShearArea,
  kChordFaceResistanceIs,
  kIndentedWhen,
  kInterpolatedWhen,
  kPunchingHeading,
  kWhen,
  kJointResistanceIs,
  kReinforcedJointResistanceIsLower,
  kNoPunching,
  kReinforcedJointResistanceIs,
  kModeListBrace,
  kModeListSideWall,
  kModeListPunching,
  // reinforced report
  kPlateHeading,
  kFacePlateLength,
  kFacePlateWidth,
  kSidePlateLength,
  kReinforcedJointMust,
  kCompressedBraceTakesPlate,
  kCalculationsToDo,
  // formula pieces each language writes its own way (decimal mark, product sign, subscripts)
  kKnFormula,                // kn in symbols, before " β"
  kKnFormulaAtBetaOne,       // kn in symbols at β = 1, before " β "
  kKnNumbers,                // kn with numbers, before n
  kKnResultAt085,            // before the uncapped kn at β = 0.85
  kKnResultAtBetaOne,        // before the uncapped kn at β = 1, right after the β
  kKnAtMostOneAtBetaOne,     // "<= 1" after the uncapped kn at β = 1
  kPiNumber,                 // "] / [π×(" of the slenderness with π as a number
  kPunchingWidthIndex,       // the subscript of the effective punching width
  kPunchingResistanceIndex,  // the subscript of the punching resistance in the joint's minimum
  kBraceForceIndex,          // the subscript of the brace force in a passed verdict
  // schematic
  kSchematicT,
  kSchematicY,
  kSchematicX,
  kSchematicReaction,  // after the force under the chord of a T or Y joint, which no member carries
  kCount
};

template <ReportLanguage>
struct TyxCatalogue {
  static std::string_view Text(TyxTextKey key);
};

inline std::string_view ReportText(TyxTextKey key, ReportLanguage language) {
  return CatalogueText<TyxCatalogue>(key, language);
}

// Words of the condition names of `traxen-cli check` ("chord: h0 / t0 <= 35"): English in
// every output, whatever the report's language, because scripts read them.
enum class TyxConditionWord {
  kChord,
  kBrace,
  kLowerBrace,
  kSectionClass,
  kFacePlateLengthForWidth,
  kFacePlateLengthForDepth,
  kFacePlateWidth,
  kSidePlatesLength,
  kPlatesStrength,
  kFacePlateThickness,
  kCount
};
std::string_view TyxCheckName(TyxConditionWord word);

}  // namespace traxen
