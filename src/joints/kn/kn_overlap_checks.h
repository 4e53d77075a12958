// Resistance of a K/N overlap joint: only the overlapping (narrower) brace is checked, with
// the formula of its overlap range.
#pragma once

#include <vector>

#include "joints/kn/kn_resistance.h"
#include "report/check_summary.h"
#include "model/report_inputs.h"

namespace traxen {

// Which formula the overlap ratio selects.
enum class KnOverlapRange {
  UpTo50,         // λov ≤ 50: b_eff + b_e,ov + λov/50·(2·h_i − 4·t_i)
  Between50And80, // 50 < λov < 80: b_eff + b_e,ov + 2·h_i − 4·t_i
  From80,         // λov ≥ 80: b_i + b_e,ov + 2·h_i − 4·t_i
};
KnOverlapRange KnOverlapRangeOf(double lambda_ov);

struct KnOverlapChecks {
  int checked = 1;  // brace i: 2 when b1 > b2, otherwise 1
  int overlapped = 2;  // brace j
  bool top_named = false;  // b1 ≠ b2: the report names the checked brace as the top one
  double b_i = 0, h_i = 0, t_i = 0, fy_i = 0, N_i = 0;
  double b_j = 0, h_j = 0, t_j = 0, fy_j = 0, N_j = 0;
  KnEffectiveWidth b_eff;   // 10·fy0·t0²·b_i / (b0·fy_i·t_i), at most b_i
  KnEffectiveWidth b_ep;    // 10·b_i·t0 / b0, at most b_i (printed only)
  KnEffectiveWidth b_eov;   // 10·fy_j·t_j²·b_i / (b_j·fy_i·t_i), at most b_i
  double lambda_ov = 0;     // %
  KnOverlapRange range = KnOverlapRange::UpTo50;
  KnResistance resistance;  // N_i,Rd against |N_i|
};

// The check with λov = −g / p × 100 from the working values g and p.
KnOverlapChecks ComputeKnOverlapChecks(const ReportInputs& in);

void AppendKnOverlapVerdict(const KnOverlapChecks& c, std::vector<ResistanceVerdict>& out);

}  // namespace traxen
