// Rendering frame of a report: page 1's frame, header and footer, the hand-over to the job's
// family (its title, schematic and report) and the closing brace welds.
#include "families/dispatch.h"

#include "families/joint_family.h"
#include "joints/welds/brace_weld_lines.h"
#include "joints/welds/brace_welds.h"
#include "report/page_geometry.h"
#include "report/pages.h"
#include "report/recording_surface.h"

namespace traxen {

namespace {
// The report's checks got as far as the resistances: every condition held and the method
// did not end the report early.
bool ResistancesComputed(const CheckSummary& s) { return s.valid && !s.verdicts.empty(); }
}  // namespace

namespace {

RenderResult RenderOnce(DrawingSurface& surface, const Job& job, const ReportInputs& working, int last_dialog,
                        const RenderOptions& options, PagePlan& plan) {
  const Pen black{PenStyle::Solid, 0, kBlack};
  const Pen separator{PenStyle::Dash, 0, {210, 210, 210}};

  ReportCanvas canvas(surface);
  canvas.info = &job.info;
  canvas.now = options.now;
  canvas.first_page_number = options.first_page_number;
  canvas.page_total = options.page_total;
  canvas.text_log = options.text_log;
  canvas.language = options.language;
  canvas.plan = &plan;
  const JointFamily* family = JointFamilyOf(job);
  if (family) canvas.header_title = family->header_title;

  surface.setBackgroundColor(kWhite);
  surface.setPen(black);
  canvas.SetTextColor(kBlack);
  surface.setBrush(kWhite);
  surface.drawRect({kFrameLeft, kFrameTop}, {kFrameRight, kFrameBottom});
  DrawPageHeader(canvas, 0, canvas.page_height);
  DrawPageFooter(canvas, 0, canvas.page_height);
  surface.setPen(separator);
  surface.drawLine({0, 1}, {kReportStripWidth, 1});
  surface.drawLine({0, kReportPageHeight + 1}, {kReportStripWidth, kReportPageHeight + 1});
  surface.setPen(black);

  CheckSummary printed;  // what the family's report computed and printed
  if (family)
    printed = family->render(canvas, {job, working, last_dialog}, options.sketch);
  // The welds close a report whose resistances could be computed: after the stop line, or
  // where the method's limits end the report early, they would size the welds of a joint
  // that has not been shown to work.
  if (options.brace_welds && canvas.failed == 0 && ResistancesComputed(printed))
    PrintBraceWelds(canvas, ComputeBraceWelds(job));
  return {canvas.page_number, canvas.failed};
}

// Each round moves the groups a page break parted to the next page, which can part a
// later group; a group longer than a page could keep asking, so the rounds are few.
constexpr int kMaxPlanRounds = 12;

}  // namespace

RenderResult RenderReport(DrawingSurface& surface, const Job& job, const ReportInputs& working, int last_dialog,
                          const RenderOptions& options) {
  PagePlan plan;
  auto* recording = dynamic_cast<RecordingSurface*>(&surface);
  const TextMeasure measure = recording ? recording->measure() : ReportTextWidth;
  for (int round = 1;; ++round) {
    // A round is drawn on a recording of its own, so that one whose breaks must move leaves
    // nothing behind; the last is handed over.
    RecordingSurface drawn(measure);
    std::vector<ReportTextPiece> text;
    RenderOptions round_options = options;
    if (options.text_log) round_options.text_log = &text;
    plan.Restart();
    const RenderResult result = RenderOnce(drawn, job, working, last_dialog, round_options, plan);
    if (round < kMaxPlanRounds && plan.AdoptRequests()) continue;
    if (options.text_log) options.text_log->insert(options.text_log->end(), text.begin(), text.end());
    if (recording && recording->ops().empty()) *recording = std::move(drawn);
    else drawn.ReplayOnto(surface);
    return result;
  }
}

namespace {
// The welds the report prints: for a job whose conditions all held.
void AddBraceWelds(const Job& job, CheckSummary& s) {
  if (!ResistancesComputed(s)) return;
  for (const BraceWeld& w : ComputeBraceWelds(job)) s.welds.push_back({w.brace, w.beta_w, w.a_over_t, w.a_min});
}
}  // namespace

CheckSummary CheckJob(const Job& job, const ReportInputs& working, int last_dialog, ReportLanguage language) {
  const JointFamily* family = JointFamilyOf(job);
  if (!family) return CheckSummary{};
  CheckSummary s = family->check({job, working, last_dialog}, language);
  s.family = std::string(family->info.group);
  AddBraceWelds(job, s);
  return s;
}

}  // namespace traxen
