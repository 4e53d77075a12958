// The words of the report's weld section by key; each language's texts are in
// brace_weld_texts_<language>.cpp.
#pragma once

#include <string_view>

#include "report/report_language.h"

namespace traxen {

enum class BraceWeldTextKey {
  kHeading,
  kFullStrengthFilletWeld,  // the note under each weld
  kCount
};

template <ReportLanguage>
struct BraceWeldCatalogue {
  static std::string_view Text(BraceWeldTextKey key);
};

inline std::string_view ReportText(BraceWeldTextKey key, ReportLanguage language) {
  return CatalogueText<BraceWeldCatalogue>(key, language);
}

}  // namespace traxen
