// traxen-cli render of several jobs or a joint table into one PDF.
#pragma once

#include <ctime>

#include "cli/commands.h"

namespace traxen::cli {

// Called with the GUI machinery started and the footer date settled.
int RunCombinedRender(const RenderOptions& options, const LibraryOptions& library, std::time_t when, bool fixed_date);

}  // namespace traxen::cli
