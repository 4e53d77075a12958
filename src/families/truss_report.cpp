// The parts of a truss's combined report.
#include "families/truss_report.h"

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
  const int summary_pages = TrussSummaryPageCount(joints.size());
  std::vector<ReportPart> parts;
  parts.push_back({std::string(ReportText(TrussSummaryTextKey::kBookmark, language)), summary_pages,
                   [summary](int, int total) { return LayOutTrussSummary(*summary, total); }});
  int next_page = summary_pages + 1;
  for (std::size_t i = 0; i < joints.size(); ++i) {
    const TrussJoint& j = joints[i];
    const int pages = LayOutReport(j.job, j.working, j.last_dialog, now, brace_welds, 1, 0, language).page_count;
    TrussJointLine line = SummarizeJoint(j.name, j.job, CheckJob(j.job, j.working, j.last_dialog), language);
    line.first_page = next_page;
    next_page += pages;
    summary->joints.push_back(std::move(line));
    parts.push_back({j.name, pages, [&j, now, brace_welds, language](int first, int total) {
                       return LayOutReport(j.job, j.working, j.last_dialog, now, brace_welds, first, total, language);
                     }});
    if (counted) counted(i);
  }
  return parts;
}

}  // namespace traxen
