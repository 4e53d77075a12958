// The truss summary's words in English.
#include "report/truss_summary_texts.h"

namespace traxen {

template <>
std::string_view TrussSummaryCatalogue<ReportLanguage::kEnglish>::Text(TrussSummaryTextKey key) {
  using K = TrussSummaryTextKey;
  switch (key) {
    case K::kHeading: return "SUMMARY OF THE TRUSS JOINTS";
    case K::kBookmark: return "Summary";
    case K::kNumber: return "No.";
    case K::kJoint: return "Joint";
    case K::kFamily: return "Type";
    case K::kSections: return "Sections";
    case K::kGoverning: return "Governing check";
    case K::kOutcome: return "Result";
    case K::kPage: return "Page";
    case K::kOneConditionFailed: return "{} condition not met";
    case K::kSeveralConditionsFailed: return "{} conditions not met";
    case K::kBraceMode: return "brace {}: {}";
    case K::kNoChecks: return "no checks";
    case K::kOutsideValidityBefore: return "outside validity: ";
    case K::kRefusedOutcome: return "Bad row";
    case K::kTrussPassed: return "Truss joints: OK (joints checked: {})";
    case K::kTrussFailed: return "Truss joints: NOT OK (failed: {} of {}{})";
    case K::kTrussFailedOutside: return "; outside the range of validity: {}";
    case K::kTrussFailedRefused: return "; bad rows: {}";
    case K::kDate: return "Date: ";
    case K::kCount: break;
  }
  return {};
}

}  // namespace traxen
