// Overlap-joint check lines: which brace lies on top, its effective widths, the resistance
// formula of the overlap range and the verdict. The indices i and j print literally.
#include "joints/kn/kn_overlap_lines.h"

#include "joints/kn/kn_runs.h"

namespace traxen {

namespace {

LineWriter Line(ReportCanvas& canvas, std::string_view weight = "normal") {
  NewLine(canvas);
  return LineWriter(canvas, canvas.left_margin, weight);
}

void EffectiveWidths(ReportCanvas& canvas, const ReportInputs& in, const KnOverlapChecks& c) {
  Line(canvas)
      .Text("b", Sub("eff "), " = (10×f")
      .Text(Sub("yk0 "), "×t²", Sub("0 "))
      .Text("×b", Sub("i "), ") / (b")
      .Text(Sub("0 "), "×f", Sub("yki"))
      .Text("×t", Sub("i "), ") <= b")
      .Text(Sub("i "));
  LineWriter w = Line(canvas);
  w.Text("b", Sub("eff "), " = 10×")
      .Value("", "%3.0lf", in.fy0)
      .Value("×", "%3.1lf²", in.t0)
      .Value(" ×", "%3.1lf", c.b_i)
      .Value(" / (", "%3.1lf", in.b0)
      .Value("×", "%3.0lf", c.fy_i)
      .Value("×", "%3.1lf", c.t_i)
      .Value(" )  = ", "%3.1lf mm ", c.b_eff.formula);
  if (c.b_eff.capped)
    w.Value(" > ", "%3.1f mm, seega b", c.b_i).Value(Sub("eff "), " = ", "", "%3.1lf mm", c.b_i);
  else
    w.Value(" <= ", "%3.1lf mm", c.b_i);

  LineWriter p = Line(canvas);
  p.Text("b", Sub("e.p "), " = 10×b")
      .Text(Sub("i "), "×t", Sub("0 "))
      .Text(" / b", Sub("0 "), " = ")
      .Value("10×", "%3.1lf", c.b_i)
      .Value("×", "%3.1lf", in.t0)
      .Value("/ ", "%3.1lf", in.b0)
      .Value(" = ", "%3.1lf mm", c.b_ep.formula);
  if (c.b_ep.capped)
    p.Value(" > ", "%3.1lf mm, seega b", c.b_i).Value(Sub("e.p "), " = ", "", "%3.1lf mm", c.b_i);
  else
    p.Value(" <= ", "%3.1lf mm", c.b_i);

  Line(canvas)
      .Text("b", Sub("e.ov "), " = (10×f")
      .Text(Sub("ykj "), "×t²", Sub("j "))
      .Text("×b", Sub("i "), ") / (b")
      .Text(Sub("j "), "×f", Sub("yki"))
      .Text("×t", Sub("i "), ") <= b")
      .Text(Sub("i "));
  LineWriter o = Line(canvas);
  o.Text("b", Sub("e.ov "), " = 10×")
      .Value("", "%3.0lf", c.fy_j)
      .Value("×", "%3.1lf²", c.t_j)
      .Value(" ×", "%3.1lf", c.b_i)
      .Value(" / (", "%3.1lf", c.b_j)
      .Value("×", "%3.0lf", c.fy_i)
      .Value("×", "%3.1lf", c.t_i)
      .Value(" )  = ", "%3.1lf mm", c.b_eov.formula);
  if (c.b_eov.capped)
    o.Value(" > ", "%3.1lf , seega b", c.b_i).Value(Sub("e.ov "), " = ", "", "%3.1lf mm", c.b_i);
  else
    o.Value(" <= ", "%3.1lf mm", c.b_i);
}

void Resistance(ReportCanvas& canvas, const KnOverlapChecks& c) {
  const KnResistance& r = c.resistance;
  NewLine(canvas);
  LineWriter heading = Line(canvas, "bold");
  heading.Text("Võrgu varda kandevõime N", Sub("i,Rd "), " = ")
      .Text(r.reduced ? "0.9×f" : "f", Sub("yki "), "×t")
      .Text(Sub("i "));
  switch (c.range) {
    case KnOverlapRange::UpTo50:
      heading.Text("×[b", Sub("eff "), " + b")
          .Text(Sub("e.ov "), " + ", Greek("l"))
          .Text(Sub("ov "), "×(2×h", Sub("i "))
          .Text(" - 4×t", Sub("i "), ") / 50] ");
      break;
    case KnOverlapRange::Between50And80:
      heading.Text("×[b", Sub("eff "), " + b")
          .Text(Sub("e.ov "), " + ", "2×h")
          .Text(Sub("i "), " - 4×t", Sub("i "))
          .Text("] ");
      break;
    case KnOverlapRange::From80:
      heading.Text("×[b", Sub("i "), " + b")
          .Text(Sub("e.ov "), " + 2×h", Sub("i "))
          .Text(" - 4×t", Sub("i "), "] ");
      break;
  }

  LineWriter numbers = Line(canvas);
  numbers.Text("N", Sub("i,Rd "), " = ")
      .Value(r.reduced ? "0.9×" : "", "%3.0lf", c.fy_i)
      .Value("×", "%3.1lf", c.t_i);
  switch (c.range) {
    case KnOverlapRange::UpTo50:
      numbers.Value("×[ ", "%3.1lf", c.b_eff.value)
          .Value("+ ", "%3.1lf", c.b_eov.value)
          .Value(" + ", "%3.1lf", c.lambda_ov)
          .Value("×(2× ", "%3.1lf", c.h_i)
          .Value(" - 4×", "%3.1lf", c.t_i)
          .Value(" ) / 50 ]/ 1000  = ", "%3.1lf kN", r.N_Rd);
      break;
    case KnOverlapRange::Between50And80:
    case KnOverlapRange::From80:
      numbers.Value("×[ ", "%3.1lf", c.range == KnOverlapRange::From80 ? c.b_i : c.b_eff.value)
          .Value("+ ", "%3.1lf", c.b_eov.value)
          .Value("+ 2× ", "%3.1lf", c.h_i)
          .Value(" - 4×", "%3.1lf", c.t_i)
          .Value(" ]/ 1000  = ", "%3.1lf kN", r.N_Rd);
      break;
  }
  PrintKnVerdict(canvas, KnBraceVerdictIndices("i"), r);
}

}  // namespace

void PrintKnOverlapChecks(ReportCanvas& canvas, const ReportInputs& in, const KnOverlapChecks& c) {
  NewLine(canvas);
  Line(canvas).Text("Ülekattega K- ja N -lidete korral kontrollitakse vaid pealmist varrast");
  NewLine(canvas);
  if (in.b1 > in.b2)
    LineWriter(canvas, canvas.left_margin).Text("Pealmine on paremal olev varras i=2");
  else if (in.b2 > in.b1)
    LineWriter(canvas, canvas.left_margin).Text("Pealmine on vasakul olev varras i=1");
  Line(canvas).Text("Ülekattega liite kandevõime arvutuse abisuurused:");
  EffectiveWidths(canvas, in, c);
  Resistance(canvas, c);
}

}  // namespace traxen
