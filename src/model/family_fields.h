// One field table per joint family: how each field of the family's column of the Job
// record travels to a project-file slot (save), back from one (read), and into the report's
// working values (the copy every rendering makes). A table entry names the Job field, its
// slot and its working value; the ways it travels say which of the three apply.
// Units as in the Job record.
#pragma once

#include "model/job.h"
#include "model/project_file.h"
#include "model/report_inputs.h"

namespace traxen {

enum FieldWay : unsigned {
  kSaved = 1,   // Job → slot
  kRead = 2,    // slot → Job
  kCopied = 4,  // Job → working value
  kStored = kSaved | kRead,
  kEveryWay = kSaved | kRead | kCopied,
};

template <class T>
inline constexpr T* kNoField = nullptr;

// Calls visit(ways, job_field&, slot*, working*) for the fields both families share, then
// for the family's own. A null slot or working pointer means the field has none.
//
// The two families differ on purpose: a T/Y/X read takes no dimensions (h0 … t2), which
// the section restore of the confirmation brings from the library, and its brace 2 is the
// mirror of brace 1, so the brace-2 slots are written from brace 1 and read into it.
template <class Visit>
void ForEachSharedField(Job& job, ProjectFileSlots& s, ReportInputs& in, Visit&& visit) {
  visit(kEveryWay, job.len.L0_left, &s.L0_left, &in.L0_left);
  visit(kEveryWay, job.len.L0_right, &s.L0_right, &in.L0_right);
  visit(kEveryWay, job.len.L1, &s.L1, &in.L1);
  visit(kEveryWay, job.len.L2, &s.L2, &in.L2);
  visit(kEveryWay, job.steel.fy0, &s.fy0, &in.fy0);
  visit(kSaved | kCopied, job.steel.fy1, &s.fy1, &in.fy1);
  visit(kCopied, job.steel.fy_plate, kNoField<double>, &in.fy_plate);
  visit(kCopied, job.steel.E, kNoField<double>, &in.E);
  visit(kCopied, job.steel.gamma_M0, kNoField<double>, &in.gamma_M0);
  visit(kEveryWay, job.chord.A0, &s.A0, &in.A0);
  visit(kEveryWay, job.chord.Wel0, &s.Wel0, &in.Wel0);
  JobPlates& p = job.plate;
  visit(kEveryWay, p.face_l, &s.face[0], &in.face_l);
  visit(kEveryWay, p.face_b, &s.face[1], &in.face_b);
  visit(kEveryWay, p.face_t, &s.face[2], &in.face_t);
  visit(kEveryWay, p.side_l, &s.side[0], &in.side_l);
  visit(kEveryWay, p.side_b, &s.side[1], &in.side_b);
  visit(kEveryWay, p.side_t, &s.side[2], &in.side_t);
}

template <class Visit>
void ForEachTyxField(Job& job, ProjectFileSlots& s, ReportInputs& in, Visit&& visit) {
  ForEachSharedField(job, s, in, visit);
  TyxJoint& x = job.tyx;
  visit(kSaved, job.steel.fy1, &s.fy2, kNoField<double>);
  visit(kRead, job.steel.fy1, &s.fy2, kNoField<double>);
  visit(kCopied, job.steel.fy2, kNoField<double>, &in.fy2);
  visit(kEveryWay, x.face_plate, &s.plate_flags[0], &in.tyx_face_plate);
  visit(kEveryWay, x.side_plates, &s.plate_flags[1], &in.tyx_side_plates);
  visit(kEveryWay, x.x_joint, &s.plate_flags[2], &in.tyx_x_joint);
  visit(kEveryWay, x.N0, &s.N0, &in.N0_left);
  visit(kCopied, x.N0, kNoField<double>, &in.N0_right);
  visit(kEveryWay, x.M0, &s.M0, &in.M0);
  visit(kStored, x.reserved[2], &s.reserved, kNoField<double>);
  visit(kEveryWay, x.chord_class, &s.chord_class, &in.chord_class);
  visit(kEveryWay, x.brace_class, &s.brace_class, &in.brace1_class);
  visit(kSaved | kCopied, x.h0, &s.h0, &in.h0);
  visit(kSaved | kCopied, x.b0, &s.b0, &in.b0);
  visit(kSaved | kCopied, x.t0, &s.t0, &in.t0);
  visit(kSaved | kCopied, x.h1, &s.h1, &in.h1);
  visit(kSaved | kCopied, x.b1, &s.b1, &in.b1);
  visit(kSaved | kCopied, x.t1, &s.t1, &in.t1);
  visit(kSaved | kCopied, x.h2, &s.h2, &in.h2);
  visit(kSaved | kCopied, x.b2, &s.b2, &in.b2);
  visit(kSaved | kCopied, x.t2, &s.t2, &in.t2);
  // Brace 2 carries the brace force and angle: both slots are written from brace 1 and
  // brace 1 is read back from the brace-2 slots.
  visit(kSaved | kCopied, x.N1, &s.N1, &in.N1);
  visit(kEveryWay, x.N1, &s.N2, &in.N2);
  visit(kSaved | kCopied, x.theta1, &s.theta1, &in.theta1);
  visit(kStored, x.theta1, &s.theta2, kNoField<double>);
  visit(kCopied, x.theta2, kNoField<double>, &in.theta2);
  visit(kStored, x.chord_type_index, &s.positions[0], kNoField<int>);
  visit(kStored, x.chord_number_index, &s.positions[1], kNoField<int>);
  visit(kStored, x.brace1_type_index, &s.positions[2], kNoField<int>);
  visit(kStored, x.brace1_number_index, &s.positions[3], kNoField<int>);
  visit(kStored, x.brace2_type_index, &s.positions[4], kNoField<int>);
  visit(kStored, x.brace2_number_index, &s.positions[5], kNoField<int>);
  visit(kStored, x.chord_section_text, &s.section_texts[0], kNoField<std::string>);
  visit(kStored, x.brace_section_text, &s.section_texts[1], kNoField<std::string>);
  visit(kSaved, x.brace_section_text, &s.section_texts[2], kNoField<std::string>);
  visit(kRead, x.text3, &s.section_texts[2], kNoField<std::string>);
}

template <class Visit>
void ForEachKnField(Job& job, ProjectFileSlots& s, ReportInputs& in, Visit&& visit) {
  ForEachSharedField(job, s, in, visit);
  KnJoint& k = job.kn;
  visit(kRead, job.steel.fy1, &s.fy1, kNoField<double>);
  visit(kEveryWay, job.steel.fy2, &s.fy2, &in.fy2);
  visit(kEveryWay, k.face_plate, &s.plate_flags[0], &in.kn_face_plate);
  visit(kEveryWay, k.side_plates, &s.plate_flags[1], &in.kn_side_plates);
  visit(kEveryWay, k.overlap_plate, &s.plate_flags[2], &in.kn_overlap_plate);
  JobPlates& p = job.plate;
  visit(kEveryWay, p.overlap_l, &s.overlap[0], &in.overlap_l);
  visit(kEveryWay, p.overlap_b, &s.overlap[1], &in.overlap_b);
  visit(kEveryWay, p.overlap_t, &s.overlap[2], &in.overlap_t);
  visit(kEveryWay, k.N0_left, &s.N0, &in.N0_left);
  // Not stored: a read derives it from equilibrium with the file's forces.
  visit(kCopied, k.N0_right, kNoField<double>, &in.N0_right);
  visit(kEveryWay, k.M0, &s.M0, &in.M0);
  visit(kStored, k.reserved[3], &s.reserved, kNoField<double>);
  visit(kEveryWay, k.chord_class, &s.chord_class, &in.chord_class);
  visit(kEveryWay, k.brace1_class, &s.brace_class, &in.brace1_class);
  visit(kCopied, k.brace2_class, kNoField<int>, &in.brace2_class);
  visit(kEveryWay, k.h0, &s.h0, &in.h0);
  visit(kEveryWay, k.b0, &s.b0, &in.b0);
  visit(kEveryWay, k.t0, &s.t0, &in.t0);
  visit(kEveryWay, k.e, &s.e, &in.e);
  visit(kEveryWay, k.h1, &s.h1, &in.h1);
  visit(kEveryWay, k.b1, &s.b1, &in.b1);
  visit(kEveryWay, k.t1, &s.t1, &in.t1);
  visit(kEveryWay, k.h2, &s.h2, &in.h2);
  visit(kEveryWay, k.b2, &s.b2, &in.b2);
  visit(kEveryWay, k.t2, &s.t2, &in.t2);
  visit(kEveryWay, k.N1, &s.N1, &in.N1);
  visit(kEveryWay, k.N2, &s.N2, &in.N2);
  visit(kEveryWay, k.theta1, &s.theta1, &in.theta1);
  visit(kEveryWay, k.theta2, &s.theta2, &in.theta2);
  visit(kStored, k.chord_type_index, &s.positions[0], kNoField<int>);
  visit(kStored, k.chord_number_index, &s.positions[1], kNoField<int>);
  visit(kStored, k.brace1_type_index, &s.positions[2], kNoField<int>);
  visit(kStored, k.brace1_number_index, &s.positions[3], kNoField<int>);
  visit(kStored, k.brace2_type_index, &s.positions[4], kNoField<int>);
  visit(kStored, k.brace2_number_index, &s.positions[5], kNoField<int>);
  visit(kStored, k.chord_section_text, &s.section_texts[0], kNoField<std::string>);
  visit(kStored, k.brace1_section_text, &s.section_texts[1], kNoField<std::string>);
  visit(kStored, k.brace2_section_text, &s.section_texts[2], kNoField<std::string>);
}

// Every number slot and the working value it becomes when a file is read; a job without a
// family saves them back from the working values.
template <class Visit>
void ForEachWorkingSlot(ProjectFileSlots& s, ReportInputs& in, Visit&& visit) {
  visit(s.L0_left, in.L0_left), visit(s.L0_right, in.L0_right);
  visit(s.N0, in.N0_left), visit(s.M0, in.M0), visit(s.fy0, in.fy0);
  visit(s.chord_class, in.chord_class);
  visit(s.h0, in.h0), visit(s.b0, in.b0), visit(s.t0, in.t0), visit(s.e, in.e);
  visit(s.A0, in.A0), visit(s.Wel0, in.Wel0);
  visit(s.L1, in.L1), visit(s.L2, in.L2);
  visit(s.N1, in.N1), visit(s.N2, in.N2), visit(s.fy1, in.fy1), visit(s.fy2, in.fy2);
  visit(s.theta1, in.theta1), visit(s.theta2, in.theta2);
  visit(s.brace_class, in.brace1_class);
  visit(s.h1, in.h1), visit(s.b1, in.b1), visit(s.t1, in.t1);
  visit(s.h2, in.h2), visit(s.b2, in.b2), visit(s.t2, in.t2);
  visit(s.face[0], in.face_l), visit(s.face[1], in.face_b), visit(s.face[2], in.face_t);
  visit(s.side[0], in.side_l), visit(s.side[1], in.side_b), visit(s.side[2], in.side_t);
  visit(s.overlap[0], in.overlap_l), visit(s.overlap[1], in.overlap_b), visit(s.overlap[2], in.overlap_t);
}

}  // namespace traxen
