// The circular hollow section families' side of the registry: the title above the sketch,
// then the family's own schematic and report, all from the Job record.
#include "families/chs_families.h"

#include "joints/chs/chs_family.h"
#include "report/pages.h"

namespace traxen {

namespace {
const Font kBody{"Times New Roman", 19, 400};
const Font kBold{"Times New Roman", 19, 700};

CheckSummary RenderChs(ReportCanvas& canvas, const Job& job, bool sketch, bool kn) {
  canvas.failed = 0;
  canvas.surface.setFont(kBold);
  const int y = NextLine(canvas, canvas.line_step, canvas.line_step);
  canvas.DrawLoggedText({canvas.left_margin, y - 35}, kn ? ChsKnTitle(job, canvas.language) : ChsTyxTitle(job, canvas.language),
                        y - 35);
  canvas.surface.setFont(kBody);
  if (sketch) {
    if (kn) DrawChsKnSchematic(canvas, job);
    else DrawChsTyxSchematic(canvas, job);
  }
  return kn ? RenderChsKnReport(canvas, job) : RenderChsTyxReport(canvas, job);
}
}  // namespace

CheckSummary CheckChsTyxFamily(const FamilyJob& job, ReportLanguage language) { return CheckChsTyxJob(job.job, language); }
CheckSummary CheckChsKnFamily(const FamilyJob& job, ReportLanguage language) { return CheckChsKnJob(job.job, language); }

CheckSummary RenderChsTyxFamily(ReportCanvas& canvas, const FamilyJob& job, bool sketch) {
  return RenderChs(canvas, job.job, sketch, false);
}
CheckSummary RenderChsKnFamily(ReportCanvas& canvas, const FamilyJob& job, bool sketch) {
  return RenderChs(canvas, job.job, sketch, true);
}

std::vector<BraceWeld> ChsTyxBraceWelds(const Job& job) {
  const JobSteel& s = job.steel;
  std::vector<BraceWeld> welds{BraceWeldOf(1, s.fy1, s.fu1, job.chs_tyx.t1, s)};
  // The lower brace of a circular X joint is brace 1 mirrored, steel and all.
  if (job.chs_tyx.x_joint == 1) welds.push_back(BraceWeldOf(2, s.fy1, s.fu1, job.chs_tyx.t1, s));
  return welds;
}

std::vector<BraceWeld> ChsKnBraceWelds(const Job& job) {
  const JobSteel& s = job.steel;
  return {BraceWeldOf(1, s.fy1, s.fu1, job.chs_kn.t1, s), BraceWeldOf(2, s.fy2, s.fu2, job.chs_kn.t2, s)};
}

}  // namespace traxen
