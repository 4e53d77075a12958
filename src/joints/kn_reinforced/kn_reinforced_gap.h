// Reinforced K/N gap joints: the plain gap-joint modes with the chord face plate in place of
// the chord face (effective widths, β, γ, chord face failure, punching) and the chord side
// plates thickening the side walls (shear area, α) and adding to the chord area.
#pragma once

#include <array>
#include <vector>

#include "joints/kn/kn_gap_checks.h"
#include "report/check_summary.h"
#include "model/report_inputs.h"

namespace traxen {

// The plates that reinforce the chord of a gap joint, as the checks use them (mm).
struct KnGapPlates {
  bool face = false;           // chord face plate
  bool side = false;           // chord side plates
  double b_p = 0, t_p = 0;     // face plate width and thickness
  double b_pk = 0, t_pk = 0;   // side plate width and thickness
  // The face plate's section in the reinforced chord area; 0 without a face plate.
  double b_pp = 0, t_pp = 0;
};
KnGapPlates KnGapPlatesOf(const ReportInputs& in);

struct ReinforcedGapBrace {
  // The auxiliary values the modes read (the latest of each), the chord state and the modes.
  KnGapBraceChecks checks;
  // β and γ as the β/γ line prints them; with side plates the side-plate step replaces them.
  double beta_first = 0, gamma_first = 0;
};

struct ReinforcedGapChecks {
  KnGapPlates plates;
  double A0_chord = 0;  // mm², the chord's own area
  double A0 = 0;        // mm², the area both braces use: A0 + 2·t_pk·b_pk + t_pp·b_pp with side plates
  std::array<ReinforcedGapBrace, 2> braces;  // brace 1, then brace 2
};

// Both braces' checks; g is the report's gap (on the face plate's top when present).
ReinforcedGapChecks ComputeReinforcedGapChecks(const ReportInputs& in);

// One brace: the plain auxiliary values, then the face plate's substitutions, then the side
// plates', and the modes on the result.
ReinforcedGapBrace ComputeReinforcedGapBrace(const ReportInputs& in, const KnBraceValues& brace,
                                             const KnGapPlates& plates);

// Verdicts of both braces in printed order: "1", "2", "3a", "3b" and "4" when it applies.
void AppendReinforcedGapVerdicts(const ReinforcedGapChecks& c, std::vector<ResistanceVerdict>& out);

}  // namespace traxen
