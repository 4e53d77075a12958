// traxen-cli render of several jobs or a joint table into one PDF.
#pragma once

#include <ctime>

#include "cli/commands.h"
#include "report/report_language.h"

namespace traxen::cli {

// Called with the GUI machinery started and the footer date and the language settled.
int RunCombinedRender(const RenderOptions& options, const LibraryOptions& library, std::time_t when, bool fixed_date,
                      ReportLanguage language);

}  // namespace traxen::cli
