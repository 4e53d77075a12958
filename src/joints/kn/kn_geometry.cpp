// Gap, overlap length, β and the chord state of a K/N joint.
#include "joints/kn/kn_geometry.h"

#include <cmath>

#include "base/ieee_divide.h"
#include "base/angles.h"

namespace traxen {

KnGeometry ComputeKnGeometry(const ReportInputs& in) {
  const double a1 = ReportRadians(in.theta1);
  const double a2 = ReportRadians(in.theta2);
  const double sin1 = std::sin(a1), sin2 = std::sin(a2);
  const double cot_sum = Divide(std::cos(a1), sin1) + Divide(std::cos(a2), sin2);
  // Height of the brace-axis intersection below the surface the braces stand on: the chord
  // face, or the top of the chord face plate.
  double d = in.e + in.h0 / 2;
  if (in.kn_face_plate == 1) d += in.face_t;

  KnGeometry geo;
  geo.g = d * cot_sum - Divide(in.h1, 2 * sin1) - Divide(in.h2, 2 * sin2);
  geo.top_brace = in.b2 > in.b1 ? 1 : 2;
  geo.p = geo.top_brace == 1 ? Divide(in.h1, sin1) : Divide(in.h2, sin2);
  return geo;
}

KnGeometry StoreKnGeometry(ReportInputs& in) {
  const KnGeometry geo = ComputeKnGeometry(in);
  in.g = geo.g;
  if (geo.g < 0) in.p = geo.p;
  return geo;
}

double KnWidthRatio(const ReportInputs& in) { return Divide(in.b1 + in.b2 + in.h1 + in.h2, 4 * in.b0); }

KnChordState ComputeKnChordState(const ReportInputs& in, double beta, double A0) {
  KnChordState c;
  c.N0_left = in.N0_left, c.M0 = in.M0, c.e = in.e;
  c.N1 = in.N1, c.theta1 = in.theta1;
  c.h0 = in.h0, c.Wel0 = in.Wel0, c.fy0 = in.fy0;
  c.beta = beta, c.A0 = A0;
  const double a1 = ReportRadians(in.theta1);
  c.N0_Ed = in.N0_left + in.N1 * std::cos(a1);

  c.M0_Ed = in.M0;
  if (in.e > 0.25 * in.h0) {
    c.eccentricity_moment = true;
    c.e_above_limit = true;
    c.e_limit_factor = 0.25;
  } else if (in.e < -0.55 * in.h0) {
    c.eccentricity_moment = true;
    c.e_limit_factor = -0.55;
  }
  c.e_limit = c.e_limit_factor * in.h0;
  if (c.eccentricity_moment) {
    c.M_e = in.N1 * std::cos(a1) * in.e / 1000;
    c.M0_Ed = in.M0 + c.M_e;
  }

  c.sigma0_Ed = Divide(std::abs(c.N0_Ed) * 1000, A0) + Divide(std::abs(c.M0_Ed) * 1.0e6, in.Wel0);
  c.n = Divide(c.sigma0_Ed, in.fy0);
  c.chord_in_tension = c.N0_Ed >= 0;
  if (c.chord_in_tension) {
    c.kn = 1.0;
  } else {
    c.kn_formula = 1.3 - Divide(0.4 * c.n, beta);
    c.kn = c.kn_formula > 1.0 ? 1.0 : c.kn_formula;
  }
  return c;
}

}  // namespace traxen
