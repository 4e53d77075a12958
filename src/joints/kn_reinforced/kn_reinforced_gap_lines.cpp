// The printed reinforced gap-joint checks of both braces, with the plain lines where nothing
// changes.
#include "joints/kn_reinforced/kn_reinforced_gap_lines.h"

#include <cmath>
#include <string>

#include "joints/kn/kn_gap_lines.h"
#include "joints/kn/kn_verdict_lines.h"
#include "joints/kn/kn_geometry_lines.h"
#include "report/line_writer.h"
#include "joints/kn/kn_width_lines.h"
#include "base/ieee_divide.h"
#include "joints/kn/kn_texts.h"
#include "joints/kn_reinforced/kn_reinforced_texts.h"
#include "report/report_words.h"

namespace traxen {

namespace {

std::string IndexOf(const KnBraceValues& b) { return b.index == 2 ? "2" : "1"; }

// b_eff and b_e,p against the face plate: its steel, thickness and the brace width.
void PrintFacePlateEffectiveWidths(ReportCanvas& canvas, const KnUsedInputs& used,
                                   const KnGapPlates& plates, const KnGapBraceChecks& c) {
  const KnBraceValues& b = c.brace;
  const std::string i = IndexOf(b) + " ";
  const std::string yki = "yk" + IndexOf(b);
  const KnWidthBrace brace{i, yki, b.fy, b.t, b.b};
  PrintKnEffectiveWidth(canvas, KnWidthKind::Effective,
                        {"ykt ", "p ", "0 ", used.plates.fy, plates.t_p, used.chord.b0}, brace, c.aux.b_eff);
  PrintKnPunchingWidth(canvas, brace, "p ", plates.t_p, used.chord.b0, c.aux.b_ep);
}

// "β = 0.333" and, 50 units further, γ with the wall the braces stand on: the face plate.
void PrintFacePlateBetaGamma(ReportCanvas& canvas, const KnUsedInputs& used,
                             const KnGapPlates& plates, double beta, double gamma) {
  NewLine(canvas);
  const int x = LineWriter(canvas, canvas.left_margin).Value(Greek("b"), " = ", "", "%3.3lf", beta).x();
  LineWriter(canvas, x + 50)
      .Text(Greek("g"), " = b", Sub("0 "))
      .Text(Say(canvas, KnTextKey::kGammaOver), Sub("p "), Say(canvas, KnTextKey::kGammaEquals))
      .Value("", "%3.1lf", used.chord.b0)
      .Value(Say(canvas, KnTextKey::kGammaNumbersOver), "%3.1lf", plates.t_p)
      .Value(Say(canvas, KnTextKey::kGammaEquals), "%3.3lf", gamma);
}

// The side-plate step: the reinforced chord area, β and γ again, α and the shear area with
// the side walls thickened by the side plates.
void PrintSidePlateLines(ReportCanvas& canvas, const KnUsedInputs& used,
                         const ReinforcedGapChecks& checks, const KnGapBraceChecks& c) {
  const KnGapPlates& pl = checks.plates;
  const KnGapAux& a = c.aux;
  const int lm = canvas.left_margin;

  NewLine(canvas);
  LineWriter(canvas, lm)
      .Text("A", Sub("0 "), " = A ")
      .Text(Sub("0 "), " + 2×t", Sub("pk "))
      .Text(" × b", Sub("pk"), " + t")
      .Text(Sub("pp "), " × b", Sub("pp "))
      .Value(" = ", Sup(""), "", "%3.1lf", checks.A0_chord)
      .Value("+ 2× ", "%3.1lf", pl.t_pk)
      .Value(" × ", "%3.1lf", pl.b_pk)
      .Value(" + ", "%3.1lf", pl.t_pp)
      .Value(" × ", "%3.1lf", pl.b_pp)
      .Value(" = ", Sup(""), "", "%3.1lf mm²", a.A0);

  // γ of the side-plate step reads the face plate's thickness when there is one; the line
  // shows exactly the thickness the value was formed with.
  NewLine(canvas);
  const int x = LineWriter(canvas, lm).Value(Greek("b"), " = ", "", "%3.3lf", a.beta).x();
  if (pl.face) {
    LineWriter(canvas, x + 50)
        .Text(Greek("g"), " = b", Sub("0 "))
        .Text(Say(canvas, KnTextKey::kGammaSumOver), Sub("0 "), " + t")
        .Text(Sub("p "), Say(canvas, KnTextKey::kGammaSumEquals), "")
        .Value("", "%3.1lf", used.chord.b0)
        .Value(Say(canvas, KnTextKey::kGammaSumNumbersOver), "%3.1lf", used.chord.t0)
        .Value(" + ", "%3.0lf", pl.t_p)  // the plate thickness in whole millimetres
        .Value(Say(canvas, KnTextKey::kGammaSumEquals), "%3.3lf", a.gamma);
  } else {
    LineWriter(canvas, x + 50)
        .Text(Greek("g"), " = b", Sub("0 "))
        .Text(Say(canvas, KnTextKey::kGammaOver), Sub("0 "), Say(canvas, KnTextKey::kGammaEquals))
        .Value("", "%3.1lf", used.chord.b0)
        .Value(Say(canvas, KnTextKey::kGammaNumbersOver), "%3.1lf", used.chord.t0)
        .Value(Say(canvas, KnTextKey::kGammaEquals), "%3.3lf", a.gamma);
  }

  // "(3×(t0 + tpk)²)": the bracket opens before t0 and closes after the square, so the
  // numbers read as the formula does.
  NewLine(canvas);
  LineWriter(canvas, lm)
      .Text(Greek("a"), " =  ", "{1 / [1 + 4×g² / (3×(t")
      .Text(Sub("0 "), " + t", Sub("p "))
      .Text(")²", ")]}", Sup("0.5"))
      .Value(" = { 1 / [1+4×", "%3.2lf²", used.g)
      .Value(" / (3×(", "%3.1lf", used.chord.t0)
      .Value(" + ", "%3.1lf)²", pl.t_pk)
      .Value(")]}", Sup("0.5 "), " = ", "%3.3lf", a.alpha);

  NewLine(canvas);
  LineWriter(canvas, lm)
      .Text("A", Sub("V  "), " = (2×h")
      .Text(Sub("0 "), " + ", Greek("a"))
      .Text("×b", Sub("0 "), ")×(t")
      .Text(Sub("0 "), " + t ", Sub("p "))
      .Text(") ", " = ", Greek(""))
      .Value("(2×", "%3.1lf", used.chord.h0)
      .Value(" + ", "%3.3lf", a.alpha)
      .Value("×", Sup(""), "", "%3.1lf", used.chord.b0)
      .Value(" )×( ", "%3.1lf", used.chord.t0)
      .Value(" + ", Sup(""), "", "%3.1lf )", pl.t_pk)
      .Value(" = ", Sup(""), "", "%3.1lf mm²", a.A_V);
}

// Chord face failure with the face plate in place of the chord face.
void PrintFacePlateMode1(ReportCanvas& canvas, const KnUsedInputs& used, const KnGapPlates& plates,
                         const KnGapBraceChecks& c) {
  const KnBraceValues& b = c.brace;
  const std::string n = IndexOf(b);
  const std::string rd = n + ",Rd ";
  const bool reduced = c.mode1.reduced;
  const int lm = canvas.left_margin;
  NewLine(canvas);
  NewLine(canvas);
  LineWriter(canvas, lm, "bold").KeepTogether(2).Text(Say(canvas, KnTextKey::kChordFaceHeading), Sub(rd));
  NewLine(canvas);
  LineWriter(canvas, lm)
      .Text("N", Sub(rd), " = ")
      .Text(reduced ? "0.9×(8.9×k" : "(8.9×k", Sub(" n "), "×f")
      .Text(Sub(" yk0 "), "×t²", Sub("p "))
      .Text("×(", Greek("g"), ")")
      .Text(Sup("0.5 "), "×", Greek("b"))
      .Text(" / ", "sin", Greek("q"))
      .Text(Sub(n));
  NewLine(canvas);
  LineWriter(canvas, lm)
      .Text("N", Sub(rd), " = ")
      .Value(reduced ? "0.9×{(8.9×" : "{(8.9×", "%3.3lf", c.chord.kn)
      .Value("×", "%3.0lf", used.chord.fy0)
      .Value("×", "%3.1lf²", plates.t_p)
      .Value("×(", "%3.3lf)", c.aux.gamma)
      .Value(Sup("0.5 "), "×", "", "%3.3f", c.aux.beta)
      .Value(" / (1000×", "sin", "", "%3.1lf°", b.theta)
      .Value(" )  = ", "%3.1lf kN", c.mode1.N_Rd);
  PrintKnVerdict(canvas, KnBraceVerdictIndices(n, canvas.language), c.mode1);
}

// Punching shear through the face plate.
void PrintFacePlateMode4(ReportCanvas& canvas, const KnUsedInputs& used, const KnGapPlates& plates,
                         const KnGapBraceChecks& c) {
  const KnBraceValues& b = c.brace;
  const std::string n = IndexOf(b);
  const std::string i = n + " ";
  const std::string rd = n + ",Rd ";
  const bool reduced = c.mode4.reduced;
  const int lm = canvas.left_margin;
  NewLine(canvas);
  NewLine(canvas);
  LineWriter(canvas, lm, "bold")
      .KeepTogether(2)
      .Text(KnBraceHeading(KnTextKey::kPunchingHeadingStart, n, KnTextKey::kPunchingHeadingEnd, canvas.language),
            Sub(rd), Say(canvas, KnTextKey::kPunchingWhen))
      .Text(Greek("b"), " <= (1 - 1 / ", Greek("g"))
      .Text(")");
  NewLine(canvas);
  LineWriter(canvas, lm)
      .Value(Greek("b"), " = ", "", "%3.2lf", c.aux.beta)
      .Value(" <= (1 - 1 / ", "%3.2lf", c.aux.gamma)
      .Value(" ) = ", "%3.2lf", c.punching_limit);
  NewLine(canvas);
  LineWriter(canvas, lm)
      .Text("N", Sub(rd), " = ")
      .Text(reduced ? "0.9×" : "", "f", Sub(" yk0 "))
      .Text("×t", Sub(" p "), "×(2×h")
      .Text(Sub(" " + i), " / sin", Greek("q"))
      .Text(Sub(i), " + b", Sub(i))
      .Text(" + b", Sub(Say(canvas, KnTextKey::kPunchingWidthIndex)), " ) / (3")
      .Text(Sup("0.5 "), "×sin", Greek("q"))
      .Text(Sub(i), ")");
  NewLine(canvas);
  LineWriter(canvas, lm)
      .Text("N", Sub(rd), " = ")
      .Value(reduced ? "0.9×(" : "(", "%3.0lf", used.chord.fy0)
      .Value("×", "%3.1lf", plates.t_p)
      .Value("×(2×", "%3.1lf", b.h)
      .Value(" / sin", "%3.1lf°", b.theta)
      .Value(" + ", "%3.1lf", b.b)
      .Value(" + ", "%3.1f", c.aux.b_ep.value)
      .Value(" ) / ( 3", Sup("0.5 "), "×1000×sin", "%3.1lf°", b.theta)
      .Value(" )  = ", "%3.1lf kN", c.mode4.N_Rd);
  PrintKnVerdict(canvas, KnBraceVerdictIndices(n, canvas.language), c.mode4);
}

void PrintBrace(ReportCanvas& canvas, const KnUsedInputs& used, const ReinforcedGapChecks& checks,
                const ReinforcedGapBrace& rb) {
  const KnGapPlates& pl = checks.plates;
  const KnGapBraceChecks& c = rb.checks;
  const int lm = canvas.left_margin;
  const bool second = c.brace.index == 2;

  canvas.x = lm;
  NewLine(canvas);
  NewLine(canvas);
  LineWriter(canvas, lm, "bold")
      .KeepTogether(2)
      .Text(Say(canvas, second ? KnTextKey::kGapBrace2Check : KnTextKey::kGapBrace1Check));
  NewLine(canvas);
  LineWriter(canvas, lm).Text(Say(canvas, second ? KnTextKey::kGapBrace2Values : KnTextKey::kGapBrace1Values));

  // The β/γ line shows the values of its own step; with side plates the modes read the
  // later values of the side-plate step.
  KnGapBraceChecks first_step = c;
  first_step.aux.beta = rb.beta_first;
  first_step.aux.gamma = rb.gamma_first;
  if (pl.face) {
    PrintFacePlateEffectiveWidths(canvas, used, pl, c);
    PrintFacePlateBetaGamma(canvas, used, pl, rb.beta_first, rb.gamma_first);
  } else {
    PrintKnGapEffectiveWidths(canvas, used, c);
    PrintKnGapBetaGamma(canvas, used, first_step);
  }
  if (pl.side) {
    PrintSidePlateLines(canvas, used, checks, c);
  } else {
    PrintKnGapShearArea(canvas, used, c);
  }
  PrintKnChordStateLines(canvas, c.chord);

  if (pl.face) {
    PrintFacePlateMode1(canvas, used, pl, c);
  } else {
    PrintKnGapMode1(canvas, used, c);
  }
  PrintKnGapMode2(canvas, used, c);
  PrintKnGapMode3a(canvas, used, c);
  PrintKnGapMode3b(canvas, used, c);
  if (c.aux.beta > c.punching_limit) {
    NewLine(canvas);
    LineWriter(canvas, lm, "bold").Text(Say(canvas, KnReinforcedTextKey::kNoPunching));
  }
  if (c.punching_applies) {
    if (pl.face) {
      PrintFacePlateMode4(canvas, used, pl, c);
    } else {
      PrintKnGapMode4(canvas, used, c);
    }
  }
  NewLine(canvas);
  NewLine(canvas);
}

}  // namespace

void PrintReinforcedGapChecks(ReportCanvas& canvas, const KnUsedInputs& used,
                              const ReinforcedGapChecks& checks) {
  canvas.x = canvas.left_margin;
  NewLine(canvas);
  NewLine(canvas);
  LineWriter(canvas, canvas.left_margin, "bold")
      .Text(Say(canvas, KnTextKey::kGapBothBraces));
  for (const ReinforcedGapBrace& b : checks.braces) PrintBrace(canvas, used, checks, b);
}

}  // namespace traxen
