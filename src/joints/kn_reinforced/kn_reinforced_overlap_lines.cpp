// The printed brace failure checks of a reinforced overlap joint.
#include "joints/kn_reinforced/kn_reinforced_overlap_lines.h"

#include <cmath>
#include <string>

#include "report/line_writer.h"
#include "joints/kn/kn_verdict_lines.h"
#include "joints/kn/kn_width_lines.h"
#include "base/ieee_divide.h"
#include "joints/kn/kn_texts.h"
#include "joints/kn_reinforced/kn_reinforced_texts.h"
#include "report/report_words.h"

namespace traxen {

namespace {

void PrintBrace(ReportCanvas& canvas, const KnUsedInputs& used, const ReinforcedOverlapBrace& r) {
  const std::string n = r.brace == 2 ? "2" : "1";
  const std::string i = n + " ";
  const std::string yki = "yk" + n;
  const std::string rd = n + ",Rd ";
  const int lm = canvas.left_margin;
  const KnResistance& res = r.resistance;

  NewLine(canvas);
  LineWriter(canvas, lm).Text(Say(canvas, r.brace == 2 ? KnReinforcedTextKey::kRightBrace : KnReinforcedTextKey::kLeftBrace));
  NewLine(canvas);
  LineWriter(canvas, lm).Text(Say(canvas, KnTextKey::kOverlapValues));

  const KnWidthBrace brace{i, yki, r.fy, r.t, r.b};
  const KnChordValues& chord = used.chord;
  PrintKnEffectiveWidth(canvas, KnWidthKind::Effective,
                        {"yk0 ", "0 ", "0 ", chord.fy0, chord.t0, chord.b0}, brace, r.b_eff);
  // The plate stands in for the overlapped brace.
  const KnPlateValues& plate = used.plates;
  PrintKnEffectiveWidth(canvas, KnWidthKind::Overlap,
                        {"ykt ", "p ", "p ", plate.fy, plate.between_t, plate.between_b}, brace,
                        r.b_e_ov);

  NewLine(canvas);  // one empty line before the resistance
  NewLine(canvas);
  LineWriter(canvas, lm, "bold")
      .KeepTogether(2)
      .Text(Say(canvas, KnTextKey::kOverlapBraceHeading), Sub(rd), " = ")
      .Text(res.reduced ? "0.9×f" : "f", Sub(yki + " "), "×t")
      .Text(Sub(i), "×[b", Sub("eff "))
      .Text(" + b", Sub(std::string(Say(canvas, KnTextKey::kOverlapWidthIndex)) + " "), " + ")
      .Text(Greek(""), Sub(""), "2×h")
      .Text(Sub(i), " - 4×t", Sub(i))
      .Text("] ", Sub(""), "");
  NewLine(canvas);
  LineWriter(canvas, lm)
      .Text("N", Sub(rd), " = ")
      .Value(res.reduced ? "0.9×" : "", "", "", "%3.0lf", r.fy)
      .Value("×", "%3.1lf", r.t)
      .Value("×[ ", "%3.1lf", r.b_eff.value)
      .Value("+ ", "%3.1lf", r.b_e_ov.value)
      .Value("+ 2× ", "%3.1lf", r.h)
      .Value(" - 4×", "%3.1lf", r.t)
      .Value(" ]/ 1000  = ", Sup(""), "", "%3.1lf kN", res.N_Rd);
  PrintKnVerdict(canvas, KnBraceVerdictIndices(n, canvas.language), res);
}

}  // namespace

void PrintReinforcedOverlapChecks(ReportCanvas& canvas, const KnUsedInputs& used,
                                  const ReinforcedOverlapChecks& checks) {
  canvas.x = canvas.left_margin;
  NewLine(canvas);
  NewLine(canvas);
  LineWriter(canvas, canvas.left_margin)
      .Text(Say(canvas, KnReinforcedTextKey::kBothOverlapBraces),
            Sub(""), "");
  for (const ReinforcedOverlapBrace& brace : checks.braces) PrintBrace(canvas, used, brace);
}

}  // namespace traxen
