// The keys of the T/Y/X and K/N groups.
#include "model/json_job_rhs_keys.h"

namespace traxen {

namespace {
using R = KeyRole;
}  // namespace

std::span<const JobKey> TyxKeys() {
  static constexpr JobKey keys[] = {
      {"family.is_tyx", "", R::kFlag, "1: a T, Y or X joint"},
      {"tyx.h0", "mm", R::kDimension, "chord depth (in the plane of the joint)"},
      {"tyx.b0", "mm", R::kDimension, "chord width"},
      {"tyx.t0", "mm", R::kDimension, "chord wall thickness"},
      {"tyx.h1", "mm", R::kDimension, "brace depth (in the plane of the joint)"},
      {"tyx.b1", "mm", R::kDimension, "brace width"},
      {"tyx.t1", "mm", R::kDimension, "brace wall thickness"},
      {"tyx.h2", "mm", R::kDerived, "lower brace depth: always tyx.h1"},
      {"tyx.b2", "mm", R::kDerived, "lower brace width: always tyx.b1"},
      {"tyx.t2", "mm", R::kDerived, "lower brace wall: always tyx.t1"},
      {"tyx.N0", "kN", R::kAction, "chord axial force, tension positive"},
      {"tyx.M0", "kNm", R::kAction, "chord bending moment"},
      {"tyx.N1", "kN", R::kAction, "brace axial force, tension positive"},
      {"tyx.N2", "kN", R::kDerived, "lower brace force: always tyx.N1"},
      {"tyx.theta1", "degrees", R::kAction, "angle between brace and chord"},
      {"tyx.theta2", "degrees", R::kDerived, "lower brace angle: always tyx.theta1"},
      {"tyx.face_plate", "", R::kFlag, "1: a plate reinforces the chord face (plate.face_*)"},
      {"tyx.side_plates", "", R::kFlag, "1: plates reinforce the chord side walls (plate.side_*)"},
      {"tyx.x_joint", "", R::kFlag, "1: X joint, a second brace on the opposite chord face"},
      {"tyx.chord_class", "", R::kOptional, "chord section class 1-4; left out: from its size"},
      {"tyx.brace_class", "", R::kOptional, "brace section class 1-4; left out: from its size"},
      {"tyx.chord_type_index", "", R::kInternal, "section library type position of the chord"},
      {"tyx.chord_number_index", "", R::kInternal, "section library row position of the chord"},
      {"tyx.brace1_type_index", "", R::kInternal, "section library type position of the brace"},
      {"tyx.brace1_number_index", "", R::kInternal, "section library row position of the brace"},
      {"tyx.brace2_type_index", "", R::kInternal, "section library type position of brace 2"},
      {"tyx.brace2_number_index", "", R::kInternal, "section library row position of brace 2"},
      {"tyx.type_name", "", R::kInternal, "section type name of the dialog"},
      {"tyx.chord_section_text", "", R::kInternal, "standard line of the chord section"},
      {"tyx.brace_section_text", "", R::kInternal, "standard line of the brace section"},
      {"tyx.text3", "", R::kInternal, "third section text of the project file"},
      {"tyx.fy_class_chord", "MPa", R::kInternal, "strength the dialog classifies the chord with"},
      {"tyx.fy_class_brace", "MPa", R::kInternal, "strength the dialog classifies the brace with"},
      {"tyx.reserved", "", R::kInternal, "six values kept for the project file"},
  };
  return keys;
}

std::span<const JobKey> KnKeys() {
  static constexpr JobKey keys[] = {
      {"family.is_kn", "", R::kFlag, "1: a K or N joint"},
      {"kn.h0", "mm", R::kDimension, "chord depth (in the plane of the joint)"},
      {"kn.b0", "mm", R::kDimension, "chord width"},
      {"kn.t0", "mm", R::kDimension, "chord wall thickness"},
      {"kn.h1", "mm", R::kDimension, "brace 1 (left) depth"},
      {"kn.b1", "mm", R::kDimension, "brace 1 width"},
      {"kn.t1", "mm", R::kDimension, "brace 1 wall thickness"},
      {"kn.h2", "mm", R::kDimension, "brace 2 (right) depth"},
      {"kn.b2", "mm", R::kDimension, "brace 2 width"},
      {"kn.t2", "mm", R::kDimension, "brace 2 wall thickness"},
      {"kn.N0_left", "kN", R::kAction, "chord axial force left of the joint, tension positive"},
      {"kn.N0_right", "kN", R::kDerived, "chord force right of the joint: from equilibrium"},
      {"kn.M0", "kNm", R::kAction, "chord bending moment"},
      {"kn.N1", "kN", R::kAction, "brace 1 axial force, tension positive"},
      {"kn.N2", "kN", R::kDerived, "brace 2 axial force: from equilibrium"},
      {"kn.theta1", "degrees", R::kAction, "angle between brace 1 and the chord"},
      {"kn.theta2", "degrees", R::kAction, "angle between brace 2 and the chord"},
      {"kn.e", "mm", R::kAction, "eccentricity, positive away from the braces"},
      {"kn.face_plate", "", R::kFlag, "1: a plate reinforces the chord face (plate.face_*)"},
      {"kn.side_plates", "", R::kFlag, "1: plates reinforce the chord side walls (plate.side_*)"},
      {"kn.overlap_plate", "", R::kFlag, "1: a plate between overlapping braces (plate.overlap_*)"},
      {"kn.chord_class", "", R::kOptional, "chord section class 1-4; left out: from its size"},
      {"kn.brace1_class", "", R::kOptional, "brace 1 section class 1-4; left out: from its size"},
      {"kn.brace2_class", "", R::kOptional, "brace 2 section class 1-4; left out: from its size"},
      {"kn.chord_type_index", "", R::kInternal, "section library type position of the chord"},
      {"kn.chord_number_index", "", R::kInternal, "section library row position of the chord"},
      {"kn.brace1_type_index", "", R::kInternal, "section library type position of brace 1"},
      {"kn.brace1_number_index", "", R::kInternal, "section library row position of brace 1"},
      {"kn.brace2_type_index", "", R::kInternal, "section library type position of brace 2"},
      {"kn.brace2_number_index", "", R::kInternal, "section library row position of brace 2"},
      {"kn.chord_section_text", "", R::kInternal, "standard line of the chord section"},
      {"kn.brace1_section_text", "", R::kInternal, "standard line of the brace 1 section"},
      {"kn.brace2_section_text", "", R::kInternal, "standard line of the brace 2 section"},
      {"kn.reserved", "", R::kInternal, "eight values kept for the project file"},
  };
  return keys;
}

}  // namespace traxen
