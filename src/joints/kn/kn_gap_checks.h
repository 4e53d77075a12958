// Resistances of a K/N gap joint, brace 1 and then brace 2: the auxiliary values (effective
// widths, β, γ, α, shear area), the chord state, and modes 1, 2, 3a, 3b and 4.
#pragma once

#include <vector>

#include "joints/kn/kn_geometry.h"
#include "joints/kn/kn_resistance.h"
#include "joints/kn/kn_used_inputs.h"
#include "report/check_summary.h"
#include "model/report_inputs.h"

namespace traxen {

// Auxiliary values of one brace check. The plain joint forms them from the chord; a
// reinforced chord replaces some of them (face plate, side plates) before the modes run.
struct KnGapAux {
  KnEffectiveWidth b_eff;  // 10·fy0·t0²·b_i / (b0·fy_i·t_i), at most b_i
  KnEffectiveWidth b_ep;   // 10·b_i·t0 / b0, at most b_i
  double beta = 0;         // width ratio used by kn and modes 1 and 4
  double gamma = 0;        // b0 / (2·t0)
  double alpha = 0;        // sqrt(1 / (1 + 4·g² / (3·t0²)))
  double A_V = 0;          // mm²: (2·h0 + α·b0)·t0
  double A0 = 0;           // mm²: chord area of modes 3b and of the chord stress
  double t_face = 0;       // mm: wall under the braces in modes 1 and 4 (t0 plain)
};
// The plain joint's auxiliary values for one brace.
KnGapAux ComputePlainKnGapAux(const ReportInputs& in, const KnBraceValues& brace);

struct KnGapBraceChecks {
  KnBraceValues brace;
  KnGapAux aux;
  KnChordState chord;          // from aux.beta and aux.A0
  KnResistance mode1;          // chord face failure, against |N_i|
  KnResistance mode2;          // brace failure, against |N_i| (0.9 by the brace's fy)
  KnResistance mode3a;         // chord shear, against |N_i|
  double V_Ed = 0;             // kN: N_i·sin θ_i (signed)
  double V_pl_Rd = 0;          // kN: A_V·fy0 / (√3·γM0·1000)
  KnResistance mode3b;         // chord axial resistance under shear, against |N0,Ed|
  double punching_limit = 0;   // 1 − 1/γ
  bool punching_applies = false;  // β ≤ 1 − 1/γ: mode 4 is checked and printed
  KnResistance mode4;          // punching shear, against |N_i|
};

// The modes of one brace from its auxiliary values.
KnGapBraceChecks ComputeKnGapBrace(const ReportInputs& in, const KnBraceValues& brace,
                                   const KnGapAux& aux);

struct KnGapChecks {
  KnGapBraceChecks brace1, brace2;
};
KnGapChecks ComputePlainKnGapChecks(const ReportInputs& in);

// The verdicts of one brace in printed order: "1", "2", "3a", "3b" (|N0,Ed|) and "4" when it applies.
void AppendKnGapVerdicts(const KnGapBraceChecks& c, std::vector<ResistanceVerdict>& out);

}  // namespace traxen
