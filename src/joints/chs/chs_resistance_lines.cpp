// The parameters and resistances of a circular hollow section joint as report lines: each
// resistance in symbols, with its numbers, as a result, and judged against the brace force.
#include <algorithm>
#include <cmath>
#include <string>

#include "base/ieee_divide.h"
#include "base/number_format.h"
#include "joints/chs/chs_report_lines.h"
#include "joints/chs/chs_texts.h"
#include "report/check_numbers.h"
#include "report/report_words.h"

namespace traxen {

namespace {

std::string Index(int i) { return std::to_string(i); }

const ChsMember& Brace(const ChsResult& r, int i) { return i == 1 ? r.brace1 : r.brace2; }
double Theta(const ChsResult& r, int i) { return i == 1 ? r.theta1 : r.theta2; }

// "  (toru ristlõikest)" or "  (antud)" after a chord property.
std::string_view Origin(LineWriter& w, bool derived) {
  return Say(w, derived ? ChsTextKey::kFromRing : ChsTextKey::kGivenValue);
}

void ChordProperties(LineWriter& w, const ChsResult& r) {
  w.AtLeft().Value({"A"}, Sub("0"), {" = "}, "%3.1lf mm²", r.A0).Text({Origin(w, r.A0_derived)});
  w.AtRight().Value({"W"}, Sub("el,0"), {" = "}, "%3.1lf mm³", r.Wel0).Text({Origin(w, r.Wel0_derived)});
  w.NewLine();
}

void KnForces(LineWriter& w, const ChsResult& r) {
  w.AtLeft()
      .Text({"N"}, Sub("2"), {" = -N"})
      .Text(Sub("1"), {"×sin"}, Greek("q"))
      .Text(Sub("1"), {" / sin"}, Greek("q"))
      .Value(Sub("2"), {" = -("}, "%3.1lf", r.N1)
      .Value({")×sin"}, "%3.1lf°", r.theta1)
      .Value({" / sin"}, "%3.1lf°", r.theta2)
      .Value({" = "}, "%3.1lf kN", r.N2);
  w.NewLine();
  w.AtLeft()
      .Text({"N"}, Sub(Say(w, ChsTextKey::kChordRightIndex)), {" = N"})
      .Text(Sub(Say(w, ChsTextKey::kChordLeftIndex)), {" + N"}, Sub("1"))
      .Text({"×cos"}, Greek("q"), Sub("1"))
      .Text({" - N"}, Sub("2"), {"×cos"})
      .Value(Greek("q"), Sub("2"), {" = "}, "%3.1lf", r.N0_left)
      .Value({" + ("}, "%3.1lf", r.N1)
      .Value({")×cos"}, "%3.1lf°", r.theta1)
      .Value({" - ("}, "%3.1lf", r.N2)
      .Value({")×cos"}, "%3.1lf°", r.theta2)
      .Value({" = "}, "%3.1lf kN", r.N0_right);
  w.NewLine();
}

void Prestress(LineWriter& w, const ChsResult& r) {
  const ChsPrestress& p = r.prestress;
  w.AtLeft().Text({"N"}, Sub("p,Ed"), {" = "});
  if (r.kn)
    w.Value({""}, "%3.1lf kN", p.Np).Text({Say(w, ChsTextKey::kPrestressSide)});
  else
    w.Value({"N"}, Sub("0,Ed"), {" = "}, "%3.1lf kN", p.Np);
  w.NewLine();
  w.AtLeft()
      .KeepTogether(2)
      .Text(Greek("s"), Sub("p,Ed"), {" = -N"})
      .Text(Sub("p,Ed"), {" / A"}, Sub("0"))
      .Text({" + |M"}, Sub("0,Ed"), {"| / W"})
      .Text(Sub("el,0"), {" = "});
  w.NewLine();
  w.AtLeft()
      .Value({" = "}, "%3.1lf", -p.Np * 1e3)
      .Value({" / "}, "%3.1lf", r.A0)
      .Value({" + "}, "%3.1lf", std::fabs(r.M0) * 1e6)
      .Value({" / "}, "%3.1lf", r.Wel0)
      .Value({" = "}, "%3.2lf MPa", p.sigma);
  w.NewLine();
  w.AtLeft()
      .Text({"n"}, Sub("p"), {" = "})
      .Text(Greek("s"), Sub("p,Ed"), {" / f "})
      .Value(Sub("y0"), {" = "}, "%3.2lf", p.sigma)
      .Value({" / "}, "%3.0lf", r.chord.fy)
      .Value({" = "}, "%3.3lf", p.np);
  w.NewLine();
  if (p.np > 0) {
    const double raw = 1 - 0.3 * p.np * (1 + p.np);
    w.AtLeft()
        .Text({"k"}, Sub("p"), {" = 1 - 0.3×n"})
        .Text(Sub("p"), {"×(1 + n"}, Sub("p"))
        .Value({") = 1 - 0.3×"}, "%3.3lf", p.np)
        .Value({"×(1 + "}, "%3.3lf", p.np)
        .Value({") = "}, "%3.3lf", raw);
    if (raw > 1) w.Text({" > 1.0 , k"}, Sub("p"), {" = 1.000"});
    else w.Text({" <= 1.0"});
  } else {
    w.AtLeft()
        .Value({"n"}, Sub("p"), {" = "}, "%3.3lf", p.np)
        .Text({Say(w, ChsTextKey::kCompressionFree)}, Sub("p"), {" = 1.000"});
  }
  w.NewLine();
}

void GapFactor(LineWriter& w, const ChsResult& r) {
  w.AtLeft()
      .KeepTogether(2)
      .Text({"k"}, Sub("g"), {" = "})
      .Text(Greek("g"), Sup("0.2"), {"×(1 + 0.024×"})
      .Text(Greek("g"), Sup("1.2"), {" / (1 + exp(0.5×g / t"})
      .Text(Sub("0"), {" - 1.33)))"});
  w.NewLine();
  w.AtLeft()
      .Value({" = ("}, "%3.3lf)", r.gamma)
      .Text(Sup("0.2"))
      .Value({"×(1 + 0.024×("}, "%3.3lf)", r.gamma)
      .Text(Sup("1.2"))
      .Value({" / (1 + exp(0.5×"}, r.g < 0 ? "(%3.1lf)" : "%3.1lf", r.g)
      .Value({" / "}, "%3.1lf", r.chord.t)
      .Value({" - 1.33))) = "}, "%3.3lf", r.kg);
  w.NewLine();
}

// The K/N joint's brace whose d and θ the chord face formula takes, and why.
void CompressionBraceLine(LineWriter& w, const ChsResult& r) {
  const ChsTextKey key = r.compression_by_force ? ChsTextKey::kCompressionBrace : ChsTextKey::kNoCompressionBrace;
  w.AtLeft().KeepTogether(2).Text({Say(w, key)}, {Index(r.compression_brace)});
  w.NewLine();
}

// The resistance's formula in symbols and with numbers; "0.9×" leads both above 355 MPa.
// A K/N joint's formula is that of the brace in compression.
void ChordFaceFormula(LineWriter& w, const ChsResult& r) {
  const char* lead = r.reduced ? " = 0.9×" : " = ";
  const int c = r.kn ? r.compression_brace : 1;
  const std::string n = Index(c);
  w.AtLeft().KeepTogether(4).Weight("bold").Text({"N"}, Sub(n + ",Rd"), {lead});
  if (r.kn) {
    w.Text({"k"}, Sub("g"), {"×k"})
        .Text(Sub("p"), {"×f "}, Sub("y0"))
        .Text({"×t²"}, Sub("0"), {"×(1.8 + 10.2×d"})
        .Text(Sub(n), {" / d"})
        .Text(Sub("0"), {") / sin"}, Greek("q"))
        .Text(Sub(n));
  } else if (r.x_joint) {
    w.Text({"k"}, Sub("p"), {"×f "})
        .Text(Sub("y0"), {"×t²"}, Sub("0"))
        .Text({"×5.2 / ((1 - 0.81×"}, Greek("b"))
        .Text({")×sin"}, Greek("q"), Sub("1"))
        .Text({")"});
  } else {
    w.Text(Greek("g"), Sup("0.2"), {"×k"})
        .Text(Sub("p"), {"×f "}, Sub("y0"))
        .Text({"×t²"}, Sub("0"), {"×(2.8 + 14.2×"})
        .Text(Greek("b"), {"²"})
        .Text({") / sin"}, Greek("q"), Sub("1"));
  }
  w.Weight("normal");
  w.NewLine();
  const double s1 = Theta(r, c);
  w.AtLeft().Text({"N"}, Sub(n + ",Rd"), {lead});
  if (r.kn) {
    w.Value({""}, "%3.3lf", r.kg)
        .Value({"×"}, "%3.3lf", r.prestress.kp)
        .Value({"×"}, "%3.0lf", r.chord.fy)
        .Value({"×"}, "%3.1lf²", r.chord.t)
        .Value({"×(1.8 + 10.2×"}, "%3.1lf", Brace(r, c).d)
        .Value({" / "}, "%3.1lf", r.chord.d)
        .Value({") / (sin"}, "%3.1lf°×1000)", s1);
  } else if (r.x_joint) {
    w.Value({""}, "%3.3lf", r.prestress.kp)
        .Value({"×"}, "%3.0lf", r.chord.fy)
        .Value({"×"}, "%3.1lf²", r.chord.t)
        .Value({"×5.2 / ((1 - 0.81×"}, "%3.3lf", r.beta)
        .Value({")×sin"}, "%3.1lf°×1000)", s1);
  } else {
    w.Value({"("}, "%3.3lf)", r.gamma)
        .Text(Sup("0.2"))
        .Value({"×"}, "%3.3lf", r.prestress.kp)
        .Value({"×"}, "%3.0lf", r.chord.fy)
        .Value({"×"}, "%3.1lf²", r.chord.t)
        .Value({"×(2.8 + 14.2×"}, "%3.3lf²", r.beta)
        .Value({") / (sin"}, "%3.1lf°×1000)", s1);
  }
  w.Text({" ="});
  w.NewLine();
}

void PunchingFormula(LineWriter& w, const ChsResult& r, int i) {
  const std::string n = Index(i);
  const char* lead = r.reduced ? " = 0.9×" : " = ";
  w.AtLeft()
      .KeepTogether(4)
      .Weight("bold")
      .Text({"N"}, Sub(n + ",Rd"), {lead})
      .Text({"f "}, Sub("y0"), {"×t"})
      .Text(Sub("0"), {"×"}, Greek("p"))
      .Text({"×d"}, Sub(n), {"×(1 + sin"})
      .Text(Greek("q"), Sub(n), {") / (2×sin"})
      .Text({"²"}, Greek("q"), Sub(n))
      .Text({"×√3)"})
      .Weight("normal");
  w.NewLine();
  w.AtLeft()
      .Text({"N"}, Sub(n + ",Rd"), {lead})
      .Value({""}, "%3.0lf", r.chord.fy)
      .Value({"×"}, "%3.1lf", r.chord.t)
      .Value({"×"}, "%3.5lf", 3.14159265358979)
      .Value({"×"}, "%3.1lf", Brace(r, i).d)
      .Value({"×(1 + sin"}, "%3.1lf°)", Theta(r, i))
      .Value({" / (2×sin²"}, "%3.1lf°×√3×1000) =", Theta(r, i));
  w.NewLine();
}

void Result(LineWriter& w, double resistance) {
  w.AtLeft().Value({" = "}, "%3.1lf kN", resistance);
  w.NewLine();
}

void Verdict(LineWriter& w, const ChsResistance& x) {
  const std::string n = Index(x.brace);
  w.AtLeft().Check(x.passed, CheckKind::Verdict).Weight("bold");
  w.Value({"N"}, Sub(n + ",Rd"), {" = "}, "%3.1lf kN", x.resistance)
      .Value({ResistanceReachesForce(x.resistance, x.force) ? " >= |N" : " < |N"}, Sub(n + ",Ed"), {"| = "},
             "%3.1lf kN", x.force);
  w.Weight("normal").Verdict(x.passed);
  w.NewLine();
}

// The other brace of a K/N joint: the compressed brace's resistance carried over to its angle.
void SecondBraceChordFace(LineWriter& w, const ChsResult& r, double compressed) {
  const int c = r.compression_brace, t = c == 1 ? 2 : 1;
  const std::string nc = Index(c), nt = Index(t);
  w.AtLeft()
      .KeepTogether(3)
      .Weight("bold")
      .Text({"N"}, Sub(nt + ",Rd"), {" = N"})
      .Text(Sub(nc + ",Rd"), {"×sin"}, Greek("q"))
      .Text(Sub(nc), {" / sin"}, Greek("q"))
      .Text(Sub(nt))
      .Weight("normal");
  w.NewLine();
  w.AtLeft()
      .Value({"N"}, Sub(nt + ",Rd"), {" = "}, "%3.1lf", compressed)
      .Value({"×sin"}, "%3.1lf°", Theta(r, c))
      .Value({" / sin"}, "%3.1lf°", Theta(r, t))
      .Text({" ="});
  w.NewLine();
}

const ChsResistance* Find(const ChsResult& r, ChsMode mode, int brace) {
  for (const ChsResistance& x : r.resistances)
    if (x.mode == mode && x.brace == brace) return &x;
  return nullptr;
}

void JointResistance(LineWriter& w, const ChsResult& r, int i) {
  const std::string n = Index(i);
  const ChsResistance* face = Find(r, ChsMode::kChordFace, i);
  const ChsResistance* punching = Find(r, ChsMode::kPunchingShear, i);
  if (!face) return;
  w.AtLeft().KeepTogether(1).Weight("bold").Text({Say(w, ChsTextKey::kJointResistanceIs)}, Sub(n + ",Rd"), {" = "});
  if (punching)
    w.Value({"min( "}, "%3.1lf", face->resistance).Value({" , "}, "%3.1lf )", punching->resistance).Text({" = "});
  w.Value({""}, "%3.1lf kN", i == 1 ? r.N1_Rd : r.N2_Rd).Weight("normal");
  w.NewLine();
}

}  // namespace

void PrintChsParameters(LineWriter& w, const ChsResult& r) {
  w.NewLine();
  w.AtLeft().KeepTogether(2).Weight("bold").Text({Say(w, ChsTextKey::kParametersHeading)}).Weight("normal");
  w.NewLine();
  w.AtLeft()
      .Text(Greek("g"), {" = d"}, Sub("0"))
      .Text({" / (2×t"}, Sub("0"), {")"})
      .Value({" = "}, "%3.1lf", r.chord.d)
      .Value({" / (2×"}, "%3.1lf)", r.chord.t)
      .Value({" = "}, "%3.3lf", r.gamma);
  // β of the brace the chord face formula takes: a K/N joint's compression brace.
  const int c = r.kn ? r.compression_brace : 1;
  w.AtRight()
      .Text(Greek("b"), {" = d"}, Sub(Index(c)))
      .Text({" / d"}, Sub("0"))
      .Value({" = "}, "%3.1lf", Brace(r, c).d)
      .Value({" / "}, "%3.1lf", r.chord.d)
      .Value({" = "}, "%3.3lf", r.beta);
  w.NewLine();
  ChordProperties(w, r);
  if (r.kn) KnForces(w, r);
  Prestress(w, r);
  if (r.kn) GapFactor(w, r);
  if (r.reduced) {
    w.AtLeft().Text({Say(w, ChsTextKey::kReducedAbove355)}, Sub("y0"), {Say(w, ChsTextKey::kReducedAbove355Tail)});
    w.NewLine();
  }
}

void PrintChsResistances(LineWriter& w, const ChsResult& r) {
  const int braces = r.kn ? 2 : 1;
  const int c = r.kn ? r.compression_brace : 1;
  w.NewLine();
  w.AtLeft().KeepTogether(2).Weight("bold").Text({Say(w, ChsTextKey::kChordFaceHeading)}, Sub("i,Rd")).Weight("normal");
  w.NewLine();
  if (r.kn) CompressionBraceLine(w, r);
  ChordFaceFormula(w, r);
  if (const ChsResistance* compressed = Find(r, ChsMode::kChordFace, c)) {
    Result(w, compressed->resistance);
    Verdict(w, *compressed);
    if (const ChsResistance* other = r.kn ? Find(r, ChsMode::kChordFace, c == 1 ? 2 : 1) : nullptr) {
      SecondBraceChordFace(w, r, compressed->resistance);
      Result(w, other->resistance);
      Verdict(w, *other);
    }
  }
  w.NewLine();
  // An overlap joint's only mode is the chord face: it has no punching shear section.
  if (r.kn && r.overlap) {
    for (int i = 1; i <= braces; ++i) JointResistance(w, r, i);
    return;
  }
  w.AtLeft().KeepTogether(2).Weight("bold").Text({Say(w, ChsTextKey::kPunchingHeading)}, Sub("i,Rd")).Weight("normal");
  w.NewLine();
  for (int i = 1; i <= braces; ++i) {
    const std::string n = Index(i);
    if (const ChsResistance* x = Find(r, ChsMode::kPunchingShear, i)) {
      PunchingFormula(w, r, i);
      Result(w, x->resistance);
      Verdict(w, *x);
    } else {
      // The brace is wider than the chord's bore: it cannot punch the chord wall.
      w.AtLeft()
          .Text({Say(w, ChsTextKey::kBraceWord)}, {n}, {": d"})
          .Value(Sub(n), {" = "}, "%3.1lf mm", Brace(r, i).d)
          .Text({" > d"}, Sub("0"), {" - 2×t"})
          .Value(Sub("0"), {" = "}, "%3.1lf mm", r.chord.d - 2 * r.chord.t)
          .Marked(Say(w, ChsTextKey::kNoPunching));
      w.NewLine();
    }
  }
  w.NewLine();
  for (int i = 1; i <= braces; ++i) JointResistance(w, r, i);
}

}  // namespace traxen
