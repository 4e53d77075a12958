// Effective widths, resistances and their verdict line.
#include "joints/kn/kn_resistance.h"

#include <cmath>

#include "report/check_numbers.h"

namespace traxen {

KnEffectiveWidth CapWidth(double formula, double cap) {
  KnEffectiveWidth w;
  w.formula = formula;
  w.capped = formula > cap;
  // A cap that is not a number leaves the width not a number.
  w.value = std::isnan(cap) ? cap : w.capped ? cap : formula;
  return w;
}

KnResistance MakeKnResistance(double N_Rd_unreduced, double fy_governing, double N_Ed_signed) {
  KnResistance r;
  r.reduced = fy_governing > 355;
  r.N_Rd = r.reduced ? 0.9 * N_Rd_unreduced : N_Rd_unreduced;
  // A resistance that is not a number (a shear beyond the plastic shear resistance) prints
  // as "nan", whatever sign the square root of a negative number left on it.
  if (std::isnan(r.N_Rd)) r.N_Rd = std::fabs(r.N_Rd);
  r.N_Ed = std::abs(N_Ed_signed);
  r.passed = ResistancePasses(r.N_Rd, r.N_Ed);  // false unless both sides are finite
  return r;
}

}  // namespace traxen
