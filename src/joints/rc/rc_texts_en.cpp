// The words of the reports of round braces on a rectangular chord in English, in the terms of
// EN 1993-1-8, and the condition names of `traxen-cli check`.
#include <fmt/format.h>

#include "joints/rc/rc_texts.h"

namespace traxen {

template <>
std::string_view RcCatalogue<ReportLanguage::kEnglish>::Text(RcTextKey key) {
  using K = RcTextKey;
  switch (key) {
    case K::kTitleTy: return "  RHS CHORD WITH A CHS BRACE: T AND Y JOINT ";
    case K::kTitleX: return "  RHS CHORD WITH CHS BRACES: X JOINT ";
    case K::kTitleKnGap: return "  RHS CHORD WITH CHS BRACES: K AND N GAP JOINT ";
    case K::kTitleKnOverlap: return "  RHS CHORD WITH CHS BRACES: K AND N OVERLAP JOINT ";
    case K::kChordHeading: return "1) CHORD (RHS)";
    case K::kBraceHeading: return "2) BRACE (CHS)";
    case K::kBrace1Heading: return "2) BRACE 1 ON THE LEFT (CHS)";
    case K::kBrace2Heading: return "3) BRACE 2 ON THE RIGHT (CHS)";
    case K::kLayoutHeading: return "4) LAYOUT OF THE BRACES";
    case K::kChordClass: return "Chord in compression: ";
    case K::kBraceClass: return "Brace in compression: ";
    case K::kOverlappingBrace: return "Overlap joint; overlapping brace i = ";
    case K::kOverlappedBrace: return ", overlapped brace j = ";
    case K::kOverlapBeyondLimit:
      return "Overlap > 80 %: the connection of the braces to the chord face must be checked for shear "
             "(EN 1993-1-8 7.1.2(6))";
    case K::kParametersHeading: return "JOINT PARAMETERS";
    case K::kFromSection: return "  (from the chord's section)";
    case K::kGivenValue: return "  (given)";
    case K::kRoundBraceRule:
      return "For a circular brace d replaces b and h and the resistances are multiplied by π/4 "
             "(EN 1993-1-8 Tables 7.10-7.12).";
    case K::kNoRoundBraceFactor:
      return "π/4 is not applied to chord shear (3a) and to the chord in the gap (3b) (the reading of CIDECT's "
             "design guide for rectangular chords; EN's note names \"the above resistances\").";
    case K::kReducedAbove355:
      return "A resistance governed by a yield strength above 355 MPa is multiplied by 0.9 "
             "(EN 1993-1-8 7.1.1(4)).";
    case K::kChordInTension: return "the chord is in tension, so k";
    case K::kEccentricityMoment: return "The eccentricity is outside -0.55×h";
    case K::kChordRightIndex: return "0,right";
    case K::kChordLeftIndex: return "0,left";
    case K::kChordFaceHeading: return "1. Chord face failure N";
    case K::kBraceFailureHeading: return "2. Brace failure N";
    case K::kChordShearHeading: return "3a. Chord shear N";
    case K::kChordInGapHeading: return "3b. Chord axial resistance in the gap N";
    case K::kPunchingHeading: return "4. Punching shear N";
    case K::kNoPunching: return "punching shear check not required (";
    case K::kOverlapHeading: return "Overlap joint: failure of the overlapping brace N";
    case K::kOverlappedHeading: return "Resistance of the overlapped brace N";
    case K::kJointResistanceIs: return "The joint's resistance is N";
    case K::kBraceWord: return "Brace ";
    case K::kSchematicT: return "  T JOINT ";
    case K::kSchematicY: return "  Y JOINT ";
    case K::kSchematicX: return "  X JOINT ";
    case K::kSchematicKnGap: return "  K AND N GAP JOINT ";
    case K::kSchematicKnOverlap: return "  K AND N OVERLAP JOINT ";
    case K::kSchematicGap: return " Gap between the toes g = %3.1f mm";
    case K::kSchematicOverlap: return " Overlap = (-g/p)×100 = %3.1f %%";
    case K::kCount: break;
  }
  return {};
}

std::string RcCheckName(const RcCondition& c, const RcResult& r) {
  const std::string who = c.member == 0 ? "chord" : r.kn ? fmt::format("brace {}", c.member) : "brace";
  const std::string i = std::to_string(c.member);
  using K = RcConditionKind;
  switch (c.kind) {
    case K::kDepthToWall: return "chord: h0 / t0 <= 35";
    case K::kWidthToWall: return "chord: b0 / t0 <= 35";
    case K::kDepthToWidth: return "chord: 0.5 <= h0 / b0 <= 2";
    case K::kChordClass: return "chord: section class 1 or 2 in compression";
    case K::kWallThickness: return fmt::format("{}: t{} >= 2.5", who, i);
    case K::kYieldStrength: return fmt::format("{}: fy{} <= 460", who, i);
    case K::kLengthRatio:
      return c.member == 0 ? std::string("chord: 1000 L0 / h0 >= 6") : fmt::format("{}: 1000 L{} / d{} >= 6", who, i, i);
    case K::kDiameterToWidth: return fmt::format("{}: 0.4 <= d{} / b0 <= 0.8", who, i);
    case K::kBraceSlenderness: return fmt::format("{}: d{} / t{} <= 50", who, i, i);
    case K::kBraceClass: return fmt::format("{}: section class 1 in compression", who);
    case K::kAngle: return fmt::format("{}: 30 <= theta{} <= 150", who, i);
    case K::kAngleBetween: return "angle between the braces: |180 - theta1 - theta2| >= 30";
    case K::kGap: return "gap: g >= t1 + t2";
    case K::kGapRatio: return "gap: 0.5 (1 - beta) <= g / b0 <= 1.5 (1 - beta)";
    case K::kOverlap:
      return c.value > c.upper ? "overlap: lambda_ov <= 80 % (above it the braces' connection to the chord face needs a "
                                 "shear check, EN 1993-1-8 7.1.2(6))"
                               : "overlap: 25 % <= lambda_ov <= 80 %";
    case K::kOverlapDiameters: return "overlap: d_i / d_j >= 0.75";
  }
  return {};
}

}  // namespace traxen
