// The plain K/N check as one result, and its summary.
#include "joints/kn/kn_joint.h"

#include "joints/kn/kn_condition_names.h"

namespace traxen {

KnJointResult ComputeKnJoint(const ReportInputs& in) {
  KnJointResult r;
  r.used = KnUsedInputsOf(in);
  r.validity = ComputeKnValidity(in, KnOverlapConditions::Checked);
  if (!r.validity.valid()) return r;
  if (in.g < 0) r.overlap = ComputeKnOverlapChecks(in);
  if (in.g > 0) r.gap = ComputePlainKnGapChecks(in);
  return r;
}

CheckSummary StartKnSummary(const KnJointResult& r, std::string_view report) {
  CheckSummary s;
  s.report = std::string(report);
  s.g = r.used.g;
  if (r.used.g < 0) {
    s.p = r.used.p;
    s.lambda_ov = KnOverlapRatio(r.used.g, r.used.p);
  }
  return s;
}

CheckSummary SummarizeKnJoint(const KnJointResult& r) {
  CheckSummary s = StartKnSummary(r, "plain");
  s.failed_conditions = r.validity.failed_conditions;
  s.failed_condition_names = FailedKnConditionNames(r.validity);
  s.valid = r.validity.valid();
  if (r.gap) {
    AppendKnGapVerdicts(r.gap->brace1, s.verdicts);
    AppendKnGapVerdicts(r.gap->brace2, s.verdicts);
  }
  if (r.overlap) AppendKnOverlapVerdict(*r.overlap, s.verdicts);
  return s;
}

}  // namespace traxen
