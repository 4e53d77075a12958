// Reinforced gap-joint checks of both braces, computed from the plain auxiliary values with
// the plates' substitutions.
#include "joints/kn_reinforced/kn_reinforced_gap.h"

#include <cmath>
#include <string>

#include "base/ieee_divide.h"

namespace traxen {

KnGapPlates KnGapPlatesOf(const ReportInputs& in) {
  KnGapPlates p;
  p.face = in.kn_face_plate == 1;
  p.side = in.kn_side_plates == 1;
  p.b_p = in.face_b;
  p.t_p = in.face_t;
  p.b_pk = in.side_b;
  p.t_pk = in.side_t;
  if (p.face) {
    p.b_pp = in.face_b;
    p.t_pp = in.face_t;
  }
  return p;
}

ReinforcedGapBrace ComputeReinforcedGapBrace(const ReportInputs& in, const KnBraceValues& b,
                                             const KnGapPlates& pl) {
  KnGapAux a = ComputePlainKnGapAux(in, b);
  if (pl.face) {
    // The braces stand on the face plate: it replaces the chord face.
    a.b_eff = CapWidth(Divide(10 * in.fy_plate * pl.t_p * pl.t_p * b.b, in.b0 * b.fy * b.t), b.b);
    a.b_ep = CapWidth(Divide(10 * b.b * pl.t_p, in.b0), b.b);
    a.beta = Divide(pl.b_p, in.b0);
    a.gamma = Divide(in.b0, 2 * pl.t_p);
    a.t_face = pl.t_p;
  }
  ReinforcedGapBrace r;
  r.beta_first = a.beta;
  r.gamma_first = a.gamma;
  if (pl.side) {
    // The side plates thicken the chord's side walls and, with the face plate, add to its area.
    a.A0 = in.A0 + 2 * pl.t_pk * pl.b_pk + pl.t_pp * pl.b_pp;
    a.beta = Divide(pl.face ? pl.b_p : b.b, in.b0);
    a.gamma = Divide(in.b0, 2 * (pl.face ? in.t0 + pl.t_p : in.t0));
    const double tw = in.t0 + pl.t_pk;
    a.alpha = std::sqrt(Divide(1, 1 + Divide(4 * in.g * in.g, 3 * tw * tw)));
    a.A_V = (2 * in.h0 + a.alpha * in.b0) * tw;
  }
  r.checks = ComputeKnGapBrace(in, b, a);
  return r;
}

ReinforcedGapChecks ComputeReinforcedGapChecks(const ReportInputs& in) {
  ReinforcedGapChecks c;
  c.plates = KnGapPlatesOf(in);
  c.A0_chord = in.A0;
  c.braces[0] = ComputeReinforcedGapBrace(in, KnBrace(in, 1), c.plates);
  c.braces[1] = ComputeReinforcedGapBrace(in, KnBrace(in, 2), c.plates);
  c.A0 = c.braces[0].checks.aux.A0;
  return c;
}

void AppendReinforcedGapVerdicts(const ReinforcedGapChecks& c, std::vector<ResistanceVerdict>& out) {
  for (const ReinforcedGapBrace& b : c.braces) AppendKnGapVerdicts(b.checks, out);
}

}  // namespace traxen
