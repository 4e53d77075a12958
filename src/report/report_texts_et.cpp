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
    case ReportTextKey::kChordWallThroughThickness:
      return "Märkus: vöö seina paksus t0 > 25 mm; tagada vöö materjali omadused paksuse suunas (EN 1993-1-8 7.1.1(6)).";
    case ReportTextKey::kHiddenSeamNote:
      return "Ülekate > 60 %: ülekaetava varda varjatud õmblus tuleb keevitada (EN 1993-1-8 7.1.2(6)).";
    case ReportTextKey::kHeaderJob: return "TÖÖ: ";
    case ReportTextKey::kHeaderClient: return "TELLIJA: ";
    case ReportTextKey::kHeaderTitle: return "NELIKANTORUDEST SÕRESTIKE SÕLMEDE";
    case ReportTextKey::kHeaderTitleRoundTubes: return "ÜMARTORUDEST SÕRESTIKE SÕLMEDE";
    case ReportTextKey::kHeaderTitleAnyTubes: return "TORUDEST SÕRESTIKE SÕLMEDE";
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
    case ReportTextKey::kInterpolated: return "interpoleeritud";
    case ReportTextKey::kCount: break;
  }
  return {};
}

template <>
HeaderTitleSetting ReportCatalogue<ReportLanguage::kEstonian>::TitleSetting() {
  return HeaderTitleSetting::kAtFixedPlaces;
}

// The names a person reads where a verdict is summed up in a line (the status bar, the
// truss summary): "η max = 0.82, varras 1, vöö pinna purunemine".
template <>
std::string_view ReportCatalogue<ReportLanguage::kEstonian>::Text(FailureMode mode) {
  switch (mode) {
    case FailureMode::kChordFace: return "vöö pinna purunemine";
    case FailureMode::kFacePlateBraceInTension: return "tugevduslapi purunemine (tõmmatud varras)";
    case FailureMode::kBrace: return "varda purunemine";
    case FailureMode::kChordShear: return "vöö lõige";
    case FailureMode::kChordAxialUnderShear: return "vöö teljejõud lõike korral";
    case FailureMode::kPunchingShear: return "vöö pinna läbisurumine";
    case FailureMode::kOverlapBrace: return "ülekate: varda purunemine";
    case FailureMode::kGoverningPlain: return "määrav kandevõime";
    case FailureMode::kGoverningReinforced: return "tugevdatud vöö määrav kandevõime (surutud varras)";
    case FailureMode::kChordSideWall: return "vöö külgseina stabiilsus";
    case FailureMode::kCount: break;
  }
  return {};
}

}  // namespace traxen
