// The two T/Y/X reports as lines on the canvas, printed from a computed result and the
// working values it carries.
#pragma once

#include "report/line_writer.h"
#include "joints/tyx/tyx_result.h"

namespace traxen {

// Validity (stopping at the first failed section's end), then the resistances.
void PrintTyxPlainReport(LineWriter& w, const TyxResult& r);

// Plate requirements, member checks, the plate parameters and the tension or compression case.
void PrintTyxReinforcedReport(LineWriter& w, const TyxResult& r);

}  // namespace traxen
