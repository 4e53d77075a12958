// The truss summary's words in Estonian.
#include "report/truss_summary_texts.h"

namespace traxen {

template <>
std::string_view TrussSummaryCatalogue<ReportLanguage::kEstonian>::Text(TrussSummaryTextKey key) {
  using K = TrussSummaryTextKey;
  switch (key) {
    case K::kHeading: return "SÕRESTIKU SÕLMEDE KOKKUVÕTE";
    case K::kBookmark: return "Kokkuvõte";
    case K::kNumber: return "Nr";
    case K::kJoint: return "Sõlm";
    case K::kFamily: return "Tüüp";
    case K::kSections: return "Profiilid";
    case K::kGoverning: return "Määrav kontroll";
    case K::kOutcome: return "Tulemus";
    case K::kPage: return "Leht";
    case K::kOneConditionFailed: return "{} tingimus ei ole täidetud";
    case K::kSeveralConditionsFailed: return "{} tingimust ei ole täidetud";
    case K::kBraceMode: return "varras {}: {}";
    case K::kNoChecks: return "kontrolle pole";
    case K::kOutsideValidityBefore: return "eeldused pole täidetud: ";
    case K::kRefusedOutcome: return "Vigane rida";
    case K::kTrussPassed: return "Sõrestiku sõlmed: Korras! (kõik {} sõlme)";
    case K::kTrussFailed: return "Sõrestiku sõlmed: Ei rahulda! ({} sõlme {}-st{})";
    case K::kTrussFailedOutside: return ", neist {} eelduste tõttu";
    case K::kTrussFailedRefused: return ", neist {} vigase rea tõttu";
    case K::kDate: return "Kuupäev: ";
    case K::kCount: break;
  }
  return {};
}

}  // namespace traxen
