// From the Job record to the circular hollow section calculation and from its result to the
// summary `traxen-cli check` reports.
#pragma once

#include "joints/chs/chs_result.h"
#include "model/job.h"
#include "report/check_summary.h"

namespace traxen {

// The job's group and steel as the calculation takes them. A chord A0 or Wel0 that is not
// positive, or is exactly the chord's ring value, is passed as 0: the calculation derives it
// from the ring and the report says so. One that is not finite is passed as NaN.
ChsTyxInputs ChsTyxInputsOf(const Job& job);
ChsKnInputs ChsKnInputsOf(const Job& job);

// Report kind "plain", validity, the failed conditions by name, the K/N gap or overlap and
// every resistance in printed order (brace, mode "1" or "4", N_Rd, |N_Ed|, passed). Family
// and title are the caller's.
CheckSummary SummariseChs(const ChsResult& r);

}  // namespace traxen
