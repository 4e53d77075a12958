// Circular hollow section reports rendered through the family's entry points inside the
// report's frame (page header and footer, title, schematic, report, brace welds), as the
// program's frame draws them, and turned into text.
#pragma once

#include <string>
#include <vector>

#include "joints/chs/chs_family.h"
#include "joints/welds/brace_weld_lines.h"
#include "families/joint_family.h"
#include "joints/welds/brace_welds.h"
#include "model/json_job_chs.h"
#include "report/pages.h"
#include "report/recording_surface.h"
#include "report/report_canvas.h"
#include "families/report_text.h"

namespace traxen::testing {

struct ChsRendered {
  RecordingSurface surface;
  std::vector<ReportTextPiece> pieces;
  CheckSummary summary;
  int failed = 0;
  int pages = 1;
  std::string text;
};

inline void RenderChsOnce(const Job& job, ChsRendered& out, PagePlan& plan, ReportLanguage language) {
  const bool kn = job.family.is_chs_kn == 1;
  ReportCanvas canvas(out.surface);
  canvas.language = language;
  canvas.info = &job.info;
  canvas.text_log = &out.pieces;
  canvas.plan = &plan;
  canvas.header_title = ReportTextKey::kHeaderTitleRoundTubes;
  out.surface.setPen({PenStyle::Solid, 0, kBlack});
  out.surface.setBrush(kWhite);
  out.surface.drawRect({80, 120}, {850, 1100});
  DrawPageHeader(canvas, 0, canvas.page_height);
  DrawPageFooter(canvas, 0, canvas.page_height);
  out.surface.setFont({"Times New Roman", 19, 700});
  const int y = NextLine(canvas, canvas.line_step, canvas.line_step);
  canvas.DrawLoggedText({canvas.left_margin, y - 35}, kn ? ChsKnTitle(job, language) : ChsTyxTitle(job, language),
                        y - 35);
  out.surface.setFont({"Times New Roman", 19, 400});
  if (kn) DrawChsKnSchematic(canvas, job);
  else DrawChsTyxSchematic(canvas, job);
  out.summary = kn ? RenderChsKnReport(canvas, job) : RenderChsTyxReport(canvas, job);
  if (canvas.failed == 0 && out.summary.valid && !out.summary.verdicts.empty())
    PrintBraceWelds(canvas, ComputeBraceWelds(job));
  out.failed = canvas.failed;
  out.pages = canvas.page_number;
}

// A page break that parts a group asks for another round, as the program's frame does.
inline void RenderChs(const Job& job, ChsRendered& out, ReportLanguage language = ReportLanguage::kEstonian) {
  PagePlan plan;
  for (int round = 1;; ++round) {
    out.surface = RecordingSurface();
    out.pieces.clear();
    plan.Restart();
    RenderChsOnce(job, out, plan, language);
    if (round >= 12 || !plan.AdoptRequests()) break;
  }
  out.text = ReportPiecesToText(out.pieces);
}

inline std::string ChsReportText(const Job& job, ReportLanguage language = ReportLanguage::kEstonian) {
  ChsRendered out;
  RenderChs(job, out, language);
  return out.text;
}

// The published T joint: chord 89 × 5, brace 60 × 3 at 90°, fy = 300 MPa, prestress −112 kN,
// brace −79.5 kN.
inline Job PublishedTJob() {
  Job job;
  job.steel.fy0 = job.steel.fy1 = job.steel.fy2 = 300;
  ConfirmChsTyx(job);
  return job;
}

// The published K gap joint: chord 219.1 × 12.5, braces 139.7 × 5 (−500 kN) and 114.3 × 3.6
// at 45°, e = 0, S355, N0_left = −1000 kN, A0 = 8110 mm².
inline Job PublishedKJob() {
  Job job;
  ConfirmChsKn(job);
  job.chord.A0 = 8110;
  return job;
}

}  // namespace traxen::testing
