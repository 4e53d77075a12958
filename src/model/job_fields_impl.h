// Field list of the Job record (see job_fields.h).
#pragma once

#include "model/chs_fields.h"
#include "model/rc_fields.h"

namespace traxen {

template <class Visit>
void ForEachJobField(Job& job, Visit&& visit) {
  visit(JobField{"info", "job_name", &job.info.job_name});
  visit(JobField{"info", "client", &job.info.client});
  visit(JobField{"info", "calculated_by", &job.info.calculated_by});
  visit(JobField{"info", "owner", &job.info.owner});
  visit(JobField{"family", "is_tyx", &job.family.is_tyx});
  visit(JobField{"family", "is_kn", &job.family.is_kn});
  visit(JobField{"family", "is_chs_tyx", &job.family.is_chs_tyx});
  visit(JobField{"family", "is_chs_kn", &job.family.is_chs_kn});
  visit(JobField{"family", "is_rc_tyx", &job.family.is_rc_tyx});
  visit(JobField{"family", "is_rc_kn", &job.family.is_rc_kn});
  visit(JobField{"steel", "fy0", &job.steel.fy0});
  visit(JobField{"steel", "fu0", &job.steel.fu0});
  visit(JobField{"steel", "fy1", &job.steel.fy1});
  visit(JobField{"steel", "fu1", &job.steel.fu1});
  visit(JobField{"steel", "fy2", &job.steel.fy2});
  visit(JobField{"steel", "fu2", &job.steel.fu2});
  visit(JobField{"steel", "E", &job.steel.E});
  visit(JobField{"steel", "gamma_M0", &job.steel.gamma_M0});
  visit(JobField{"steel", "gamma_M1", &job.steel.gamma_M1});
  visit(JobField{"steel", "gamma_M2", &job.steel.gamma_M2});
  visit(JobField{"steel", "fy_plate", &job.steel.fy_plate});
  visit(JobField{"len", "L0_left", &job.len.L0_left});
  visit(JobField{"len", "L0_right", &job.len.L0_right});
  visit(JobField{"len", "L1", &job.len.L1});
  visit(JobField{"len", "L2", &job.len.L2});
  visit(JobField{"chord", "A0", &job.chord.A0});
  visit(JobField{"chord", "Wel0", &job.chord.Wel0});
  visit(JobField{"tyx", "h0", &job.tyx.h0});
  visit(JobField{"tyx", "b0", &job.tyx.b0});
  visit(JobField{"tyx", "t0", &job.tyx.t0});
  visit(JobField{"tyx", "h1", &job.tyx.h1});
  visit(JobField{"tyx", "b1", &job.tyx.b1});
  visit(JobField{"tyx", "t1", &job.tyx.t1});
  visit(JobField{"tyx", "h2", &job.tyx.h2});
  visit(JobField{"tyx", "b2", &job.tyx.b2});
  visit(JobField{"tyx", "t2", &job.tyx.t2});
  visit(JobField{"tyx", "N0", &job.tyx.N0});
  visit(JobField{"tyx", "M0", &job.tyx.M0});
  visit(JobField{"tyx", "N1", &job.tyx.N1});
  visit(JobField{"tyx", "N2", &job.tyx.N2});
  visit(JobField{"tyx", "theta1", &job.tyx.theta1});
  visit(JobField{"tyx", "theta2", &job.tyx.theta2});
  visit(JobField{"tyx", "face_plate", &job.tyx.face_plate});
  visit(JobField{"tyx", "side_plates", &job.tyx.side_plates});
  visit(JobField{"tyx", "x_joint", &job.tyx.x_joint});
  visit(JobField{"tyx", "chord_class", &job.tyx.chord_class});
  visit(JobField{"tyx", "brace_class", &job.tyx.brace_class});
  visit(JobField{"tyx", "chord_type_index", &job.tyx.chord_type_index});
  visit(JobField{"tyx", "chord_number_index", &job.tyx.chord_number_index});
  visit(JobField{"tyx", "brace1_type_index", &job.tyx.brace1_type_index});
  visit(JobField{"tyx", "brace1_number_index", &job.tyx.brace1_number_index});
  visit(JobField{"tyx", "brace2_type_index", &job.tyx.brace2_type_index});
  visit(JobField{"tyx", "brace2_number_index", &job.tyx.brace2_number_index});
  visit(JobField{"tyx", "type_name", &job.tyx.type_name});
  visit(JobField{"tyx", "chord_section_text", &job.tyx.chord_section_text});
  visit(JobField{"tyx", "brace_section_text", &job.tyx.brace_section_text});
  visit(JobField{"tyx", "text3", &job.tyx.text3});
  visit(JobField{"tyx", "fy_class_chord", &job.tyx.fy_class_chord});
  visit(JobField{"tyx", "fy_class_brace", &job.tyx.fy_class_brace});
  visit(JobField{"tyx", "reserved", &job.tyx.reserved});
  visit(JobField{"kn", "h0", &job.kn.h0});
  visit(JobField{"kn", "b0", &job.kn.b0});
  visit(JobField{"kn", "t0", &job.kn.t0});
  visit(JobField{"kn", "h1", &job.kn.h1});
  visit(JobField{"kn", "b1", &job.kn.b1});
  visit(JobField{"kn", "t1", &job.kn.t1});
  visit(JobField{"kn", "h2", &job.kn.h2});
  visit(JobField{"kn", "b2", &job.kn.b2});
  visit(JobField{"kn", "t2", &job.kn.t2});
  visit(JobField{"kn", "N0_left", &job.kn.N0_left});
  visit(JobField{"kn", "N0_right", &job.kn.N0_right});
  visit(JobField{"kn", "M0", &job.kn.M0});
  visit(JobField{"kn", "N1", &job.kn.N1});
  visit(JobField{"kn", "N2", &job.kn.N2});
  visit(JobField{"kn", "theta1", &job.kn.theta1});
  visit(JobField{"kn", "theta2", &job.kn.theta2});
  visit(JobField{"kn", "e", &job.kn.e});
  visit(JobField{"kn", "face_plate", &job.kn.face_plate});
  visit(JobField{"kn", "side_plates", &job.kn.side_plates});
  visit(JobField{"kn", "overlap_plate", &job.kn.overlap_plate});
  visit(JobField{"kn", "chord_class", &job.kn.chord_class});
  visit(JobField{"kn", "brace1_class", &job.kn.brace1_class});
  visit(JobField{"kn", "brace2_class", &job.kn.brace2_class});
  visit(JobField{"kn", "chord_type_index", &job.kn.chord_type_index});
  visit(JobField{"kn", "chord_number_index", &job.kn.chord_number_index});
  visit(JobField{"kn", "brace1_type_index", &job.kn.brace1_type_index});
  visit(JobField{"kn", "brace1_number_index", &job.kn.brace1_number_index});
  visit(JobField{"kn", "brace2_type_index", &job.kn.brace2_type_index});
  visit(JobField{"kn", "brace2_number_index", &job.kn.brace2_number_index});
  visit(JobField{"kn", "chord_section_text", &job.kn.chord_section_text});
  visit(JobField{"kn", "brace1_section_text", &job.kn.brace1_section_text});
  visit(JobField{"kn", "brace2_section_text", &job.kn.brace2_section_text});
  visit(JobField{"kn", "reserved", &job.kn.reserved});
  ForEachChsTyxField(job.chs_tyx, [&](std::string_view key, auto* field) { visit(JobField{"chs_tyx", key, field}); });
  ForEachChsKnField(job.chs_kn, [&](std::string_view key, auto* field) { visit(JobField{"chs_kn", key, field}); });
  ForEachRcTyxField(job.rc_tyx, [&](std::string_view key, auto* field) { visit(JobField{"rc_tyx", key, field}); });
  ForEachRcKnField(job.rc_kn, [&](std::string_view key, auto* field) { visit(JobField{"rc_kn", key, field}); });
  visit(JobField{"plate", "face_l", &job.plate.face_l});
  visit(JobField{"plate", "face_b", &job.plate.face_b});
  visit(JobField{"plate", "face_t", &job.plate.face_t});
  visit(JobField{"plate", "side_l", &job.plate.side_l});
  visit(JobField{"plate", "side_b", &job.plate.side_b});
  visit(JobField{"plate", "side_t", &job.plate.side_t});
  visit(JobField{"plate", "overlap_l", &job.plate.overlap_l});
  visit(JobField{"plate", "overlap_b", &job.plate.overlap_b});
  visit(JobField{"plate", "overlap_t", &job.plate.overlap_t});
}

}  // namespace traxen
