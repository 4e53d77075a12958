// The parts of a truss's combined report.
#include "families/truss_report.h"

#include <limits>
#include <memory>

#include "families/dispatch.h"
#include "families/truss_summary.h"
#include "report/truss_summary_texts.h"

namespace traxen {

std::vector<ReportPart> TrussReportParts(const std::vector<TrussJoint>& joints, const JobInfo& info, std::time_t now,
                                         bool brace_welds, const std::function<void(std::size_t)>& counted,
                                         ReportLanguage language) {
  auto summary = std::make_shared<TrussSummary>();
  summary->info = info;
  summary->now = now;
  summary->language = language;
  std::vector<int> pages(joints.size(), 0);
  for (std::size_t i = 0; i < joints.size(); ++i) {
    const TrussJoint& j = joints[i];
    TrussJointLine line;
    if (j.refusal.empty()) {
      pages[i] = LayOutReport(j.job, j.working, j.last_dialog, now, brace_welds, 1, 0, language).page_count;
      line = SummarizeJoint(j.name, j.job, CheckJob(j.job, j.working, j.last_dialog), language);
    } else {
      line.joint = j.name;
      line.refusal = j.refusal;
      line.eta = std::numeric_limits<double>::quiet_NaN();
    }
    summary->joints.push_back(std::move(line));
    if (counted) counted(i);
  }
  // The summary's length follows from its lines; a page number never changes a line's height.
  const int summary_pages = TrussSummaryPageCount(*summary);
  std::vector<ReportPart> parts;
  parts.push_back({std::string(ReportText(TrussSummaryTextKey::kBookmark, language)), summary_pages,
                   [summary](int, int total) { return LayOutTrussSummary(*summary, total); }});
  int next_page = summary_pages + 1;
  for (std::size_t i = 0; i < joints.size(); ++i) {
    const TrussJoint& j = joints[i];
    if (!j.refusal.empty()) continue;
    summary->joints[i].first_page = next_page;
    next_page += pages[i];
    parts.push_back({j.name, pages[i], [&j, now, brace_welds, language](int first, int total) {
                       return LayOutReport(j.job, j.working, j.last_dialog, now, brace_welds, first, total, language);
                     }});
  }
  return parts;
}

std::string RefusedRowReason(const std::string& message, const std::string& table, const std::string& joint) {
  std::string reason = message.starts_with(table + " ") ? message.substr(table.size() + 1) : message;
  if (reason.starts_with("row ")) {
    const std::size_t digits = reason.find_first_not_of("0123456789", 4);
    const std::string named = " (" + joint + ")";
    if (digits != std::string::npos && digits > 4 && reason.compare(digits, named.size(), named) == 0)
      reason.erase(digits, named.size());
  }
  return reason;
}

}  // namespace traxen
