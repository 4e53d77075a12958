// Report lines of the T/Y/X range of validity: the start below the schematic, the member
// checks of chord, brace and lower brace, and the stop line.
#pragma once

#include "report/line_writer.h"
#include "joints/tyx/tyx_result.h"
#include "model/report_inputs.h"

namespace traxen {

// Leaves room for the schematic at the top of page 1 (more for an X joint) and starts the
// first line in black.
void StartTyxReportText(LineWriter& w, const ReportInputs& in);

// The chord section, the brace section (when L1 > 0), the lower-brace section (for the
// marker length L2 = 1000.0) and the note on a chord wall over 25 mm, starting on the current
// line. The reinforced report numbers the chord section after its plates.
enum class ChordHeading { Plain, AfterPlates };
void PrintTyxMemberChecks(LineWriter& w, const TyxValidity& v, ChordHeading heading);

// A limit check line: "symbol = value unit relation limit unit" and its verdict; a failure
// counts as a failed condition. The limit prints with one decimal.
struct CheckRelation {
  std::string_view passed, failed;
  std::string_view For(bool ok) const { return ok ? passed : failed; }
};
void PrintLimitCheck(LineWriter& w, Piece symbol, Piece index, std::string_view value_format,
                     std::string_view unit, const TyxLimitCheck& c, CheckRelation rel);

// Advances one line and, when a condition failed, prints the red stop line. Returns whether
// the report may go on.
bool PrintTyxStopLine(LineWriter& w, bool valid);

}  // namespace traxen
