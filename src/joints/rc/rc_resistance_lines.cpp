// The parameters and resistances of round braces on a rectangular chord as report lines: each
// resistance in symbols with π/4 where it applies, with its numbers, as a result, and judged
// against its force.
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "base/ieee_divide.h"
#include "base/number_format.h"
#include "joints/rc/rc_report_lines.h"
#include "joints/rc/rc_texts.h"
#include "report/report_words.h"

namespace traxen {

namespace {

std::string Index(int i) { return std::to_string(i); }
const RcBrace& BraceOf(const RcResult& r, int i) { return i == 1 ? r.brace1 : r.brace2; }
double ThetaOf(const RcResult& r, int i) { return i == 1 ? r.theta1 : r.theta2; }
double ForceOf(const RcResult& r, int i) { return i == 1 ? r.N1 : r.N2; }

const RcResistance* Find(const RcResult& r, RcMode mode, int brace) {
  for (const RcResistance& x : r.resistances)
    if (x.mode == mode && x.brace == brace) return &x;
  return nullptr;
}

// " = 0.9×" before a reduced resistance's formula, " = " otherwise.
const char* Lead(bool reduced) { return reduced ? " = 0.9×" : " = "; }

void Heading(LineWriter& w, RcTextKey key, std::string_view index) {
  w.NewLine();
  w.AtLeft().KeepTogether(2).Weight("bold").Text({Say(w, key)}, Sub(index)).Weight("normal");
  w.NewLine();
}

void Result(LineWriter& w, double resistance) {
  w.AtLeft().Value({" = "}, "%3.1lf kN", resistance);
  w.NewLine();
}

// "N1,Rd = 156.6 kN >= |N1,Ed| = 52.0 kN  Korras!"; the chord in the gap names N0.
void Verdict(LineWriter& w, const RcResistance& x) {
  const std::string n = x.mode == RcMode::kChordInGap ? "0" : Index(x.brace);
  w.AtLeft().Check(x.passed, CheckKind::Verdict).Weight("bold");
  w.Value({"N"}, Sub(n + ",Rd"), {" = "}, "%3.1lf kN", x.resistance)
      .Value({x.passed ? " >= |N" : " < |N"}, Sub(n + ",Ed"), {"| = "}, "%3.1lf kN", x.force);
  w.Weight("normal").Verdict(x.passed);
  w.NewLine();
}

void ResultAndVerdict(LineWriter& w, const RcResistance* x) {
  if (!x) return;
  Result(w, x->resistance);
  Verdict(w, *x);
}

// "b_eff = 10 / (b0 / t0)×f y0×t0 / (f yi×ti)×di = … mm <= di = … mm" on two lines.
void EffectiveWidth(LineWriter& w, const RcResult& r, int i, const RcWidth& width) {
  const std::string n = Index(i);
  const RcBrace& b = BraceOf(r, i);
  w.AtLeft()
      .KeepTogether(2)
      .Text({"b"}, Sub("eff"), {" = 10 / (b"})
      .Text(Sub("0"), {" / t"}, Sub("0"))
      .Text({")×f "}, Sub("y0"), {"×t"})
      .Text(Sub("0"), {" / (f "}, Sub("y" + n))
      .Text({"×t"}, Sub(n), {")×d"})
      .Text(Sub(n));
  w.NewLine();
  w.AtLeft()
      .Value({" = 10 / ("}, "%3.1lf", r.chord.b)
      .Value({" / "}, "%3.1lf)", r.chord.t)
      .Value({"×"}, "%3.0lf", r.chord.fy)
      .Value({"×"}, "%3.1lf", r.chord.t)
      .Value({" / ("}, "%3.0lf", b.fy)
      .Value({"×"}, "%3.1lf)", b.t)
      .Value({"×"}, "%3.1lf", b.d)
      .Value({" = "}, "%3.1lf mm", width.formula)
      .Value({width.capped ? " > d" : " <= d"}, Sub(n), {" = "}, "%3.1lf mm", b.d);
  if (width.capped) w.Value({" , b"}, Sub("eff"), {" = "}, "%3.1lf mm", width.value);
  w.NewLine();
}

void PunchingWidth(LineWriter& w, const RcResult& r, int i, const RcWidth& width) {
  const std::string n = Index(i);
  const RcBrace& b = BraceOf(r, i);
  w.AtLeft()
      .Text({"b"}, Sub("e,p"), {" = 10 / (b"})
      .Text(Sub("0"), {" / t"}, Sub("0"))
      .Text({")×d"}, Sub(n))
      .Value({" = 10 / ("}, "%3.1lf", r.chord.b)
      .Value({" / "}, "%3.1lf)", r.chord.t)
      .Value({"×"}, "%3.1lf", b.d)
      .Value({" = "}, "%3.1lf mm", width.formula)
      .Value({width.capped ? " > d" : " <= d"}, Sub(n), {" = "}, "%3.1lf mm", b.d);
  if (width.capped) w.Value({" , b"}, Sub("e,p"), {" = "}, "%3.1lf mm", width.value);
  w.NewLine();
}

void ChordStress(LineWriter& w, const RcResult& r) {
  const RcChordStress& s = r.stress;
  if (r.kn) {
    w.AtLeft()
        .Text({"N"}, Sub("0,Ed"), {" = N"})
        .Text(Sub(Say(w, RcTextKey::kChordLeftIndex)), {" + N"}, Sub("1"))
        .Text({"×cos"}, Greek("q"), Sub("1"))
        .Value({" = "}, "%3.1lf", r.N0_left)
        .Value({" + ("}, "%3.1lf", r.N1)
        .Value({")×cos"}, "%3.1lf°", r.theta1)
        .Value({" = "}, "%3.1lf kN", s.N0_Ed);
    w.NewLine();
    if (s.eccentricity_moment) {
      w.AtLeft()
          .Text({Say(w, RcTextKey::kEccentricityMoment)}, Sub("0"), {" ... 0.25×h"})
          .Value(Sub("0"), {" : e = "}, "%3.1lf mm", r.e)
          .Value({s.e_above_limit ? " > 0.25×" : " < -0.55×"}, "%3.1lf", r.chord.h)
          .Value({" = "}, "%3.1lf mm", s.e_limit_factor * r.chord.h);
      w.NewLine();
      w.AtLeft()
          .Text({"M"}, Sub("0,Ed"), {" = M"})
          .Text(Sub("0"), {" + N"}, Sub("1"))
          .Text({"×cos"}, Greek("q"), Sub("1"))
          .Value({"×e = "}, "%3.2lf", r.M0)
          .Value({" + ("}, "%3.1lf", r.N1)
          .Value({")×cos"}, "%3.1lf°", r.theta1)
          .Value({"×"}, "%3.4lf", r.e / 1000)
          .Value({" = "}, "%3.2lf kNm", s.M0_Ed);
      w.NewLine();
    }
  }
  w.AtLeft()
      .KeepTogether(2)
      .Text(Greek("s"), Sub("0,Ed"), {" = |N"})
      .Text(Sub("0,Ed"), {"| / A"}, Sub("0"))
      .Text({" + |M"}, Sub("0,Ed"), {"| / W"})
      .Text(Sub("el,0"), {" = "});
  w.NewLine();
  w.AtLeft()
      .Value({" = "}, "%3.1lf", std::fabs(s.N0_Ed) * 1000)
      .Value({" / "}, "%3.1lf", r.A0)
      .Value({" + "}, "%3.1lf", std::fabs(s.M0_Ed) * 1.0e6)
      .Value({" / "}, "%3.1lf", r.Wel0)
      .Value({" = "}, "%3.2lf MPa", s.sigma);
  w.NewLine();
  w.AtLeft()
      .Text({"n = "}, Greek("s"), Sub("0,Ed"))
      .Text({" / f "}, Sub("y0"))
      .Value({" = "}, "%3.2lf", s.sigma)
      .Value({" / "}, "%3.0lf", r.chord.fy)
      .Value({" = "}, "%3.3lf", s.n);
  w.NewLine();
  if (s.compressed) {
    w.AtLeft()
        .Text({"k"}, Sub("n"), {" = 1.3 - 0.4×n / "})
        .Text(Greek("b"))
        .Value({" = 1.3 - 0.4×"}, "%3.3lf", s.n)
        .Value({" / "}, "%3.3lf", r.beta)
        .Value({" = "}, "%3.3lf", s.kn_formula);
    if (s.kn_formula > 1) w.Text({" > 1.0 , k"}, Sub("n"), {" = 1.000"});
    else w.Text({" <= 1.0"});
  } else {
    w.AtLeft().Text({Say(w, RcTextKey::kChordInTension)}, Sub("n"), {" = 1.000"});
  }
  w.NewLine();
}

void KnForces(LineWriter& w, const RcResult& r) {
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
      .Text({"N"}, Sub(Say(w, RcTextKey::kChordRightIndex)), {" = N"})
      .Text(Sub(Say(w, RcTextKey::kChordLeftIndex)), {" + N"}, Sub("1"))
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

// A sentence of the catalogue over as many lines as it needs, broken between words.
void Sentence(LineWriter& w, RcTextKey key) {
  const std::string_view text = Say(w, key);
  const int room = kLineRightLimit - w.canvas().left_margin;
  auto width = [&](std::string_view part) {
    return MeasureRun([&](ReportCanvas& s) { return TextRun(s, 0, 0, part, kNormal, "", kNormal, "", kNormal, "normal"); });
  };
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.size();
    while (end > start && width(text.substr(start, end - start)) > room) {
      const std::size_t space = text.rfind(' ', end - 1);
      if (space == std::string_view::npos || space <= start) break;
      end = space;
    }
    w.AtLeft().Text({text.substr(start, end - start)});
    w.NewLine();
    start = end < text.size() ? end + 1 : end;
  }
}

void TyxResistance(LineWriter& w, const RcResult& r) {
  const RcResistance* x = Find(r, RcMode::kChordFace, 1);
  if (!x) return;
  Heading(w, RcTextKey::kChordFaceHeading, "1,Rd");
  const char* lead = Lead(x->reduced);
  w.AtLeft()
      .KeepTogether(4)
      .Weight("bold")
      .Text({"N"}, Sub("1,Rd"), {lead})
      .Text({"("}, Greek("p"), {"/4)×k"})
      .Text(Sub("n"), {"×f "}, Sub("y0"))
      .Text({"×t²"}, Sub("0"), {" / ((1 - "})
      .Text(Greek("b"), {")×sin"}, Greek("q"))
      .Text(Sub("1"), {")×(2×"}, Greek("h"))
      .Text({" / sin"}, Greek("q"), Sub("1"))
      .Text({" + 4×√(1 - "}, Greek("b"), {"))"})
      .Weight("normal");
  w.NewLine();
  w.AtLeft()
      .Text({"N"}, Sub("1,Rd"), {lead})
      .Text({"("}, Greek("p"), {"/4)"})
      .Value({"×"}, "%3.3lf", r.stress.kn)
      .Value({"×"}, "%3.0lf", r.chord.fy)
      .Value({"×"}, "%3.1lf²", r.chord.t)
      .Value({" / ((1 - "}, "%3.3lf", r.beta)
      .Value({")×sin"}, "%3.1lf°)", r.theta1)
      .Value({"×(2×"}, "%3.3lf", r.eta)
      .Value({" / sin"}, "%3.1lf°", r.theta1)
      .Value({" + 4×√(1 - "}, "%3.3lf)) / 1000 =", r.beta);
  w.NewLine();
  ResultAndVerdict(w, x);
  w.NewLine();
  w.AtLeft().KeepTogether(1).Weight("bold").Value({Say(w, RcTextKey::kJointResistanceIs)}, Sub("1,Rd"), {" = "},
                                                    "%3.1lf kN", r.N1_Rd);
  w.Weight("normal");
  w.NewLine();
}

void GapChordFace(LineWriter& w, const RcResult& r) {
  Heading(w, RcTextKey::kChordFaceHeading, "i,Rd");
  for (int i = 1; i <= 2; ++i) {
    const RcResistance* x = Find(r, RcMode::kChordFace, i);
    if (!x) continue;
    const std::string n = Index(i);
    const char* lead = Lead(x->reduced);
    w.AtLeft()
        .KeepTogether(4)
        .Weight("bold")
        .Text({"N"}, Sub(n + ",Rd"), {lead})
        .Text({"("}, Greek("p"), {"/4)×8.9×k"})
        .Text(Sub("n"), {"×f "}, Sub("y0"))
        .Text({"×t²"}, Sub("0"), {"×√"})
        .Text(Greek("g"), {"×"}, Greek("b"))
        .Text({" / sin"}, Greek("q"), Sub(n))
        .Weight("normal");
    w.NewLine();
    w.AtLeft()
        .Text({"N"}, Sub(n + ",Rd"), {lead})
        .Text({"("}, Greek("p"), {"/4)×8.9"})
        .Value({"×"}, "%3.3lf", r.stress.kn)
        .Value({"×"}, "%3.0lf", r.chord.fy)
        .Value({"×"}, "%3.1lf²", r.chord.t)
        .Value({"×√"}, "%3.3lf", r.gamma)
        .Value({"×"}, "%3.3lf", r.beta)
        .Value({" / (sin"}, "%3.1lf°×1000) =", ThetaOf(r, i));
    w.NewLine();
    ResultAndVerdict(w, x);
  }
}

void GapBrace(LineWriter& w, const RcResult& r) {
  Heading(w, RcTextKey::kBraceFailureHeading, "i,Rd");
  for (int i = 1; i <= 2; ++i) {
    const RcResistance* x = Find(r, RcMode::kBrace, i);
    if (!x) continue;
    const std::string n = Index(i);
    const RcBrace& b = BraceOf(r, i);
    EffectiveWidth(w, r, i, r.b_eff[i - 1]);
    const char* lead = Lead(x->reduced);
    w.AtLeft()
        .KeepTogether(4)
        .Weight("bold")
        .Text({"N"}, Sub(n + ",Rd"), {lead})
        .Text({"("}, Greek("p"), {"/4)×f "})
        .Text(Sub("y" + n), {"×t"}, Sub(n))
        .Text({"×(3×d"}, Sub(n), {" - 4×t"})
        .Text(Sub(n), {" + b"}, Sub("eff"))
        .Text({")"})
        .Weight("normal");
    w.NewLine();
    w.AtLeft()
        .Text({"N"}, Sub(n + ",Rd"), {lead})
        .Text({"("}, Greek("p"), {"/4)"})
        .Value({"×"}, "%3.0lf", b.fy)
        .Value({"×"}, "%3.1lf", b.t)
        .Value({"×(3×"}, "%3.1lf", b.d)
        .Value({" - 4×"}, "%3.1lf", b.t)
        .Value({" + "}, "%3.1lf) / 1000 =", r.b_eff[i - 1].value);
    w.NewLine();
    ResultAndVerdict(w, x);
  }
}

void GapChordShear(LineWriter& w, const RcResult& r) {
  Heading(w, RcTextKey::kChordShearHeading, "i,Rd");
  w.AtLeft()
      .Text({"A"}, Sub("v"), {" = 2×h"})
      .Text(Sub("0"), {"×t"}, Sub("0"))
      .Value({" = 2×"}, "%3.1lf", r.chord.h)
      .Value({"×"}, "%3.1lf", r.chord.t)
      .Value({" = "}, "%3.1lf mm²", r.A_v)
      .Text({"   ("}, Greek("a"), {" = 0)"});
  w.NewLine();
  for (int i = 1; i <= 2; ++i) {
    const RcResistance* x = Find(r, RcMode::kChordShear, i);
    if (!x) continue;
    const std::string n = Index(i);
    const char* lead = Lead(x->reduced);
    w.AtLeft()
        .KeepTogether(4)
        .Weight("bold")
        .Text({"N"}, Sub(n + ",Rd"), {lead})
        .Text({"f "}, Sub("y0"), {"×A"})
        .Text(Sub("v"), {" / (√3×sin"}, Greek("q"))
        .Text(Sub(n), {")"})
        .Weight("normal");
    w.NewLine();
    w.AtLeft()
        .Text({"N"}, Sub(n + ",Rd"), {lead})
        .Value({""}, "%3.0lf", r.chord.fy)
        .Value({"×"}, "%3.1lf", r.A_v)
        .Value({" / (√3×sin"}, "%3.1lf°×1000) =", ThetaOf(r, i));
    w.NewLine();
    ResultAndVerdict(w, x);
  }
}

void GapChordAxial(LineWriter& w, const RcResult& r) {
  Heading(w, RcTextKey::kChordInGapHeading, "0,Rd");
  w.AtLeft()
      .Text({"V"}, Sub("pl,Rd"), {" = f "})
      .Text(Sub("y0"), {"×A"}, Sub("v"))
      .Text({" / (√3×"}, Greek("g"), Sub("M0"))
      .Value({") = "}, "%3.0lf", r.chord.fy)
      .Value({"×"}, "%3.1lf", r.A_v)
      .Value({" / (√3×"}, "%3.2lf×1000)", r.gamma_M0)
      .Value({" = "}, "%3.1lf kN", r.V_pl_Rd);
  w.NewLine();
  for (int i = 1; i <= 2; ++i) {
    const RcResistance* x = Find(r, RcMode::kChordInGap, i);
    if (!x) continue;
    const std::string n = Index(i);
    const char* lead = Lead(x->reduced);
    w.AtLeft()
        .Text({"V"}, Sub("Ed"), {" = N"})
        .Text(Sub(n), {"×sin"}, Greek("q"))
        .Value(Sub(n), {" = "}, "%3.1lf", ForceOf(r, i))
        .Value({"×sin"}, "%3.1lf°", ThetaOf(r, i))
        .Value({" = "}, "%3.1lf kN", r.V_Ed[i - 1]);
    w.NewLine();
    w.AtLeft()
        .KeepTogether(4)
        .Weight("bold")
        .Text({"N"}, Sub("0,Rd"), {lead})
        .Text({"(A"}, Sub("0"), {" - A"})
        .Text(Sub("v"), {")×f "}, Sub("y0"))
        .Text({" + A"}, Sub("v"), {"×f "})
        .Text(Sub("y0"), {"×√(1 - (V"}, Sub("Ed"))
        .Text({" / V"}, Sub("pl,Rd"), {")²)"})
        .Weight("normal");
    w.NewLine();
    w.AtLeft()
        .Text({"N"}, Sub("0,Rd"), {lead})
        .Value({"(("}, "%3.1lf", r.A0)
        .Value({" - "}, "%3.1lf)", r.A_v)
        .Value({"×"}, "%3.0lf", r.chord.fy)
        .Value({" + "}, "%3.1lf", r.A_v)
        .Value({"×"}, "%3.0lf", r.chord.fy)
        .Value({"×√(1 - ("}, "%3.1lf", r.V_Ed[i - 1])
        .Value({" / "}, "%3.1lf)²)) / 1000 =", r.V_pl_Rd);
    w.NewLine();
    ResultAndVerdict(w, x);
  }
}

void GapPunching(LineWriter& w, const RcResult& r) {
  Heading(w, RcTextKey::kPunchingHeading, "i,Rd");
  if (!r.punching_applies) {
    w.AtLeft()
        .Text({Say(w, RcTextKey::kNoPunching)}, Greek("b"))
        .Value({" = "}, "%3.3lf", r.beta)
        .Text({" > 1 - 1/"}, Greek("g"))
        .Value({" = "}, "%3.3lf", r.punching_limit)
        .Text({")"});
    w.NewLine();
    return;
  }
  for (int i = 1; i <= 2; ++i) {
    const RcResistance* x = Find(r, RcMode::kPunching, i);
    if (!x) continue;
    const std::string n = Index(i);
    const RcBrace& b = BraceOf(r, i);
    PunchingWidth(w, r, i, r.b_ep[i - 1]);
    const char* lead = Lead(x->reduced);
    w.AtLeft()
        .KeepTogether(4)
        .Weight("bold")
        .Text({"N"}, Sub(n + ",Rd"), {lead})
        .Text({"("}, Greek("p"), {"/4)×f "})
        .Text(Sub("y0"), {"×t"}, Sub("0"))
        .Text({" / (√3×sin"}, Greek("q"), Sub(n))
        .Text({")×(2×d"}, Sub(n), {" / sin"})
        .Text(Greek("q"), Sub(n), {" + d"})
        .Text(Sub(n), {" + b"}, Sub("e,p"))
        .Text({")"})
        .Weight("normal");
    w.NewLine();
    w.AtLeft()
        .Text({"N"}, Sub(n + ",Rd"), {lead})
        .Text({"("}, Greek("p"), {"/4)"})
        .Value({"×"}, "%3.0lf", r.chord.fy)
        .Value({"×"}, "%3.1lf", r.chord.t)
        .Value({" / (√3×sin"}, "%3.1lf°)", ThetaOf(r, i))
        .Value({"×(2×"}, "%3.1lf", b.d)
        .Value({" / sin"}, "%3.1lf°", ThetaOf(r, i))
        .Value({" + "}, "%3.1lf", b.d)
        .Value({" + "}, "%3.1lf) / 1000 =", r.b_ep[i - 1].value);
    w.NewLine();
    ResultAndVerdict(w, x);
  }
}

double RingArea(const RcBrace& b) { return 3.14159265358979 / 4 * (b.d * b.d - (b.d - 2 * b.t) * (b.d - 2 * b.t)); }

void Overlap(LineWriter& w, const RcResult& r) {
  const int oi = r.overlapping, oj = r.overlapped;
  const std::string i = Index(oi), j = Index(oj);
  const RcBrace& bi = BraceOf(r, oi);
  const RcBrace& bj = BraceOf(r, oj);
  const RcResistance* xi = Find(r, RcMode::kOverlap, oi);
  const RcResistance* xj = Find(r, RcMode::kOverlap, oj);
  if (!xi || !xj) return;
  Heading(w, RcTextKey::kOverlapHeading, i + ",Rd");
  EffectiveWidth(w, r, oi, r.b_eff_i);
  w.AtLeft()
      .KeepTogether(2)
      .Text({"b"}, Sub("e,ov"), {" = 10 / (d"})
      .Text(Sub(j), {" / t"}, Sub(j))
      .Text({")×f "}, Sub("y" + j), {"×t"})
      .Text(Sub(j), {" / (f "}, Sub("y" + i))
      .Text({"×t"}, Sub(i), {")×d"})
      .Text(Sub(i));
  w.NewLine();
  w.AtLeft()
      .Value({" = 10 / ("}, "%3.1lf", bj.d)
      .Value({" / "}, "%3.1lf)", bj.t)
      .Value({"×"}, "%3.0lf", bj.fy)
      .Value({"×"}, "%3.1lf", bj.t)
      .Value({" / ("}, "%3.0lf", bi.fy)
      .Value({"×"}, "%3.1lf)", bi.t)
      .Value({"×"}, "%3.1lf", bi.d)
      .Value({" = "}, "%3.1lf mm", r.b_e_ov.formula)
      .Value({r.b_e_ov.capped ? " > d" : " <= d"}, Sub(i), {" = "}, "%3.1lf mm", bi.d);
  if (r.b_e_ov.capped) w.Value({" , b"}, Sub("e,ov"), {" = "}, "%3.1lf mm", r.b_e_ov.value);
  w.NewLine();
  const bool partial = r.lambda_ov < 50;
  const char* lead = Lead(xi->reduced);
  w.AtLeft()
      .KeepTogether(4)
      .Weight("bold")
      .Text({"N"}, Sub(i + ",Rd"), {lead})
      .Text({"("}, Greek("p"), {"/4)×f "})
      .Text(Sub("y" + i), {"×t"}, Sub(i))
      .Text({"×(b"}, Sub("eff"), {" + b"})
      .Text(Sub("e,ov"), {" + 2×d"}, Sub(i));
  if (partial) w.Text({"×"}, Greek("l"), Sub("ov")).Text({" / 50"});
  w.Text({" - 4×t"}, Sub(i), {")"}).Weight("normal");
  w.NewLine();
  w.AtLeft()
      .Text({"N"}, Sub(i + ",Rd"), {lead})
      .Text({"("}, Greek("p"), {"/4)"})
      .Value({"×"}, "%3.0lf", bi.fy)
      .Value({"×"}, "%3.1lf", bi.t)
      .Value({"×("}, "%3.1lf", r.b_eff_i.value)
      .Value({" + "}, "%3.1lf", r.b_e_ov.value)
      .Value({" + 2×"}, "%3.1lf", bi.d);
  if (partial) w.Value({"×"}, "%3.1lf / 50", r.lambda_ov);
  w.Value({" - 4×"}, "%3.1lf) / 1000 =", bi.t);
  w.NewLine();
  ResultAndVerdict(w, xi);

  Heading(w, RcTextKey::kOverlappedHeading, j + ",Rd");
  w.AtLeft()
      .KeepTogether(4)
      .Weight("bold")
      .Text({"N"}, Sub(j + ",Rd"), {" = N"})
      .Text(Sub(i + ",Rd"), {"×A"}, Sub(j))
      .Text({"×f "}, Sub("y" + j), {" / (A"})
      .Text(Sub(i), {"×f "}, Sub("y" + i))
      .Text({")"})
      .Weight("normal");
  w.NewLine();
  w.AtLeft()
      .Text({"N"}, Sub(j + ",Rd"), {" = "})
      .Value({""}, "%3.1lf", xi->resistance)
      .Value({"×"}, "%3.1lf", RingArea(bj))
      .Value({"×"}, "%3.0lf", bj.fy)
      .Value({" / ("}, "%3.1lf", RingArea(bi))
      .Value({"×"}, "%3.0lf) =", bi.fy);
  w.NewLine();
  ResultAndVerdict(w, xj);
}

void JointResistances(LineWriter& w, const RcResult& r) {
  w.NewLine();
  for (int i = 1; i <= 2; ++i) {
    const std::string n = Index(i);
    std::vector<const RcResistance*> own;
    for (const RcResistance& x : r.resistances)
      if (x.brace == i && x.mode != RcMode::kChordInGap) own.push_back(&x);
    if (own.empty()) continue;
    w.AtLeft().KeepTogether(1).Weight("bold").Text({Say(w, RcTextKey::kJointResistanceIs)}, Sub(n + ",Rd"), {" = "});
    if (own.size() > 1) {
      w.Value({"min( "}, "%3.1lf", own[0]->resistance);
      for (std::size_t k = 1; k < own.size(); ++k) w.Value({" , "}, "%3.1lf", own[k]->resistance);
      w.Text({" ) = "});
    }
    w.Value({""}, "%3.1lf kN", i == 1 ? r.N1_Rd : r.N2_Rd).Weight("normal");
    w.NewLine();
  }
}

}  // namespace

void PrintRcParameters(LineWriter& w, const RcResult& r) {
  w.NewLine();
  w.AtLeft().KeepTogether(2).Weight("bold").Text({Say(w, RcTextKey::kParametersHeading)}).Weight("normal");
  w.NewLine();
  w.AtLeft()
      .Text(Greek("g"), {" = b"}, Sub("0"))
      .Text({" / (2×t"}, Sub("0"), {")"})
      .Value({" = "}, "%3.1lf", r.chord.b)
      .Value({" / (2×"}, "%3.1lf)", r.chord.t)
      .Value({" = "}, "%3.3lf", r.gamma);
  if (!r.kn) {
    w.AtRight()
        .Text(Greek("b"), {" = "}, Greek("h"))
        .Text({" = d"}, Sub("1"), {" / b"})
        .Value(Sub("0"), {" = "}, "%3.1lf", r.brace1.d)
        .Value({" / "}, "%3.1lf", r.chord.b)
        .Value({" = "}, "%3.3lf", r.beta);
  }
  w.NewLine();
  w.AtLeft().Value({"A"}, Sub("0"), {" = "}, "%3.1lf mm²", r.A0).Text({Say(w, r.A0_derived ? RcTextKey::kFromSection : RcTextKey::kGivenValue)});
  w.AtRight().Value({"W"}, Sub("el,0"), {" = "}, "%3.1lf mm³", r.Wel0).Text({Say(w, r.Wel0_derived ? RcTextKey::kFromSection : RcTextKey::kGivenValue)});
  w.NewLine();
  if (r.kn) KnForces(w, r);
  ChordStress(w, r);
  Sentence(w, RcTextKey::kRoundBraceRule);
  if (r.kn && !r.overlap) Sentence(w, RcTextKey::kNoRoundBraceFactor);
  if (std::any_of(r.resistances.begin(), r.resistances.end(), [](const RcResistance& x) { return x.reduced; }))
    Sentence(w, RcTextKey::kReducedAbove355);
}

void PrintRcResistances(LineWriter& w, const RcResult& r) {
  if (!r.kn) {
    TyxResistance(w, r);
    return;
  }
  if (r.overlap) {
    Overlap(w, r);
  } else {
    GapChordFace(w, r);
    GapBrace(w, r);
    GapChordShear(w, r);
    GapChordAxial(w, r);
    GapPunching(w, r);
  }
  JointResistances(w, r);
}

}  // namespace traxen
