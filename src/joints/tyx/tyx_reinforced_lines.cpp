// The reinforced T/Y/X report: plate requirements, member checks, the plate parameters,
// then the face plate alone under a brace in tension or the wide-brace procedure with the
// plates under a brace in compression.
#include "joints/tyx/tyx_report_lines.h"

#include "joints/tyx/tyx_chord_face_lines.h"
#include "joints/tyx/tyx_parameter_lines.h"
#include "joints/tyx/tyx_validity_lines.h"
#include "joints/tyx/tyx_texts.h"
#include "joints/tyx/tyx_wide_brace_lines.h"
#include "report/report_words.h"

namespace traxen {

namespace {

constexpr CheckRelation kAtLeast{" >= ", " < "};

void PrintPlateLengthCheck(LineWriter& w, const TyxLimitCheck& c) {
  PrintLimitCheck(w, {"l "}, {"p ", kSub}, "%3.1lf", " mm ", c, kAtLeast);
}

// lp >= 1.5 × h1 / sin θ1 with its numbers; does not end the line.
void PrintLengthForDepthFormula(LineWriter& w, const ReportInputs& in, const TyxPlateRequirements& p) {
  w.AtLeft()
      .Text({"l "}, {"p ", kSub}, {"", kSub})
      .Text({" >= "}, {"1.5×h"}, {"1", kSub})
      .Text({" / "}, {" sin"}, {"q", kGreek})
      .Value({"1 ", kSub}, {" = 1.5×"}, {"", kSub}, "%3.1lf", in.h1)
      .Value({" / sin"}, "%3.1lf °", in.theta1)
      .Value({" = "}, "%3.1lf mm", p.length_for_depth);
}

void PrintFacePlateRequirements(LineWriter& w, const ReportInputs& in, const TyxPlateRequirements& p) {
  w.AtLeft().Text({Say(w, TyxTextKey::kFacePlateLength)}, {""}, {"", kSub});
  w.NewLine();
  w.AtLeft()
      .Text({"l "}, {"p ", kSub}, {"", kSub})
      .Text({" >= "}, {"h"}, {"1", kSub})
      .Text({" / "}, {" sin"}, {"q", kGreek})
      .Text({"1 ", kSub}, {"+[b"}, {"p ", kSub})
      .Text({"×(b"}, {"p ", kSub}, {""})
      .Text({"- b"}, {"1 ", kSub}, {")]"})
      .Value({"0.5 ", kSup}, {" = "}, "%3.1lf", in.h1)
      .Value({" / sin"}, "%3.1lf °", in.theta1)
      .Value({" + ["}, "%3.1lf", in.face_b)
      .Value({"×("}, "%3.3lf", in.face_b)
      .Value({" - "}, "%3.1lf", in.b1)
      .Value({" )]"}, {"0.5 ", kSup}, {" = "}, "%3.1lf mm", p.length_for_width);
  w.NewLine();
  w.AtLeft();
  PrintPlateLengthCheck(w, p.face_length_for_width);
  w.NewLine();

  w.AtLeft().Text({Say(w, TyxTextKey::kFacePlateLength)}, {""}, {"", kSub});
  w.NewLine();
  PrintLengthForDepthFormula(w, in, p);
  w.NewLine();
  w.AtLeft();
  PrintPlateLengthCheck(w, p.face_length_for_depth);
  w.NewLine();

  w.AtLeft().Text({Say(w, TyxTextKey::kFacePlateWidth)}, {""}, {"", kSub});
  w.NewLine();
  w.AtLeft()
      .Text({"b "}, {"p ", kSub}, {"", kSub})
      .Text({" >= "}, {"b"}, {"0 ", kSub})
      .Value({" - 2×t"}, {"0 ", kSub}, {" = "}, "%3.1lf", in.b0)
      .Value({" - 2× "}, {""}, {"", kSub}, "%3.1lf", in.t0)
      .Value({" = "}, "%3.1lf mm", p.width_required);
  w.AtRight();
  PrintLimitCheck(w, {"b "}, {"p ", kSub}, "%3.1lf", " mm ", p.face_width, kAtLeast);
}

void PrintSidePlateRequirement(LineWriter& w, const ReportInputs& in, const TyxPlateRequirements& p) {
  w.NewLine();
  w.AtLeft().Text({Say(w, TyxTextKey::kSidePlateLength)}, {""}, {"", kSub});
  w.NewLine();
  PrintLengthForDepthFormula(w, in, p);
  w.AtRight();
  PrintPlateLengthCheck(w, p.side_length);
}

void PrintPlateRequirements(LineWriter& w, const ReportInputs& in, const TyxPlateRequirements& p) {
  if (p.face_plate) PrintFacePlateRequirements(w, in, p);
  if (p.side_plates) PrintSidePlateRequirement(w, in, p);
  w.NewLine();
  // The plate must be at least as strong as the chord it reinforces.
  w.AtLeft();
  PrintLimitCheck(w, {"f "}, {"ykt", kSub}, "%3.0lf", " MPa ", p.strength, kAtLeast);
  w.AtRight();
  PrintLimitCheck(w, {"t "}, {"p ", kSub}, "%3.1lf", " mm ", p.face_thickness, kAtLeast);
  w.NewLines(3);
}

void PrintPlateParameters(LineWriter& w, const TyxResult& r) {
  const ReportInputs& in = r.inputs;
  w.AtLeft()
      .Text({"b ", kGreek}, {"p ", kSub}, {""})
      .Text({"", kGreek}, {" = "}, {"b"})
      .Text({"1 ", kSub}, {" / "}, {"b"})
      .Value({"p ", kSub}, {" = "}, "%3.1lf", in.b1)
      .Value({" / "}, "%3.1lf", in.face_b)
      .Value({" = "}, "%3.3lf", r.beta_p);
  w.AtRight()
      .Text({"h ", kGreek}, {"p ", kSub}, {"= "})
      .Text({"h "}, {"", kSub}, {""})
      .Text({"1 ", kSub}, {" / "}, {"b"})
      .Value({"p ", kSub}, {" = "}, "%3.1lf", in.h1)
      .Value({" / "}, "%3.1lf", in.face_b)
      .Value({" = "}, "%3.3lf", r.eta_p);
  w.NewLine();
  w.AtLeft()
      .Text({"b ", kGreek}, {"", kSub}, {""})
      .Text({"", kGreek}, {" = "}, {"b"})
      .Text({"t ", kSub}, {" / "}, {"b"})
      .Value({"0 ", kSub}, {" = "}, "%3.1lf", in.face_b)
      .Value({" / "}, "%3.1lf", in.b0)
      .Value({" = "}, "%3.3lf", r.beta);
  if (in.tyx_side_plates == 1) {
    w.AtRight()
        .Text({"g ", kGreek}, {"= "}, {"b"})
        .Text({"0  ", kSub}, {" /(2×"}, {"(t"})
        .Text({"0  ", kSub}, {" + t"}, {"p ", kSub})
        .Text({"", kSub}, {" ) = "}, {""})
        .Value({"", kSub}, "%3.1lf", in.b0)
        .Value({" / (2×("}, "%3.1lf", in.t0)
        .Value({" + "}, "%3.1lf", in.side_t)
        .Value({" ))"}, {" = "}, "%3.3lf", r.gamma);
  } else {
    // Without side plates γ is the chord's own, as the plain joint prints it.
    w.AtRight()
        .Text({"g ", kGreek}, {"= "}, {"b"})
        .Text({"0  ", kSub}, {" /(2×"}, {"t"})
        .Text({"0 ", kSub}, {" ) = "}, {""})
        .Value({"", kSub}, "%3.1lf", in.b0)
        .Value({" / (2×"}, "%3.1lf", in.t0)
        .Value({" )"}, {" = "}, "%3.3lf", r.gamma);
  }
  w.NewLine();
  w.AtLeft().Text({"k"}, {"n ", kSub}, {" =  1"});
  w.NewLines(2);

  w.AtLeft()
      .Weight("bold")
      .Text({Say(w, TyxTextKey::kReinforcedJointMust)}, {" b ", kGreek}, {"p ", kSub})
      .Text({" <= 0.85"}, {"", kSub}, {"", kSub})
      .Weight("normal");
  w.NewLine();
  // Only a plate wide enough for the brace (βp <= 0.85) lets the calculation go on; this is
  // a limit of the method, not a validity condition of the joint.
  w.AtLeft()
      .Check(r.beta_p_passed, CheckKind::Verdict)
      .Value({"b", kGreek}, {"p  ", kSub}, {" = "}, "%1.2lf ", r.beta_p)
      .Text({r.beta_p_passed ? " <= 0.85" : " > 0.85"}, {"", kGreek}, {""})
      .Verdict(r.beta_p_passed);
  w.AtRight();
  PrintChordStressSymbols(w);
  w.NewLine();
  PrintChordStressNumbers(w, r.stress);
  PrintStressRatioAndFactor(w, in.fy0, r.stress, r.kn);
  w.NewLine();
}

// The face plate alone carries a brace in tension. Its resistance takes no chord-stress
// factor, so neither line shows kn.
void PrintBraceInTension(LineWriter& w, const TyxResult& r) {
  const ReportInputs& in = r.inputs;
  const bool reduced = r.tension.reduced;
  w.AtLeft().Weight("bold").Text({"N"}, {"1,Rd ", kSub}, {" = "});
  if (reduced)
    w.Text({"0.9×("}, {"", kSub}, {"f"});
  else
    w.Text({"("}, {"", kSub}, {"f"});
  w.Text({" ykp ", kSub}, {"×t²"}, {" p ", kSub})
      .Text({")×(2×"}, {"h", kGreek}, {"p ", kSub})
      .Text({"/ sin("}, {"q", kGreek}, {""})
      .Text({"1 ", kSub}, {") + 4×(1-"}, {"b", kGreek})
      .Text({"p ", kSub}, {""}, {"", kGreek})
      .Text({")"}, {" 0.5", kSup}, {" ) / [(1-"})
      .Text({"b", kGreek}, {"p ", kSub}, {"", kGreek})
      .Text({"", kGreek}, {")×sin("}, {"q", kGreek})
      .Text({"1 ", kSub}, {")]"}, {""})
      .Weight("normal");
  w.NewLine();
  w.AtLeft()
      .Text({"N"}, {"1,Rd ", kSub}, {" = "})
      .Value({reduced ? "0.9×{(" : "{("}, "%3.0lf", in.fy_plate)
      .Value({"×"}, "%3.1lf²", in.face_t)
      .Value({")×[2×"}, "%3.3lf", r.eta_p)
      .Value({" / sin"}, "%3.1lf°", in.theta1)
      .Value({" + 4×(1 - "}, "%3.3lf", r.beta_p)
      .Value({" )"}, {"0.5", kSup}, {"] / (1 - "}, "%3.3lf", r.beta_p)
      .Value({")× sin "}, "%3.1lf°", in.theta1)
      .Text({" )} / 1000  = "}, {"", kSup}, {""});
  w.NewLine();
  PrintResistanceResult(w, r.tension.resistance);
  PrintResistanceVerdict(w, r.tension.resistance, in.N1, r.tension.passed, false);
}

void PrintBraceInCompression(LineWriter& w, const TyxResult& r) {
  w.NewLines(2);
  w.AtLeft()
      .Weight("bold")
      .Text({Say(w, TyxTextKey::kCompressedBraceTakesPlate)},
            {" 0", kSub}, {"+t"})
      .Text({"p ", kSub}, {"", kSub}, {""});
  w.NewLine();
  w.AtLeft().Text({Say(w, TyxTextKey::kCalculationsToDo)}, {"", kSub}, {""}).Weight("normal");
  w.NewLine();
  PrintWideBraceModeList(w);
  PrintWideBraceModes(w, r);
}

}  // namespace

void PrintTyxReinforcedReport(LineWriter& w, const TyxResult& r) {
  const ReportInputs& in = r.inputs;
  StartTyxReportText(w, in);
  w.AtLeft()
      .Weight("bold")
      .Text({Say(w, ReportTextKey::kReinforcedValidityHeading)}, {" "}, {"  "});
  w.NewLine();
  w.AtLeft().Text({Say(w, TyxTextKey::kPlateHeading)}, {" "}, {"  "}).Weight("normal");
  w.NewLine();
  PrintPlateRequirements(w, in, r.plates);
  PrintTyxMemberChecks(w, r.validity, ChordHeading::AfterPlates);
  if (!PrintTyxStopLine(w, r.valid)) return;

  PrintPlateParameters(w, r);
  switch (r.reinforced_case) {
    case TyxReinforcedCase::BraceInTension: PrintBraceInTension(w, r); break;
    case TyxReinforcedCase::BraceInCompression: PrintBraceInCompression(w, r); break;
    case TyxReinforcedCase::None: break;  // βp too large, or no brace force
  }
}

}  // namespace traxen
