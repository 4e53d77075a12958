// The validity conditions of a circular hollow section joint as report lines, member by
// member, one condition a line with its verdict.
#include <cmath>
#include <string>

#include "base/ieee_divide.h"
#include "base/number_format.h"
#include "joints/chs/chs_compute.h"
#include "joints/chs/chs_report_lines.h"
#include "joints/chs/chs_texts.h"
#include "report/report_words.h"

namespace traxen {

namespace {

using K = ChsConditionKind;


// "0.2 <= " before a passing two-sided value; the failing side's relation after it.
struct Bounds {
  std::string lower, upper;  // as printed, "" for none
};

// The expression of the condition's value ("d1 / d0 = 60.0 / 89.0 = 0.674").
void Expression(LineWriter& w, const ChsCondition& c, const ChsResult& r) {
  const std::string i = std::to_string(c.member);
  switch (c.kind) {
    case K::kDiameterRatio:
      w.Text({"d"}, Sub(i), {" / d"}).Value(Sub("0"), {" = "}, "%3.1lf", c.numerator);
      w.Value({" / "}, "%3.1lf", c.denominator).Value({" = "}, "%3.3lf", c.value);
      break;
    case K::kChordSlenderness:
    case K::kBraceSlenderness:
      w.Text({"d"}, Sub(i), {" / t"}).Value(Sub(i), {" = "}, "%3.1lf", c.numerator);
      w.Value({" / "}, "%3.1lf", c.denominator).Value({" = "}, "%3.1lf", c.value);
      break;
    case K::kAngle: w.Value(Greek("q"), Sub(i), {" = "}, "%3.1lf°", c.value); break;
    case K::kAngleBetweenBraces:
      w.Text({"|180° - "}, Greek("q"), Sub("1"))
          .Text({" - "}, Greek("q"), Sub("2"))
          .Value({"| = |180° - "}, "%3.1lf°", r.theta1)
          .Value({" - "}, "%3.1lf°", r.theta2)
          .Value({"| = "}, "%3.1lf°", c.value);
      break;
    case K::kGap: w.Value({"g = "}, "%3.1lf mm", c.value); break;
    case K::kOverlap:
      w.Text(Greek("l"), Sub("ov"), {" = -g / p×100 = "})
          .Value({""}, "%3.1lf", -r.g)
          .Value({" / "}, "%3.1lf", r.p)
          .Value({"×100 = "}, "%3.1lf %%", c.value);
      break;
    case K::kEccentricity:
      w.Value({"e / d"}, Sub("0"), {" = "}, "%3.1lf", c.numerator)
          .Value({" / "}, "%3.1lf", c.denominator)
          .Value({" = "}, "%3.3lf", c.value);
      break;
    case K::kWallThickness: w.Value({"t"}, Sub(i), {" = "}, "%3.1lf mm", c.value); break;
    case K::kYieldStrength: w.Value({"f "}, Sub("y" + i), {" = "}, "%3.0lf MPa", c.value); break;
    case K::kChordClass:
    case K::kBraceClass: break;
  }
}

Bounds BoundsOf(const ChsCondition& c, const ChsResult& r) {
  switch (c.kind) {
    case K::kDiameterRatio: return {"0.2", "1.0"};
    case K::kChordSlenderness: return {"10", r.x_joint && !r.kn ? "40" : "50"};
    case K::kBraceSlenderness: return {"", "50"};
    case K::kAngle: return {"30°", "150°"};
    case K::kAngleBetweenBraces: return {"30°", ""};
    case K::kGap: return {FormatNumber("%3.1lf mm", c.lower), ""};
    case K::kOverlap: return {"25 %", "80 %"};
    case K::kEccentricity: return {"-0.55", "0.25"};
    case K::kWallThickness: return {"2.5 mm", ""};
    case K::kYieldStrength: return {"", "460 MPa"};
    case K::kChordClass:
    case K::kBraceClass: break;
  }
  return {};
}

// Why an overlap beyond the limit is refused, in the failing line's red: the braces' shear
// on the chord face, which the rules leave to a check of its own.
void OverlapBeyondLimit(LineWriter& w, const ChsCondition& c) {
  w.canvas().SetTextColor(kRed);
  PrintNote(w, Say(w, ChsTextKey::kOverlapBeyondLimit), "normal", [&](LineWriter& lead) {
    lead.Text(Greek("l"), Sub("ov"), {" > "}).Value({""}, "%.0lf %%", c.upper);
  });
  w.NewLine();
  w.canvas().SetTextColor(kBlack);
}

// A passing two-sided condition reads "lower <= value <= upper"; a failing one names the
// bound it crosses. A value that is not a number crosses neither: it is judged without one.
void BoundedCheck(LineWriter& w, const ChsCondition& c, const ChsResult& r) {
  const Bounds b = BoundsOf(c, r);
  const bool both = !b.lower.empty() && !b.upper.empty();
  w.AtLeft().Check(c.passed, CheckKind::Condition);
  if (c.passed && both) w.Text({b.lower}, {" <= "});
  Expression(w, c, r);
  if (c.kind == K::kGap) {
    // The least gap with its working: t1 + t2.
    w.Text({c.passed ? " >= t" : " < t"}, Sub("1"), {" + t"})
        .Value(Sub("2"), {" = "}, "%3.1lf", r.brace1.t)
        .Value({" + "}, "%3.1lf", r.brace2.t)
        .Value({" = "}, "%3.1lf mm", c.lower);
  } else if (c.passed) {
    w.Text({both || b.lower.empty() ? " <= " + b.upper : " >= " + b.lower});
  } else if (!std::isnan(c.value)) {
    const bool below = !b.lower.empty() && c.value < c.lower;
    w.Text({below ? " < " + b.lower : " > " + b.upper});
  }
  w.Verdict(c.passed);
  w.NewLine();
  if (c.kind == K::kOverlap && c.value > c.upper) OverlapBeyondLimit(w, c);
}

// The class with the limit that places the tube in it: d/t within 50 ε² is class I, within
// 70 ε² class II; beyond 70 ε² the member is not class I or II.
void ClassCheck(LineWriter& w, const ChsCondition& c, const ChsMember& m) {
  const std::string i = std::to_string(c.member);
  const int section_class = static_cast<int>(c.value);
  const int factor = section_class <= 1 ? 50 : 70;
  const std::string limit = std::to_string(factor) + "ε²";
  w.AtLeft()
      .Check(c.passed, CheckKind::Condition)
      .Text({Say(w, ChsTextKey::kSectionClassOf)}, {ClassNumeral(section_class)}, {c.passed ? " <= II" : " > II"})
      .Text({Say(w, ChsTextKey::kClassWorking)})
      .Text({"d"}, Sub(i), {" / t"})
      .Value(Sub(i), {" = "}, "%3.1lf", Divide(c.numerator, c.denominator))
      .Text({(section_class <= 2 ? " <= " : " > ") + limit})
      .Text({" = " + std::to_string(factor) + "×235 / f "})
      .Value(Sub("y" + i), {" = "}, "%3.1lf", factor * Divide(235.0, m.fy));
  w.Verdict(c.passed);
  w.NewLine();
}

const ChsMember& MemberOf(const ChsResult& r, int member) {
  return member == 0 ? r.chord : member == 1 ? r.brace1 : r.brace2;
}

void Heading(LineWriter& w, ChsTextKey key) {
  w.AtLeft().KeepTogether(2).Weight("bold").Text({Say(w, key)}, {" "}, {"  "}).Weight("normal");
  w.NewLine();
}

// The conditions of one group: a member's, the angle between the braces, or the layout's.
void Conditions(LineWriter& w, const ChsResult& r, int group) {
  for (const ChsCondition& c : r.conditions) {
    if (ChsConditionGroup(c) != group) continue;
    if (c.kind == K::kChordClass || c.kind == K::kBraceClass)
      ClassCheck(w, c, MemberOf(r, c.member));
    else
      BoundedCheck(w, c, r);
  }
}

void LayoutLines(LineWriter& w, const ChsResult& r) {
  w.AtLeft()
      .KeepTogether(2)
      .Text({"g = (e + d"}, Sub("0"), {" / 2)×sin("})
      .Text(Greek("q"), Sub("1"), {" + "})
      .Text(Greek("q"), Sub("2"), {") / (sin"})
      .Text(Greek("q"), Sub("1"), {"×sin"})
      .Text(Greek("q"), Sub("2"), {") - d"})
      .Text(Sub("1"), {" / (2×sin"}, Greek("q"))
      .Text(Sub("1"), {") - d"}, Sub("2"))
      .Text({" / (2×sin"}, Greek("q"), Sub("2"))
      .Text({")"});
  w.NewLine();
  w.AtLeft()
      .Value({"g = ("}, "%3.1lf", r.e)
      .Value({" + "}, "%3.1lf / 2)", r.chord.d)
      .Value({"×sin"}, "%3.1lf°", r.theta1 + r.theta2)
      .Value({" / (sin"}, "%3.1lf°", r.theta1)
      .Value({"×sin"}, "%3.1lf°)", r.theta2)
      .Value({" - "}, "%3.1lf", r.brace1.d)
      .Value({" / (2×sin"}, "%3.1lf°)", r.theta1)
      .Value({" - "}, "%3.1lf", r.brace2.d)
      .Value({" / (2×sin"}, "%3.1lf°)", r.theta2)
      .Value({" = "}, "%3.1lf mm", r.g);
  w.NewLine();
  if (!r.overlap) return;
  const std::string i = std::to_string(r.overlapping_brace);
  const ChsMember& m = r.overlapping_brace == 1 ? r.brace1 : r.brace2;
  const double theta = r.overlapping_brace == 1 ? r.theta1 : r.theta2;
  w.AtLeft().Text({Say(w, ChsTextKey::kOverlappingBrace)}, {i});
  w.NewLine();
  w.AtLeft()
      .Text({"p = d"}, Sub(i), {" / sin"})
      .Text(Greek("q"), Sub(i), {" = "})
      .Value({""}, "%3.1lf", m.d)
      .Value({" / sin"}, "%3.1lf°", theta)
      .Value({" = "}, "%3.1lf mm", r.p);
  w.NewLine();
}

}  // namespace

void PrintChsValidity(LineWriter& w, const ChsResult& r) {
  w.AtLeft().Weight("bold").Text({Say(w, ReportTextKey::kValidityHeading)}, {" "}, {"  "}).Weight("normal");
  w.NewLine();
  Heading(w, ChsTextKey::kChordHeading);
  Conditions(w, r, 0);
  Heading(w, r.kn ? ChsTextKey::kBrace1Heading : ChsTextKey::kBraceHeading);
  Conditions(w, r, 1);
  if (r.kn) {
    Heading(w, ChsTextKey::kBrace2Heading);
    Conditions(w, r, 2);
    Heading(w, ChsTextKey::kLayoutHeading);
    Conditions(w, r, kChsBracesGroup);
    LayoutLines(w, r);
    Conditions(w, r, kChsLayoutGroup);
    if (r.hidden_seam_note) {
      PrintHiddenSeamNote(w);
      w.NewLine();
    }
  }
  if (r.thick_chord_note) {
    PrintChordWallNote(w);
    w.NewLine();
  }
}

bool PrintChsStopLine(LineWriter& w, bool valid) {
  if (valid) return true;
  w.NewLine();
  w.canvas().SetTextColor(kRed);
  w.AtLeft().Weight("bold").Text({Say(w, ReportTextKey::kStopLine)}, {" "}, {"  "}).Weight("normal");
  w.canvas().SetTextColor(kBlack);
  return false;
}

}  // namespace traxen
