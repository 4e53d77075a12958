// The whole plain K/N check as one result: geometry, validity, and the gap or overlap
// resistances when the conditions hold. The report prints it; the summary serialises it.
#pragma once

#include <optional>

#include "joints/kn/kn_gap_checks.h"
#include "joints/kn/kn_geometry.h"
#include "joints/kn/kn_overlap_checks.h"
#include "joints/kn/kn_used_inputs.h"
#include "joints/kn/kn_validity.h"
#include "report/check_summary.h"
#include "model/report_inputs.h"

namespace traxen {

struct KnJointResult {
  // The working values the checks used, g and p as StoreKnGeometry left them: the report
  // prints from these and the checks' own values.
  KnUsedInputs used;
  KnValidity validity;
  std::optional<KnGapChecks> gap;          // valid and g > 0
  std::optional<KnOverlapChecks> overlap;  // valid and g < 0
};

// From the working values with in.g and in.p already set by StoreKnGeometry.
KnJointResult ComputeKnJoint(const ReportInputs& in);

// The summary of a plain K/N result (report "plain").
CheckSummary SummarizeKnJoint(const KnJointResult& r);

// What every K/N summary starts with, plain or reinforced: the report kind, g, and for an
// overlap p and λov.
CheckSummary StartKnSummary(const KnJointResult& r, std::string_view report);

}  // namespace traxen
