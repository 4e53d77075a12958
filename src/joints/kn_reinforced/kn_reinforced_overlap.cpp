// Brace failure of both braces of a reinforced overlap joint, computed.
#include "joints/kn_reinforced/kn_reinforced_overlap.h"

#include <cmath>
#include <string>

#include "base/ieee_divide.h"

namespace traxen {

namespace {

ReinforcedOverlapBrace ComputeBrace(const ReportInputs& in, int brace) {
  ReinforcedOverlapBrace r;
  r.brace = brace;
  r.fy = brace == 1 ? in.fy1 : in.fy2;
  r.b = brace == 1 ? in.b1 : in.b2;
  r.h = brace == 1 ? in.h1 : in.h2;
  r.t = brace == 1 ? in.t1 : in.t2;
  const double N = brace == 1 ? in.N1 : in.N2;
  r.b_eff = CapWidth(Divide(10 * in.fy0 * in.t0 * in.t0 * r.b, in.b0 * r.fy * r.t), r.b);
  // The plate stands in for the overlapped brace: its width, thickness and steel.
  r.b_e_ov = CapWidth(
      Divide(10 * in.fy_plate * in.overlap_t * in.overlap_t * r.b, in.overlap_b * r.fy * r.t), r.b);
  // One formula whatever the overlap: the plate carries what the overlapped brace would.
  r.resistance = MakeKnResistance(
      r.fy * r.t * (r.b_eff.value + r.b_e_ov.value + 2 * r.h - 4 * r.t) / 1000, r.fy, N);
  return r;
}

}  // namespace

ReinforcedOverlapChecks ComputeReinforcedOverlapChecks(const ReportInputs& in) {
  ReinforcedOverlapChecks c;
  c.braces[0] = ComputeBrace(in, 1);
  c.braces[1] = ComputeBrace(in, 2);
  return c;
}

void AppendReinforcedOverlapVerdicts(const ReinforcedOverlapChecks& c,
                                     std::vector<ResistanceVerdict>& out) {
  for (const ReinforcedOverlapBrace& b : c.braces) {
    out.push_back({b.brace, "overlap", b.resistance.N_Rd, b.resistance.N_Ed, b.resistance.passed});
  }
}

}  // namespace traxen
