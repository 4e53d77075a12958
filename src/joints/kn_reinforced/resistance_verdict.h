// The verdict line that closes every resistance mode of the reinforced K/N checks:
// "N_1,Rd  = 471.0 kN >= |N_1, Ed | = 52.0 kN   Korras! ", or the red failed form.
#pragma once

#include <string>

#include "report/report_canvas.h"

namespace traxen {

// Subscripts of a verdict line; the passed and the failed form spell them differently.
struct VerdictIndices {
  std::string rd_passed;  // "1,Rd  "
  std::string ed_passed;  // "1, Ed "
  std::string rd_failed;  // "1,Rd "
  std::string ed_failed;  // "1,Ed "
};

// The indices of brace `brace` (1 or 2) in a brace mode.
VerdictIndices BraceVerdictIndices(int brace);
// The indices of the chord's axial resistance under shear (mode 3b).
VerdictIndices ChordVerdictIndices();

// A resistance passes when it is at least the absolute design force; a value that is not
// a number fails.
inline bool ResistanceHolds(double N_Rd, double N_Ed_abs) { return N_Rd >= N_Ed_abs; }

// Advances a line and prints the verdict in bold at the left margin; a failed verdict is
// red and leaves the canvas's failure flag alone.
void PrintResistanceVerdict(ReportCanvas& canvas, const VerdictIndices& indices, double N_Rd,
                            double N_Ed_abs, bool passed);

}  // namespace traxen
