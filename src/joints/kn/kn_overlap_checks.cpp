// Overlap-joint resistance of the overlapping brace.
#include "joints/kn/kn_overlap_checks.h"

#include "joints/kn/kn_geometry.h"
#include "base/ieee_divide.h"

namespace traxen {

KnOverlapRange KnOverlapRangeOf(double lambda_ov) {
  if (lambda_ov <= 50) return KnOverlapRange::UpTo50;
  if (lambda_ov < 80) return KnOverlapRange::Between50And80;
  return KnOverlapRange::From80;
}

KnOverlapChecks ComputeKnOverlapChecks(const ReportInputs& in) {
  KnOverlapChecks c;
  // The narrower brace lies on top and is the one checked; with equal widths brace 1.
  const bool second_on_top = in.b1 > in.b2;
  c.checked = second_on_top ? 2 : 1;
  c.overlapped = second_on_top ? 1 : 2;
  c.top_named = second_on_top || in.b2 > in.b1;
  if (second_on_top) {
    c.b_i = in.b2, c.h_i = in.h2, c.t_i = in.t2, c.fy_i = in.fy2, c.N_i = in.N2;
    c.b_j = in.b1, c.h_j = in.h1, c.t_j = in.t1, c.fy_j = in.fy1, c.N_j = in.N1;
  } else {
    c.b_i = in.b1, c.h_i = in.h1, c.t_i = in.t1, c.fy_i = in.fy1, c.N_i = in.N1;
    c.b_j = in.b2, c.h_j = in.h2, c.t_j = in.t2, c.fy_j = in.fy2, c.N_j = in.N2;
  }
  c.b_eff = CapWidth(Divide(10 * in.fy0 * in.t0 * in.t0 * c.b_i, in.b0 * c.fy_i * c.t_i), c.b_i);
  c.b_ep = CapWidth(Divide(10 * c.b_i * in.t0, in.b0), c.b_i);
  c.b_eov = CapWidth(Divide(10 * c.fy_j * c.t_j * c.t_j * c.b_i, c.b_j * c.fy_i * c.t_i), c.b_i);
  c.lambda_ov = KnOverlapRatio(in.g, in.p);
  c.range = KnOverlapRangeOf(c.lambda_ov);

  const double walls = 2 * c.h_i - 4 * c.t_i;
  double width = 0;
  switch (c.range) {
    case KnOverlapRange::UpTo50: width = c.b_eff.value + c.b_eov.value + c.lambda_ov / 50 * walls; break;
    case KnOverlapRange::Between50And80: width = c.b_eff.value + c.b_eov.value + walls; break;
    case KnOverlapRange::From80: width = c.b_i + c.b_eov.value + walls; break;
  }
  c.resistance = MakeKnResistance(c.fy_i * c.t_i * width / 1000, c.fy_i, c.N_i);
  return c;
}

void AppendKnOverlapVerdict(const KnOverlapChecks& c, std::vector<ResistanceVerdict>& out) {
  out.push_back({c.checked, "overlap", c.resistance.N_Rd, c.resistance.N_Ed, c.resistance.passed});
}

}  // namespace traxen
