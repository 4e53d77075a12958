// Overlap-joint check lines.
#include "joints/kn/kn_overlap_lines.h"

namespace traxen {

void PrintKnOverlapChecks(ReportCanvas&, const ReportInputs&, const KnOverlapChecks&) {}

}  // namespace traxen
