// The weld section's words in Estonian.
#include "joints/welds/brace_weld_texts.h"

namespace traxen {

template <>
std::string_view BraceWeldCatalogue<ReportLanguage::kEstonian>::Text(BraceWeldTextKey key) {
  switch (key) {
    case BraceWeldTextKey::kHeading: return "KEEVISÕMBLUSED";
    case BraceWeldTextKey::kFullStrengthFilletWeld: return "täistugevusega nurkõmblus ümber kogu varda";
    case BraceWeldTextKey::kCount: break;
  }
  return {};
}

}  // namespace traxen
