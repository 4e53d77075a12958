// The languages a report can be printed in, and the one way every catalogue of report texts
// is looked up: a catalogue is a class template over the language whose `Text(key)` each
// language's own file defines, so a language without its file fails to link.
#pragma once

#include <cstddef>
#include <iterator>
#include <string_view>
#include <utility>

namespace traxen {

enum class ReportLanguage { kEstonian };

// Every language, for the code that walks them all (the catalogue lookup and its tests). A new
// language is added here as well as to the enum.
inline constexpr ReportLanguage kReportLanguages[] = {ReportLanguage::kEstonian};

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
