// The report's working values that belong to a job document: copied from the Job record at
// every rendering (each family copies its own column, into the rendering's own copy);
// fields a family does not copy keep what the last project-file read left in them.
// Units: mm, mm², mm³, kN, kNm, MPa, m, degrees.
#pragma once

namespace traxen {

struct ReportInputs {
  double fy0 = 0, fy1 = 0, fy2 = 0, fy_plate = 0;
  double E = 0, gamma_M0 = 0;
  double h0 = 0, b0 = 0, t0 = 0;
  double h1 = 0, b1 = 0, t1 = 0;
  double h2 = 0, b2 = 0, t2 = 0;
  double theta1 = 0, theta2 = 0;
  double N0_left = 0, N0_right = 0, N1 = 0, N2 = 0;
  double M0 = 0;
  double e = 0;
  double A0 = 0, Wel0 = 0;
  double L0_left = 0, L0_right = 0, L1 = 0, L2 = 0;
  int chord_class = 0, brace1_class = 0, brace2_class = 0;
  double face_l = 0, face_b = 0, face_t = 0;
  double side_l = 0, side_b = 0, side_t = 0;
  double overlap_l = 0, overlap_b = 0, overlap_t = 0;
  int tyx_face_plate = 0, tyx_side_plates = 0, tyx_x_joint = 0;
  int kn_face_plate = 0, kn_side_plates = 0, kn_overlap_plate = 0;
  // The K/N geometry's gap g (negative for an overlap) and overlap length p, set in a
  // rendering's copy before the K/N report reads them.
  double g = 0, p = 0;
};

}  // namespace traxen
