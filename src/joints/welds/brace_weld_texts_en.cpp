// The weld section's words in English.
#include "joints/welds/brace_weld_texts.h"

namespace traxen {

template <>
std::string_view BraceWeldCatalogue<ReportLanguage::kEnglish>::Text(BraceWeldTextKey key) {
  switch (key) {
    case BraceWeldTextKey::kHeading: return "WELDS";
    case BraceWeldTextKey::kFullStrengthFilletWeld: return "full-strength fillet weld all around the brace";
    case BraceWeldTextKey::kCount: break;
  }
  return {};
}

}  // namespace traxen
