// Placeholder until the T/Y/X family is built: the report of a T/Y/X job stays empty.
#include "joints/tyx/tyx_report.h"

namespace traxen {

void DrawTyxSchematic(ReportCanvas&, ReportInputs& in) { in.theta2 = in.theta1; }
void RenderTyxReport(ReportCanvas&, const ReportInputs&) {}
CheckSummary CheckTyxJoint(ReportInputs& in, bool schematic_drawn) {
  if (schematic_drawn) in.theta2 = in.theta1;
  return CheckSummary{};
}

}  // namespace traxen
