// The inputs, checks, summaries and titles of the families of round braces on a rectangular chord.
#include "joints/rc/rc_job.h"

#include <cmath>
#include <limits>

#include "joints/rc/rc_compute.h"
#include "joints/rc/rc_family.h"
#include "joints/rc/rc_texts.h"
#include "model/json_job_rc.h"

namespace traxen {

namespace {

// The section's own value when the job gives none (or exactly it): the report then names it
// as the section's. A value that is not a finite number is passed on as NaN.
double GivenOrSection(double value, double section, bool& derived) {
  derived = false;
  if (!std::isfinite(value)) return std::numeric_limits<double>::quiet_NaN();
  if (value > 0 && value != section) return value;
  derived = true;
  return section;
}

template <class Inputs>
void TakeChord(Inputs& in, const Job& job, double h0, double b0, double t0) {
  in.chord = {h0, b0, t0, job.steel.fy0, job.len.L0_left * 1000};
  in.A0 = GivenOrSection(job.chord.A0, RcChordArea(h0, b0, t0), in.A0_derived);
  in.Wel0 = GivenOrSection(job.chord.Wel0, RcChordModulus(h0, b0, t0), in.Wel0_derived);
  in.gamma_M0 = job.steel.gamma_M0;
}

const char* ModeCode(RcMode mode) {
  switch (mode) {
    case RcMode::kChordFace: return "1";
    case RcMode::kBrace: return "2";
    case RcMode::kChordShear: return "3a";
    case RcMode::kChordInGap: return "3b";
    case RcMode::kPunching: return "4";
    case RcMode::kOverlap: return "overlap";
  }
  return "";
}

}  // namespace

RcTyxInputs RcTyxInputsOf(const Job& job) {
  const RcTyxJoint& x = job.rc_tyx;
  RcTyxInputs in;
  TakeChord(in, job, x.h0, x.b0, x.t0);
  in.brace = {x.d1, x.t1, job.steel.fy1, job.len.L1 * 1000};
  in.theta1 = x.theta1;
  in.N0 = x.N0;
  in.M0 = x.M0;
  in.N1 = x.N1;
  in.x_joint = x.x_joint == 1;
  return in;
}

RcKnInputs RcKnInputsOf(const Job& job) {
  RcKnJoint k = job.rc_kn;
  // Brace 2's force and the chord force right of the joint always follow from equilibrium.
  DeriveRcKnForces(k);
  RcKnInputs in;
  TakeChord(in, job, k.h0, k.b0, k.t0);
  in.brace1 = {k.d1, k.t1, job.steel.fy1, job.len.L1 * 1000};
  in.brace2 = {k.d2, k.t2, job.steel.fy2, job.len.L2 * 1000};
  in.theta1 = k.theta1;
  in.theta2 = k.theta2;
  in.N0_left = k.N0_left;
  in.N0_right = k.N0_right;
  in.M0 = k.M0;
  in.N1 = k.N1;
  in.N2 = k.N2;
  in.e = k.e;
  return in;
}

CheckSummary SummariseRc(const RcResult& r) {
  CheckSummary s;
  s.report = "plain";
  s.valid = r.valid;
  s.failed_conditions = r.failed_count;
  for (const RcCondition& c : r.conditions)
    if (!c.passed) s.failed_condition_names.push_back(RcCheckName(c, r));
  if (r.kn) {
    s.g = r.g;
    if (r.overlap) {
      s.p = r.p;
      s.lambda_ov = r.lambda_ov;
    }
  }
  for (const RcResistance& x : r.resistances) s.verdicts.push_back({x.brace, ModeCode(x.mode), x.resistance, x.force, x.passed});
  return s;
}

CheckSummary CheckRcTyxJob(const Job& job, ReportLanguage language) {
  CheckSummary s = SummariseRc(ComputeRcTyx(RcTyxInputsOf(job)));
  s.family = "rc_tyx";
  s.title = RcTyxTitle(job, language);
  return s;
}

CheckSummary CheckRcKnJob(const Job& job, ReportLanguage language) {
  CheckSummary s = SummariseRc(ComputeRcKn(RcKnInputsOf(job)));
  s.family = "rc_kn";
  s.title = RcKnTitle(job, language);
  return s;
}

std::string RcTyxTitle(const Job& job, ReportLanguage language) {
  return std::string(ReportText(job.rc_tyx.x_joint == 1 ? RcTextKey::kTitleX : RcTextKey::kTitleTy, language));
}

// A gap joint at g >= 0, an overlap joint below; a g that is not a number has no title.
std::string RcKnTitle(const Job& job, ReportLanguage language) {
  const RcKnInputs in = RcKnInputsOf(job);
  const double g = RcKnGap(in.chord.h, in.e, in.brace1.d, in.theta1, in.brace2.d, in.theta2);
  if (g >= 0) return std::string(ReportText(RcTextKey::kTitleKnGap, language));
  if (g < 0) return std::string(ReportText(RcTextKey::kTitleKnOverlap, language));
  return "";
}

}  // namespace traxen
