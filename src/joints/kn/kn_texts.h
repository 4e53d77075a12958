// The words of the K/N report and schematic by key (the reinforced K/N report uses them too),
// and the words of the names `traxen-cli check` gives the K/N conditions. The texts of each
// language are in kn_texts_<language>.cpp; symbols and formulas stay with the lines.
#pragma once

#include <string>
#include <string_view>

#include "report/report_language.h"

namespace traxen {

enum class KnTextKey {
  // validity
  kChordHeading,
  kBrace1Heading,
  kBrace2Heading,
  kOverlapFailedAsks,  // before the overlap ratio that failed
  kOverlapFailedOr,    // a number format: the ratio and the upper limit it may also reach
  kOverlapBeyondLimit,  // why an overlap above the limit fails
  kBraceWiderThanDeep,  // why an overlap joint with a brace of h < b fails
  // gap and overlap lines, chord moment and force
  kGapBetweenBraces,
  kOverlap,
  kMomentSignAssumed,
  kChordMomentIndex,       // subscript of the chord's own moment
  kChordMomentIndexTight,  // the same without its leading blank
  kMomentSignRule,
  kEccentricitySignRule,
  kSinceEccentricity,
  kThenM,
  kAxialForceInJoint,
  kChordLeftIndex,  // subscript of the chord force left of the joint
  // gap joint resistances
  kGapBothBraces,
  kGapBrace1Check,
  kGapBrace1Values,
  kGapBrace2Check,
  kGapBrace2Values,
  kChordFaceHeading,
  kBraceHeadingStart,  // the brace's index follows
  kBraceHeadingEnd,
  kChordShearHeading,
  kChordAxialHeading,
  kWhere,
  kPunchingHeadingStart,  // the brace's index follows
  kPunchingHeadingEnd,
  kPunchingWhen,
  // effective widths: number formats of a width limited to the brace width
  kSoWidth,
  kSoWidthMmShort,
  kSoWidthMm,
  // overlap joint resistance
  kOverlapBraceHeading,
  kOverlapTopBraceOnly,
  kTopBraceRight,
  kTopBraceLeft,
  kOverlapValues,
  // formula pieces each language writes its own way (decimal mark, product sign, brackets,
  // subscripts)
  kKnFormula,                 // kn in symbols, before β
  kKnNumbers,                 // kn with numbers, before n
  kGammaOver,                 // "/ 2×t" of γ = b0 / (2×t), before the wall's index
  kGammaNumbersOver,          // the same with numbers, before the wall
  kGammaEquals,               // after γ's wall, symbols and numbers
  kGammaSumOver,              // γ over two walls, b0 / (2×(t0 + tp)), before t0's index
  kGammaSumNumbersOver,       // the same with numbers, before t0
  kGammaSumEquals,            // after γ's second wall, symbols and numbers
  kPunchingWidthIndex,        // the subscript of the effective punching width b_e,p
  kOverlapWidthIndex,         // the subscript of the effective width b_e,ov
  kPlasticShearIndex,         // the subscript of V_pl,Rd
  kShearNumbersThousand,      // "×1000×" between √3 and γM0 in V_pl,Rd's numbers
  kForceIndexAfterBrace,      // after the brace's index in the force of a passed verdict
  kChordResistanceIndex,      // N0,Rd in a passed chord verdict
  kChordForceIndex,           // N0,Ed in a passed chord verdict
  kJointChordForceIndex,      // N0,Ed of the axial force in the joint
  kOverlapRatioIndex,         // the subscript of λov
  kOverlapRatioFormula,       // λov as g and p, with the equals signs around it
  // schematic
  kSchematicGap,
  kSchematicOverlap,
  kSchematicGapBetweenToes,  // a number format
  kSchematicOverlapWord,
  kSchematicOverlapPercent,  // a number format
  kCount
};

template <ReportLanguage>
struct KnCatalogue {
  static std::string_view Text(KnTextKey key);
};

inline std::string_view ReportText(KnTextKey key, ReportLanguage language) {
  return CatalogueText<KnCatalogue>(key, language);
}

// A heading that names brace `index` between two texts ("2. Võrguvarda 1 kandevõime liites N").
inline std::string KnBraceHeading(KnTextKey before, std::string_view index, KnTextKey after,
                                  ReportLanguage language) {
  std::string heading(ReportText(before, language));
  heading += index;
  heading += ReportText(after, language);
  return heading;
}

// Words of the condition names of `traxen-cli check` ("brace 1: h1 / t1 <= 35"): English in
// every output, whatever the report's language, because scripts read them.
enum class KnConditionWord {
  kChord,
  kBrace,  // the brace's number follows
  kSectionClass,
  kGapSize,
  kGapRatioMin,
  kGapRatioMax,
  kBraceAngle,
  kOverlapWidthRatio,
  kOverlapBrace1Depth,
  kOverlapBrace2Depth,
  kOverlapRatio,
  kCount
};
std::string_view KnCheckName(KnConditionWord word);

}  // namespace traxen
