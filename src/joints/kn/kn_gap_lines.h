// Report lines of the K/N gap-joint checks: the auxiliary values of a brace and the five
// modes, each as symbols, numbers and verdict.
#pragma once

#include "joints/kn/kn_gap_checks.h"
#include "report/report_canvas.h"

namespace traxen {

// The whole gap-joint section: the opening lines, then brace 1 and brace 2.
void PrintKnGapChecks(ReportCanvas& canvas, const KnUsedInputs& used, const KnGapChecks& checks);

// One brace block from the b_eff lines to the end of mode 4 and the closing empty line.
void PrintKnGapBrace(ReportCanvas& canvas, const KnUsedInputs& used, const KnGapBraceChecks& c);

// The pieces of a brace block, for reports that replace some of them.
void PrintKnGapEffectiveWidths(ReportCanvas& canvas, const KnUsedInputs& used,
                               const KnGapBraceChecks& c);
void PrintKnGapBetaGamma(ReportCanvas& canvas, const KnUsedInputs& used, const KnGapBraceChecks& c);
void PrintKnGapShearArea(ReportCanvas& canvas, const KnUsedInputs& used, const KnGapBraceChecks& c);
void PrintKnGapMode1(ReportCanvas& canvas, const KnUsedInputs& used, const KnGapBraceChecks& c);
void PrintKnGapMode2(ReportCanvas& canvas, const KnUsedInputs& used, const KnGapBraceChecks& c);
void PrintKnGapMode3a(ReportCanvas& canvas, const KnUsedInputs& used, const KnGapBraceChecks& c);
void PrintKnGapMode3b(ReportCanvas& canvas, const KnUsedInputs& used, const KnGapBraceChecks& c);
// Prints nothing when punching does not apply.
void PrintKnGapMode4(ReportCanvas& canvas, const KnUsedInputs& used, const KnGapBraceChecks& c);

}  // namespace traxen
