// The language a command writes its words in: --lang, else TRAXEN_LANG, else Estonian.
#pragma once

#include <string>

#include "report/report_language.h"

namespace traxen::cli {

// The language `option` (the --lang value, "" for none) or TRAXEN_LANG names, Estonian when
// neither does. A code no language has is refused on standard error, naming where it came
// from, so that a stray variable is not taken for a bad option.
bool ChooseReportLanguage(const std::string& option, ReportLanguage& language);

}  // namespace traxen::cli
