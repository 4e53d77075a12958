// Reinforced K/N overlap joints: both braces are checked for brace failure against the
// between-braces plate, which takes the place of the overlapped brace. One formula serves
// every overlap ratio; no chord or punching check is made.
#pragma once

#include <array>
#include <vector>

#include "joints/kn/kn_resistance.h"
#include "report/check_summary.h"
#include "model/report_inputs.h"

namespace traxen {

struct ReinforcedOverlapBrace {
  int brace = 1;
  double fy = 0, b = 0, h = 0, t = 0;  // the brace's f_yki (MPa) and section (mm)
  KnEffectiveWidth b_eff;              // against the chord face
  KnEffectiveWidth b_e_ov;             // against the between-braces plate
  KnResistance resistance;             // brace failure against |N_i| (× 0.9 when f_yki > 355)
};

struct ReinforcedOverlapChecks {
  std::array<ReinforcedOverlapBrace, 2> braces;  // brace 1, then brace 2
};

ReinforcedOverlapChecks ComputeReinforcedOverlapChecks(const ReportInputs& in);

// The verdicts in printed order: brace 1, then brace 2, both with mode "overlap".
void AppendReinforcedOverlapVerdicts(const ReinforcedOverlapChecks& c,
                                     std::vector<ResistanceVerdict>& out);

}  // namespace traxen
