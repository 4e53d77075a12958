// Placeholder until the K/N family is built: the report of a K/N job stays empty.
#include "joints/kn/kn_report.h"

namespace traxen {

void DrawKnSchematic(ReportCanvas&, ReportInputs&) {}
void RenderKnReport(ReportCanvas&, const ReportInputs&) {}
CheckSummary CheckKnJoint(ReportInputs&) { return CheckSummary{}; }

}  // namespace traxen
