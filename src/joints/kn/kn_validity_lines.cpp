// The validity section of the K/N report as check lines: the chord, the braces with a
// positive member length, β, and the gap rows or the overlap rows.
#include <string>

#include "report/line_writer.h"
#include "joints/kn/kn_validity_lines.h"
#include "joints/kn/kn_texts.h"
#include "report/report_words.h"
#include "base/number_format.h"
#include "report/report_note.h"

namespace traxen {

namespace {

constexpr int kSecondColumn = 350;

// How a member's symbols carry their index: the chord and brace 1 as "h" with "0 " / "1 ",
// brace 2 as "h " with "2" and the angle with " 2 ".
struct MemberSymbols {
  std::string letter_suffix;  // "" or " "
  std::string index;          // "0 ", "1 " or "2"
  std::string angle_index;    // "1 " or " 2 "
  std::string width_index;    // "1 " or "2 " in the b/b0 rows
};

MemberSymbols SymbolsOf(int member) {
  switch (member) {
    case 0: return {"", "0 ", "", ""};
    case 1: return {"", "1 ", "1 ", "1 "};
    default: return {" ", "2", " 2 ", "2 "};
  }
}

// Starts a check at x: red when it failed (setting the failure flag).
LineWriter BeginCondition(ReportCanvas& canvas, int x, bool passed) {
  BeginCheck(canvas, passed, CheckKind::Condition);
  return LineWriter(canvas, x);
}

void ClassCheck(ReportCanvas& canvas, int x, const KnMemberValidity& v) {
  const bool ok = v.class_ok;
  const std::string numeral = ClassNumeral(v.section_class);
  LineWriter w = BeginCondition(canvas, x, ok);
  w.Text(Say(canvas, ReportTextKey::kSectionClass), numeral, ok ? " <  III" : " >  II").Text(" ");
  ConditionVerdict(canvas, w.x(), ok);
}

void StrengthCheck(ReportCanvas& canvas, int x, const KnMemberValidity& v) {
  const bool ok = v.fy_ok;
  LineWriter w = BeginCondition(canvas, x, ok);
  w.Value("f ", Sub("yk"), " = ", "%3.0lf", v.fy)
      .Value(" MPa ", ok ? " <= " : " > ", "", "%3.1lf", 460)
      .Text(" MPa ");
  ConditionVerdict(canvas, w.x(), ok);
}

void ThicknessCheck(ReportCanvas& canvas, int x, const KnMemberValidity& v, const MemberSymbols& s) {
  const bool ok = v.t_ok;
  const std::string letter = "t" + s.letter_suffix;
  LineWriter w = BeginCondition(canvas, x, ok);
  w.Value(letter, Sub(s.index), " = ", "%3.1lf", v.t)
      .Value(" mm ", ok ? " > " : " < ", "", "%3.1lf", 2.5)
      .Text(" mm ");
  ConditionVerdict(canvas, w.x(), ok);
}

// "h0 / t0 = 200.0 / 8.0 = 25.0" followed by the relation.
void RatioCheck(ReportCanvas& canvas, int x, bool ok, const MemberSymbols& s, char numerator,
                char denominator, double num, double den, double ratio, const char* ratio_format,
                const char* pass_relation, const char* fail_relation) {
  const std::string num_letter = std::string(1, numerator) + s.letter_suffix;
  const std::string den_text = std::string(" / ") + denominator + s.letter_suffix;
  LineWriter w = BeginCondition(canvas, x, ok);
  w.Text(num_letter, Sub(s.index), den_text)
      .Value(Sub(s.index), " = ", "", "%3.1lf", num)
      .Value(" / ", "%3.1lf", den)
      .Value(" = ", ratio_format, ratio)
      .Text(ok ? pass_relation : fail_relation);
  ConditionVerdict(canvas, w.x(), ok);
}

void AngleCheck(ReportCanvas& canvas, int x, bool ok, const KnMemberValidity& v,
                const MemberSymbols& s, const char* pass_relation, const char* fail_relation) {
  LineWriter w = BeginCondition(canvas, x, ok);
  w.Value(Greek("q"), Sub(s.angle_index), " = ", "%3.1lf°", v.theta)
      .Text(ok ? pass_relation : fail_relation, Sup(""), "");
  ConditionVerdict(canvas, w.x(), ok);
}

// "b1 / b0 = 100.0 / 200.0 = 0.50" and the relation; the verdict spacing differs by row.
void WidthRatioToChord(ReportCanvas& canvas, bool ok, const KnMemberValidity& v, double b0,
                       const MemberSymbols& s, const char* pass_relation,
                       const char* fail_relation, int spacing) {
  LineWriter w = BeginCondition(canvas, canvas.left_margin, ok);
  w.Text("b", Sub(s.width_index), " / b")
      .Value(Sub("0 "), " = ", "", "%3.1lf", v.b)
      .Value(" / ", "%3.1lf", b0)
      .Value(" = ", "%3.2lf", v.b_b0)
      .Text(ok ? pass_relation : fail_relation);
  ConditionVerdict(canvas, w.x(), ok, spacing);
}

void SecondWidthLimit(ReportCanvas& canvas, const KnMemberValidity& v, const KnMemberValidity& chord,
                      const MemberSymbols& s) {
  const bool ok = v.b_b0_limit_ok;
  LineWriter w = BeginCondition(canvas, canvas.left_margin, ok);
  w.Text("b", Sub(s.width_index), " / b")
      .Value(Sub("0 "), " = ", "", "%3.1lf", v.b)
      .Value(" / ", "%3.1lf", chord.b)
      .Value(" = ", "%3.2lf", v.b_b0)
      .Text(ok ? " >= 0.1+0.01×b" : " < 0.1+0.01×b", Sub("0"), " / t")
      .Value(Sub("0 "), " = ", "0.1 + 0.01×", "%3.1lf", chord.b)
      .Value(" /", "%3.1lf", chord.t)
      .Value(" = ", "%3.2lf", v.b_b0_limit);
  // This long line has its verdict at a fixed place, unless its text reaches that far.
  ConditionVerdict(canvas, VerdictPlace(w.x(), canvas.left_margin + 550), ok, 0);
}

void MemberBlock(ReportCanvas& canvas, const KnValidity& kv, const KnMemberValidity& v) {
  const MemberSymbols s = SymbolsOf(v.member);
  const int left = canvas.left_margin, right = canvas.left_margin + kSecondColumn;

  NewLine(canvas);
  ClassCheck(canvas, left, v);
  StrengthCheck(canvas, right, v);

  NewLine(canvas);
  ThicknessCheck(canvas, left, v, s);
  RatioCheck(canvas, right, v.h_t_ok, s, 'h', 't', v.h, v.t, v.h_t, "%3.1lf", " <= 35  ", " > 35  ");

  NewLine(canvas);
  RatioCheck(canvas, left, v.b_t_ok, s, 'b', 't', v.b, v.t, v.b_t, "%3.1lf", " <= 35  ", " > 35  ");
  RatioCheck(canvas, right, v.h_b_min_ok, s, 'h', 'b', v.h, v.b, v.h_b, "%3.1lf", " >= 0.5",
             " < 0.5 ");

  NewLine(canvas);
  RatioCheck(canvas, left, v.h_b_max_ok, s, 'h', 'b', v.h, v.b, v.h_b, "%3.1lf", " <= 2", " > 2");
  if (v.member == 0) {
    RatioCheck(canvas, right, v.length_ok, s, 'L', 'h', v.length_mm, v.h, v.length_ratio, "%3.1lf",
               " >= 6", " < 6");
    return;
  }
  AngleCheck(canvas, right, v.theta_min_ok, v, s, " >= 30°", " < 30°");

  NewLine(canvas);
  AngleCheck(canvas, left, v.theta_max_ok, v, s, " <= 150°", " > 150°");
  RatioCheck(canvas, right, v.length_ok, s, 'L', 'h', v.length_mm, v.h, v.length_ratio, "%3.1lf",
             " >= 6", " < 6");

  NewLine(canvas);
  if (kv.gap_rows) {
    WidthRatioToChord(canvas, v.b_b0_ok, v, kv.chord.b, s, " >= 0.35  ", " < 0.35  ",
                      v.member == 1 ? 30 : 20);
    NewLine(canvas);
    SecondWidthLimit(canvas, v, kv.chord, s);
  } else {
    WidthRatioToChord(canvas, v.b_b0_ok, v, kv.chord.b, s, " >= 0.25  ", " < 0.25  ",
                      v.member == 1 ? 20 : 30);
  }
}

void BetaLine(ReportCanvas& canvas, const KnValidity& v) {
  LineWriter(canvas, canvas.left_margin)
      .Text(Greek("b"), " = (b", Sub("1 "))
      .Text(" + b", Sub("2 "), " + h")
      .Text(Sub("1 "), " + h", Sub("2"))
      .Text(") / (4×b", Sub("0 "), ") =  ")
      .Value("( ", "%3.1lf", v.brace1.b)
      .Value(" + ", "%3.1lf", v.brace2.b)
      .Value(" + ", "%3.1lf", v.brace1.h)
      .Value(" + ", "%3.1lf", v.brace2.h)
      .Value(") / (4×", "%3.1lf", v.chord.b)
      .Value(") = ", "%3.3lf", v.beta);
}

// "|180° - θ1 - θ2| = |180° - 45.0° - 45.0°| = 90.0° >= 30°": the angle between the brace axes.
void BraceAngleRow(ReportCanvas& canvas, const KnValidity& v) {
  NewLine(canvas);
  const bool ok = v.brace_angle_ok;
  LineWriter w = BeginCondition(canvas, canvas.left_margin, ok);
  w.Text("|180° - ", Greek("q"), Sub("1 "))
      .Text(" - ", Greek("q"), Sub("2 "))
      .Text("| = ")
      .Value("|180° - ", "%3.1lf°", v.brace1.theta)
      .Value(" - ", "%3.1lf°", v.brace2.theta)
      .Value("| = ", "%3.1lf°", v.brace_angle)
      .Text(ok ? " >= 30°" : " < 30°");
  ConditionVerdict(canvas, w.x(), ok);
}

// The reason a condition failed, in red words on the next line, wrapped at the frame.
void ReasonLine(ReportCanvas& canvas, std::string_view words) {
  NewLine(canvas);
  canvas.SetTextColor(kRed);
  LineWriter w(canvas, canvas.left_margin);
  PrintNote(w, words);
  canvas.SetTextColor(kBlack);
}

void GapRows(ReportCanvas& canvas, const KnValidity& v) {
  NewLine(canvas);
  {
    const bool ok = v.gap_size_ok;
    LineWriter w = BeginCondition(canvas, canvas.left_margin, ok);
    w.Text("g", ok ? " >= " : " < ", "t").Text(Sub("1 "), " + ", "t");
    if (ok)
      w.Value(Sub("2"), " = ", "", "%3.2lf", v.g).Value(" >=  ", "%3.1lf", v.brace1.t);
    else
      w.Value(Sub("2"), Sub(" = "), "", "%3.2lf", v.g).Value(" < ", "%3.1lf", v.brace1.t);
    w.Value(" + ", "%3.1lf", v.brace2.t).Value(" = ", "%3.2lf", v.t1_plus_t2);
    ConditionVerdict(canvas, w.x(), ok, 10, ReportTextKey::kFailedWithoutMark);
  }
  auto ratio_row = [&](bool ok, const char* pass_relation, const char* fail_relation,
                       const char* factor_text, double limit) {
    NewLine(canvas);
    LineWriter w = BeginCondition(canvas, canvas.left_margin, ok);
    w.Value("g / b", Sub("0 "), " = ", "%3.2lf", v.g)
        .Value(" / ", "%3.1lf", v.chord.b)
        .Value(" = ", "%3.2lf", v.g_b0)
        .Text(ok ? pass_relation : fail_relation, Greek("b"), " ) = ")
        .Value(factor_text, "%3.2lf", v.beta)
        .Value(") = ", "%3.2lf", limit);
    ConditionVerdict(canvas, w.x(), ok, 10);
  };
  ratio_row(v.gap_ratio_min_ok, " >=  0.5×(1 -", " <  0.5×(1 -", "0.5×(1 - ", v.gap_ratio_min);
  ratio_row(v.gap_ratio_max_ok, " <=  1.5×(1 -", " >  1.5×(1 -", "1.5×(1 - ", v.gap_ratio_max);
}

void OverlapRows(ReportCanvas& canvas, const KnValidity& v) {
  if (!v.overlap_conditions) return;
  if (v.width_ratio_shown) {
    NewLine(canvas);
    const bool ok = v.width_ratio_ok;
    const bool first = v.narrower_brace == 1;
    LineWriter w = BeginCondition(canvas, canvas.left_margin, ok);
    w.Text("b", Sub(first ? "1 " : "2 "), " / b")
        .Value(Sub(first ? "2 " : "1 "), " = ", "", "%3.1lf", v.narrower_width)
        .Value(" / ", "%3.1lf", v.wider_width)
        .Value(" = ", "%3.2lf", v.width_ratio)
        .Text(ok ? " >= 0.75  " : " < 0.75  ");
    ConditionVerdict(canvas, w.x(), ok);
  }
  // Both braces deeper than wide: "h1 = 100.0 mm >= b1 = 100.0 mm", brace 2 in the second column.
  NewLine(canvas);
  for (const KnMemberValidity* brace : {&v.brace1, &v.brace2}) {
    const bool ok = brace == &v.brace1 ? v.brace1_depth_ok : v.brace2_depth_ok;
    const std::string index = brace == &v.brace1 ? "1 " : "2 ";
    const int x = canvas.left_margin + (brace == &v.brace1 ? 0 : kSecondColumn);
    LineWriter w = BeginCondition(canvas, x, ok);
    w.Value("h", Sub(index), " = ", "%3.1lf mm", brace->h)
        .Value(ok ? " >= b" : " < b", Sub(index), " = ", "%3.1lf mm", brace->b);
    ConditionVerdict(canvas, w.x(), ok);
  }
  if (v.DepthRowFailed()) ReasonLine(canvas, Say(canvas, KnTextKey::kBraceWiderThanDeep));

  NewLine(canvas);
  const bool ok = v.overlap_ok;
  LineWriter w = BeginCondition(canvas, canvas.left_margin, ok);
  w.Text(ok ? "25% <= " : Say(canvas, KnTextKey::kOverlapFailedAsks), Greek("l"), "")
      .Value(Sub(Say(canvas, KnTextKey::kOverlapRatioIndex)), " =  ", "", ok ? "%3.1lf%% <= 80%%" : Say(canvas, KnTextKey::kOverlapFailedOr),
             v.lambda_ov);
  ConditionVerdict(canvas, w.x(), ok);
  if (v.overlap_beyond_limit) ReasonLine(canvas, Say(canvas, KnTextKey::kOverlapBeyondLimit));
  if (v.hidden_seam_note) {
    NewLine(canvas);
    LineWriter w(canvas, canvas.left_margin);
    PrintHiddenSeamNote(w);
  }
}

}  // namespace

void PrintKnValidity(ReportCanvas& canvas, const KnValidity& v) {
  NewLine(canvas);
  NewLine(canvas);
  LineWriter(canvas, canvas.left_margin, "bold").Text(Say(canvas, ReportTextKey::kValidityHeading));
  NewLine(canvas);
  LineWriter(canvas, canvas.left_margin, "bold").Text(Say(canvas, KnTextKey::kChordHeading));
  MemberBlock(canvas, v, v.chord);

  NewLine(canvas);
  NewLine(canvas);
  if (v.brace1.shown) {
    LineWriter(canvas, canvas.left_margin, "bold").KeepTogether(2).Text(Say(canvas, KnTextKey::kBrace1Heading));
    MemberBlock(canvas, v, v.brace1);
  }
  NewLine(canvas);
  NewLine(canvas);
  if (v.brace2.shown) {
    LineWriter(canvas, canvas.left_margin, "bold").KeepTogether(2).Text(Say(canvas, KnTextKey::kBrace2Heading));
    MemberBlock(canvas, v, v.brace2);
  }

  NewLine(canvas);
  BetaLine(canvas, v);
  BraceAngleRow(canvas, v);
  if (v.gap_rows)
    GapRows(canvas, v);
  else
    OverlapRows(canvas, v);
  if (v.through_thickness_note) {
    NewLine(canvas);
    LineWriter w(canvas, canvas.left_margin);
    PrintChordWallNote(w);
  }
}

void PrintKnStopLine(ReportCanvas& canvas) {
  canvas.x = canvas.left_margin;
  const int y = NewLine(canvas);
  canvas.SetTextColor(kRed);
  PlainText(canvas, canvas.left_margin, y, Say(canvas, ReportTextKey::kStopLine));
  canvas.SetTextColor(kBlack);
}

}  // namespace traxen
