// The words of the reports and schematics of round braces on a rectangular chord by key, and
// the names `traxen-cli check` gives their conditions. The texts of each language are in
// rc_texts_<language>.cpp; symbols and formulas stay with the lines that print them.
#pragma once

#include <string>
#include <string_view>

#include "joints/rc/rc_result.h"
#include "report/report_language.h"

namespace traxen {

enum class RcTextKey {
  // titles
  kTitleTy,
  kTitleX,
  kTitleKnGap,
  kTitleKnOverlap,
  // validity
  kChordHeading,
  kBraceHeading,   // the T, Y or X joint's brace
  kBrace1Heading,  // K/N
  kBrace2Heading,
  kLayoutHeading,      // K/N: the angle between the braces, the gap or the overlap
  kChordClass,         // before the working of a compressed chord's class limit
  kBraceClass,         // before the working of a compressed brace's class limit
  kOverlappingBrace,   // which brace overlaps ("i = "), before the number
  kOverlappedBrace,    // and which is overlapped (", j = "), before the number
  kOverlapBeyondLimit,  // λov > 80 %
  // parameters
  kParametersHeading,
  kFromSection,  // A0 or Wel0 from the chord's section
  kGivenValue,   // A0 or Wel0 as the job gives it
  kRoundBraceRule,     // π/4 and d_i for b_i and h_i
  kNoRoundBraceFactor,  // π/4 is not applied to the chord shear and the chord in the gap
  kReducedAbove355,    // a resistance governed by fy > 355 MPa × 0.9
  kChordInTension,     // N0,Ed >= 0: kn = 1 without the formula, before "k"
  kEccentricityMoment,  // e outside −0.55 h0 … 0.25 h0: its moment joins the chord moment
  kChordRightIndex,     // subscript of the chord force right of the joint
  kChordLeftIndex,      // subscript of the chord force left of the joint
  // resistances
  kChordFaceHeading,
  kBraceFailureHeading,
  kChordShearHeading,
  kChordInGapHeading,
  kPunchingHeading,
  kNoPunching,  // β > 1 − 1/γ, before the working in brackets
  kOverlapHeading,
  kOverlappedHeading,
  kJointResistanceIs,
  kBraceWord,  // "Varras " before a brace number
  // schematic
  kSchematicT,
  kSchematicY,
  kSchematicX,
  kSchematicKnGap,
  kSchematicKnOverlap,
  kSchematicGap,      // a number format: the gap between the toes
  kSchematicOverlap,  // a number format: the overlap in per cent
  kCount
};

template <ReportLanguage>
struct RcCatalogue {
  static std::string_view Text(RcTextKey key);
};

inline std::string_view ReportText(RcTextKey key, ReportLanguage language) {
  return CatalogueText<RcCatalogue>(key, language);
}

// The name `traxen-cli check` gives a failed condition ("brace 1: 0.4 <= d1 / b0 <= 0.8"):
// English in every output, whatever the report's language, because scripts read them.
std::string RcCheckName(const RcCondition& c, const RcResult& r);

}  // namespace traxen
