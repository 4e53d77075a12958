// The unreinforced T/Y/X report: validity, joint parameters, the narrow-brace case and the
// wide-brace case, printed from the computed result.
#include "joints/tyx/tyx_report_lines.h"

#include "joints/tyx/tyx_chord_face_lines.h"
#include "joints/tyx/tyx_parameter_lines.h"
#include "joints/tyx/tyx_texts.h"
#include "joints/tyx/tyx_validity_lines.h"
#include "joints/tyx/tyx_wide_brace_lines.h"
#include "report/report_words.h"

namespace traxen {

namespace {

void PrintJointParameters(LineWriter& w, const TyxResult& r) {
  const ReportInputs& in = r.inputs;
  w.NewLine();
  w.AtLeft()
      .Text({"b ", kGreek}, {"= "}, {"b"})
      .Text({"1 ", kSub}, {" / "}, {"b"})
      .Value({"0 ", kSub}, {" = "}, "%3.1lf", in.b1)
      .Value({" / "}, "%3.1lf", in.b0)
      .Value({" = "}, "%3.3lf", r.beta);
  w.AtRight()
      .Text({"g ", kGreek}, {"= "}, {"b"})
      .Text({"0  ", kSub}, {" /(2×"}, {"t"})
      .Text({"0 ", kSub}, {" ) = "}, {""})
      .Value({"", kSub}, "%3.1lf", in.b0)
      .Value({" / (2×"}, "%3.1lf", in.t0)
      .Value({" )"}, {" = "}, "%3.3lf", r.gamma);
  w.NewLine();
  w.AtLeft()
      .Text({"h ", kGreek}, {"= "}, {"h"})
      .Text({"1 ", kSub}, {" / "}, {"b"})
      .Value({"0 ", kSub}, {" = "}, "%3.1lf", in.h1)
      .Value({" / "}, "%3.1lf", in.b0)
      .Value({" = "}, "%3.3lf", r.eta);
  w.AtRight();
  PrintChordStressSymbols(w);
  w.NewLine();
  PrintChordStressNumbers(w, r.stress);
  PrintStressRatioAndFactor(w, in.fy0, r.stress, r.kn);
}

void PrintNarrowBrace(LineWriter& w, const TyxResult& r) {
  const ReportInputs& in = r.inputs;
  w.NewLines(2);
  w.AtLeft()
      .KeepTogether(2)
      .Weight("bold")
      .Text({Say(w, TyxTextKey::kIf)}, {" b ", kGreek}, {Say(w, TyxTextKey::kNarrowBraceRule)})
      .Text({"1,Rd ", kSub}, {"", kSub}, {""})
      .Weight("normal");
  w.NewLine();
  PrintChordFaceSymbols(w, r.narrow.reduced, "bold");
  PrintChordFaceNumbers(w, {r.narrow.reduced, r.kn.kn, in.fy0, in.t0, r.eta, r.beta, in.theta1});
  PrintResistanceResult(w, r.narrow.resistance);
  PrintResistanceVerdict(w, r.narrow.resistance, in.N1, r.narrow.passed, false);
}

void PrintWideBrace(LineWriter& w, const TyxResult& r) {
  w.NewLines(2);
  w.AtLeft()
      .Weight("bold")
      .Text({Say(w, TyxTextKey::kIf)}, {" b ", kGreek}, {Say(w, TyxTextKey::kWideBraceRule)})
      .Weight("normal");
  w.NewLine();
  PrintWideBraceModeList(w);
  PrintWideBraceModes(w, r);
}

}  // namespace

void PrintTyxPlainReport(LineWriter& w, const TyxResult& r) {
  const ReportInputs& in = r.inputs;
  StartTyxReportText(w, in);
  w.AtLeft()
      .Weight("bold")
      .Text({Say(w, ReportTextKey::kValidityHeading)}, {" "}, {"  "})
      .Weight("normal");
  w.NewLine();
  PrintTyxMemberChecks(w, r.validity, ChordHeading::Plain);
  if (!PrintTyxStopLine(w, r.valid)) return;

  PrintJointParameters(w, r);
  if (r.narrow_case) PrintNarrowBrace(w, r);
  if (r.wide_case) PrintWideBrace(w, r);
}

}  // namespace traxen
