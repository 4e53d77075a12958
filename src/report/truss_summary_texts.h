// The words of the truss summary page by key; each language's texts are in
// truss_summary_texts_<language>.cpp. Texts with "{}" are formats of the figures they name.
#pragma once

#include <string_view>

#include "report/report_language.h"

namespace traxen {

enum class TrussSummaryTextKey {
  kHeading,
  kBookmark,  // the document outline's entry of the summary
  // column titles
  kNumber,
  kJoint,
  kFamily,
  kSections,
  kGoverning,
  kOutcome,
  kPage,
  // a joint's governing check
  kOneConditionFailed,        // {} the count, 1
  kSeveralConditionsFailed,   // {} the count
  kBraceMode,                 // {} the brace, {} the failure mode
  kNoChecks,
  kOutsideValidityBefore,     // before the failed conditions
  kRefusedOutcome,            // the result of a row that could not be read
  // the truss's verdict and the date under it
  kTrussPassed,               // {} the number of joints
  kTrussFailed,               // {} failed, {} joints, {} kTrussFailedOutside or nothing
  kTrussFailedOutside,        // {} of the failed joints outside the range of validity
  kTrussFailedRefused,        // {} of the failed joints whose rows could not be read
  kDate,
  kCount
};

template <ReportLanguage>
struct TrussSummaryCatalogue {
  static std::string_view Text(TrussSummaryTextKey key);
};

inline std::string_view ReportText(TrussSummaryTextKey key, ReportLanguage language) {
  return CatalogueText<TrussSummaryCatalogue>(key, language);
}

}  // namespace traxen
