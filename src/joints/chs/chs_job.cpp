// The circular hollow section families' inputs, checks and summaries.
#include "joints/chs/chs_job.h"

#include <cmath>
#include <limits>

#include "joints/chs/chs_compute.h"
#include "joints/chs/chs_family.h"
#include "joints/chs/chs_texts.h"

namespace traxen {

namespace {

// 0 when the job's value is the ring's own (or none): the calculation then derives it and
// the report names where it came from. A value that is not a finite number is passed on as
// NaN, so that no resistance computed with it can pass.
double GivenOrDerived(double value, double ring) {
  if (!std::isfinite(value)) return std::numeric_limits<double>::quiet_NaN();
  return value > 0 && value != ring ? value : 0;
}

}  // namespace

ChsTyxInputs ChsTyxInputsOf(const Job& job) {
  const ChsTyxJoint& x = job.chs_tyx;
  ChsTyxInputs in;
  in.chord = {x.d0, x.t0, job.steel.fy0};
  in.brace = {x.d1, x.t1, job.steel.fy1};
  in.theta1 = x.theta1;
  in.N0 = x.N0;
  in.M0 = x.M0;
  in.N1 = x.N1;
  in.x_joint = x.x_joint == 1;
  in.A0 = GivenOrDerived(job.chord.A0, ChsRingArea(x.d0, x.t0));
  in.Wel0 = GivenOrDerived(job.chord.Wel0, ChsRingModulus(x.d0, x.t0));
  return in;
}

ChsKnInputs ChsKnInputsOf(const Job& job) {
  const ChsKnJoint& k = job.chs_kn;
  ChsKnInputs in;
  in.chord = {k.d0, k.t0, job.steel.fy0};
  in.brace1 = {k.d1, k.t1, job.steel.fy1};
  in.brace2 = {k.d2, k.t2, job.steel.fy2};
  in.theta1 = k.theta1;
  in.theta2 = k.theta2;
  in.N0_left = k.N0_left;
  in.M0 = k.M0;
  in.N1 = k.N1;
  in.e = k.e;
  in.A0 = GivenOrDerived(job.chord.A0, ChsRingArea(k.d0, k.t0));
  in.Wel0 = GivenOrDerived(job.chord.Wel0, ChsRingModulus(k.d0, k.t0));
  return in;
}

CheckSummary SummariseChs(const ChsResult& r) {
  CheckSummary s;
  s.report = "plain";
  s.valid = r.valid;
  s.failed_conditions = r.failed_count;
  for (const ChsCondition& c : r.conditions)
    if (!c.passed) s.failed_condition_names.push_back(ChsCheckName(c, r.x_joint));
  if (r.kn) {
    s.g = r.g;
    if (r.overlap) {
      s.p = r.p;
      s.lambda_ov = r.lambda_ov;
    }
  }
  for (const ChsResistance& x : r.resistances)
    s.verdicts.push_back({x.brace, x.mode == ChsMode::kChordFace ? "1" : "4", x.resistance, x.force, x.passed});
  return s;
}

CheckSummary CheckChsTyxJob(const Job& job, ReportLanguage language) {
  CheckSummary s = SummariseChs(ComputeChsTyx(ChsTyxInputsOf(job)));
  s.family = "chs_tyx";
  s.title = ChsTyxTitle(job, language);
  return s;
}

CheckSummary CheckChsKnJob(const Job& job, ReportLanguage language) {
  CheckSummary s = SummariseChs(ComputeChsKn(ChsKnInputsOf(job)));
  s.family = "chs_kn";
  s.title = ChsKnTitle(job, language);
  return s;
}

}  // namespace traxen

namespace traxen {

std::string ChsTyxTitle(const Job& job, ReportLanguage language) {
  return std::string(ReportText(job.chs_tyx.x_joint == 1 ? ChsTextKey::kTitleX : ChsTextKey::kTitleTy, language));
}

// A gap joint at g >= 0, an overlap joint below; a g that is not a number has no title.
std::string ChsKnTitle(const Job& job, ReportLanguage language) {
  const double g = ComputeChsKn(ChsKnInputsOf(job)).g;
  if (g >= 0) return std::string(ReportText(ChsTextKey::kTitleKnGap, language));
  if (g < 0) return std::string(ReportText(ChsTextKey::kTitleKnOverlap, language));
  return "";
}

}  // namespace traxen
