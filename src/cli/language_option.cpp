#include "cli/language_option.h"

#include <cstdlib>
#include <iostream>

#include "base/display_text.h"

namespace traxen::cli {

bool ChooseReportLanguage(const std::string& option, ReportLanguage& language) {
  const char* variable = std::getenv("TRAXEN_LANG");
  const bool from_option = !option.empty();
  const std::string code = from_option ? option : variable ? variable : "";
  if (code.empty()) {
    language = ReportLanguage::kEstonian;
    return true;
  }
  if (ReportLanguageFromCode(code, language)) return true;
  std::string codes;
  for (const std::string_view c : kReportLanguageCodes) codes += (codes.empty() ? "" : ", ") + std::string(c);
  std::cerr << "traxen-cli: " << (from_option ? "--lang " : "TRAXEN_LANG=") << EscapedControls(code)
            << ": no report in this language; the languages are " << codes << "\n";
  return false;
}

}  // namespace traxen::cli
