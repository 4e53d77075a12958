// Pieces shared by the K/N resistance checks: an effective width with its cap, one
// resistance compared with its design force, and the bold verdict line that prints it.
#pragma once

#include <string>

#include "report/report_canvas.h"

namespace traxen {

// An effective width: the formula's value and the width used after capping at the brace width.
struct KnEffectiveWidth {
  double formula = 0;   // mm, before the cap
  double value = 0;     // mm, at most the cap
  bool capped = false;  // formula > cap: printed with the "seega" form
};
KnEffectiveWidth CapWidth(double formula, double cap);

// One resistance against the absolute design force.
struct KnResistance {
  double N_Rd = 0;       // kN, with the 0.9 reduction when it applies
  double N_Ed = 0;       // kN, absolute value of the force compared with
  bool reduced = false;  // the governing yield strength exceeds 355 MPa: × 0.9
  bool passed = false;   // N_Rd ≥ N_Ed; fails when either is not a number
};
// Applies the 0.9 reduction when fy > 355 MPa and compares with |N_Ed|.
KnResistance MakeKnResistance(double N_Rd_unreduced, double fy_governing, double N_Ed_signed);

// Subscripts of a verdict line, passing and failing ("1,Rd  " / "1, Ed " and "1,Rd " / "1,Ed ").
struct KnVerdictIndices {
  std::string pass_rd, pass_ed, fail_rd, fail_ed;
};
// The indices of a brace verdict for the index text "1", "2" or "i".
KnVerdictIndices KnBraceVerdictIndices(const std::string& index);
// The indices of the chord verdict of mode 3b ("0.Rd  " / "0. Ed ", "0,Rd " / "0,Ed ").
KnVerdictIndices KnChordVerdictIndices();

// After a line advance, in bold: N_Rd >= |N_Ed| and "Korras! " 20 units further, or in red
// N_Rd < |N_Ed| and "Ei rahulda! "; the failure flag is left alone.
void PrintKnVerdict(ReportCanvas& canvas, const KnVerdictIndices& indices, const KnResistance& r);

}  // namespace traxen
