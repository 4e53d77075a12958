// The working values a K/N check used, kept in its result so that the report prints the
// very numbers the check was formed from and needs no working values of its own.
// Units: mm, mm², mm³, MPa, degrees, kN.
#pragma once

#include "model/report_inputs.h"

namespace traxen {

// A brace's own values (mm, MPa, degrees, kN signed).
struct KnBraceValues {
  int index = 1;  // 1 or 2
  double h = 0, b = 0, t = 0, fy = 0, theta = 0, N = 0;
};
KnBraceValues KnBrace(const ReportInputs& in, int index);

// The chord's section and steel.
struct KnChordValues {
  double h0 = 0, b0 = 0, t0 = 0, fy0 = 0;
  double A0 = 0, Wel0 = 0;  // mm², mm³: the chord's own, without plates
};

// The plates as the reinforced checks used them: which are present, their dimensions and
// their steel.
struct KnPlateValues {
  bool face = false, side = false, between = false;
  double face_l = 0, face_b = 0, face_t = 0;
  double side_l = 0, side_b = 0, side_t = 0;
  double between_b = 0, between_t = 0;
  double fy = 0;  // f_ykt, one steel for every plate
};

struct KnUsedInputs {
  KnChordValues chord;
  KnBraceValues brace1, brace2;
  double gamma_M0 = 0;
  double g = 0, p = 0;  // as StoreKnGeometry left them
  KnPlateValues plates;
};

// From the working values with in.g and in.p already set by StoreKnGeometry.
KnUsedInputs KnUsedInputsOf(const ReportInputs& in);

}  // namespace traxen
