// Report lines of the chord face failure formula of a T/Y/X joint, in symbols and with
// numbers, for the narrow brace and for the chord face at β = 0.85.
#pragma once

#include <string_view>

#include "report/line_writer.h"

namespace traxen {

// N1,Rd = (kn × fyk0 × t0²) × (2η / sin θ1 + 4 (1 − β)^0.5) / [(1 − β) sin θ1], bold; the last
// piece group takes `tail_weight`. Ends the line.
void PrintChordFaceSymbols(LineWriter& w, bool reduced, std::string_view tail_weight);

struct ChordFaceNumbers {
  bool reduced;
  double kn, yield_strength, thickness, depth_ratio, beta, theta;
};
// The same with the numbers; ends the line.
void PrintChordFaceNumbers(LineWriter& w, const ChordFaceNumbers& n);

// " = N1,Rd kN" on its own line; ends the line.
void PrintResistanceResult(LineWriter& w, double resistance);

}  // namespace traxen
