// Gap-joint check lines: per brace the auxiliary values, the chord state and the modes 1,
// 2, 3a, 3b and 4, each as symbols, numbers and verdict.
#include "joints/kn/kn_gap_lines.h"
#include "joints/kn/kn_verdict_lines.h"

#include <string>

#include "joints/kn/kn_geometry_lines.h"
#include "report/line_writer.h"
#include "joints/kn/kn_texts.h"
#include "joints/kn/kn_width_lines.h"
#include "report/report_words.h"

namespace traxen {

namespace {

std::string Index(const KnGapBraceChecks& c) { return c.brace.index == 2 ? "2" : "1"; }

// A mode's bold heading after an empty line.
// A mode's heading starts its block: heading, symbols, numbers and verdict on one page.
LineWriter Heading(ReportCanvas& canvas) {
  NewLine(canvas);
  NewLine(canvas);
  return LineWriter(canvas, canvas.left_margin, "bold").KeepTogether(4);
}

LineWriter Line(ReportCanvas& canvas) {
  NewLine(canvas);
  return LineWriter(canvas, canvas.left_margin);
}

}  // namespace

void PrintKnGapEffectiveWidths(ReportCanvas& canvas, const KnUsedInputs& used,
                               const KnGapBraceChecks& c) {
  const std::string i = Index(c);
  const std::string ii = i + " ";
  const std::string yki = "yk" + i;
  const KnWidthBrace brace{ii, yki, c.brace.fy, c.brace.t, c.brace.b};
  const KnChordValues& chord = used.chord;
  PrintKnEffectiveWidth(canvas, KnWidthKind::Effective,
                        {"yk0 ", "0 ", "0 ", chord.fy0, chord.t0, chord.b0}, brace, c.aux.b_eff);
  PrintKnPunchingWidth(canvas, brace, "0 ", used.chord.t0, used.chord.b0, c.aux.b_ep);
}

void PrintKnGapBetaGamma(ReportCanvas& canvas, const KnUsedInputs& used, const KnGapBraceChecks& c) {
  Line(canvas)
      .Value(Greek("b"), " = ", "", "%3.3lf", c.aux.beta)
      .Skip(50)
      .Text(Greek("g"), " = b", Sub("0 "))
      .Text(Say(canvas, KnTextKey::kGammaOver), Sub("0 "), Say(canvas, KnTextKey::kGammaEquals))
      .Value("", "%3.1lf", used.chord.b0)
      .Value(Say(canvas, KnTextKey::kGammaNumbersOver), "%3.1lf", used.chord.t0)
      .Value(Say(canvas, KnTextKey::kGammaEquals), "%3.3lf", c.aux.gamma);
}

void PrintKnGapShearArea(ReportCanvas& canvas, const KnUsedInputs& used, const KnGapBraceChecks& c) {
  Line(canvas)
      .Text(Greek("a"), " =  ", "{1 / [1 + 4×g² / (3×t²")
      .Text(Sub("0 "), ")]}", Sup("0.5"))
      .Value(" = { 1 / [1+4×", "%3.2lf²", used.g)
      .Value(" / (3×", "%3.1lf²", used.chord.t0)
      .Value(" )]}", Sup("0.5 "), " = ", "%3.3lf", c.aux.alpha);
  Line(canvas)
      .Text("A", Sub("V  "), " = (2×h")
      .Text(Sub("0 "), " + ", Greek("a"))
      .Text("×b", Sub("0 "), ")×t")
      .Text(Sub("0 "), " = ", "(2×")
      .Value("", "%3.1lf", used.chord.h0)
      .Value(" + ", "%3.3lf", c.aux.alpha)
      .Value("×", "%3.1lf", used.chord.b0)
      .Value(" )×", "%3.1lf", used.chord.t0)
      .Value(" = ", "%3.1lf mm²", c.aux.A_V);
}

void PrintKnGapMode1(ReportCanvas& canvas, const KnUsedInputs& used, const KnGapBraceChecks& c) {
  const std::string i = Index(c);
  const std::string rd = i + ",Rd ";
  const KnResistance& r = c.mode1;
  Heading(canvas).Text(Say(canvas, KnTextKey::kChordFaceHeading), Sub(rd));
  Line(canvas)
      .Text("N", Sub(rd), " = ")
      .Text(r.reduced ? "0.9×(8.9×k" : "(8.9×k", Sub(" n "), "×f")
      .Text(Sub(" yk0 "), "×t²", Sub(" 0 "))
      .Text("×(", Greek("g"), ")")
      .Text(Sup("0.5 "), "×", Greek("b"))
      .Text(" / ", "sin", Greek("q"))
      .Text(Sub(i));
  Line(canvas)
      .Text("N", Sub(rd), " = ")
      .Value(r.reduced ? "0.9×{(8.9×" : "{(8.9×", "%3.3lf", c.chord.kn)
      .Value("×", "%3.0lf", used.chord.fy0)
      .Value("×", "%3.1lf²", c.aux.t_face)
      .Value("×(", "%3.3lf)", c.aux.gamma)
      .Value(Sup("0.5 "), "×", "", "%3.3f", c.aux.beta)
      .Value(" / (1000×", "sin", "", "%3.1lf°", c.brace.theta)
      .Value(" )  = ", "%3.1lf kN", r.N_Rd);
  PrintKnVerdict(canvas, KnBraceVerdictIndices(i, canvas.language), r);
}

void PrintKnGapMode2(ReportCanvas& canvas, const KnUsedInputs&, const KnGapBraceChecks& c) {
  const std::string i = Index(c);
  const std::string rd = i + ",Rd ";
  const std::string sub = " " + i + " ";
  const KnBraceValues& b = c.brace;
  const KnResistance& r = c.mode2;
  Heading(canvas).Text(KnBraceHeading(KnTextKey::kBraceHeadingStart, i, KnTextKey::kBraceHeadingEnd, canvas.language), Sub(rd));
  Line(canvas)
      .Text("N", Sub(rd), " = ")
      .Text(r.reduced ? "0.9×" : "", "f", Sub(" yk" + i + " "))
      .Text("×t", Sub(sub), "×(2×h")
      .Text(Sub(sub), " - 4×t", Sub(sub))
      .Text(" + b", Sub(sub), " + b")
      .Text(Sub("eff "), ")");
  Line(canvas)
      .Text("N", Sub(rd), " = ")
      .Value(r.reduced ? "0.9×(" : "(", "%3.0lf", b.fy)
      .Value("×", "%3.1lf", b.t)
      .Value("×(2×", "%3.1lf", b.h)
      .Value(" - 4×", "%3.1lf", b.t)
      .Value(" + ", "%3.1f", b.b)
      .Value(" + ", "%3.1lf", c.aux.b_eff.value)
      .Value(" ) / 1000 = ", "%3.1lf kN", r.N_Rd);
  PrintKnVerdict(canvas, KnBraceVerdictIndices(i, canvas.language), r);
}

void PrintKnGapMode3a(ReportCanvas& canvas, const KnUsedInputs& used, const KnGapBraceChecks& c) {
  const std::string i = Index(c);
  const std::string rd = i + ",Rd ";
  const KnResistance& r = c.mode3a;
  Heading(canvas).Text(Say(canvas, KnTextKey::kChordShearHeading), Sub(rd));
  Line(canvas)
      .Text("N", Sub(rd), " = ")
      .Text(r.reduced ? "0.9×" : "", "f", Sub(" yk0 "))
      .Text("×A", Sub(" V "), " / (3")
      .Text(Sup("0.5 "), "×sin", Greek("q"))
      .Text(Sub(i + " "), " )");
  Line(canvas)
      .Text("N", Sub(rd), " = ")
      .Value(r.reduced ? "0.9×(" : "(", "%3.0lf", used.chord.fy0)
      .Value("×", "%3.1lf", c.aux.A_V)
      .Text(" ) / ( 3", Sup("0.5 "), "×1000×sin")
      .Value("", "%3.1lf°", c.brace.theta)
      .Value(" )  = ", "%3.1lf kN", r.N_Rd);
  PrintKnVerdict(canvas, KnBraceVerdictIndices(i, canvas.language), r);
}

void PrintKnGapMode3b(ReportCanvas& canvas, const KnUsedInputs& used, const KnGapBraceChecks& c) {
  const std::string i = Index(c);
  const KnResistance& r = c.mode3b;
  Heading(canvas).Text(Say(canvas, KnTextKey::kChordAxialHeading), Sub("0,Rd "));
  Line(canvas)
      .Text("N", Sub("0,Rd "), " = ")
      .Text(r.reduced ? "0.9×" : "", "f", Sub(" yk0 "))
      .Text("×(A", Sub(" 0 "), " - A")
      .Text(Sub(" V "), ") + ", "A")
      .Text(Sub("V "), "×f", Sub("yk0 "))
      .Text("×[1 - (V", Sub("Ed "), " / V")
      .Text(Sub(Say(canvas, KnTextKey::kPlasticShearIndex)), ")² ]", Sup("0.5 "))
      .Text(Say(canvas, KnTextKey::kWhere));
  Line(canvas)
      .Text("V", Sub("Ed  "), " = N")
      .Text(Sub(i + " "), "×sin", Greek("q"))
      .Text(Sub(i + " "), " = ")
      .Value("", "%3.1lf", c.brace.N)
      .Value("×sin", "%3.1lf°", c.brace.theta)
      .Value(" = ", "%3.1lf kN", c.V_Ed);
  Line(canvas)
      .Text("V", Sub(std::string(Say(canvas, KnTextKey::kPlasticShearIndex)) + "  "), " = A")
      .Text(Sub("V "), "×f", Sub("yk0"))
      .Text(" / (3", Sup("0.5 "), "×")
      .Text(Greek("g"), Sub("M0 "), ") = ")
      .Value("", "%3.1lf", c.aux.A_V)
      .Value("×", "%3.0lf", used.chord.fy0)
      .Text(" / (3", Sup("0.5 "), Say(canvas, KnTextKey::kShearNumbersThousand))
      .Value("", "%3.1lf", used.gamma_M0)
      .Value(") = ", "%3.1lf kN", c.V_pl_Rd);
  PrintKnChordForceLine(canvas, c.chord);
  Line(canvas)
      .Text("N", Sub("0,Rd "), " = ")
      .Value(r.reduced ? "0.9×{" : "{", "%3.0lf", used.chord.fy0)
      .Value("×(", "%3.1lf", c.aux.A0)
      .Value(" - ", "%3.1lf", c.aux.A_V)
      .Value(" ) + ", "%3.1lf", c.aux.A_V)
      .Value("×", "%3.1lf", used.chord.fy0)
      .Value("×[1 - (", "%3.1lf", c.V_Ed)
      .Value(" / ", "%3.1lf", c.V_pl_Rd)
      .Text(")²]", Sup("0.5 "), "} /1000 = ")
      .Value("", "%3.1lf kN", r.N_Rd);
  PrintKnVerdict(canvas, KnChordVerdictIndices(canvas.language), r);
}

void PrintKnGapMode4(ReportCanvas& canvas, const KnUsedInputs& used, const KnGapBraceChecks& c) {
  if (!c.punching_applies) return;
  const std::string i = Index(c);
  const std::string rd = i + ",Rd ";
  const std::string ii = i + " ";
  const KnBraceValues& b = c.brace;
  const KnResistance& r = c.mode4;
  Heading(canvas)
      .Text(KnBraceHeading(KnTextKey::kPunchingHeadingStart, i, KnTextKey::kPunchingHeadingEnd, canvas.language), Sub(rd),
            Say(canvas, KnTextKey::kPunchingWhen))
      .Text(Greek("b"), " <= (1 - 1 / ", Greek("g"))
      .Text(")");
  Line(canvas)
      .Value(Greek("b"), " = ", "", "%3.2lf", c.aux.beta)
      .Value(" <= (1 - 1 / ", "%3.2lf", c.aux.gamma)
      .Value(" ) = ", "%3.2lf", c.punching_limit);
  Line(canvas)
      .Text("N", Sub(rd), " = ")
      .Text(r.reduced ? "0.9×" : "", "f", Sub(" yk0 "))
      .Text("×t", Sub(" 0 "), "×(2×h")
      .Text(Sub(" " + ii), " / sin", Greek("q"))
      .Text(Sub(ii), " + b", Sub(ii))
      .Text(" + b", Sub(Say(canvas, KnTextKey::kPunchingWidthIndex)), " ) / (3")
      .Text(Sup("0.5 "), "×sin", Greek("q"))
      .Text(Sub(ii), ")");
  Line(canvas)
      .Text("N", Sub(rd), " = ")
      .Value(r.reduced ? "0.9×(" : "(", "%3.0lf", used.chord.fy0)
      .Value("×", "%3.1lf", c.aux.t_face)
      .Value("×(2×", "%3.1lf", b.h)
      .Value(" / sin", "%3.1lf°", b.theta)
      .Value(" + ", "%3.1lf", b.b)
      .Value(" + ", "%3.1f", c.aux.b_ep.value)
      .Text(" ) / ( 3", Sup("0.5 "), "×1000×sin")
      .Value("", "%3.1lf°", b.theta)
      .Value(" )  = ", "%3.1lf kN", r.N_Rd);
  PrintKnVerdict(canvas, KnBraceVerdictIndices(i, canvas.language), r);
}

void PrintKnGapBrace(ReportCanvas& canvas, const KnUsedInputs& used, const KnGapBraceChecks& c) {
  PrintKnGapEffectiveWidths(canvas, used, c);
  PrintKnGapBetaGamma(canvas, used, c);
  PrintKnGapShearArea(canvas, used, c);
  PrintKnChordStateLines(canvas, c.chord);
  PrintKnGapMode1(canvas, used, c);
  PrintKnGapMode2(canvas, used, c);
  PrintKnGapMode3a(canvas, used, c);
  PrintKnGapMode3b(canvas, used, c);
  PrintKnGapMode4(canvas, used, c);
  NewLine(canvas);
  NewLine(canvas);
}

void PrintKnGapChecks(ReportCanvas& canvas, const KnUsedInputs& used, const KnGapChecks& checks) {
  NewLine(canvas);
  NewLine(canvas);
  LineWriter(canvas, canvas.left_margin)
      .Text(Say(canvas, KnTextKey::kGapBothBraces));
  Line(canvas).Text(Say(canvas, KnTextKey::kGapBrace1Check));
  Line(canvas).Text(Say(canvas, KnTextKey::kGapBrace1Values));
  PrintKnGapBrace(canvas, used, checks.brace1);
  NewLine(canvas);
  NewLine(canvas);
  LineWriter(canvas, canvas.left_margin)
      .Text(Say(canvas, KnTextKey::kGapBrace2Check));
  Line(canvas).Text(Say(canvas, KnTextKey::kGapBrace2Values));
  PrintKnGapBrace(canvas, used, checks.brace2);
}

}  // namespace traxen
