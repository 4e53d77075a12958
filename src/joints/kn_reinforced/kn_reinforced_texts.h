// The words only the reinforced K/N report prints, by key (it takes the plain K/N report's
// words from kn_texts.h); each language's texts are in kn_reinforced_texts_<language>.cpp.
#pragma once

#include <string_view>

#include "report/report_language.h"

namespace traxen {

enum class KnReinforcedTextKey {
  kPlateHeading,
  kFacePlateLength,
  kFacePlateWidth,
  kFacePlateThickness,
  kSidePlateLength,
  kBetweenPlateThickness,
  kNoPunching,
  kBothOverlapBraces,
  kLeftBrace,
  kRightBrace,
  // formula pieces each language writes its own way (decimal mark, product sign)
  kPlateLengthFactor,        // "1.5×(h" of the plate length, before brace 1's index
  kPlateLengthNumbersFactor,  // the same with numbers
  kCount
};

template <ReportLanguage>
struct KnReinforcedCatalogue {
  static std::string_view Text(KnReinforcedTextKey key);
};

inline std::string_view ReportText(KnReinforcedTextKey key, ReportLanguage language) {
  return CatalogueText<KnReinforcedCatalogue>(key, language);
}

// The names `traxen-cli check` gives the plate requirements: English in every output, whatever
// the report's language, because scripts read them.
enum class KnPlateRequirementWord {
  kFacePlateLength,
  kFacePlateWidth,
  kFacePlateThickness1,
  kFacePlateThickness2,
  kSidePlatesLength,
  kBetweenPlateThickness1,
  kBetweenPlateThickness2,
  kPlatesStrength,
  kCount
};
std::string_view KnPlateRequirementCheckName(KnPlateRequirementWord word);

}  // namespace traxen
