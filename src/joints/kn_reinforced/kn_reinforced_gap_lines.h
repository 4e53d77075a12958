// The printed reinforced gap-joint checks of both braces, with the plain lines where nothing
// changes.
#pragma once

#include "joints/kn_reinforced/kn_reinforced_gap.h"
#include "joints/kn/kn_used_inputs.h"
#include "report/report_canvas.h"

namespace traxen {

// The whole reinforced gap section: the bold opening line, then brace 1 and brace 2.
void PrintReinforcedGapChecks(ReportCanvas& canvas, const KnUsedInputs& used,
                              const ReinforcedGapChecks& checks);

}  // namespace traxen
