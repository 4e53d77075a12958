// The verdict of a job in one status-bar line, in the interface's language: "Korras!" or
// "Ei rahulda!", the largest utilisation with its brace and failure mode, or the first
// condition that failed. Built from
// the same check summary that `traxen-cli check --json` writes, so the figures agree.
#pragma once

#include <QString>
#include <vector>

#include "report/check_summary.h"
#include "report/recording_surface.h"
#include "report/report_language.h"

namespace traxen {

struct VerdictLine {
  QString text;         // empty for a job that is not a joint yet
  bool failed = false;  // shown in red
  const ResistanceVerdict* governing = nullptr;  // into the summary it was made from
};

VerdictLine DescribeVerdict(const CheckSummary& summary);

// The failure mode of a verdict in `language`, in the report's words; for a minimum of several
// resistances the one that decides it.
QString ModeName(const CheckSummary& summary, const ResistanceVerdict& verdict, ReportLanguage language);
QString EstonianModeName(const CheckSummary& summary, const ResistanceVerdict& verdict);
// A failed condition's name ("chord: h0 / t0 <= 35") in `language` with the report's symbols.
QString ConditionName(const std::string& name, ReportLanguage language);
QString EstonianConditionName(const std::string& name);

// Where a check stands in the report, in report units: the y of its first line and of its
// last, the line of its verdict. Both -1 when the report holds no such check.
struct ReportSpan {
  int top = -1;
  int bottom = -1;
  bool found() const { return top >= 0; }
};

// The governing check: from the heading of its mode (or, for the minimum that closes the
// resistances, from the first line after the check before it) to its verdict; the first
// failed line alone when the report stopped at its conditions.
ReportSpan GoverningCheckSpan(const CheckSummary& summary, const std::vector<RecordingSurface::TextRecord>& texts);

}  // namespace traxen
