// The whole reinforced K/N check as one result: plate requirements, validity (without the
// two overlap conditions) and the reinforced gap or overlap resistances when everything
// holds. The report prints it; the check summary serialises it.
#pragma once

#include <optional>

#include "joints/kn/kn_validity.h"
#include "joints/kn_reinforced/kn_plate_requirements.h"
#include "joints/kn_reinforced/kn_reinforced_gap.h"
#include "joints/kn_reinforced/kn_reinforced_overlap.h"
#include "report/check_summary.h"
#include "model/report_inputs.h"

namespace traxen {

struct ReinforcedKnResult {
  double g = 0, p = 0;  // mm, as StoreKnGeometry left them (g on the face plate's top when present)
  KnPlateRequirements plates;
  KnValidity validity;
  std::optional<ReinforcedGapChecks> gap;          // valid and g > 0
  std::optional<ReinforcedOverlapChecks> overlap;  // valid and g < 0

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
