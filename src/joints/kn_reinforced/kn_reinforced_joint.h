// The whole reinforced K/N check as one result: plate requirements, validity (without the
// overlap conditions when the plate between the braces is there) and the reinforced gap or
// overlap resistances when everything holds. The report prints it; the check summary
// serialises it.
#pragma once

#include <optional>

#include "joints/kn/kn_joint.h"
#include "joints/kn/kn_validity.h"
#include "joints/kn_reinforced/kn_plate_requirements.h"
#include "joints/kn_reinforced/kn_reinforced_gap.h"
#include "joints/kn_reinforced/kn_reinforced_overlap.h"
#include "report/check_summary.h"
#include "model/report_inputs.h"

namespace traxen {

// The reinforced check extends the plain result: its g and p (g on the face plate's top
// when present) and its validity (without the overlap conditions when the plate between the
// braces is there), with the plate requirements and the reinforced resistances in place of
// the plain ones, whose gap and overlap stay empty.
struct ReinforcedKnResult : KnJointResult {
  KnPlateRequirements plates;
  std::optional<ReinforcedGapChecks> reinforced_gap;          // valid and g > 0
  std::optional<ReinforcedOverlapChecks> reinforced_overlap;  // valid and g < 0

  // Failed plate requirements (plate strength included) and validity conditions.
  int FailedConditions() const { return plates.FailedCount() + validity.failed_conditions; }
  bool valid() const { return FailedConditions() == 0; }
};

// From the working values with in.g and in.p already set by StoreKnGeometry.
ReinforcedKnResult ComputeReinforcedKnJoint(const ReportInputs& in);

// The summary of a reinforced result (report "reinforced").
CheckSummary SummarizeReinforcedKnJoint(const ReinforcedKnResult& r);

// What the reinforced report would print, as a summary (report "reinforced").
CheckSummary CheckReinforcedKnJoint(const ReportInputs& in);

}  // namespace traxen
