// The printed brace failure checks of a reinforced overlap joint.
#pragma once

#include "joints/kn_reinforced/kn_reinforced_overlap.h"
#include "joints/kn/kn_used_inputs.h"
#include "report/report_canvas.h"

namespace traxen {

// Prints the overlap checks from the left margin, starting with two line advances.
void PrintReinforcedOverlapChecks(ReportCanvas& canvas, const KnUsedInputs& used,
                                  const ReinforcedOverlapChecks& checks);

}  // namespace traxen
