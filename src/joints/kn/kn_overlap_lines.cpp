// Overlap-joint check lines: which brace lies on top, its effective widths, the resistance
// formula of the overlap range and the verdict. The indices i and j print literally.
#include "joints/kn/kn_overlap_lines.h"
#include "joints/kn/kn_verdict_lines.h"

#include "report/line_writer.h"
#include "joints/kn/kn_texts.h"
#include "joints/kn/kn_width_lines.h"
#include "report/report_words.h"

namespace traxen {

namespace {

LineWriter Line(ReportCanvas& canvas, std::string_view weight = "normal") {
  NewLine(canvas);
  return LineWriter(canvas, canvas.left_margin, weight);
}

void EffectiveWidths(ReportCanvas& canvas, const KnChordValues& chord, const KnOverlapChecks& c) {
  const KnWidthBrace brace{"i ", "yki", c.fy_i, c.t_i, c.b_i};
  PrintKnEffectiveWidth(canvas, KnWidthKind::Effective,
                        {"yk0 ", "0 ", "0 ", chord.fy0, chord.t0, chord.b0}, brace, c.b_eff);
  PrintKnPunchingWidth(canvas, brace, "0 ", chord.t0, chord.b0, c.b_ep);
  PrintKnEffectiveWidth(canvas, KnWidthKind::Overlap, {"ykj ", "j ", "j ", c.fy_j, c.t_j, c.b_j},
                        brace, c.b_eov);
}

void Resistance(ReportCanvas& canvas, const KnOverlapChecks& c) {
  const KnResistance& r = c.resistance;
  const std::string ov_index = std::string(Say(canvas, KnTextKey::kOverlapWidthIndex)) + " ";
  NewLine(canvas);
  LineWriter heading = Line(canvas, "bold");
  heading.Text(Say(canvas, KnTextKey::kOverlapBraceHeading), Sub("i,Rd "), " = ")
      .Text(r.reduced ? "0.9×f" : "f", Sub("yki "), "×t")
      .Text(Sub("i "));
  switch (c.range) {
    case KnOverlapRange::UpTo50:
      heading.Text("×[b", Sub("eff "), " + b")
          .Text(Sub(ov_index), " + ", Greek("l"))
          .Text(Sub("ov "), "×(2×h", Sub("i "))
          .Text(" - 4×t", Sub("i "), ") / 50] ");
      break;
    case KnOverlapRange::Between50And80:
      heading.Text("×[b", Sub("eff "), " + b")
          .Text(Sub(ov_index), " + ", "2×h")
          .Text(Sub("i "), " - 4×t", Sub("i "))
          .Text("] ");
      break;
    case KnOverlapRange::From80:
      heading.Text("×[b", Sub("i "), " + b")
          .Text(Sub(ov_index), " + 2×h", Sub("i "))
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
  PrintKnVerdict(canvas, KnBraceVerdictIndices("i", canvas.language), r);
}

}  // namespace

void PrintKnOverlapChecks(ReportCanvas& canvas, const KnChordValues& chord, const KnOverlapChecks& c) {
  NewLine(canvas);
  Line(canvas).Text(Say(canvas, KnTextKey::kOverlapTopBraceOnly));
  NewLine(canvas);
  if (c.top_named)
    LineWriter(canvas, canvas.left_margin)
        .Text(Say(canvas, c.checked == 2 ? KnTextKey::kTopBraceRight : KnTextKey::kTopBraceLeft));
  Line(canvas).Text(Say(canvas, KnTextKey::kOverlapValues));
  EffectiveWidths(canvas, chord, c);
  Resistance(canvas, c);
}

}  // namespace traxen
