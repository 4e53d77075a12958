// Pieces shared by the K/N resistance checks: an effective width with its cap and one
// resistance compared with its design force. Printed by kn_verdict_lines.h.
#pragma once


namespace traxen {

// An effective width: the formula's value and the width used after capping at the brace width.
struct KnEffectiveWidth {
  double formula = 0;   // mm, before the cap
  double value = 0;     // mm, at most the cap
  bool capped = false;  // formula > cap: printed with the "seega" form
};
KnEffectiveWidth CapWidth(double formula, double cap);

// One resistance against the absolute design force.
struct KnResistance {
  double N_Rd = 0;       // kN, with the 0.9 reduction when it applies
  double N_Ed = 0;       // kN, absolute value of the force compared with
  bool reduced = false;  // the governing yield strength exceeds 355 MPa: × 0.9
  bool passed = false;   // N_Rd ≥ N_Ed and N_Rd prints above 0.0; fails when either is not a number
};
// Applies the 0.9 reduction when fy > 355 MPa and compares with |N_Ed|.
KnResistance MakeKnResistance(double N_Rd_unreduced, double fy_governing, double N_Ed_signed);

}  // namespace traxen
