// The circular hollow section families as the program's frame calls them: the check without
// drawing, the report's lines, the schematic at the top of page 1 and the title, each from
// the Job record alone. The frame draws the page, the title and the brace welds around them,
// as it does for the rectangular families.
#pragma once

#include <string>

#include "model/job.h"
#include "report/check_summary.h"
#include "report/report_language.h"

namespace traxen {

struct ReportCanvas;

// What the report would print, as `traxen-cli check --json` serialises it: family "chs_tyx"
// or "chs_kn", the title in `language`, validity and the resistance verdicts (mode "1" chord
// face failure, "4" punching shear). The welds are the frame's, as for every family.
CheckSummary CheckChsTyxJob(const Job& job, ReportLanguage language = ReportLanguage::kEstonian);
CheckSummary CheckChsKnJob(const Job& job, ReportLanguage language = ReportLanguage::kEstonian);

// Prints the report after the title and returns the summary of what it printed.
CheckSummary RenderChsTyxReport(ReportCanvas& canvas, const Job& job);
CheckSummary RenderChsKnReport(ReportCanvas& canvas, const Job& job);

// Draws the joint at the top of page 1; the report's lines start below it.
void DrawChsTyxSchematic(ReportCanvas& canvas, const Job& job);
void DrawChsKnSchematic(ReportCanvas& canvas, const Job& job);

// The family titles exactly as printed, blanks kept.
std::string ChsTyxTitle(const Job& job, ReportLanguage language = ReportLanguage::kEstonian);
std::string ChsKnTitle(const Job& job, ReportLanguage language = ReportLanguage::kEstonian);

}  // namespace traxen
