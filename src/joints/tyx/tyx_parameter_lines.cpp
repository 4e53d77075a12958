// Chord stress, chord-stress factor and resistance verdict lines of the T/Y/X reports.
#include "joints/tyx/tyx_parameter_lines.h"

#include <cmath>

#include "joints/tyx/tyx_texts.h"
#include "report/check_numbers.h"
#include "report/report_words.h"

namespace traxen {

void PrintChordStressSymbols(LineWriter& w) {
  w.Text({"s", kGreekLarge}, {" 0,Ed ", kSub}, {" = "})
      .Text({"N"}, {" 0,Ed ", kSub}, {" / "})
      .Text({"A"}, {" 0 ", kSub}, {" + "})
      .Text({"M"}, {" 0,Ed ", kSub}, {" / "})
      .Text({"W"}, {" el,0 ", kSub}, {" = "});
}

void PrintChordStressNumbers(LineWriter& w, const TyxChordStress& s) {
  w.AtLeft()
      .Value({" = "}, "%3.1lf", s.axial)
      .Value({" / "}, "%3.1lf", s.area)
      .Value({" + "}, "%3.3lf", s.moment)
      .Value({" / "}, "%3.1lf", s.modulus)
      .Value({" = "}, "%3.3lf", s.sigma)
      .Text({" MPa "}, {"", kSub}, {""});
  w.NewLine();
}

void PrintStressRatioAndFactor(LineWriter& w, double fy0, const TyxChordStress& s,
                               const TyxChordStressFactor& kn) {
  w.AtLeft()
      .Text({"n "}, {"= "}, {"s", kGreekLarge})
      .Text({"0,Ed ", kSub}, {" / "}, {"f"})
      .Value({"yk0 ", kSub}, {" = "}, "%3.1lf", s.sigma)
      .Value({" / "}, "%3.1lf", fy0)
      .Value({" = "}, "%3.3lf", s.n);
  w.AtRight();
  if (!kn.chord_compressed) {
    w.Text({"k"}, {" n", kSub}, {" =  1"});
    return;
  }
  w.Text({"k"}, {"n ", kSub}, {" = "})
      .Text({Say(w, TyxTextKey::kKnFormula)}, {" b", kGreek}, {" = "})
      .Value({Say(w, TyxTextKey::kKnNumbers)}, "%3.3lf", s.n)
      .Value({" / "}, "%3.3lf", kn.beta)
      .Text({" = "});
  w.NewLine();
  w.AtLeft().Value({"= "}, "%3.3lf", kn.uncapped).Text({kn.uncapped > 1 ? " > 1" : " <=  1"});
  w.AtRight().Value({"k"}, {"n ", kSub}, {" = "}, "%3.3lf", kn.kn);
}

void PrintResistanceVerdict(LineWriter& w, double resistance, double brace_force, bool passed,
                            bool governing) {
  const double force = std::abs(brace_force);
  w.AtLeft().Check(passed, CheckKind::Verdict).Weight("bold");
  // A resistance that prints as 0.0 fails with the relation its numbers have.
  if (ResistanceReachesForce(resistance, force)) {
    w.Value({"N"}, {"1,Rd  ", kSub}, {" = "}, "%3.1lf kN", resistance)
        .Value({" >= |N"}, {Say(w, TyxTextKey::kBraceForceIndex), kSub}, {"| = "}, "%3.1lf kN", force);
  } else {
    w.Value({"N"}, {"1,Rd ", kSub}, {" = "}, "%3.1lf kN", resistance)
        .Value({" < |N"}, {"1,Ed ", kSub}, {"| ="}, "%3.1lf kN", force);
  }
  w.Weight("normal");
  if (governing)
    w.Verdict(passed, "bold", w.canvas().left_margin + 300);
  else
    w.Verdict(passed);
}

}  // namespace traxen
