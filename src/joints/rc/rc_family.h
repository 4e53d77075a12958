// The families of round braces on a rectangular chord as the program's frame calls them: the
// check without drawing, the report's lines, the schematic at the top of page 1 and the
// title, each from the Job record alone. The frame draws the page, the title and the brace
// welds around them, as it does for every family.
#pragma once

#include <string>

#include "model/job.h"
#include "report/check_summary.h"
#include "report/report_language.h"

namespace traxen {

struct ReportCanvas;

// What the report would print, as `traxen-cli check --json` serialises it: family "rc_tyx"
// or "rc_kn", the title in `language`, validity and the resistance verdicts (modes "1" chord
// face, "2" brace, "3a" chord shear, "3b" chord in the gap, "4" punching shear, "overlap").
CheckSummary CheckRcTyxJob(const Job& job, ReportLanguage language = ReportLanguage::kEstonian);
CheckSummary CheckRcKnJob(const Job& job, ReportLanguage language = ReportLanguage::kEstonian);

// Prints the report after the title and returns the summary of what it printed.
CheckSummary RenderRcTyxReport(ReportCanvas& canvas, const Job& job);
CheckSummary RenderRcKnReport(ReportCanvas& canvas, const Job& job);

// Draws the joint at the top of page 1; the report's lines start below it.
void DrawRcTyxSchematic(ReportCanvas& canvas, const Job& job);
void DrawRcKnSchematic(ReportCanvas& canvas, const Job& job);

// The family titles exactly as printed, blanks kept.
std::string RcTyxTitle(const Job& job, ReportLanguage language = ReportLanguage::kEstonian);
std::string RcKnTitle(const Job& job, ReportLanguage language = ReportLanguage::kEstonian);

}  // namespace traxen
