// The shared report words in Estonian.
#include "report/report_texts.h"

namespace traxen {

template <>
std::string_view ReportCatalogue<ReportLanguage::kEstonian>::Text(ReportTextKey key) {
  switch (key) {
    case ReportTextKey::kPassed: return "Korras! ";
    case ReportTextKey::kFailed: return "Ei rahulda! ";
    case ReportTextKey::kFailedWithoutMark: return "Ei rahulda ";
    case ReportTextKey::kStopLine: return "EI SAA ARVUTADA, KUNA EELDUSED POLE TÄIDETUD!!!";
    case ReportTextKey::kSectionClass: return "Ristlõike klass ";
    case ReportTextKey::kValidityHeading: return "SÕLME KANDEVÕIME ARVUTUSE EELDUSED:";
    case ReportTextKey::kReinforcedValidityHeading: return "TUGEVDATUD SÕLME KANDEVÕIME ARVUTUSE EELDUSED:";
    case ReportTextKey::kHeaderJob: return "TÖÖ: ";
    case ReportTextKey::kHeaderClient: return "TELLIJA: ";
    case ReportTextKey::kHeaderTitle: return "NELIKANTORUDEST SÕRESTIKE SÕLMEDE";
    case ReportTextKey::kHeaderTitleSecondLine: return "KANDEVÕIME";
    case ReportTextKey::kFooterCalculatedBy: return "Arvutas: ";
    case ReportTextKey::kFooterOwner: return "Programmi omanik: ";
    case ReportTextKey::kFooterPage: return "Leht ";
    case ReportTextKey::kTitleTyx: return " X, Y ja T TRAXEN ";
    case ReportTextKey::kTitleTyxReinforced: return "  TUGEVDUSEGA X, Y ja T TRAXEN ";
    case ReportTextKey::kTitleKnGap: return "  ÜLEKATTETA KN SÕLM ";
    case ReportTextKey::kTitleKnGapReinforced: return "  TUGEVDUSEGA ÜLEKATTETA KN SÕLM ";
    case ReportTextKey::kTitleKnOverlap: return "  ÜLEKATTEGA KN SÕLM ";
    case ReportTextKey::kTitleKnOverlapReinforced: return "  TUGEVDUSEGA ÜLEKATTEGA KN SÕLM ";
    case ReportTextKey::kCount: break;
  }
  return {};
}

// The names follow the headings the reports print for these modes.
template <>
std::string_view ReportCatalogue<ReportLanguage::kEstonian>::Text(FailureMode mode) {
  switch (mode) {
    case FailureMode::kChordFace: return "Vöö liitepinna kandevõime";
    case FailureMode::kFacePlateBraceInTension: return "Vöölapi kandevõime tõmmatud võrguvarda korral";
    case FailureMode::kBrace: return "Võrguvarda kandevõime";
    case FailureMode::kChordShear: return "Vöö lõikekandevõime";
    case FailureMode::kChordAxialUnderShear: return "Vöö lõikekandevõime N0,Rd";
    case FailureMode::kPunchingShear: return "Vöö pinna läbisurumiskandevõime";
    case FailureMode::kOverlapBrace: return "Ülekattega liite võrgu varda kandevõime";
    case FailureMode::kGoverningPlain: return "Liite kandevõime";
    case FailureMode::kGoverningReinforced: return "Tugevdatud liite kandevõime";
    case FailureMode::kCount: break;
  }
  return {};
}

}  // namespace traxen
