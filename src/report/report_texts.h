// Words every report shares, whatever the joint family: the verdicts, the stop line, the
// section headings of the validity checks, the page header and footer, the family titles, and
// the names of the failure modes a verdict judges. Each language's texts are in
// report_texts_<language>.cpp; symbols and formulas stay with the lines that print them.
#pragma once

#include <string_view>

#include "report/report_language.h"

namespace traxen {

enum class ReportTextKey {
  kPassed,         // a check that holds
  kFailed,         // a check that fails
  kFailedWithoutMark,  // the failing verdict as the K/N gap row prints it
  kStopLine,       // after a failed validity condition: no resistances follow
  kSectionClass,   // "section class" before the class numeral
  kValidityHeading,
  kReinforcedValidityHeading,
  kChordWallThroughThickness,  // a note after the validity lines when the chord wall t0 > 25 mm
  kHiddenSeamNote,             // a K/N overlap of 60 % to 80 %: weld the overlapped brace's hidden seam
  // page header and footer
  kHeaderJob,
  kHeaderClient,
  kHeaderTitle,
  kHeaderTitleRoundTubes,  // the first line over a report of circular hollow sections
  kHeaderTitleAnyTubes,    // over a truss summary whose joints have both kinds of tube
  kHeaderTitleSecondLine,
  kFooterCalculatedBy,
  kFooterOwner,
  kFooterPage,
  // family titles, blanks kept
  kTitleTyx,
  kTitleTyxReinforced,
  kTitleKnGap,
  kTitleKnGapReinforced,
  kTitleKnOverlap,
  kTitleKnOverlapReinforced,
  // after two failure modes whose resistances a β between them interpolates
  kInterpolated,
  kCount
};

// The failure mode a resistance verdict judges.
enum class FailureMode {
  kChordFace,
  kFacePlateBraceInTension,
  kBrace,
  kChordShear,
  kChordAxialUnderShear,
  kPunchingShear,
  kOverlapBrace,
  kGoverningPlain,       // the smallest of chord face, brace, side wall and punching shear
  kGoverningReinforced,  // the reinforced chord under a brace in compression
  kChordSideWall,        // T/Y/X: the chord side wall buckling under the brace
  kCount
};

// How the page header sets the two lines of its title: at the places the Estonian report
// has always had them (the first line at x 120, the second at 300), or each line centred
// over the header's text column, as the English words need.
enum class HeaderTitleSetting { kAtFixedPlaces, kCentred };

template <ReportLanguage>
struct ReportCatalogue {
  static std::string_view Text(ReportTextKey key);
  static std::string_view Text(FailureMode mode);
  static HeaderTitleSetting TitleSetting();
};
HeaderTitleSetting HeaderTitleSettingIn(ReportLanguage language);

// Every catalogue's lookup is called ReportText, one overload per key type, so that a line
// file asks for any key the same way (Say in report/report_words.h).
inline std::string_view ReportText(ReportTextKey key, ReportLanguage language) {
  return CatalogueText<ReportCatalogue>(key, language);
}
// The mode's name as a person reads it in `language` (a heading of the report names it).
inline std::string_view FailureModeName(FailureMode mode, ReportLanguage language) {
  return CatalogueText<ReportCatalogue>(mode, language);
}

// The mode's name as `traxen-cli check` prints it: English in every output, whatever the
// report's language, because scripts read it.
std::string_view CheckModeName(FailureMode mode);

}  // namespace traxen
