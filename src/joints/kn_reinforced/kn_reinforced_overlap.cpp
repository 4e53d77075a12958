// Brace failure of both braces of a reinforced overlap joint, computed and printed.
#include "joints/kn_reinforced/kn_reinforced_overlap.h"

#include <cmath>
#include <string>

#include "joints/kn_reinforced/formula_line.h"
#include "report/pages.h"

namespace traxen {

namespace {

int Advance(ReportCanvas& canvas) {
  canvas.x = canvas.left_margin;
  return NextLine(canvas, canvas.line_step, canvas.line_step);
}

ReinforcedOverlapBrace ComputeBrace(const ReportInputs& in, int brace) {
  ReinforcedOverlapBrace r;
  r.brace = brace;
  r.fy = brace == 1 ? in.fy1 : in.fy2;
  r.b = brace == 1 ? in.b1 : in.b2;
  r.h = brace == 1 ? in.h1 : in.h2;
  r.t = brace == 1 ? in.t1 : in.t2;
  const double N = brace == 1 ? in.N1 : in.N2;
  r.b_eff = CapWidth(10 * in.fy0 * in.t0 * in.t0 * r.b / (in.b0 * r.fy * r.t), r.b);
  // The plate stands in for the overlapped brace: its width, thickness and steel.
  r.b_e_ov = CapWidth(
      10 * in.fy_plate * in.overlap_t * in.overlap_t * r.b / (in.overlap_b * r.fy * r.t), r.b);
  // One formula whatever the overlap: the plate carries what the overlapped brace would.
  r.resistance = MakeKnResistance(
      r.fy * r.t * (r.b_eff.value + r.b_e_ov.value + 2 * r.h - 4 * r.t) / 1000, r.fy, N);
  return r;
}

void PrintBrace(ReportCanvas& canvas, const ReportInputs& in, const ReinforcedOverlapBrace& r) {
  const std::string n = r.brace == 2 ? "2" : "1";
  const std::string i = n + " ";
  const std::string yki = r.brace == 2 ? "yk2" : "yk1";
  const int lm = canvas.left_margin;

  Advance(canvas);
  FormulaLine(canvas, lm).Text(r.brace == 2 ? "Paremal olev varras i=2" : "Vasakul olev varras i=1");
  Advance(canvas);
  FormulaLine(canvas, lm).Text("Ülekattega liite kandevõime arvutuse abisuurused:");

  Advance(canvas);
  FormulaLine(canvas, lm)
      .Text("b").Sub("eff ").Text(" = (10×f").Sub("yk0 ").Text("×t²").Sub("0 ")
      .Text("×b").Sub(i).Text(") / (b").Sub("0 ").Text("×f").Sub(yki)
      .Text("×t").Sub(i).Text(") <= b").Sub(i);
  Advance(canvas);
  {
    FormulaLine line(canvas, lm);
    line.Text("b").Sub("eff ").Text(" = 10×").End();
    line.Value("%3.0lf", in.fy0).Text("×").Value("%3.1lf²", in.t0);
    line.Text(" ×").Value("%3.1lf", r.b).Text(" / (").Value("%3.1lf", in.b0);
    line.Text("×").Sup("").Text("").Value("%3.0lf", r.fy).Text("×").Value("%3.1lf", r.t);
    line.Text(" )  = ").Sup("").Text("").Value("%3.1lf mm ", r.b_eff.formula);
    if (!r.b_eff.capped) {
      line.Text(" <= ").Value("%3.1lf mm", r.b);
    } else {
      line.Text(" > ").Sup("").Text("").Value("%3.1f mm, seega b", r.b);
      line.Sub("eff ").Text(" = ").Text("").Value("%3.1lf mm", r.b);
    }
  }

  Advance(canvas);
  FormulaLine(canvas, lm)
      .Text("b").Sub("e.ov ").Text(" = (10×f").Sub("ykt ").Text("×t²").Sub("p ")
      .Text("×b").Sub(i).Text(") / (b").Sub("p ").Text("×f").Sub(yki)
      .Text("×t").Sub(i).Text(") <= b").Sub(i);
  Advance(canvas);
  {
    FormulaLine line(canvas, lm);
    line.Text("b").Sub("e.ov ").Text(" = 10×").End();
    line.Value("%3.0lf", in.fy_plate).Text("×").Value("%3.1lf²", in.overlap_t);
    line.Text(" ×").Value("%3.1lf", r.b).Text(" / (").Value("%3.1lf", in.overlap_b);
    line.Text("×").Sup("").Text("").Value("%3.0lf", r.fy).Text("×").Value("%3.1lf", r.t);
    line.Text(" )  = ").Sup("").Text("").Value("%3.1lf mm", r.b_e_ov.formula);
    if (!r.b_e_ov.capped) {
      line.Text(" <= ").Value("%3.1lf mm", r.b);
    } else {
      line.Text(" > ").Sup("").Text("").Value("%3.1lf , seega b", r.b);
      line.Sub("e.ov ").Text(" = ").Text("").Value("%3.1lf mm", r.b);
    }
  }

  Advance(canvas);  // one empty line before the resistance
  Advance(canvas);
  FormulaLine(canvas, lm, "bold")
      .Text("Võrgu varda kandevõime N").Sub(n + ",Rd ").Text(" = ")
      .Text(r.resistance.reduced ? "0.9×f" : "f").Sub(yki + " ").Text("×t")
      .Sub(i).Text("×[b").Sub("eff ")
      .Text(" + b").Sub("e.ov ").Text(" + ")
      .Greek("").Sub("").Text("2×h")
      .Sub(i).Text(" - 4×t").Sub(i)
      .Text("] ");
  Advance(canvas);
  {
    FormulaLine line(canvas, lm);
    line.Text("N").Sub(n + ",Rd ").Text(" = ").End();
    line.Text(r.resistance.reduced ? "0.9×" : "").Text("").Text("").Value("%3.0lf", r.fy);
    line.Text("×").Value("%3.1lf", r.t);
    line.Text("×[ ").Value("%3.1lf", r.b_eff.value);
    line.Text("+ ").Value("%3.1lf", r.b_e_ov.value);
    line.Text("+ 2× ").Value("%3.1lf", r.h);
    line.Text(" - 4×").Value("%3.1lf", r.t);
    line.Text(" ]/ 1000  = ").Sup("").Text("").Value("%3.1lf kN", r.resistance.N_Rd);
  }
  PrintKnVerdict(canvas, KnBraceVerdictIndices(n), r.resistance);
}

}  // namespace

ReinforcedOverlapChecks ComputeReinforcedOverlapChecks(const ReportInputs& in) {
  ReinforcedOverlapChecks c;
  c.braces[0] = ComputeBrace(in, 1);
  c.braces[1] = ComputeBrace(in, 2);
  return c;
}

void AppendReinforcedOverlapVerdicts(const ReinforcedOverlapChecks& c,
                                     std::vector<ResistanceVerdict>& out) {
  for (const ReinforcedOverlapBrace& b : c.braces) {
    out.push_back({b.brace, "overlap", b.resistance.N_Rd, b.resistance.N_Ed, b.resistance.passed});
  }
}

void PrintReinforcedOverlapChecks(ReportCanvas& canvas, const ReportInputs& in,
                                  const ReinforcedOverlapChecks& checks) {
  Advance(canvas);
  Advance(canvas);
  FormulaLine(canvas, canvas.left_margin)
      .Text(" Tugevdatud ülekattega K- ja N -liidete korral kontrollitakse mõlemat varrast i = 1,2")
      .Sub("").Text("");
  for (const ReinforcedOverlapBrace& brace : checks.braces) PrintBrace(canvas, in, brace);
}

}  // namespace traxen
