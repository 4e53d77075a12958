// The words of the circular hollow section reports and schematics by key, and the names
// `traxen-cli check` gives their conditions. The texts of each language are in
// chs_texts_<language>.cpp; symbols and formulas stay with the lines that print them.
#pragma once

#include <string_view>

#include "joints/chs/chs_result.h"
#include "report/report_language.h"

namespace traxen {

enum class ChsTextKey {
  // titles
  kTitleTy,
  kTitleX,
  kTitleKnGap,
  kTitleKnOverlap,
  // validity
  kChordHeading,
  kBraceHeading,        // the T, Y or X joint's brace
  kBrace1Heading,       // K/N
  kBrace2Heading,
  kLayoutHeading,       // K/N: gap or overlap and eccentricity
  kSectionClassOf,      // "Ristlõike klass" before the class and its limit
  kClassWorking,        // the class's working in brackets
  kOverlappingBrace,    // which brace overlaps the other
  kOverlapBeyondLimit,  // after "λov > 80 %": why such an overlap is refused
  // parameters
  kParametersHeading,
  kFromRing,            // A0 or Wel0 derived from the chord's ring
  kGivenValue,          // A0 or Wel0 as the job gives it
  kPrestressSide,       // K/N: the chord side whose force is the prestress
  kCompressionFree,     // np <= 0: no prestress reduction
  kReducedAbove355,     // fy0 > 355: every resistance × 0.9, before the symbol's index
  kReducedAbove355Tail,  // after it
  // resistances
  kChordFaceHeading,
  kCompressionBrace,    // K/N: the brace in compression, whose d and θ the formula takes
  kNoCompressionBrace,  // K/N: neither brace in compression, the narrower one is taken
  kPunchingHeading,
  kNoPunching,          // d_i > d0 − 2 t0: the brace does not punch the chord wall ('_' marks a subscript)
  kJointResistanceIs,
  kBraceWord,           // "varras" before a brace number
  // schematic
  kSchematicT,
  kSchematicY,
  kSchematicX,
  kSchematicKnGap,
  kSchematicKnOverlap,
  kSchematicGap,        // a number format: the gap between the toes
  kSchematicOverlap,    // a number format: the overlap in per cent
  kChordRightIndex,     // subscript of the chord force right of the joint
  kChordLeftIndex,      // subscript of the chord force left of the joint
  kCount
};

template <ReportLanguage>
struct ChsCatalogue {
  static std::string_view Text(ChsTextKey key);
};

inline std::string_view ReportText(ChsTextKey key, ReportLanguage language) {
  return CatalogueText<ChsCatalogue>(key, language);
}

// The English words of every key: the English catalogue's.
std::string_view ChsEnglishText(ChsTextKey key);

// The name `traxen-cli check` gives a failed condition ("chord: d0 / t0 <= 50"): English in
// every output, whatever the report's language, because scripts read them.
std::string ChsCheckName(const ChsCondition& c, bool x_joint);

}  // namespace traxen
