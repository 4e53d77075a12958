// Reinforced K/N overlap joints: both braces are checked for brace failure against the
// between-braces plate, which takes the place of the overlapped brace. One formula serves
// every overlap ratio; no chord or punching check is made.
#pragma once

#include <array>

#include "report/report_canvas.h"
#include "report/report_inputs.h"

namespace traxen {

// An effective width before and after its cap at the brace width (mm).
struct CappedWidth {
  double computed = 0;  // the formula's value
  double value = 0;     // what the resistance uses
  bool capped = false;  // the formula gave more than the brace width (or not a number)
};

// Caps `computed` at `limit`; a value that is not a number takes the limit as well.
CappedWidth CapWidth(double computed, double limit);

struct ReinforcedOverlapBrace {
  int brace = 1;
  double fy = 0, b = 0, h = 0, t = 0;  // the brace's f_yki (MPa) and section (mm)
  CappedWidth b_eff;                   // against the chord face
  CappedWidth b_e_ov;                  // against the between-braces plate
  bool reduced = false;                // f_yki > 355: × 0.9
  double N_Rd = 0;                     // kN
  double N_Ed = 0;                     // kN, absolute value
  bool passed = false;
};

struct ReinforcedOverlapChecks {
  std::array<ReinforcedOverlapBrace, 2> braces;  // brace 1, then brace 2
};

ReinforcedOverlapChecks ComputeReinforcedOverlapChecks(const ReportInputs& in);

// Prints the overlap checks from the left margin, starting with two line advances.
void PrintReinforcedOverlapChecks(ReportCanvas& canvas, const ReportInputs& in,
                                  const ReinforcedOverlapChecks& checks);

}  // namespace traxen
