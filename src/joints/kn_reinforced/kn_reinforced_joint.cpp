// The whole reinforced K/N check computed once, and summarised for the checks.
#include "joints/kn_reinforced/kn_reinforced_joint.h"

#include "joints/kn/kn_condition_names.h"
#include "joints/kn_reinforced/kn_plate_requirement_names.h"

namespace traxen {

ReinforcedKnResult ComputeReinforcedKnJoint(const ReportInputs& in) {
  ReinforcedKnResult r;
  r.used = KnUsedInputsOf(in);
  r.plates = ComputeKnPlateRequirements(in);
  // The plate between the braces replaces the overlap and its conditions; a face or side plate
  // does not, so an overlap joint with only those is held to them as a plain one is.
  r.validity = ComputeKnValidity(
      in, in.kn_overlap_plate == 1 ? KnOverlapConditions::Omitted : KnOverlapConditions::Checked);
  if (!r.valid()) return r;
  if (in.g < 0) r.reinforced_overlap = ComputeReinforcedOverlapChecks(in);
  if (in.g > 0) r.reinforced_gap = ComputeReinforcedGapChecks(in);
  return r;
}

CheckSummary SummarizeReinforcedKnJoint(const ReinforcedKnResult& r) {
  CheckSummary s = StartKnSummary(r, "reinforced");
  s.failed_conditions = r.FailedConditions();
  s.failed_condition_names = FailedKnPlateRequirementNames(r.plates);
  for (std::string& name : FailedKnConditionNames(r.validity)) s.failed_condition_names.push_back(std::move(name));
  s.valid = r.valid();
  if (r.reinforced_overlap) AppendReinforcedOverlapVerdicts(*r.reinforced_overlap, s.verdicts);
  if (r.reinforced_gap) AppendReinforcedGapVerdicts(*r.reinforced_gap, s.verdicts);
  return s;
}

CheckSummary CheckReinforcedKnJoint(const ReportInputs& in) {
  return SummarizeReinforcedKnJoint(ComputeReinforcedKnJoint(in));
}

}  // namespace traxen
