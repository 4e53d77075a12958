// Placeholder until the reinforced K/N joints are built.
#include "joints/kn_reinforced/kn_reinforced_report.h"

namespace traxen {

void RenderReinforcedKnReport(ReportCanvas&, const ReportInputs&) {}
CheckSummary CheckReinforcedKnJoint(const ReportInputs&) {
  CheckSummary s;
  s.report = "reinforced";
  return s;
}

}  // namespace traxen
