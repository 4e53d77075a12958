// The validity section of the K/N report as check lines.
#include "joints/kn/kn_validity.h"

namespace traxen {

void PrintKnValidity(ReportCanvas&, const ReportInputs&, const KnValidity&) {}
void PrintKnStopLine(ReportCanvas&) {}

}  // namespace traxen
