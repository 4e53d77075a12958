// The T/Y/X and K/N families: each copies its group of the Job record into the rendering's
// working values, prints its title where its report has it, and routes a K/N job to its
// plain or reinforced report.
#include "families/rhs_families.h"

#include "families/dispatch.h"
#include "joints/kn/kn_geometry.h"
#include "joints/kn/kn_report.h"
#include "joints/kn_reinforced/kn_reinforced_joint.h"
#include "joints/kn_reinforced/kn_reinforced_report.h"
#include "joints/tyx/tyx_report.h"
#include "model/family_fields.h"
#include "report/pages.h"
#include "report/report_texts.h"

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
const Font kBody{"Times New Roman", 19, 400};
const Font kBold{"Times New Roman", 19, 700};

// The working values a rendering starts from: the document's, with the job's E.
ReportInputs StartingInputs(const FamilyJob& job) {
  ReportInputs in = job.working;
  in.E = job.job.steel.E;
  return in;
}
}  // namespace

CheckSummary CheckTyxFamily(const FamilyJob& job, ReportLanguage language) {
  ReportInputs in = StartingInputs(job);
  CopyTyxInputs(job.job, in);
  SetTyxDrawnAngle(in, job.last_dialog == JobFamilyInfoOf(JobFamilyId::kTyx).dialog);
  CheckSummary s = CheckTyxJoint(in);
  s.title = TyxTitle(in, language);
  return s;
}

CheckSummary RenderTyxFamily(ReportCanvas& canvas, const FamilyJob& job, bool sketch) {
  ReportInputs in = StartingInputs(job);
  canvas.failed = 0;
  canvas.surface.setFont(kBold);
  const int y = NextLine(canvas, canvas.line_step, canvas.line_step);
  CopyTyxInputs(job.job, in);
  canvas.DrawLoggedText({canvas.x, y - 35}, TyxTitle(in, canvas.language), y - 35);
  // The schematic belongs to the T/Y/X dialog's OK: after a K/N dialog or a file read the
  // report prints without it.
  const bool schematic = job.last_dialog == JobFamilyInfoOf(JobFamilyId::kTyx).dialog;
  SetTyxDrawnAngle(in, schematic);
  if (schematic && sketch) DrawTyxSchematic(canvas, in);
  return RenderTyxReport(canvas, in);
}

CheckSummary CheckKnFamily(const FamilyJob& job, ReportLanguage language) {
  ReportInputs in = StartingInputs(job);
  CopyKnInputs(job.job, in);
  StoreKnGeometry(in);
  CheckSummary s = HasKnPlate(in) ? CheckReinforcedKnJoint(in) : CheckPlainKnJoint(in);
  s.title = KnTitle(in, language);
  return s;
}

CheckSummary RenderKnFamily(ReportCanvas& canvas, const FamilyJob& job, bool sketch) {
  ReportInputs in = StartingInputs(job);
  DrawingSurface& surface = canvas.surface;
  surface.setFont(kBold);
  const int y1 = NextLine(canvas, canvas.line_step, canvas.line_step);
  surface.setFont(kBody);
  canvas.failed = 0;
  CopyKnInputs(job.job, in);
  StoreKnGeometry(in);
  if (sketch) DrawKnSchematic(canvas, in);
  NextLine(canvas, canvas.line_step, canvas.line_step);
  surface.setFont(kBold);
  // The K/N title sits above the schematic, at the height of the line taken before it.
  const std::string title = KnTitle(in, canvas.language);
  if (!title.empty()) canvas.DrawLoggedText({canvas.left_margin, y1 - 35}, title, y1 - 35);
  return HasKnPlate(in) ? RenderReinforcedKnReport(canvas, in) : RenderPlainKnReport(canvas, in);
}

std::vector<BraceWeld> TyxBraceWelds(const Job& job) {
  const JobSteel& s = job.steel;
  std::vector<BraceWeld> welds{BraceWeldOf(1, s.fy1, s.fu1, job.tyx.t1, s)};
  if (job.tyx.x_joint == 1) welds.push_back(BraceWeldOf(2, s.fy2, s.fu2, job.tyx.t2, s));
  return welds;
}

std::vector<BraceWeld> KnBraceWelds(const Job& job) {
  const JobSteel& s = job.steel;
  return {BraceWeldOf(1, s.fy1, s.fu1, job.kn.t1, s), BraceWeldOf(2, s.fy2, s.fu2, job.kn.t2, s)};
}

}  // namespace traxen
