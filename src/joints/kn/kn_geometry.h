// K/N joint geometry: the gap or overlap of the two braces on the chord face (the schematic
// and every check take it from here), the width ratio β, and the chord state at the joint
// (force, moment with eccentricity, stress, n, kn).
// Units: mm, mm², mm³, kN, kNm, MPa, degrees; λov in per cent.
#pragma once

#include "base/ieee_divide.h"
#include "model/report_inputs.h"

namespace traxen {

// The braces on the chord face. Brace 1 stands left, brace 2 right; g > 0 is a gap joint,
// g < 0 an overlap joint.
struct KnGeometry {
  // Clear distance from brace 1's right toe to brace 2's left toe, on the chord face, or on
  // the chord face plate's top when that plate is present (mm). Negative for an overlap.
  double g = 0;
  // The brace lying on top in an overlap: 1 when b2 > b1, otherwise 2 (so 2 for equal widths).
  int top_brace = 2;
  // Footprint length of the top brace on the chord face, h / sin θ (mm). Meaningful for an
  // overlap only; the working value p is written only when g < 0.
  double p = 0;
};

// The gap and the top brace's footprint from the working values (h0 … t2, θ1, θ2, e, the
// face plate flag and thickness).
KnGeometry ComputeKnGeometry(const ReportInputs& in);

// What the rendering keeps of the geometry for the title and the reports, in its own copy
// of the working values: writes in.g always and in.p only for an overlap (g < 0);
// otherwise in.p keeps the value it had.
KnGeometry StoreKnGeometry(ReportInputs& in);

// λov = −g / p × 100 (%), evaluated exactly this way wherever it is printed or compared.
inline double KnOverlapRatio(double g, double p) { return Divide(-g, p) * 100; }

// β = (b1 + b2 + h1 + h2) / (4·b0).
double KnWidthRatio(const ReportInputs& in);

// The chord at the joint. Brace 1's force and angle serve both brace checks.
struct KnChordState {
  // What the state was formed from, as its lines print it: the chord's forces, brace 1's
  // force and angle whichever brace is checked, the chord and the check's β and A0.
  double N0_left = 0, M0 = 0, e = 0;  // kN, kNm, mm
  double N1 = 0, theta1 = 0;          // kN, degrees
  double h0 = 0, Wel0 = 0, fy0 = 0;   // mm, mm³, MPa
  double beta = 0, A0 = 0;            // –, mm²
  double N0_Ed = 0;  // kN: N0,left + N1·cos θ1
  // Moment from eccentricity: added when e > 0.25·h0 or e < −0.55·h0 (both strict).
  bool eccentricity_moment = false;
  bool e_above_limit = false;   // e > 0.25·h0 (otherwise, with the moment, e < −0.55·h0)
  double e_limit_factor = 0;    // 0.25 or −0.55, the factor of the limit e was compared with
  double e_limit = 0;           // e_limit_factor·h0 (mm)
  double M_e = 0;               // kNm: N1·cos θ1·e / 1000
  double M0_Ed = 0;             // kNm: M0 (+ M_e)
  double sigma0_Ed = 0;         // MPa: |N0,Ed|·1000 / A0 + |M0,Ed|·10^6 / Wel0
  double n = 0;                 // σ0,Ed / fy0
  bool chord_in_tension = true; // N0,Ed ≥ 0: kn = 1 without the formula
  double kn_formula = 0;        // 1.3 − 0.4·n / β (compression only), before the cap
  double kn = 1;                // the factor used: 1, or kn_formula capped at 1
};

// The chord state with the given β and chord area A0 (a reinforced chord passes its own).
KnChordState ComputeKnChordState(const ReportInputs& in, double beta, double A0);

}  // namespace traxen
