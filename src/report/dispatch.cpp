// Rendering frame of a report: page 1, the copy of the working values, the family title and
// the hand-over to the joint family's schematic and report. The one place in report/ that
// calls the joint families, and the one that routes a K/N job to its plain or reinforced
// report.
#include "report/dispatch.h"

#include "joints/kn/kn_geometry.h"
#include "joints/kn/kn_report.h"
#include "joints/kn_reinforced/kn_reinforced_joint.h"
#include "joints/kn_reinforced/kn_reinforced_report.h"
#include "joints/tyx/tyx_report.h"
#include "model/family_fields.h"
#include "joints/welds/brace_weld_lines.h"
#include "joints/welds/brace_welds.h"
#include "report/pages.h"
#include "report/report_texts.h"
#include "report/recording_surface.h"

namespace traxen {

namespace {
// Job → working values along a family's field table.
template <class ForEachField>
void CopyFamilyInputs(const Job& job, ReportInputs& in, ForEachField for_each_field) {
  Job source = job;  // the field tables take references
  ProjectFileSlots unused;
  for_each_field(source, unused, in, [](unsigned ways, auto& field, auto*, auto* working) {
    if ((ways & kCopied) && working) *working = field;
  });
}
}  // namespace

void CopyTyxInputs(const Job& job, ReportInputs& in) {
  CopyFamilyInputs(job, in, [](auto&&... args) { ForEachTyxField(args...); });
}

void CopyKnInputs(const Job& job, ReportInputs& in) {
  CopyFamilyInputs(job, in, [](auto&&... args) { ForEachKnField(args...); });
}

std::string TyxTitle(const ReportInputs& in, ReportLanguage language) {
  const bool reinforced = in.tyx_face_plate == 1 || in.tyx_side_plates == 1;
  return std::string(ReportText(reinforced ? ReportTextKey::kTitleTyxReinforced : ReportTextKey::kTitleTyx, language));
}

std::string KnTitle(const ReportInputs& in, ReportLanguage language) {
  if (in.g > 0) {
    const bool reinforced = in.kn_face_plate == 1 || in.kn_side_plates == 1;
    return std::string(
        ReportText(reinforced ? ReportTextKey::kTitleKnGapReinforced : ReportTextKey::kTitleKnGap, language));
  }
  if (in.g < 0) {
    const bool reinforced = in.kn_overlap_plate == 1;
    return std::string(
        ReportText(reinforced ? ReportTextKey::kTitleKnOverlapReinforced : ReportTextKey::kTitleKnOverlap, language));
  }
  return "";  // g exactly 0 (or not a number): no title
}

namespace {
// The report's checks got as far as the resistances: every condition held and the method
// did not end the report early.
bool ResistancesComputed(const CheckSummary& s) { return s.valid && !s.verdicts.empty(); }
}  // namespace

namespace {

RenderResult RenderOnce(DrawingSurface& surface, const Job& job, const ReportInputs& working, int last_dialog,
                        const RenderOptions& options, PagePlan& plan) {
  const Font body{"Times New Roman", 19, 400};
  const Font bold{"Times New Roman", 19, 700};
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

  surface.setBackgroundColor(kWhite);
  surface.setPen(black);
  canvas.SetTextColor(kBlack);
  surface.setBrush(kWhite);
  surface.drawRect({80, 120}, {850, 1100});
  DrawPageHeader(canvas, 0, canvas.page_height);
  DrawPageFooter(canvas, 0, canvas.page_height);
  surface.setPen(separator);
  surface.drawLine({0, 1}, {900, 1});
  surface.drawLine({0, 1230}, {900, 1230});
  surface.setPen(black);

  ReportInputs in = working;
  in.E = job.steel.E;
  CheckSummary printed;  // what the family's report computed and printed

  if (job.family.is_tyx == 1) {
    canvas.failed = 0;
    surface.setFont(bold);
    const int y = NextLine(canvas, canvas.line_step, canvas.line_step);
    CopyTyxInputs(job, in);
    canvas.DrawLoggedText({canvas.x, y - 35}, TyxTitle(in, options.language), y - 35);
    const bool schematic = last_dialog == 1;
    SetTyxDrawnAngle(in, schematic);
    if (schematic && options.sketch) DrawTyxSchematic(canvas, in);
    printed = RenderTyxReport(canvas, in);
  }
  if (job.family.is_kn == 1) {
    surface.setFont(bold);
    const int y1 = NextLine(canvas, canvas.line_step, canvas.line_step);
    surface.setFont(body);
    canvas.failed = 0;
    CopyKnInputs(job, in);
    StoreKnGeometry(in);
    if (options.sketch) DrawKnSchematic(canvas, in);
    NextLine(canvas, canvas.line_step, canvas.line_step);
    surface.setFont(bold);
    const std::string title = KnTitle(in, options.language);
    if (!title.empty()) canvas.DrawLoggedText({canvas.left_margin, y1 - 35}, title, y1 - 35);
    printed = HasKnPlate(in) ? RenderReinforcedKnReport(canvas, in) : RenderPlainKnReport(canvas, in);
  }
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
  ReportInputs in = working;
  in.E = job.steel.E;
  if (job.family.is_tyx == 1) {
    CopyTyxInputs(job, in);
    SetTyxDrawnAngle(in, last_dialog == 1);
    CheckSummary s = CheckTyxJoint(in);
    s.family = "tyx";
    s.title = TyxTitle(in, language);
    AddBraceWelds(job, s);
    return s;
  }
  if (job.family.is_kn == 1) {
    CopyKnInputs(job, in);
    StoreKnGeometry(in);
    CheckSummary s = HasKnPlate(in) ? CheckReinforcedKnJoint(in) : CheckPlainKnJoint(in);
    s.family = "kn";
    s.title = KnTitle(in, language);
    AddBraceWelds(job, s);
    return s;
  }
  return CheckSummary{};
}

}  // namespace traxen
