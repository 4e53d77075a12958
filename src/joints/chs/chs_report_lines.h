// The circular hollow section report's lines from the computed result: validity with every
// condition's verdict, the stop line when one fails, then the joint's parameters and each
// resistance as formula in symbols, with numbers, as a result and judged.
#pragma once

#include <functional>
#include <string_view>

#include "joints/chs/chs_result.h"
#include "report/line_writer.h"
#include "report/report_note.h"

namespace traxen {

// Where the report's first line starts below the schematic.
inline constexpr int kChsSketchRoom = 400;
inline constexpr int kChsXJointSketchRoom = 520;  // the lower brace needs more

void PrintChsValidity(LineWriter& w, const ChsResult& r);
// The stop line after a failed condition; true when the report goes on.
bool PrintChsStopLine(LineWriter& w, bool valid);
void PrintChsParameters(LineWriter& w, const ChsResult& r);
void PrintChsResistances(LineWriter& w, const ChsResult& r);

}  // namespace traxen
