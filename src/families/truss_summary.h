// The summary that opens a truss's combined report: one line per joint with its family,
// sections, governing check, largest utilisation, verdict and the page its report starts
// on, then the verdict of the whole truss. Drawn on the report's own pages (frame, header,
// footer), so that it prints, exports and reads like the joints' reports after it.
#pragma once

#include <ctime>
#include <string>
#include <vector>

#include "model/job.h"
#include "report/check_summary.h"
#include "families/laid_out_report.h"
#include "report/report_language.h"
#include "report/report_texts.h"

namespace traxen {

enum class JointOutcome { kPassed, kFailed, kOutsideValidity };

struct TrussJointLine {
  std::string joint;      // the joint's name
  std::string family;     // "T/Y", "X", "K/N"
  std::string sections;   // "200×200×8 / 120×120×6"
  std::string governing;  // the governing check, or the first failed condition
  double eta = 0;         // the largest utilisation; not a number when nothing was computed
  JointOutcome outcome = JointOutcome::kFailed;
  int first_page = 0;     // the document page its report starts on
  // The first line of its report's page header, which names its kind of tube.
  ReportTextKey header_title = ReportTextKey::kHeaderTitle;
  // Why its row could not be read, "" when it could: such a joint has no report and no
  // figures, counts as failed, and its line gives the reason instead.
  std::string refusal = {};
};

struct TrussSummary {
  JobInfo info;           // header and footer texts; the job name names the truss
  std::time_t now = 0;
  std::vector<TrussJointLine> joints;
  ReportLanguage language = ReportLanguage::kEstonian;  // of the page's words
};

// A joint's line from its job and the check summary `traxen-cli check` reports for it, so
// that the two give the same figures: the governing verdict is the one with the largest
// utilisation, a joint outside the range of validity names how many conditions failed. The
// governing check is named in `language`.
TrussJointLine SummarizeJoint(const std::string& name, const Job& job, const CheckSummary& summary,
                              ReportLanguage language = ReportLanguage::kEstonian);

// How many pages the summary takes: its lines grow where a text needs more than one line
// of its column, and the truss's verdict never stands alone under the column titles.
int TrussSummaryPageCount(const TrussSummary& summary);
// The same for `joints` lines whose every text fits its column.
int TrussSummaryPageCount(std::size_t joints);

// The summary's pages in the summary's language, numbered from 1 of `page_total`.
LaidOutReport LayOutTrussSummary(const TrussSummary& summary, int page_total);

// "η max" as the summary and the status of a job print it: two decimals, "–" for none.
std::string UtilisationText(double eta);

}  // namespace traxen
