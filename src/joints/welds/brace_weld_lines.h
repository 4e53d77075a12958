// The report's closing section "KEEVISÕMBLUSED": per brace the full-strength weld in
// symbols, with the numbers and as a throat thickness, then a note on what it means.
#pragma once

#include <vector>

#include "joints/welds/brace_welds.h"
#include "report/report_canvas.h"

namespace traxen {

void PrintBraceWelds(ReportCanvas& canvas, const std::vector<BraceWeld>& welds);

}  // namespace traxen
