// The families of round braces on a rectangular chord: the title above the sketch, then the
// family's own schematic and report, all from the Job record.
#include "families/rc_families.h"

#include "joints/rc/rc_family.h"
#include "report/pages.h"

namespace traxen {

namespace {
const Font kBody{"Times New Roman", 19, 400};
const Font kBold{"Times New Roman", 19, 700};

CheckSummary RenderRc(ReportCanvas& canvas, const Job& job, bool sketch, bool kn) {
  canvas.failed = 0;
  canvas.surface.setFont(kBold);
  const int y = NextLine(canvas, canvas.line_step, canvas.line_step);
  canvas.DrawLoggedText({canvas.left_margin, y - 35}, kn ? RcKnTitle(job, canvas.language) : RcTyxTitle(job, canvas.language),
                        y - 35);
  canvas.surface.setFont(kBody);
  if (sketch) {
    if (kn) DrawRcKnSchematic(canvas, job);
    else DrawRcTyxSchematic(canvas, job);
  }
  return kn ? RenderRcKnReport(canvas, job) : RenderRcTyxReport(canvas, job);
}
}  // namespace

CheckSummary CheckRcTyxFamily(const FamilyJob& job, ReportLanguage language) { return CheckRcTyxJob(job.job, language); }
CheckSummary CheckRcKnFamily(const FamilyJob& job, ReportLanguage language) { return CheckRcKnJob(job.job, language); }

CheckSummary RenderRcTyxFamily(ReportCanvas& canvas, const FamilyJob& job, bool sketch) {
  return RenderRc(canvas, job.job, sketch, false);
}
CheckSummary RenderRcKnFamily(ReportCanvas& canvas, const FamilyJob& job, bool sketch) {
  return RenderRc(canvas, job.job, sketch, true);
}

std::vector<BraceWeld> RcTyxBraceWelds(const Job& job) {
  const JobSteel& s = job.steel;
  std::vector<BraceWeld> welds{BraceWeldOf(1, s.fy1, s.fu1, job.rc_tyx.t1, s)};
  if (job.rc_tyx.x_joint == 1) welds.push_back(BraceWeldOf(2, s.fy1, s.fu1, job.rc_tyx.t1, s));
  return welds;
}

std::vector<BraceWeld> RcKnBraceWelds(const Job& job) {
  const JobSteel& s = job.steel;
  return {BraceWeldOf(1, s.fy1, s.fu1, job.rc_kn.t1, s), BraceWeldOf(2, s.fy2, s.fu2, job.rc_kn.t2, s)};
}

}  // namespace traxen
