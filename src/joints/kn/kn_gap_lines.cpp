// Gap-joint check lines.
#include "joints/kn/kn_gap_lines.h"

namespace traxen {

void PrintKnGapChecks(ReportCanvas&, const ReportInputs&, const KnGapChecks&) {}
void PrintKnGapBrace(ReportCanvas&, const ReportInputs&, const KnGapBraceChecks&) {}
void PrintKnGapEffectiveWidths(ReportCanvas&, const ReportInputs&, const KnGapBraceChecks&) {}
void PrintKnGapBetaGamma(ReportCanvas&, const ReportInputs&, const KnGapBraceChecks&) {}
void PrintKnGapShearArea(ReportCanvas&, const ReportInputs&, const KnGapBraceChecks&) {}
void PrintKnGapMode1(ReportCanvas&, const ReportInputs&, const KnGapBraceChecks&) {}
void PrintKnGapMode2(ReportCanvas&, const ReportInputs&, const KnGapBraceChecks&) {}
void PrintKnGapMode3a(ReportCanvas&, const ReportInputs&, const KnGapBraceChecks&) {}
void PrintKnGapMode3b(ReportCanvas&, const ReportInputs&, const KnGapBraceChecks&) {}
void PrintKnGapMode4(ReportCanvas&, const ReportInputs&, const KnGapBraceChecks&) {}

}  // namespace traxen
