// Gap-joint resistances of both braces.
#include "joints/kn/kn_gap_checks.h"

#include <cmath>

#include "base/ieee_divide.h"
#include "base/angles.h"

namespace traxen {

KnGapAux ComputePlainKnGapAux(const ReportInputs& in, const KnBraceValues& b) {
  KnGapAux a;
  a.b_eff = CapWidth(Divide(10 * in.fy0 * in.t0 * in.t0 * b.b, in.b0 * b.fy * b.t), b.b);
  a.b_ep = CapWidth(Divide(10 * b.b * in.t0, in.b0), b.b);
  a.beta = KnWidthRatio(in);
  a.gamma = Divide(in.b0, 2 * in.t0);
  a.alpha = std::sqrt(Divide(1, 1 + Divide(4 * in.g * in.g, 3 * in.t0 * in.t0)));
  a.A_V = (2 * in.h0 + a.alpha * in.b0) * in.t0;
  a.A0 = in.A0;
  a.t_face = in.t0;
  return a;
}

KnGapBraceChecks ComputeKnGapBrace(const ReportInputs& in, const KnBraceValues& b,
                                   const KnGapAux& aux) {
  static const double kSqrt3 = std::sqrt(3.0);
  KnGapBraceChecks c;
  c.brace = b;
  c.aux = aux;
  c.chord = ComputeKnChordState(in, aux.beta, aux.A0);
  const double sin_t = std::sin(ReportRadians(b.theta));
  const double tf = aux.t_face;

  c.mode1 = MakeKnResistance(
      Divide(8.9 * c.chord.kn * in.fy0 * tf * tf * std::sqrt(aux.gamma) * aux.beta, 1000 * sin_t),
      in.fy0, b.N);
  c.mode2 = MakeKnResistance(b.fy * b.t * (2 * b.h - 4 * b.t + b.b + aux.b_eff.value) / 1000,
                             b.fy, b.N);
  c.mode3a = MakeKnResistance(Divide(in.fy0 * aux.A_V, kSqrt3 * sin_t * 1000), in.fy0, b.N);

  c.V_Ed = b.N * sin_t;
  c.V_pl_Rd = Divide(aux.A_V * in.fy0, kSqrt3 * in.gamma_M0 * 1000);
  const double shear_ratio = Divide(c.V_Ed, c.V_pl_Rd);
  // A shear above the plastic shear resistance leaves no axial resistance to speak of:
  // the root's argument turns negative and N_Rd is not a number, which fails the mode.
  c.mode3b = MakeKnResistance(
      (aux.A_V * in.fy0 * std::sqrt(1 - shear_ratio * shear_ratio) + (aux.A0 - aux.A_V) * in.fy0) /
          1000,
      in.fy0, c.chord.N0_Ed);

  c.punching_limit = 1 - Divide(1, aux.gamma);
  c.punching_applies = aux.beta <= c.punching_limit;
  if (c.punching_applies) {
    c.mode4 = MakeKnResistance(
        Divide(in.fy0 * tf * (Divide(2 * b.h, sin_t) + b.b + aux.b_ep.value), kSqrt3 * sin_t * 1000), in.fy0,
        b.N);
  }
  return c;
}

KnGapChecks ComputePlainKnGapChecks(const ReportInputs& in) {
  KnGapChecks checks;
  const KnBraceValues b1 = KnBrace(in, 1), b2 = KnBrace(in, 2);
  checks.brace1 = ComputeKnGapBrace(in, b1, ComputePlainKnGapAux(in, b1));
  checks.brace2 = ComputeKnGapBrace(in, b2, ComputePlainKnGapAux(in, b2));
  return checks;
}

void AppendKnGapVerdicts(const KnGapBraceChecks& c, std::vector<ResistanceVerdict>& out) {
  const int brace = c.brace.index;
  auto add = [&](const char* mode, const KnResistance& r) {
    out.push_back({brace, mode, r.N_Rd, r.N_Ed, r.passed});
  };
  add("1", c.mode1);
  add("2", c.mode2);
  add("3a", c.mode3a);
  add("3b", c.mode3b);
  if (c.punching_applies) add("4", c.mode4);
}

}  // namespace traxen
