// The working values a K/N check keeps in its result.
#include "joints/kn/kn_used_inputs.h"

namespace traxen {

KnBraceValues KnBrace(const ReportInputs& in, int index) {
  if (index == 2) return {2, in.h2, in.b2, in.t2, in.fy2, in.theta2, in.N2};
  return {1, in.h1, in.b1, in.t1, in.fy1, in.theta1, in.N1};
}

KnUsedInputs KnUsedInputsOf(const ReportInputs& in) {
  KnUsedInputs u;
  u.chord = {in.h0, in.b0, in.t0, in.fy0, in.A0, in.Wel0};
  u.brace1 = KnBrace(in, 1);
  u.brace2 = KnBrace(in, 2);
  u.gamma_M0 = in.gamma_M0;
  u.g = in.g;
  u.p = in.p;
  KnPlateValues& pl = u.plates;
  pl.face = in.kn_face_plate == 1;
  pl.side = in.kn_side_plates == 1;
  pl.between = in.kn_overlap_plate == 1;
  pl.face_l = in.face_l, pl.face_b = in.face_b, pl.face_t = in.face_t;
  pl.side_l = in.side_l, pl.side_b = in.side_b, pl.side_t = in.side_t;
  pl.between_b = in.overlap_b, pl.between_t = in.overlap_t;
  pl.fy = in.fy_plate;
  return u;
}

}  // namespace traxen
