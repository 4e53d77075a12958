// The shared report words in English, and the failure modes by the English names
// `traxen-cli check` prints (these stay as scripts read them, whatever the report says).
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
    case FailureMode::kChordSideWall: return "chord side wall buckling";
    case FailureMode::kCount: break;
  }
  return {};
}

}  // namespace traxen

namespace traxen {

// The shared report words in English, in the terms of EN 1993-1-8. Trailing blanks are kept as
// in every language: the lines set the next piece right after them.
template <>
std::string_view ReportCatalogue<ReportLanguage::kEnglish>::Text(ReportTextKey key) {
  switch (key) {
    case ReportTextKey::kPassed: return "OK ";
    case ReportTextKey::kFailed: return "NOT OK ";
    case ReportTextKey::kFailedWithoutMark: return "NOT OK ";
    case ReportTextKey::kStopLine: return "The joint is outside the range of validity: resistances are not computed";
    case ReportTextKey::kSectionClass: return "Cross-section class ";
    case ReportTextKey::kValidityHeading: return "RANGE OF VALIDITY OF THE JOINT RESISTANCE:";
    case ReportTextKey::kReinforcedValidityHeading: return "RANGE OF VALIDITY OF THE REINFORCED JOINT RESISTANCE:";
    case ReportTextKey::kChordWallThroughThickness:
      return "Note: chord wall t0 > 25 mm; the through-thickness properties of the chord material must be ensured "
             "(EN 1993-1-8 7.1.1(6)).";
    case ReportTextKey::kHiddenSeamNote:
      return "Overlap > 60 %: the hidden seam of the overlapped brace must be welded (EN 1993-1-8 7.1.2(6)).";
    case ReportTextKey::kHeaderJob: return "Job: ";
    case ReportTextKey::kHeaderClient: return "Client: ";
    case ReportTextKey::kHeaderTitle: return "RESISTANCE OF WELDED HOLLOW";
    case ReportTextKey::kHeaderTitleRoundTubes: return "RESISTANCE OF WELDED HOLLOW";
    case ReportTextKey::kHeaderTitleAnyTubes: return "RESISTANCE OF WELDED HOLLOW";
    case ReportTextKey::kHeaderTitleSecondLine: return "SECTION TRUSS JOINTS";
    case ReportTextKey::kFooterCalculatedBy: return "Calc. by: ";
    case ReportTextKey::kFooterOwner: return "Owner: ";
    case ReportTextKey::kFooterPage: return "Page ";
    case ReportTextKey::kTitleTyx: return " X, Y AND T JOINT ";
    case ReportTextKey::kTitleTyxReinforced: return "  REINFORCED X, Y AND T JOINT ";
    case ReportTextKey::kTitleKnGap: return "  K AND N GAP JOINT ";
    case ReportTextKey::kTitleKnGapReinforced: return "  REINFORCED K AND N GAP JOINT ";
    case ReportTextKey::kTitleKnOverlap: return "  K AND N OVERLAP JOINT ";
    case ReportTextKey::kTitleKnOverlapReinforced: return "  REINFORCED K AND N OVERLAP JOINT ";
    case ReportTextKey::kInterpolated: return "interpolated";
    case ReportTextKey::kCount: break;
  }
  return {};
}

// The English title's two lines differ in length: each is centred.
template <>
HeaderTitleSetting ReportCatalogue<ReportLanguage::kEnglish>::TitleSetting() {
  return HeaderTitleSetting::kCentred;
}

template <>
std::string_view ReportCatalogue<ReportLanguage::kEnglish>::Text(FailureMode mode) {
  switch (mode) {
    case FailureMode::kChordFace: return "chord face failure";
    case FailureMode::kFacePlateBraceInTension: return "face plate failure (brace in tension)";
    case FailureMode::kBrace: return "brace failure";
    case FailureMode::kChordShear: return "chord shear";
    case FailureMode::kChordAxialUnderShear: return "chord axial resistance under shear";
    case FailureMode::kPunchingShear: return "punching shear";
    case FailureMode::kOverlapBrace: return "overlap: brace failure";
    case FailureMode::kGoverningPlain: return "governing resistance";
    case FailureMode::kGoverningReinforced: return "governing resistance of the reinforced chord (brace in compression)";
    case FailureMode::kChordSideWall: return "chord side wall buckling";
    case FailureMode::kCount: break;
  }
  return {};
}

}  // namespace traxen
