// The whole reinforced K/N check computed once, and summarised for the checks.
#include "joints/kn_reinforced/kn_reinforced_joint.h"

namespace traxen {

ReinforcedKnResult ComputeReinforcedKnJoint(const ReportInputs& in) {
  ReinforcedKnResult r;
  r.g = in.g;
  r.p = in.p;
  r.plates = ComputeKnPlateRequirements(in);
  r.validity = ComputeKnValidity(in, KnOverlapConditions::Omitted);
  if (!r.valid()) return r;
  if (in.g < 0) r.overlap = ComputeReinforcedOverlapChecks(in);
  if (in.g > 0) r.gap = ComputeReinforcedGapChecks(in);
  return r;
}

CheckSummary SummarizeReinforcedKnJoint(const ReinforcedKnResult& r) {
  CheckSummary s;
  s.report = "reinforced";
  s.g = r.g;
  if (r.g < 0) {
    s.p = r.p;
    s.lambda_ov = KnOverlapRatio(r.g, r.p);
  }
  s.failed_conditions = r.FailedConditions();
  s.valid = r.valid();
  if (r.overlap) AppendReinforcedOverlapVerdicts(*r.overlap, s.verdicts);
  if (r.gap) AppendReinforcedGapVerdicts(*r.gap, s.verdicts);
  return s;
}

CheckSummary CheckReinforcedKnJoint(const ReportInputs& in) {
  return SummarizeReinforcedKnJoint(ComputeReinforcedKnJoint(in));
}

}  // namespace traxen
