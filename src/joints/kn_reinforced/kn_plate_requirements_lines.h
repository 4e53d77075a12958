// The printed plate requirements of a reinforced K/N joint, block by block.
#pragma once

#include "joints/kn_reinforced/kn_plate_requirements.h"
#include "joints/kn/kn_used_inputs.h"
#include "report/report_canvas.h"

namespace traxen {

// Prints the blocks of the plates present in the order face, side, between-braces, then the
// plate strength line; the first heading goes on the current line. A failed check sets the
// canvas's failure flag.
void PrintKnPlateRequirements(ReportCanvas& canvas, const KnUsedInputs& used,
                              const KnPlateRequirements& req);

}  // namespace traxen
