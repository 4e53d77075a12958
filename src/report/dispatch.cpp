// Rendering frame of a report: page 1, the copy of the working values, the family title and
// the hand-over to the joint family's schematic and report. The one place in report/ that
// calls the joint families, and the one that routes a K/N job to its plain or reinforced
// report.
#include "report/dispatch.h"

#include "joints/kn/kn_geometry.h"
#include "joints/kn/kn_report.h"
#include "joints/kn_reinforced/kn_reinforced_report.h"
#include "joints/tyx/tyx_report.h"
#include "report/pages.h"

namespace traxen {

void CopyTyxInputs(const Job& job, ReportInputs& in) {
  const TyxJoint& t = job.tyx;
  in.tyx_face_plate = t.face_plate;
  in.tyx_side_plates = t.side_plates;
  in.tyx_x_joint = t.x_joint;
  in.fy0 = job.steel.fy0;
  in.fy1 = job.steel.fy1;
  in.fy2 = job.steel.fy2;
  in.fy_plate = job.steel.fy_plate;
  in.E = job.steel.E;
  in.gamma_M0 = job.steel.gamma_M0;
  in.h0 = t.h0, in.b0 = t.b0, in.t0 = t.t0;
  in.h1 = t.h1, in.b1 = t.b1, in.t1 = t.t1;
  in.h2 = t.h2, in.b2 = t.b2, in.t2 = t.t2;
  in.theta1 = t.theta1;
  in.theta2 = t.theta2;
  in.N0_left = t.N0;
  in.N0_right = t.N0;
  in.N1 = t.N1;
  in.N2 = t.N1;  // brace 2 carries the brace force; tyx.N2 is the dialog's copy only
  in.M0 = t.M0;
  in.A0 = job.chord.A0;
  in.Wel0 = job.chord.Wel0;
  in.L0_left = job.len.L0_left, in.L0_right = job.len.L0_right;
  in.L1 = job.len.L1, in.L2 = job.len.L2;
  in.chord_class = t.chord_class;
  in.brace1_class = t.brace_class;
  const JobPlates& p = job.plate;
  in.face_l = p.face_l, in.face_b = p.face_b, in.face_t = p.face_t;
  in.side_l = p.side_l, in.side_b = p.side_b, in.side_t = p.side_t;
}

void CopyKnInputs(const Job& job, ReportInputs& in) {
  const KnJoint& k = job.kn;
  in.kn_face_plate = k.face_plate;
  in.kn_side_plates = k.side_plates;
  in.kn_overlap_plate = k.overlap_plate;
  in.fy0 = job.steel.fy0;
  in.fy1 = job.steel.fy1;
  in.fy2 = job.steel.fy2;
  in.fy_plate = job.steel.fy_plate;
  in.E = job.steel.E;
  in.gamma_M0 = job.steel.gamma_M0;
  in.h0 = k.h0, in.b0 = k.b0, in.t0 = k.t0;
  in.h1 = k.h1, in.b1 = k.b1, in.t1 = k.t1;
  in.h2 = k.h2, in.b2 = k.b2, in.t2 = k.t2;
  in.theta1 = k.theta1;
  in.theta2 = k.theta2;
  in.N0_left = k.N0_left;
  in.N0_right = k.N0_right;
  in.N1 = k.N1;
  in.N2 = k.N2;
  in.M0 = k.M0;
  in.e = k.e;
  in.A0 = job.chord.A0;
  in.Wel0 = job.chord.Wel0;
  in.L0_left = job.len.L0_left, in.L0_right = job.len.L0_right;
  in.L1 = job.len.L1, in.L2 = job.len.L2;
  in.chord_class = k.chord_class;
  in.brace1_class = k.brace1_class;
  in.brace2_class = k.brace2_class;
  const JobPlates& p = job.plate;
  in.face_l = p.face_l, in.face_b = p.face_b, in.face_t = p.face_t;
  in.side_l = p.side_l, in.side_b = p.side_b, in.side_t = p.side_t;
  in.overlap_l = p.overlap_l, in.overlap_b = p.overlap_b, in.overlap_t = p.overlap_t;
}

std::string TyxTitle(const ReportInputs& in) {
  return (in.tyx_face_plate == 1 || in.tyx_side_plates == 1) ? "  TUGEVDUSEGA X, Y ja T TRAXEN "
                                                              : " X, Y ja T TRAXEN ";
}

std::string KnTitle(const ReportInputs& in) {
  if (in.g > 0) {
    return (in.kn_face_plate == 1 || in.kn_side_plates == 1) ? "  TUGEVDUSEGA ÜLEKATTETA KN SÕLM "
                                                             : "  ÜLEKATTETA KN SÕLM ";
  }
  if (in.g < 0) {
    return in.kn_overlap_plate == 1 ? "  TUGEVDUSEGA ÜLEKATTEGA KN SÕLM " : "  ÜLEKATTEGA KN SÕLM ";
  }
  return "";  // g exactly 0 (or not a number): no title
}

RenderResult RenderReport(DrawingSurface& surface, const Job& job, const ReportInputs& working, int last_dialog,
                          const RenderOptions& options) {
  const Font body{"Times New Roman", 19, 400};
  const Font bold{"Times New Roman", 19, 700};
  const Pen black{PenStyle::Solid, 0, kBlack};
  const Pen separator{PenStyle::Dash, 0, {210, 210, 210}};

  ReportCanvas canvas(surface);
  canvas.info = &job.info;
  canvas.now = options.now;
  canvas.text_log = options.text_log;

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

  if (job.family.is_tyx == 1) {
    canvas.failed = 0;
    surface.setFont(bold);
    const int y = NextLine(canvas, canvas.line_step, canvas.line_step);
    CopyTyxInputs(job, in);
    canvas.DrawLoggedText({canvas.x, y - 35}, TyxTitle(in), y - 35);
    const bool schematic = last_dialog == 1;
    SetTyxDrawnAngle(in, schematic);
    if (schematic) DrawTyxSchematic(canvas, in);
    RenderTyxReport(canvas, in);
  }
  if (job.family.is_kn == 1) {
    surface.setFont(bold);
    const int y1 = NextLine(canvas, canvas.line_step, canvas.line_step);
    surface.setFont(body);
    canvas.failed = 0;
    CopyKnInputs(job, in);
    StoreKnGeometry(in);
    DrawKnSchematic(canvas, in);
    NextLine(canvas, canvas.line_step, canvas.line_step);
    surface.setFont(bold);
    const std::string title = KnTitle(in);
    if (!title.empty()) canvas.DrawLoggedText({canvas.left_margin, y1 - 35}, title, y1 - 35);
    if (HasKnPlate(in))
      RenderReinforcedKnReport(canvas, in);
    else
      RenderPlainKnReport(canvas, in);
  }
  return {canvas.page_number, canvas.failed};
}

CheckSummary CheckJob(const Job& job, const ReportInputs& working, int last_dialog) {
  ReportInputs in = working;
  in.E = job.steel.E;
  if (job.family.is_tyx == 1) {
    CopyTyxInputs(job, in);
    SetTyxDrawnAngle(in, last_dialog == 1);
    CheckSummary s = CheckTyxJoint(in);
    s.family = "tyx";
    s.title = TyxTitle(in);
    return s;
  }
  if (job.family.is_kn == 1) {
    CopyKnInputs(job, in);
    StoreKnGeometry(in);
    CheckSummary s = HasKnPlate(in) ? CheckReinforcedKnJoint(in) : CheckPlainKnJoint(in);
    s.family = "kn";
    s.title = KnTitle(in);
    return s;
  }
  return CheckSummary{};
}

}  // namespace traxen
