// The circular hollow section report words in English, and the condition names of
// `traxen-cli check`.
#include <fmt/format.h>

#include "joints/chs/chs_texts.h"

namespace traxen {

std::string_view ChsEnglishText(ChsTextKey key) {
  using K = ChsTextKey;
  switch (key) {
    case K::kTitleTy: return "  CIRCULAR HOLLOW SECTION T AND Y JOINT ";
    case K::kTitleX: return "  CIRCULAR HOLLOW SECTION X JOINT ";
    case K::kTitleKnGap: return "  CIRCULAR HOLLOW SECTION K AND N GAP JOINT ";
    case K::kTitleKnOverlap: return "  CIRCULAR HOLLOW SECTION K AND N OVERLAP JOINT ";
    case K::kChordHeading: return "1) CHORD";
    case K::kBraceHeading: return "2) BRACE";
    case K::kBrace1Heading: return "2) BRACE 1 ON THE LEFT";
    case K::kBrace2Heading: return "3) BRACE 2 ON THE RIGHT";
    case K::kLayoutHeading: return "4) LAYOUT OF THE BRACES";
    case K::kSectionClassOf: return "Section class ";
    case K::kClassWorking: return "  since  ";
    case K::kOverlappingBrace: return "Overlap joint; overlapping brace i = ";
    case K::kOverlapBeyondLimit:
      return ": the connection between the braces and the chord face should be checked for shear, which this "
             "calculation does not do (EN 1993-1-8 7.1.2(6))";
    case K::kParametersHeading: return "JOINT PARAMETERS";
    case K::kFromRing: return "  (from the tube's section)";
    case K::kGivenValue: return "  (given)";
    case K::kPrestressSide: return "  (the chord force of smaller magnitude)";
    case K::kCompressionFree: return " <= 0, so k";
    case K::kReducedAbove355: return "As f ";
    case K::kReducedAbove355Tail: return " > 355 MPa, every resistance is multiplied by 0.9";
    case K::kChordFaceHeading: return "1. Chord face failure N";
    case K::kCompressionBrace: return "The formula takes the brace in compression, i = ";
    case K::kNoCompressionBrace:
      return "Neither brace is in compression; the formula takes the brace of smaller diameter, i = ";
    case K::kPunchingHeading: return "2. Punching shear N";
    case K::kNoPunching: return "; punching shear check not required (d_i > d_0 − 2t_0)";
    case K::kJointResistanceIs: return "The joint's resistance is N";
    case K::kBraceWord: return "Brace ";
    case K::kSchematicT: return "  T JOINT ";
    case K::kSchematicY: return "  Y JOINT ";
    case K::kSchematicX: return "  X JOINT ";
    case K::kSchematicKnGap: return "  K AND N GAP JOINT ";
    case K::kSchematicKnOverlap: return "  K AND N OVERLAP JOINT ";
    case K::kSchematicGap: return " Gap between the toes g = %3.1f mm";
    case K::kSchematicOverlap: return " Ov = (-g/p)×100 = %3.1f per cent";
    case K::kChordRightIndex: return "0,right";
    case K::kChordLeftIndex: return "0,left";
    case K::kCount: break;
  }
  return {};
}

std::string ChsCheckName(const ChsCondition& c, bool x_joint) {
  const std::string who = c.member == 0 ? "chord" : fmt::format("brace {}", c.member);
  const std::string i = std::to_string(c.member);
  using K = ChsConditionKind;
  switch (c.kind) {
    case K::kDiameterRatio: return fmt::format("{}: 0.2 <= d{} / d0 <= 1.0", who, i);
    case K::kChordSlenderness: return fmt::format("chord: 10 <= d0 / t0 <= {}", x_joint ? 40 : 50);
    case K::kChordClass: return "chord: section class 1 or 2";
    case K::kBraceSlenderness: return fmt::format("{}: d{} / t{} <= 50", who, i, i);
    case K::kBraceClass: return fmt::format("{}: section class 1 or 2", who);
    case K::kAngle: return fmt::format("{}: 30 <= theta{} <= 150", who, i);
    case K::kAngleBetweenBraces: return "braces: |180 - theta1 - theta2| >= 30";
    case K::kGap: return "gap: g >= t1 + t2";
    case K::kOverlap: return "overlap: 25 % <= lambda_ov <= 80 %";
    case K::kEccentricity: return "eccentricity: -0.55 <= e / d0 <= 0.25";
    case K::kWallThickness: return fmt::format("{}: t{} >= 2.5", who, i);
    case K::kYieldStrength: return fmt::format("{}: fy{} <= 460", who, i);
  }
  return {};
}

template <>
std::string_view ChsCatalogue<ReportLanguage::kEnglish>::Text(ChsTextKey key) {
  return ChsEnglishText(key);
}

}  // namespace traxen
