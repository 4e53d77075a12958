// Gap and overlap lines of the report opening, and the chord-state lines of the gap checks.
#include "joints/kn/kn_geometry_lines.h"

#include <cmath>

#include "joints/kn/kn_texts.h"
#include "report/line_writer.h"
#include "report/report_words.h"

namespace traxen {

void PrintKnGapLines(ReportCanvas& canvas, double g, double p) {
  const int x = canvas.left_margin + 200;
  NewLine(canvas);
  LineWriter(canvas, x).Value(Say(canvas, KnTextKey::kGapBetweenBraces), "%3.1lf mm", g);
  if (!(g < 0)) return;
  NewLine(canvas);
  LineWriter(canvas, x).Value("p =  ", "%3.1lf mm", p);
  NewLine(canvas);
  LineWriter(canvas, x)
      .Text(Say(canvas, KnTextKey::kOverlap), Greek("l"), "")
      .Value(Sub(Say(canvas, KnTextKey::kOverlapRatioIndex)), Say(canvas, KnTextKey::kOverlapRatioFormula), "",
             "%3.1lf%%", KnOverlapRatio(g, p));
}

namespace {

void EccentricityLines(ReportCanvas& canvas, const KnChordState& c) {
  const int x = canvas.left_margin;
  NewLine(canvas);
  NewLine(canvas);
  LineWriter(canvas, x).Text(Say(canvas, KnTextKey::kMomentSignAssumed), Sub(Say(canvas, KnTextKey::kChordMomentIndex)),
                             Say(canvas, KnTextKey::kMomentSignRule));
  NewLine(canvas);
  LineWriter(canvas, x).Text(Say(canvas, KnTextKey::kEccentricitySignRule));
  NewLine(canvas);
  LineWriter(canvas, x)
      .Value(Say(canvas, KnTextKey::kSinceEccentricity), "%3.1lf mm", c.e)
      .Value(c.e_above_limit ? "> 0.25×h" : "< -0.55×h", Sub(" 0 "),
             c.e_above_limit ? " = 0.25×" : " = -0.55×", "%3.1lf", c.h0)
      .Value(" = ", "%3.1lf mm,", c.e_limit);
  NewLine(canvas);
  LineWriter(canvas, x)
      .Text(Say(canvas, KnTextKey::kThenM), Sub(" 0,Ed "), " = M")
      .Text(Sub(Say(canvas, KnTextKey::kChordMomentIndexTight)), "  + ", Greek("N "))
      .Text(Sub("1 "), "×cos", Greek("q"))
      .Text(Sub("1 "), "×e = ")
      .Value("", "%3.1lf", c.M0)
      .Value(" + ", "%3.1lf", c.N1)
      .Value(" × cos ", "%3.1lf°", c.theta1)
      .Value("×", "%3.3lf", c.e / 1000)
      .Value(" = ", "%3.1lf kNm", c.M0_Ed);
}

}  // namespace

void PrintKnChordStateLines(ReportCanvas& canvas, const KnChordState& c) {
  if (c.eccentricity_moment) EccentricityLines(canvas, c);
  const int x = canvas.left_margin;
  NewLine(canvas);
  NewLine(canvas);
  LineWriter(canvas, x)
      .Text(GreekLarge("s"), Sub(" 0,Ed "), " = ")
      .Text("N", Sub(" 0,Ed "), " / ")
      .Text("A", Sub(" 0 "), " + ")
      .Text("M", Sub(" 0,Ed "), " / ")
      .Text("W", Sub(" el,0 "), " = ");
  NewLine(canvas);
  LineWriter(canvas, x)
      .Value(" = ", "%3.1lf", std::abs(c.N0_Ed) * 1000)
      .Value(" / ", "%3.1lf", c.A0)
      .Value(" + ", "%3.3lf", std::abs(c.M0_Ed) * 1.0e6)
      .Value(" / ", "%3.1lf", c.Wel0)
      .Value(" = ", "%3.3lf MPa", c.sigma0_Ed);
  NewLine(canvas);
  LineWriter(canvas, x)
      .Text("n ", "= ", GreekLarge("s"))
      .Text(Sub("0,Ed "), " / ", "f")
      .Value(Sub("yk0 "), " = ", "", "%3.1lf", c.sigma0_Ed)
      .Value(" / ", "%3.1lf", c.fy0)
      .Value(" = ", "%3.3lf", c.n);
  LineWriter kn_part(canvas, x + 350);
  if (c.chord_in_tension) {
    kn_part.Text("k", Sub(" n"), " =  1");
    return;
  }
  kn_part.Text("k", Sub("n "), " = ")
      .Text(Say(canvas, KnTextKey::kKnFormula), Greek("b"), " = ")
      .Value(Say(canvas, KnTextKey::kKnNumbers), "%3.3lf", c.n)
      .Value(" / ", "%3.3lf", c.beta)
      .Text(" = ");
  NewLine(canvas);
  LineWriter(canvas, x)
      .Value("= ", "%3.3lf", c.kn_formula)
      .Text(c.kn_formula > 1 ? " > 1" : " <=  1");
  LineWriter(canvas, x + 350).Value("k", Sub("n "), " = ", "%3.3lf", c.kn);
}

void PrintKnChordForceLine(ReportCanvas& canvas, const KnChordState& c) {
  NewLine(canvas);
  LineWriter(canvas, canvas.left_margin)
      .Text(Say(canvas, KnTextKey::kAxialForceInJoint), Sub(Say(canvas, KnTextKey::kJointChordForceIndex)), " = N")
      .Text(Sub(Say(canvas, KnTextKey::kChordLeftIndex)), " + ", "N")
      .Text(Sub("1 "), "×cos", Greek("q"))
      .Text(Sub("1 "), " = ")
      .Value("", "%3.1lf", c.N0_left)
      .Value(" + ", "%3.1lf", c.N1)
      .Value(" × cos", "%3.1lf°", c.theta1)
      .Value(" = ", "%3.1lf kN", c.N0_Ed);
}

}  // namespace traxen
