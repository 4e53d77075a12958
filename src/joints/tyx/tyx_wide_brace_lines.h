// Report lines of the wide-brace procedure of a T/Y/X joint: chord face at β = 0.85, brace
// failure, chord side wall and shear, interpolation, punching shear and the governing verdict.
#pragma once

#include "report/line_writer.h"
#include "joints/tyx/tyx_result.h"

namespace traxen {

// The list of the four failure modes (bold, one per line) and the blank line after it.
void PrintWideBraceModeList(LineWriter& w);

// Everything from "1. Vöö liitepinna kandevõime" to the verdict. `r.reinforced` selects the
// face-plate form of the chord face, brace failure and punching lines.
void PrintWideBraceModes(LineWriter& w, const TyxResult& r);

}  // namespace traxen
