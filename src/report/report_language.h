// The languages a report can be printed in, and the one way every catalogue of report texts
// is looked up: a catalogue is a class template over the language whose `Text(key)` each
// language's own file defines, so a language without its file fails to link.
#pragma once

#include <cstddef>
#include <iterator>
#include <string_view>
#include <utility>

namespace traxen {

enum class ReportLanguage { kEstonian, kEnglish };

// Every language, for the code that walks them all (the catalogue lookup and its tests). A new
// language is added here as well as to the enum.
inline constexpr ReportLanguage kReportLanguages[] = {ReportLanguage::kEstonian, ReportLanguage::kEnglish};

// The short names by which a user asks for a language ("traxen-cli render --lang en"), in the
// order of kReportLanguages.
inline constexpr std::string_view kReportLanguageCodes[] = {"et", "en"};
static_assert(std::size(kReportLanguageCodes) == std::size(kReportLanguages));

// The language `code` names; false (and `language` untouched) for a code no language has.
inline bool ReportLanguageFromCode(std::string_view code, ReportLanguage& language) {
  for (std::size_t i = 0; i < std::size(kReportLanguageCodes); ++i) {
    if (kReportLanguageCodes[i] == code) {
      language = kReportLanguages[i];
      return true;
    }
  }
  return false;
}

// The text of `key` in `language` from the catalogue `Catalogue<language>::Text`.
template <template <ReportLanguage> class Catalogue, class Key>
std::string_view CatalogueText(Key key, ReportLanguage language) {
  return [&]<std::size_t... I>(std::index_sequence<I...>) {
    std::string_view text;
    static_cast<void>(
        ((language == kReportLanguages[I] ? (text = Catalogue<kReportLanguages[I]>::Text(key), true) : false) || ...));
    return text;
  }(std::make_index_sequence<std::size(kReportLanguages)>());
}

}  // namespace traxen
