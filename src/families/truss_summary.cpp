// Laying out the truss summary pages.
#include "families/truss_summary.h"

#include <fmt/format.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

#include "families/joint_family.h"
#include "report/recording_surface.h"
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
constexpr int kWrapStep = 15;         // between the lines of a text wrapped in its column
// Where a page's rows start and where they must end, from the page's top.
constexpr int kRowsTop = 150 + kFirstRowOffset;
constexpr int kRowsBottom = kRowsTop + kRowsPerPage * kRowStep;
// The truss's verdict and the date under it follow the last joint after a blank row.
constexpr int kVerdictBlock = 3 * kRowStep;

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
// A row that could not be read gives its reason across the columns of the figures it lacks.
constexpr Column kRefusal{kFamily.x, kEta.x + kEta.width - kFamily.x};

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

namespace {

// A line's texts in their columns, each broken into the lines its column needs.
struct CellLines {
  Column column;
  std::vector<std::string> lines;
};

std::vector<CellLines> LineCells(DrawingSurface& s, const TrussJointLine& j, std::size_t index,
                                 ReportLanguage language) {
  using K = TrussSummaryTextKey;
  std::vector<CellLines> cells;
  auto add = [&](Column c, std::string_view text) { cells.push_back({c, WrappedJobText(s, text, c.width)}); };
  // A number is drawn whole, never broken: a thousandth joint's runs a little into the air
  // before the next column.
  auto add_number = [&](Column c, std::string text) { cells.push_back({c, {std::move(text)}}); };
  add_number(kNumber, fmt::format("{}", index + 1));
  add(kJoint, j.joint);
  if (!j.refusal.empty()) {
    add(kRefusal, j.refusal);
    add(kOutcome, Word(K::kRefusedOutcome, language));
    add_number(kPage, "–");
    return cells;
  }
  add(kFamily, j.family);
  add(kSections, j.sections);
  add(kGoverning, j.outcome == JointOutcome::kOutsideValidity
                      ? std::string(Word(K::kOutsideValidityBefore, language)) + j.governing
                      : j.governing);
  add(kEta, UtilisationText(j.eta));
  add(kOutcome, OutcomeText(j.outcome, language));
  add_number(kPage, fmt::format("{}", j.first_page));
  return cells;
}

int LineHeight(const std::vector<CellLines>& cells) {
  std::size_t lines = 1;
  for (const CellLines& c : cells) lines = std::max(lines, c.lines.size());
  return kRowStep + static_cast<int>(lines - 1) * kWrapStep;
}

// Where each line of the summary starts (y from the top of the document), the verdict's y and
// the number of pages, from the lines' heights. A line goes to the next page when it would
// run past the rows' end; the verdict and the date stay on the last line's page, and when
// they do not fit there the last line goes along with them to the next page, so that the
// verdict never stands alone under the column titles.
struct Placement {
  std::vector<int> y;
  int verdict_y = 0;
  int pages = 1;
};

Placement Place(const std::vector<int>& heights) {
  Placement p;
  int page = 0, offset = kRowsTop;
  for (const int h : heights) {
    if (offset > kRowsTop && offset + h > kRowsBottom) ++page, offset = kRowsTop;
    p.y.push_back(page * kReportPageHeight + offset);
    offset += h;
  }
  if (offset + kVerdictBlock > kRowsBottom && !heights.empty()) {
    const int last_top = p.y.back() - page * kReportPageHeight;
    ++page;
    offset = kRowsTop;
    if (last_top > kRowsTop) {  // the last line starts the next page
      p.y.back() = page * kReportPageHeight + offset;
      offset += heights.back();
    }
  }
  p.verdict_y = page * kReportPageHeight + offset + kRowStep;
  p.pages = page + 1;
  return p;
}

std::vector<std::vector<CellLines>> AllCells(DrawingSurface& s, const TrussSummary& summary) {
  s.setFont(kCell);
  std::vector<std::vector<CellLines>> all;
  all.reserve(summary.joints.size());
  for (std::size_t i = 0; i < summary.joints.size(); ++i)
    all.push_back(LineCells(s, summary.joints[i], i, summary.language));
  return all;
}

std::vector<int> Heights(const std::vector<std::vector<CellLines>>& cells) {
  std::vector<int> heights;
  heights.reserve(cells.size());
  for (const auto& c : cells) heights.push_back(LineHeight(c));
  return heights;
}

}  // namespace

int TrussSummaryPageCount(const TrussSummary& summary) {
  RecordingSurface measure;
  return Place(Heights(AllCells(measure, summary))).pages;
}

int TrussSummaryPageCount(std::size_t joints) { return Place(std::vector<int>(joints, kRowStep)).pages; }

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
  RecordingSurface scratch(report.ops.measure());  // measured apart: the report records no extra font
  const std::vector<std::vector<CellLines>> cells = AllCells(scratch, summary);
  const Placement place = Place(Heights(cells));
  s.setBackgroundColor(kWhite);
  const int pages = place.pages;
  for (int page = 0; page < pages; ++page) {
    DrawPageDecoration(canvas, page);
    ColumnTitles(canvas, page * canvas.page_height);
  }
  if (pages > 0) {
    canvas.surface.setPen({PenStyle::Dash, 0, {210, 210, 210}});
    canvas.surface.drawLine({0, 1}, {900, 1});
  }

  int failed = 0, outside = 0, refused = 0;
  s.setFont(kCell);
  for (std::size_t i = 0; i < summary.joints.size(); ++i) {
    const TrussJointLine& j = summary.joints[i];
    const bool passed = j.outcome == JointOutcome::kPassed && j.refusal.empty();
    failed += !passed;
    outside += j.refusal.empty() && j.outcome == JointOutcome::kOutsideValidity;
    refused += !j.refusal.empty();
    canvas.SetTextColor(passed ? kBlack : kRed);
    for (const CellLines& c : cells[i])
      for (std::size_t line = 0; line < c.lines.size(); ++line)
        s.drawText({c.column.x, place.y[i] + static_cast<int>(line) * kWrapStep}, c.lines[line]);
  }

  // The truss's verdict one row below the last joint, the date under it, both on one page.
  const std::size_t n = summary.joints.size();
  const int y = place.verdict_y;
  s.setFont(kVerdict);
  canvas.SetTextColor(failed == 0 && n > 0 ? kBlack : kRed);
  using K = TrussSummaryTextKey;
  const ReportLanguage language = summary.language;
  const std::string verdict =
      failed == 0 && n > 0
          ? fmt::format(fmt::runtime(Word(K::kTrussPassed, language)), n)
          : fmt::format(fmt::runtime(Word(K::kTrussFailed, language)), failed, n,
                        (outside > 0 ? fmt::format(fmt::runtime(Word(K::kTrussFailedOutside, language)), outside)
                                     : std::string()) +
                            (refused > 0 ? fmt::format(fmt::runtime(Word(K::kTrussFailedRefused, language)), refused)
                                         : std::string()));
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
