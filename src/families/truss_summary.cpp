// Laying out the truss summary pages.
#include "families/truss_summary.h"

#include <fmt/format.h>

#include <cmath>
#include <limits>
#include <optional>

#include "families/joint_family.h"
#include "model/job_family.h"
#include "report/pages.h"
#include "report/report_canvas.h"
#include "report/report_texts.h"
#include "report/truss_summary_texts.h"

namespace traxen {

namespace {

constexpr int kRowsPerPage = 32;
constexpr int kFirstRowOffset = 115;  // below the heading and the column titles
constexpr int kRowStep = 24;

const Font kHeading{"Times New Roman", 22, 700};
const Font kColumnTitle{"Arial", 13, 700};
const Font kCell{"Arial", 13, 400};
const Font kVerdict{"Times New Roman", 19, 700};

// The columns: where each starts and how wide its text may run.
struct Column {
  int x, width;
};
// The type column holds "RHS/CHS K/N", the longest family name.
constexpr Column kNumber{95, 25}, kJoint{122, 62}, kFamily{188, 80}, kSections{272, 205}, kGoverning{481, 209},
    kEta{694, 44}, kOutcome{742, 70}, kPage{815, 30};

void Cell(ReportCanvas& canvas, Column c, int y, std::string_view text) {
  canvas.surface.drawText({c.x, y}, FittedJobText(canvas.surface, text, c.width));
}

std::string_view Word(TrussSummaryTextKey key, ReportLanguage language) { return ReportText(key, language); }

void ColumnTitles(ReportCanvas& canvas, int top) {
  using K = TrussSummaryTextKey;
  const ReportLanguage language = canvas.language;
  DrawingSurface& s = canvas.surface;
  s.setFont(kHeading);
  s.drawText({100, top + 140}, Word(K::kHeading, language));
  s.setFont(kColumnTitle);
  const int y = top + 205;
  Cell(canvas, kNumber, y, Word(K::kNumber, language));
  Cell(canvas, kJoint, y, Word(K::kJoint, language));
  Cell(canvas, kFamily, y, Word(K::kFamily, language));
  Cell(canvas, kSections, y, Word(K::kSections, language));
  Cell(canvas, kGoverning, y, Word(K::kGoverning, language));
  Cell(canvas, kEta, y, "η max");
  Cell(canvas, kOutcome, y, Word(K::kOutcome, language));
  Cell(canvas, kPage, y, Word(K::kPage, language));
  s.drawLine({90, top + 230}, {840, top + 230});
}

// The report's verdict without the blank it keeps before what follows it on a line.
std::string OutcomeText(JointOutcome outcome, ReportLanguage language) {
  std::string text(ReportText(outcome == JointOutcome::kPassed ? ReportTextKey::kPassed : ReportTextKey::kFailed, language));
  while (!text.empty() && text.back() == ' ') text.pop_back();
  return text;
}

std::string Size(double h, double b, double t) { return fmt::format("{:g}×{:g}×{:g}", h, b, t); }

// Chord / brace (/ brace 2), as the family names its members.
std::string Sections(const Job& job) {
  const JobFamilyInfo* family = FamilyOf(job);
  if (!family) return {};
  std::string text;
  for (const MemberSize& m : family->members(job))
    text += (text.empty() ? "" : " / ") +
            (family->round_tubes || m.round ? fmt::format("Ø{:g}×{:g}", m.h, m.t) : Size(m.h, m.b, m.t));
  return text;
}

// "T/Y", "X", "K/N"; a joint of circular tubes adds "CHS".
std::string FamilyText(const Job& job) {
  const JointFamily* family = JointFamilyOf(job);
  if (!family) return "–";
  return std::string(IsFamilyVariant(job, family->info) ? family->summary_variant_name : family->summary_name);
}

}  // namespace

TrussJointLine SummarizeJoint(const std::string& name, const Job& job, const CheckSummary& s, ReportLanguage language) {
  using K = TrussSummaryTextKey;
  TrussJointLine line;
  line.joint = name;
  line.family = FamilyText(job);
  if (const JointFamily* family = JointFamilyOf(job)) line.header_title = family->header_title;
  line.sections = Sections(job);
  line.eta = std::numeric_limits<double>::quiet_NaN();
  if (!s.valid) {
    line.outcome = JointOutcome::kOutsideValidity;
    line.governing = fmt::format(
        fmt::runtime(Word(s.failed_conditions == 1 ? K::kOneConditionFailed : K::kSeveralConditionsFailed, language)),
        s.failed_conditions);
    return line;
  }
  line.outcome = s.passed() ? JointOutcome::kPassed : JointOutcome::kFailed;
  if (const ResistanceVerdict* v = GoverningVerdict(s)) {
    line.eta = Utilisation(*v);
    const std::optional<FailureMode> mode = FailureModeOf(s, *v);
    line.governing = fmt::format(fmt::runtime(Word(K::kBraceMode, language)), v->brace,
                                 mode ? FailureModeName(*mode, language) : std::string_view(v->mode));
  } else {
    line.governing = Word(K::kNoChecks, language);
  }
  return line;
}


std::string UtilisationText(double eta) {
  if (std::isnan(eta)) return "–";
  if (std::isinf(eta)) return "∞";
  return fmt::format("{:.2f}", eta);
}

int TrussSummaryPageCount(std::size_t joints) {
  // The truss's verdict and the date take two rows after a blank one, on one page.
  const std::size_t last = joints + 2 + ((joints + 1) % kRowsPerPage == kRowsPerPage - 1 ? 1 : 0);
  return static_cast<int>(last / kRowsPerPage + 1);
}

LaidOutReport LayOutTrussSummary(const TrussSummary& summary, int page_total) {
  LaidOutReport report;
  DrawingSurface& s = report.ops;
  ReportCanvas canvas(s);
  canvas.language = summary.language;
  canvas.info = &summary.info;
  canvas.now = summary.now;
  canvas.page_total = page_total;
  // The summary's header names the tubes its joints have: one kind, or both.
  for (std::size_t i = 0; i < summary.joints.size(); ++i) {
    const ReportTextKey title = summary.joints[i].header_title;
    if (i == 0) canvas.header_title = title;
    else if (title != canvas.header_title) canvas.header_title = ReportTextKey::kHeaderTitleAnyTubes;
  }
  s.setBackgroundColor(kWhite);
  const int pages = TrussSummaryPageCount(summary.joints.size());
  for (int page = 0; page < pages; ++page) {
    DrawPageDecoration(canvas, page);
    ColumnTitles(canvas, page * canvas.page_height);
  }
  if (pages > 0) {
    canvas.surface.setPen({PenStyle::Dash, 0, {210, 210, 210}});
    canvas.surface.drawLine({0, 1}, {900, 1});
  }

  int failed = 0, outside = 0;
  s.setFont(kCell);
  for (std::size_t i = 0; i < summary.joints.size(); ++i) {
    const TrussJointLine& j = summary.joints[i];
    const int page = static_cast<int>(i) / kRowsPerPage;
    const int y = page * canvas.page_height + kFirstRowOffset + 150 + (static_cast<int>(i) % kRowsPerPage) * kRowStep;
    const bool passed = j.outcome == JointOutcome::kPassed;
    failed += !passed;
    outside += j.outcome == JointOutcome::kOutsideValidity;
    canvas.SetTextColor(passed ? kBlack : kRed);
    Cell(canvas, kNumber, y, fmt::format("{}", i + 1));
    Cell(canvas, kJoint, y, j.joint);
    Cell(canvas, kFamily, y, j.family);
    Cell(canvas, kSections, y, j.sections);
    Cell(canvas, kGoverning, y,
         j.outcome == JointOutcome::kOutsideValidity
             ? std::string(Word(TrussSummaryTextKey::kOutsideValidityBefore, summary.language)) + j.governing
             : j.governing);
    Cell(canvas, kEta, y, UtilisationText(j.eta));
    Cell(canvas, kOutcome, y, OutcomeText(j.outcome, summary.language));
    Cell(canvas, kPage, y, fmt::format("{}", j.first_page));
  }

  // The truss's verdict one row below the last joint, the date under it, both on one page.
  const std::size_t n = summary.joints.size();
  int at = static_cast<int>(n) + 1;
  if (at % kRowsPerPage == kRowsPerPage - 1) ++at;
  const int y = (at / kRowsPerPage) * canvas.page_height + kFirstRowOffset + 150 + (at % kRowsPerPage) * kRowStep;
  s.setFont(kVerdict);
  canvas.SetTextColor(failed == 0 && n > 0 ? kBlack : kRed);
  using K = TrussSummaryTextKey;
  const ReportLanguage language = summary.language;
  const std::string verdict =
      failed == 0 && n > 0
          ? fmt::format(fmt::runtime(Word(K::kTrussPassed, language)), n)
          : fmt::format(fmt::runtime(Word(K::kTrussFailed, language)), failed, n,
                        outside > 0 ? fmt::format(fmt::runtime(Word(K::kTrussFailedOutside, language)), outside)
                                    : std::string());
  s.drawText({100, y}, verdict);
  canvas.SetTextColor(kBlack);
  s.setFont(kCell);
  s.drawText({100, y + kRowStep}, std::string(Word(K::kDate, language)) + FooterDate(summary.now));

  report.page_count = pages;
  report.failed = failed;
  IndexReportPages(report);
  return report;
}

}  // namespace traxen
