// A truss's combined report as its parts: the summary of every joint first, then each joint's
// report, each part knowing its page count before it is laid out, so that the page numbers
// and the summary's page column run through the whole document. The desktop program and
// traxen-cli build the same document from here; writing the parts into a file is theirs.
#pragma once

#include <cstddef>
#include <ctime>
#include <functional>
#include <string>
#include <vector>

#include "model/job.h"
#include "model/report_inputs.h"
#include "families/laid_out_report.h"
#include "report/report_language.h"

namespace traxen {

struct TrussJoint {
  std::string name;
  Job job;
  ReportInputs working;
  int last_dialog = 0;  // 0 none, 1 T/Y/X, 2 K/N
  // Why the joint's row could not be read, "" when it could: the summary lists the joint
  // with this reason, and it has no report of its own.
  std::string refusal = {};
};

struct ReportPart {
  std::string bookmark;  // the outline entry, "" for none
  int page_count = 1;    // known before the part is laid out
  // Lays the part out with its pages numbered from `first_page` of `page_total`.
  std::function<LaidOutReport(int first_page, int page_total)> lay_out;
};

// The summary ("Kokkuvõte", headed by `info`, whose job name names the truss) and one part
// per joint that could be read, bookmarked by its name. Each report is laid out once here to count its pages and
// again when its part is laid out, so that no report is kept while the others are drawn; the
// parts refer to `joints`, which must outlive them. `counted` (may be empty) hears of each
// joint once its pages are counted. Every part's words are those of `language`.
std::vector<ReportPart> TrussReportParts(const std::vector<TrussJoint>& joints, const JobInfo& info, std::time_t now,
                                         bool brace_welds,
                                         const std::function<void(std::size_t joint)>& counted = {},
                                         ReportLanguage language = ReportLanguage::kEstonian);

// A joint table's message about a row, as the summary gives it for the row's joint: without
// the table's name it begins with and without the joint's name the summary shows beside it
// ("truss.csv row 3 (T2): key ..." becomes "row 3: key ...").
std::string RefusedRowReason(const std::string& message, const std::string& table, const std::string& joint);

}  // namespace traxen
