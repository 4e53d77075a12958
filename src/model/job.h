// The Job record: the whole input of one joint check, with the defaults of a new document.
// Units: section and plate dimensions in mm, member lengths in m, forces in kN (tension
// positive), moments in kNm, strengths and moduli in MPa, angles in degrees.
#pragma once

#include <array>
#include <string>

namespace traxen {

struct JobInfo {
  std::string job_name = "....(töö nimi)";
  std::string client = "....(töö teliija)";
  std::string calculated_by = "Insener Näidis";      // placeholder engineer
  std::string owner = "Näidisprojekt OÜ";            // placeholder owning firm
};

struct JobFamily {
  int is_tyx = 0;  // 1: T, Y or X joint
  int is_kn = 0;   // 1: K or N joint
  int is_chs_tyx = 0;  // 1: circular hollow section T, Y or X joint
  int is_chs_kn = 0;   // 1: circular hollow section K or N joint
  int is_rc_tyx = 0;   // 1: T, Y or X joint of round braces on a rectangular chord
  int is_rc_kn = 0;    // 1: K or N joint of round braces on a rectangular chord
};

// The family each flag above marks, as the family table (model/job_family.h) knows it.
enum class JobFamilyId { kTyx, kKn, kChsTyx, kChsKn, kRcTyx, kRcKn };

struct JobSteel {
  double fy0 = 355.0, fu0 = 520.0;
  double fy1 = 355.0, fu1 = 520.0;
  double fy2 = 355.0, fu2 = 520.0;
  double E = 210000.0;
  double gamma_M0 = 1.0, gamma_M1 = 1.0, gamma_M2 = 1.25;
  double fy_plate = 355.0;  // reinforcing plates: the steel dialog; a project file's optional line 19
};

struct JobLengths {
  double L0_left = 4.0, L0_right = 4.0, L1 = 4.0, L2 = 4.0;  // m
};

// Chord area (mm²) and elastic modulus (mm³), written by whichever joint dialog was confirmed last.
struct JobChord {
  double A0 = 0.0;
  double Wel0 = 0.0;
};

struct TyxJoint {
  double h0 = 0, b0 = 0, t0 = 0;
  double h1 = 0, b1 = 0, t1 = 0;
  double h2 = 0, b2 = 0, t2 = 0;
  double N0 = -271.6;
  double M0 = 2.81;
  double N1 = -52.0;
  double N2 = 300.0;  // mirrored from N1 by the dialog; the report uses N1 for brace 2
  double theta1 = 84.3;
  double theta2 = 42.0;
  int face_plate = 0;
  int side_plates = 0;
  int x_joint = 0;
  int chord_class = 0;
  int brace_class = 0;
  int chord_type_index = 0, chord_number_index = 41;
  int brace1_type_index = 0, brace1_number_index = 36;
  int brace2_type_index = 0, brace2_number_index = 42;
  std::string type_name;
  std::string chord_section_text;
  std::string brace_section_text;
  std::string text3;
  double fy_class_chord = 355.0;
  double fy_class_brace = 355.0;
  std::array<double, 6> reserved{4.0, 4.0, 1.0, 3.0, 2.5, 355.0};
};

struct KnJoint {
  double h0 = 0, b0 = 0, t0 = 0;
  double h1 = 0, b1 = 0, t1 = 0;
  double h2 = 0, b2 = 0, t2 = 0;
  double N0_left = -271.6;
  double N0_right = 300.0;  // derived from equilibrium when the joint is confirmed
  double M0 = 2.5;
  double N1 = -52.0;
  double N2 = 300.0;  // derived from equilibrium when the joint is confirmed
  double theta1 = 84.3, theta2 = 48.0;
  double e = 0.0;  // eccentricity, positive away from the braces
  int face_plate = 0;
  int side_plates = 0;
  int overlap_plate = 0;
  int chord_class = 0, brace1_class = 0, brace2_class = 0;
  int chord_type_index = 0, chord_number_index = 79;
  int brace1_type_index = 0, brace1_number_index = 42;
  int brace2_type_index = 0, brace2_number_index = 28;
  std::string chord_section_text;
  std::string brace1_section_text;
  std::string brace2_section_text;
  std::array<double, 8> reserved{5.0, 5.0, 355.0, 1.0, 4.0, 2.5, 355.0, 355.0};
};

// A T, Y or X joint of circular hollow sections. N0 is the chord force beside the joint
// without the brace's component along the chord (the prestress). The defaults are a
// published T joint. A project file has no room for these groups: such jobs are JSON only.
struct ChsTyxJoint {
  double d0 = 89.0, t0 = 5.0;
  double d1 = 60.0, t1 = 3.0;
  double theta1 = 90.0;
  double N0 = -112.0;
  double M0 = 0.0;
  double N1 = -79.5;
  int x_joint = 0;  // 1: a second brace, the mirror of brace 1, on the opposite side
};

// A K or N joint of circular hollow sections; N2 and N0_right follow from equilibrium as for
// the rectangular K and N joints. The defaults are a published K gap joint.
struct ChsKnJoint {
  double d0 = 219.1, t0 = 12.5;
  double d1 = 139.7, t1 = 5.0;
  double d2 = 114.3, t2 = 3.6;
  double theta1 = 45.0, theta2 = 45.0;
  double N0_left = -1000.0;
  double N0_right = -1707.1067811865476;  // derived from equilibrium when the joint is confirmed
  double M0 = 0.0;
  double N1 = -500.0;
  double N2 = 500.0;  // derived from equilibrium when the joint is confirmed
  double e = 0.0;     // eccentricity, positive away from the braces
};

// A T, Y or X joint of a circular hollow section brace on a square or rectangular chord. N0
// is the chord force as in the rectangular T/Y/X joint. A project file has no room for these
// groups: such jobs are JSON only.
struct RcTyxJoint {
  double h0 = 200.0, b0 = 200.0, t0 = 8.0;
  double d1 = 114.3, t1 = 5.0;
  double theta1 = 90.0;
  double N0 = -271.6;
  double M0 = 2.81;
  double N1 = -52.0;
  int x_joint = 0;  // 1: a second brace, the mirror of brace 1, on the opposite chord face
};

// A K or N joint of two circular hollow section braces on a square or rectangular chord; N2
// and N0_right follow from equilibrium as for the rectangular K and N joints.
struct RcKnJoint {
  double h0 = 200.0, b0 = 200.0, t0 = 8.0;
  double d1 = 114.3, t1 = 5.0;
  double d2 = 114.3, t2 = 5.0;
  double theta1 = 45.0, theta2 = 45.0;
  double N0_left = -400.0;
  double N0_right = -965.6854254569116;  // derived from equilibrium when the joint is confirmed
  double M0 = 0.0;
  double N1 = -400.0;
  double N2 = 400.0;  // derived from equilibrium when the joint is confirmed
  double e = 10.0;    // eccentricity, positive away from the braces
};

struct JobPlates {
  double face_l = 450.0, face_b = 100.0, face_t = 10.0;
  double side_l = 450.0, side_b = 100.0, side_t = 8.0;
  double overlap_l = 150.0, overlap_b = 100.0, overlap_t = 12.0;
};

struct Job {
  JobInfo info;
  JobFamily family;
  JobSteel steel;
  JobLengths len;
  JobChord chord;
  TyxJoint tyx;
  KnJoint kn;
  ChsTyxJoint chs_tyx;
  ChsKnJoint chs_kn;
  RcTyxJoint rc_tyx;
  RcKnJoint rc_kn;
  JobPlates plate;
};

}  // namespace traxen
