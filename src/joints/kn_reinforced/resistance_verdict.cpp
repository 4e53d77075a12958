// Verdict lines of the reinforced K/N resistance modes.
#include "joints/kn_reinforced/resistance_verdict.h"

#include "joints/kn_reinforced/formula_line.h"
#include "report/pages.h"

namespace traxen {

VerdictIndices BraceVerdictIndices(int brace) {
  const std::string i = brace == 2 ? "2" : "1";
  return {i + ",Rd  ", i + ", Ed ", i + ",Rd ", i + ",Ed "};
}

VerdictIndices ChordVerdictIndices() { return {"0.Rd  ", "0. Ed ", "0,Rd ", "0,Ed "}; }

void PrintResistanceVerdict(ReportCanvas& canvas, const VerdictIndices& indices, double N_Rd,
                            double N_Ed_abs, bool passed) {
  NextLine(canvas, canvas.line_step, canvas.line_step);
  canvas.x = canvas.left_margin;
  BeginCheck(canvas, passed, CheckKind::Verdict);
  FormulaLine line(canvas, canvas.left_margin, "bold");
  if (passed) {
    line.Text("N").Sub(indices.rd_passed).Text(" = ").Value("%3.1lf kN", N_Rd);
    line.Text(" >= |N").Sub(indices.ed_passed).Text("| = ").Value("%3.1lf kN", N_Ed_abs);
  } else {
    line.Text("N").Sub(indices.rd_failed).Text(" = ").Value("%3.1lf kN", N_Rd);
    line.Text(" < |N").Sub(indices.ed_failed).Text("| =").Value("%3.1lf kN", N_Ed_abs);
  }
  TextRun(canvas, line.End() + 20, canvas.y, passed ? "Korras! " : "Ei rahulda! ", kNormal, "",
          kNormal, "", kNormal, "normal");
  canvas.SetTextColor(kBlack);
}

}  // namespace traxen
