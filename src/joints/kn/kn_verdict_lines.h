// The bold verdict line of a K/N resistance and the subscripts it prints.
#pragma once

#include <string>

#include "joints/kn/kn_resistance.h"
#include "report/report_canvas.h"

namespace traxen {

// Subscripts of a verdict line, passing and failing ("1,Rd  " / "1, Ed " and "1,Rd " / "1,Ed ").
struct KnVerdictIndices {
  std::string pass_rd, pass_ed, fail_rd, fail_ed;
};
// The indices of a brace verdict for the index text "1", "2" or "i", as `language` writes them.
KnVerdictIndices KnBraceVerdictIndices(const std::string& index, ReportLanguage language);
// The indices of the chord verdict of mode 3b ("0.Rd  " / "0. Ed ", "0,Rd " / "0,Ed " in
// Estonian, EN's "0,Rd" / "0,Ed" in English).
KnVerdictIndices KnChordVerdictIndices(ReportLanguage language);

// After a line advance, in bold: N_Rd >= |N_Ed| and "Korras! " 20 units further, or in red
// N_Rd < |N_Ed| and "Ei rahulda! "; the failure flag is left alone. A resistance that prints
// as 0.0 kN is red with "Ei rahulda! " after its true relation N_Rd >= |N_Ed|.
void PrintKnVerdict(ReportCanvas& canvas, const KnVerdictIndices& indices, const KnResistance& r);

}  // namespace traxen
