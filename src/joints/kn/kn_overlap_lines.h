// Report lines of the K/N overlap-joint check: which brace lies on top, its effective
// widths, the resistance formula of the overlap range and the verdict.
#pragma once

#include "joints/kn/kn_overlap_checks.h"
#include "report/report_canvas.h"
#include "model/report_inputs.h"

namespace traxen {

void PrintKnOverlapChecks(ReportCanvas& canvas, const ReportInputs& in, const KnOverlapChecks& c);

}  // namespace traxen
