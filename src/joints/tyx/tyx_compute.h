// The T/Y/X joint calculation: validity, plate requirements and resistances from the
// report's working values, without drawing anything.
#pragma once

#include "joints/tyx/tyx_result.h"
#include "model/report_inputs.h"

namespace traxen {

// Degrees to radians as the chord face, side-wall and punching formulas convert them.
inline double TyxRadians(double degrees) { return degrees * 3.14159265 / 180; }
// Degrees to radians as the slenderness, the buckling stress and the chord shear convert them.
inline double TyxBucklingRadians(double degrees) { return degrees * 0.0174532925; }

// A resistance of a member whose yield strength exceeds 355 MPa is taken at 90 %.
inline bool TyxReduced(double yield_strength) { return yield_strength > 355; }

// How much of brace 1 the lower brace (brace 2) of a T/Y/X joint takes over. The report's
// schematic draws the lower brace at the brace's angle and the checks follow the drawing: the
// angle alone. The dialog's preview shows one brace: the whole lower brace, and the right chord
// force is the left one.
enum class TyxMirror { kAngle, kWholeBrace };
// The one place the lower brace is made brace 1 again.
void MirrorTyxLowerBrace(ReportInputs& in, TyxMirror what);

// The whole check of a T/Y/X joint: the plain one, or the reinforced one when a plate
// flag is set. Resistances are computed only when every condition holds.
TyxResult ComputeTyx(const ReportInputs& in);

// The chord-stress factor at `beta` for the chord stress ratio n.
TyxChordStressFactor TyxStressFactor(bool chord_compressed, double n, double beta);

}  // namespace traxen
