// From the Job record to the check of round braces on a rectangular chord, and from its
// result to the summary `traxen-cli check` reports.
#pragma once

#include "joints/rc/rc_result.h"
#include "model/job.h"
#include "report/check_summary.h"

namespace traxen {

// The job's group, steel and member lengths as the calculation takes them. A chord A0 or Wel0
// that is not positive, or is exactly the chord section's own value, is taken as the
// section's, and the report says so; one that is not finite is passed on and fails the check.
RcTyxInputs RcTyxInputsOf(const Job& job);
RcKnInputs RcKnInputsOf(const Job& job);

// Report kind "plain", validity, the failed conditions by name, the K/N gap or overlap and
// every resistance in printed order. Family and title are the caller's.
CheckSummary SummariseRc(const RcResult& r);

}  // namespace traxen
