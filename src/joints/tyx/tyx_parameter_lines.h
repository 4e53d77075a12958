// Report lines the plain and the reinforced T/Y/X reports share: the chord stress, the
// chord-stress factor and the final comparison of a resistance with the brace force.
#pragma once

#include "report/line_writer.h"
#include "joints/tyx/tyx_result.h"
#include "model/report_inputs.h"

namespace traxen {

// σ0,Ed = N0,Ed / A0 + M0,Ed / Wel,0 in symbols, from the writer's current x.
void PrintChordStressSymbols(LineWriter& w);
// The same with the numbers, on its own line at the left margin; ends the line.
void PrintChordStressNumbers(LineWriter& w, const TyxChordStress& s);
// n = σ0,Ed / fy0 at the left and kn at the right column; a compressed chord takes a second
// line for the uncapped value. Does not end the last line.
void PrintStressRatioAndFactor(LineWriter& w, double fy0, const TyxChordStress& s,
                               const TyxChordStressFactor& kn);

// "N1,Rd = ... >= |N1,Ed| = ..." in bold with its verdict. The governing comparison of the
// wide-brace case puts the verdict word in bold at a column, the others 30 units after the text.
// A resistance that prints as 0.0 kN is red and fails after its true relation.
void PrintResistanceVerdict(LineWriter& w, double resistance, double brace_force, bool passed,
                            bool governing);

}  // namespace traxen
