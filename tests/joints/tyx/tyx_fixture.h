// Shared T/Y/X test inputs: a valid plain Y joint, and helpers that render a joint to text
// or to logged pieces the way the report view does.
#pragma once

#include <string>
#include <vector>

#include "model/confirm_job.h"
#include "model/job.h"
#include "families/dispatch.h"
#include "families/rhs_families.h"
#include "report/recording_surface.h"
#include "families/report_text.h"

namespace traxen::testing {

// Chord 200x200x8, brace 120x120x6 at 60°, compressed chord: every condition holds and the
// brace is narrow (β = 0.6).
inline Job ValidYJob() {
  Job job;
  job.family.is_tyx = 1;
  TyxJoint& t = job.tyx;
  t.h0 = 200, t.b0 = 200, t.t0 = 8;
  t.h1 = 120, t.b1 = 120, t.t1 = 6;
  t.N0 = -271.6, t.M0 = 2.81, t.N1 = -152.0, t.theta1 = 60;
  t.chord_class = 1, t.brace_class = 1;
  job.chord.A0 = 5924, job.chord.Wel0 = 353000;
  MirrorTyxBrace2(t);
  return job;
}

// The working values the dispatcher copies for `job`, with θ2 set as the schematic sets it.
inline ReportInputs InputsOf(Job job) {
  MirrorTyxBrace2(job.tyx);
  ReportInputs in;
  in.E = job.steel.E;
  CopyTyxInputs(job, in);
  in.theta2 = in.theta1;
  return in;
}

// The report text of `job` as `traxen-cli render -o x.txt` writes it (schematic drawn).
inline std::string ReportText(Job job) {
  MirrorTyxBrace2(job.tyx);
  return RenderReportText(job, ReportInputs{}, 1);
}

struct RenderedReport {
  RecordingSurface surface;
  std::vector<ReportTextPiece> pieces;
  RenderResult result;
};

inline void Render(Job job, RenderedReport& out, int last_dialog = 1) {
  MirrorTyxBrace2(job.tyx);
  RenderOptions options;
  options.text_log = &out.pieces;
  out.result = RenderReport(out.surface, job, ReportInputs{}, last_dialog, options);
}

inline bool Contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

inline int Occurrences(const std::string& text, const std::string& part) {
  int n = 0;
  for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
  return n;
}

}  // namespace traxen::testing
