// The report's lines for round braces on a rectangular chord, from the computed result:
// validity with every condition's verdict, the stop line when one fails, then the joint's
// parameters and each resistance as formula in symbols, with numbers, as a result and judged.
#pragma once

#include "joints/rc/rc_result.h"
#include "report/line_writer.h"

namespace traxen {

// Where the report's first line starts below the schematic.
inline constexpr int kRcSketchRoom = 400;
inline constexpr int kRcXJointSketchRoom = 520;  // the lower brace needs more

void PrintRcValidity(LineWriter& w, const RcResult& r);
// The stop line after a failed condition; true when the report goes on.
bool PrintRcStopLine(LineWriter& w, bool valid);
void PrintRcParameters(LineWriter& w, const RcResult& r);
void PrintRcResistances(LineWriter& w, const RcResult& r);

}  // namespace traxen
