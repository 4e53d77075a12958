// Report lines of the K/N overlap-joint check: which brace lies on top, its effective
// widths, the resistance formula of the overlap range and the verdict.
#pragma once

#include "joints/kn/kn_overlap_checks.h"
#include "report/report_canvas.h"
#include "joints/kn/kn_used_inputs.h"

namespace traxen {

// The chord is the one the check used.
void PrintKnOverlapChecks(ReportCanvas& canvas, const KnChordValues& chord, const KnOverlapChecks& c);

}  // namespace traxen
