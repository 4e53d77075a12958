// The validity conditions of round braces on a rectangular chord as report lines, member by
// member, one condition a line with its verdict, then the layout of a K/N joint.
#include <cmath>
#include <string>

#include "base/ieee_divide.h"
#include "base/number_format.h"
#include "joints/rc/rc_report_lines.h"
#include "joints/rc/rc_texts.h"
#include "report/report_note.h"
#include "report/report_words.h"

namespace traxen {

namespace {

using K = RcConditionKind;

bool IsLayout(const RcCondition& c) {
  return c.kind == K::kAngleBetween || c.kind == K::kGap || c.kind == K::kGapRatio || c.kind == K::kOverlap ||
         c.kind == K::kOverlapDiameters;
}

const RcBrace& BraceOf(const RcResult& r, int i) { return i == 1 ? r.brace1 : r.brace2; }

// The bounds as printed: "" for none; a computed bound carries its working ("38×ε = 30.94").
struct Bounds {
  std::string lower, upper;
};

Bounds BoundsOf(const RcCondition& c) {
  switch (c.kind) {
    case K::kDepthToWall:
    case K::kWidthToWall: return {"", "35"};
    case K::kDepthToWidth: return {"0.5", "2"};
    case K::kChordClass: return {"", FormatNumber("38×ε = %3.2lf", c.upper)};
    case K::kBraceClass: return {"", FormatNumber("50×ε² = %3.2lf", c.upper)};
    case K::kWallThickness: return {"2.5 mm", ""};
    case K::kYieldStrength: return {"", "460 MPa"};
    case K::kLengthRatio: return {"6", ""};
    case K::kDiameterToWidth: return {"0.4", "0.8"};
    case K::kBraceSlenderness: return {"", "50"};
    case K::kAngle: return {"30°", "150°"};
    case K::kAngleBetween: return {"30°", ""};
    case K::kGap: return {"", ""};  // printed with its working
    case K::kGapRatio:
      return {FormatNumber("0.5×(1 - β) = %3.3lf", c.lower), FormatNumber("1.5×(1 - β) = %3.3lf", c.upper)};
    case K::kOverlap: return {"25 %", "80 %"};
    case K::kOverlapDiameters: return {"0.75", ""};
  }
  return {};
}

// "d1 / b0 = 114.3 / 200.0 = 0.572": a ratio with its numbers.
void RatioWorking(LineWriter& w, Piece a, std::string_view ai, Piece b, std::string_view bi, const RcCondition& c,
                  const char* format) {
  w.Text(a, Sub(ai), b).Value(Sub(bi), {" = "}, "%3.1lf", c.numerator);
  w.Value({" / "}, "%3.1lf", c.denominator).Value({" = "}, format, c.value);
}

void Expression(LineWriter& w, const RcCondition& c, const RcResult& r) {
  const std::string i = std::to_string(c.member);
  switch (c.kind) {
    case K::kDepthToWall: RatioWorking(w, {"h"}, "0", {" / t"}, "0", c, "%3.1lf"); break;
    case K::kWidthToWall: RatioWorking(w, {"b"}, "0", {" / t"}, "0", c, "%3.1lf"); break;
    case K::kDepthToWidth: RatioWorking(w, {"h"}, "0", {" / b"}, "0", c, "%3.3lf"); break;
    case K::kChordClass:
      w.Text({Say(w, ReportTextKey::kSectionClass)}, {"2: c / t"}, Sub("0"))
          .Value({" = "}, "%3.1lf", c.numerator)
          .Value({" / "}, "%3.1lf", c.denominator)
          .Value({" = "}, "%3.1lf", c.value);
      break;
    case K::kBraceClass:
      w.Text({Say(w, ReportTextKey::kSectionClass)}, {"1: "});
      RatioWorking(w, {"d"}, i, {" / t"}, i, c, "%3.1lf");
      break;
    case K::kWallThickness: w.Value({"t"}, Sub(i), {" = "}, "%3.1lf mm", c.value); break;
    case K::kYieldStrength: w.Value({"f "}, Sub("y" + i), {" = "}, "%3.0lf MPa", c.value); break;
    case K::kLengthRatio:
      w.Text({"L"}, Sub(i), {c.member == 0 ? " / h" : " / d"}).Value(Sub(i), {" = "}, "%3.1lf", c.numerator);
      w.Value({" / "}, "%3.1lf", c.denominator).Value({" = "}, "%3.1lf", c.value);
      break;
    case K::kDiameterToWidth: RatioWorking(w, {"d"}, i, {" / b"}, "0", c, "%3.3lf"); break;
    case K::kBraceSlenderness: RatioWorking(w, {"d"}, i, {" / t"}, i, c, "%3.1lf"); break;
    case K::kAngle: w.Value(Greek("q"), Sub(i), {" = "}, "%3.1lf°", c.value); break;
    case K::kAngleBetween:
      w.Text({"|180° - "}, Greek("q"), Sub("1"))
          .Text({" - "}, Greek("q"), Sub("2"))
          .Value({"| = |180° - "}, "%3.1lf°", r.theta1)
          .Value({" - "}, "%3.1lf°", r.theta2)
          .Value({"| = "}, "%3.1lf°", c.value);
      break;
    case K::kGap: w.Value({"g = "}, "%3.1lf mm", c.value); break;
    case K::kGapRatio: RatioWorking(w, {"g"}, "", {" / b"}, "0", c, "%3.3lf"); break;
    case K::kOverlap:
      w.Text(Greek("l"), Sub("ov"), {" = -g / p×100 = "})
          .Value({""}, "%3.1lf", -r.g)
          .Value({" / "}, "%3.1lf", r.p)
          .Value({"×100 = "}, "%3.1lf %%", c.value);
      break;
    case K::kOverlapDiameters: {
      const std::string j = std::to_string(r.overlapped);
      RatioWorking(w, {"d"}, i, {" / d"}, j, c, "%3.3lf");
      break;
    }
  }
}

// What a class limit is formed from, on a line of its own before the check.
void ClassWorking(LineWriter& w, const RcCondition& c) {
  if (c.kind == K::kChordClass) {
    w.AtLeft()
        .KeepTogether(2)
        .Text({Say(w, RcTextKey::kChordClass)}, {"c = max(h"}, Sub("0"))
        .Text({", b"}, Sub("0"), {") - 3×t"})
        .Value(Sub("0"), {" = "}, "%3.1lf mm", c.numerator)
        .Value({" ,  ε = √(235 / f "}, Sub("y0"), {") = "}, "%3.3lf", Divide(c.upper, 38));
    w.NewLine();
  }
  if (c.kind == K::kBraceClass) {
    w.AtLeft()
        .KeepTogether(2)
        .Text({Say(w, RcTextKey::kBraceClass)})
        .Value({"ε² = 235 / f "}, Sub("y" + std::to_string(c.member)), {" = "}, "%3.3lf", Divide(c.upper, 50));
    w.NewLine();
  }
}

void Extra(LineWriter& w, const RcCondition& c, const RcResult& r) {
  if (c.kind == K::kGap)
    w.Text({c.passed ? " >= t" : " < t"}, Sub("1"), {" + t"})
        .Value(Sub("2"), {" = "}, "%3.1lf", r.brace1.t)
        .Value({" + "}, "%3.1lf", r.brace2.t)
        .Value({" = "}, "%3.1lf mm", c.lower);
}

// A passing two-sided condition reads "lower <= value <= upper"; a failing one names the
// bound it crosses. A value that is not a number crosses neither: it is judged without one.
void BoundedCheck(LineWriter& w, const RcCondition& c, const RcResult& r) {
  const Bounds b = BoundsOf(c);
  const bool both = !b.lower.empty() && !b.upper.empty();
  ClassWorking(w, c);
  w.AtLeft().Check(c.passed, CheckKind::Condition);
  if (c.passed && both) w.Text({b.lower}, {" <= "});
  Expression(w, c, r);
  if (c.kind != K::kGap) {
    if (c.passed) {
      w.Text({both || b.lower.empty() ? " <= " + b.upper : " >= " + b.lower});
    } else if (!std::isnan(c.value)) {
      const bool below = !b.lower.empty() && c.value < c.lower;
      w.Text({below ? " < " + b.lower : " > " + b.upper});
    }
  }
  Extra(w, c, r);
  w.Verdict(c.passed);
  w.NewLine();
}

void Heading(LineWriter& w, RcTextKey key) {
  w.AtLeft().KeepTogether(2).Weight("bold").Text({Say(w, key)}, {" "}, {"  "}).Weight("normal");
  w.NewLine();
}


void MemberConditions(LineWriter& w, const RcResult& r, int member) {
  for (const RcCondition& c : r.conditions)
    if (!IsLayout(c) && c.member == member) BoundedCheck(w, c, r);
}

void LayoutLines(LineWriter& w, const RcResult& r) {
  w.AtLeft()
      .KeepTogether(2)
      .Text({"g = (e + h"}, Sub("0"), {" / 2)×(cot"})
      .Text(Greek("q"), Sub("1"), {" + cot"})
      .Text(Greek("q"), Sub("2"), {") - d"})
      .Text(Sub("1"), {" / (2×sin"}, Greek("q"))
      .Text(Sub("1"), {") - d"}, Sub("2"))
      .Text({" / (2×sin"}, Greek("q"), Sub("2"))
      .Text({")"});
  w.NewLine();
  w.AtLeft()
      .Value({"g = ("}, "%3.1lf", r.e)
      .Value({" + "}, "%3.1lf / 2)", r.chord.h)
      .Value({"×(cot"}, "%3.1lf°", r.theta1)
      .Value({" + cot"}, "%3.1lf°)", r.theta2)
      .Value({" - "}, "%3.1lf", r.brace1.d)
      .Value({" / (2×sin"}, "%3.1lf°)", r.theta1)
      .Value({" - "}, "%3.1lf", r.brace2.d)
      .Value({" / (2×sin"}, "%3.1lf°)", r.theta2)
      .Value({" = "}, "%3.1lf mm", r.g);
  w.NewLine();
  if (!r.overlap) {
    w.AtLeft()
        .Text(Greek("b"), {" = (d"}, Sub("1"))
        .Text({" + d"}, Sub("2"), {") / (2×b"})
        .Value(Sub("0"), {") = ("}, "%3.1lf", r.brace1.d)
        .Value({" + "}, "%3.1lf", r.brace2.d)
        .Value({") / (2×"}, "%3.1lf)", r.chord.b)
        .Value({" = "}, "%3.3lf", r.beta);
    w.NewLine();
    return;
  }
  const std::string i = std::to_string(r.overlapping);
  w.AtLeft()
      .Text({Say(w, RcTextKey::kOverlappingBrace)}, {i})
      .Text({Say(w, RcTextKey::kOverlappedBrace)}, {std::to_string(r.overlapped)});
  w.NewLine();
  w.AtLeft()
      .Text({"p = d"}, Sub(i), {" / sin"})
      .Text(Greek("q"), Sub(i), {" = "})
      .Value({""}, "%3.1lf", BraceOf(r, r.overlapping).d)
      .Value({" / sin"}, "%3.1lf°", r.overlapping == 1 ? r.theta1 : r.theta2)
      .Value({" = "}, "%3.1lf mm", r.p);
  w.NewLine();
}

}  // namespace

void PrintRcValidity(LineWriter& w, const RcResult& r) {
  w.AtLeft().Weight("bold").Text({Say(w, ReportTextKey::kValidityHeading)}, {" "}, {"  "}).Weight("normal");
  w.NewLine();
  Heading(w, RcTextKey::kChordHeading);
  MemberConditions(w, r, 0);
  if (r.through_thickness_note) {
    PrintChordWallNote(w);
    w.NewLine();
  }
  Heading(w, r.kn ? RcTextKey::kBrace1Heading : RcTextKey::kBraceHeading);
  MemberConditions(w, r, 1);
  if (!r.kn) return;
  Heading(w, RcTextKey::kBrace2Heading);
  MemberConditions(w, r, 2);
  Heading(w, RcTextKey::kLayoutHeading);
  LayoutLines(w, r);
  for (const RcCondition& c : r.conditions)
    if (IsLayout(c)) BoundedCheck(w, c, r);
  if (r.hidden_seam_note) {
    PrintHiddenSeamNote(w);
    w.NewLine();
  }
  if (r.overlap_beyond_limit) {
    w.canvas().SetTextColor(kRed);
    PrintNote(w, Say(w, RcTextKey::kOverlapBeyondLimit));
    w.NewLine();
    w.canvas().SetTextColor(kBlack);
  }
}

bool PrintRcStopLine(LineWriter& w, bool valid) {
  if (valid) return true;
  w.NewLine();
  w.canvas().SetTextColor(kRed);
  w.AtLeft().Weight("bold").Text({Say(w, ReportTextKey::kStopLine)}, {" "}, {"  "}).Weight("normal");
  w.canvas().SetTextColor(kBlack);
  return false;
}

}  // namespace traxen
