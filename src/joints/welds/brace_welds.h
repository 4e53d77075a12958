// The full-strength fillet weld of every brace: the throat thickness at which the weld per
// unit length of the brace's perimeter resists as much as the brace wall (EN 1993-1-8
// 7.3.1(4)), by the directional method with the wall's tension at right angles to the weld
// (σ⊥ = τ⊥ = F / (a√2)):
//
//   a ≥ √2 × βw × γM2 × fy,i × ti / (γM0 × fu)
//
// fu and βw are those of the weaker of the two parts the weld joins, brace and chord. The
// same weld serves a reinforced joint: it joins the brace to the plate or to the chord.
#pragma once

#include "model/job.h"

namespace traxen {

struct BraceWeld {
  int brace = 1;          // 1, or 2 for the K/N brace 2 and the lower brace of an X joint
  double fy = 0;          // the brace's yield strength, MPa
  double t = 0;           // the brace's wall, mm
  double fu = 0;          // the ultimate strength of the weaker part joined, MPa
  double beta_w = 0;      // the correlation factor of that part
  double gamma_M0 = 0, gamma_M2 = 0;
  bool chord_governs = false;  // the chord, not the brace, is the weaker part
  double a_over_t = 0;    // the throat thickness per millimetre of wall
  double a_min = 0;       // the minimum throat thickness, mm
  // a_min is a finite number that prints above 0.0 mm: a weld of "0.0 mm" (or "nan mm") sizes
  // nothing, and the job it closes does not pass.
  bool sound = false;
};

// The correlation factor βw of a fillet weld by the yield strength of the steel it joins:
// 0.80 up to 235 MPa, 0.85 up to 275, 0.90 up to 355, 1.00 above.
double WeldCorrelationFactor(double fy);

// The weld of one brace (1, or 2) of yield strength `fy`, ultimate strength `fu` and wall `t`
// to the chord of the job's steel (fy0, fu0), with the job's partial factors. Each family's
// record lists the welds of its braces (see families/joint_family.h).
BraceWeld BraceWeldOf(int brace, double fy, double fu, double t, const JobSteel& steel);

}  // namespace traxen
