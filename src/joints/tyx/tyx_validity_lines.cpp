// T/Y/X member checks as report lines: two checks per line, the second at the right column.
#include "joints/tyx/tyx_validity_lines.h"

#include <string>

#include "base/number_format.h"
#include "report/report_note.h"
#include "joints/tyx/tyx_texts.h"
#include "joints/tyx/tyx_schematic.h"
#include "report/report_words.h"

namespace traxen {

namespace {

using Relation = CheckRelation;

void ClassCheck(LineWriter& w, const TyxClassCheck& c) {
  const std::string numeral = ClassNumeral(c.section_class);
  w.Check(c.passed, CheckKind::Condition)
      .Text({Say(w, ReportTextKey::kSectionClass)}, {numeral}, {" "})
      .Text({c.passed ? " <  III" : " >  II"}, {"", kSub}, {" "})
      .Text({" "})
      .Verdict(c.passed);
}

void AngleCheck(LineWriter& w, std::string_view index, const TyxLimitCheck& c, Relation rel) {
  w.Check(c.passed, CheckKind::Condition)
      .Value({"q", kGreek}, {index, kSub}, {" = "}, "%3.1lf°", c.value)
      .Text({rel.For(c.passed)}, {"", kSup}, {""})
      .Verdict(c.passed);
}

void RatioCheck(LineWriter& w, std::string_view numerator_letter, std::string_view numerator_index,
                std::string_view over_denominator, std::string_view denominator_index,
                const TyxRatioCheck& c, std::string_view ratio_format, Relation rel) {
  w.Check(c.passed, CheckKind::Condition)
      .Text({numerator_letter}, {numerator_index, kSub}, {over_denominator})
      .Value({denominator_index, kSub}, {" = "}, "%3.1lf", c.numerator)
      .Value({" / "}, "%3.1lf", c.denominator)
      .Value({" = "}, ratio_format, c.ratio)
      .Text({rel.For(c.passed)})
      .Verdict(c.passed);
}

constexpr Relation kAtMost35{" <= 35  ", " > 35  "};
constexpr Relation kAtLeastHalf{" >= 0.5", " < 0.5 "};
constexpr Relation kAtMost2{" <= 2", " > 2"};
constexpr Relation kAtLeast6{" >= 6", " < 6"};

// The checks every member shares, up to the depth-to-width pair: class, strength, wall,
// h / t, b / t, h / b >= 0.5 and, on the fourth line's left, h / b <= 2. The lower brace
// writes a blank after the letter and its index without one ("h ", "2").
void CommonChecks(LineWriter& w, const TyxMemberChecks& c, std::string_view letter_gap,
                  std::string_view index, std::string_view thickness_letter) {
  const std::string h = std::string("h") + std::string(letter_gap);
  const std::string b = std::string("b") + std::string(letter_gap);
  const std::string over_t = std::string(" / t") + std::string(letter_gap);
  const std::string over_b = std::string(" / b") + std::string(letter_gap);

  w.AtLeft();
  ClassCheck(w, c.section_class);
  w.AtRight();
  PrintLimitCheck(w, {"f "}, {"yk", kSub}, "%3.0lf", " MPa ", c.yield_strength, {" <= ", " > "});
  w.NewLine();
  // The wall passes at exactly 2.5 mm and still reads " > ".
  w.AtLeft();
  PrintLimitCheck(w, {thickness_letter}, {index, kSub}, "%3.1lf", " mm ", c.wall_thickness, {" > ", " < "});
  w.AtRight();
  RatioCheck(w, h, index, over_t, index, c.depth_to_thickness, "%3.1lf", kAtMost35);
  w.NewLine();
  w.AtLeft();
  RatioCheck(w, b, index, over_t, index, c.width_to_thickness, "%3.1lf", kAtMost35);
  w.AtRight();
  RatioCheck(w, h, index, over_b, index, c.depth_to_width_min, "%3.1lf", kAtLeastHalf);
  w.NewLine();
  w.AtLeft();
  RatioCheck(w, h, index, over_b, index, c.depth_to_width_max, "%3.1lf", kAtMost2);
}

void ChordChecks(LineWriter& w, const TyxMemberChecks& c, ChordHeading heading) {
  w.AtLeft().Weight("bold");
  if (heading == ChordHeading::Plain)
    w.Text({Say(w, TyxTextKey::kChordHeading)}, {" "}, {"  "});
  else
    w.Text({Say(w, TyxTextKey::kChordHeadingAfterPlate)}, {""}, {""});
  w.Weight("normal");
  w.NewLine();
  CommonChecks(w, c, "", "0 ", "t");
  w.AtRight();
  RatioCheck(w, "L", "0 ", " / h", "0 ", c.length_to_depth, "%3.1lf", kAtLeast6);
  w.NewLines(2);
}

void BraceChecks(LineWriter& w, const TyxMemberChecks& c) {
  w.AtLeft().KeepTogether(2).Weight("bold").Text({Say(w, TyxTextKey::kBraceHeading)}, {" "}, {"  "}).Weight("normal");
  w.NewLine();
  CommonChecks(w, c, "", "1 ", "t");
  w.AtRight();
  AngleCheck(w, "1 ", c.angle_min, {" >= 30°", " < 30°"});
  w.NewLine();
  w.AtLeft();
  AngleCheck(w, "1 ", c.angle_max, {" <= 150°", " > 150°"});
  w.AtRight();
  // The failed length line writes the brace index as " 1".
  RatioCheck(w, "L", c.length_to_depth.passed ? "1 " : " 1", " / h", "1 ", c.length_to_depth,
             "%3.1lf", kAtLeast6);
  w.NewLine();
  w.AtLeft();
  // B11 stands alone on its line; the one advance after the brace section ends it.
  RatioCheck(w, "b", "1 ", " / b", "0 ", c.brace_to_chord_width, "%3.2lf",
             {" >= 0.25  ", " < 0.25  "});
}

void LowerBraceChecks(LineWriter& w, const TyxMemberChecks& c) {
  w.KeepTogether(2);
  PlainText(w.canvas(), w.canvas().left_margin, w.y(), Say(w, TyxTextKey::kLowerBraceHeading));
  w.NewLine();
  CommonChecks(w, c, " ", "2", "t ");
  w.AtRight();
  AngleCheck(w, " 2 ", c.angle_min, {" >= 30°", " < 30°"});
  w.NewLine();
  w.AtLeft();
  AngleCheck(w, " 2 ", c.angle_max, {" <= 150°", " > 150°"});
  w.AtRight();
  RatioCheck(w, "L ", "2", " / h ", "2", c.length_to_depth, "%3.1lf", kAtLeast6);
  w.NewLine();
}

}  // namespace

void PrintLimitCheck(LineWriter& w, Piece symbol, Piece index, std::string_view value_format,
                     std::string_view unit, const TyxLimitCheck& c, CheckRelation rel) {
  w.Check(c.passed, CheckKind::Condition)
      .Value(symbol, index, {" = "}, value_format, c.value)
      .Value({unit}, {rel.For(c.passed)}, "%3.1lf", c.limit)
      .Text({unit})
      .Verdict(c.passed);
}

void StartTyxReportText(LineWriter& w, const ReportInputs& in) {
  w.canvas().line_offset = in.tyx_x_joint == 1 ? kTyxXJointSketchRoom : kTyxSketchRoom;
  w.NewLine();
  w.canvas().SetTextColor(kBlack);
}

void PrintTyxMemberChecks(LineWriter& w, const TyxValidity& v, ChordHeading heading) {
  ChordChecks(w, v.chord, heading);
  if (v.brace_printed) BraceChecks(w, v.brace);
  w.NewLine();
  if (v.lower_brace_printed) LowerBraceChecks(w, v.lower_brace);
  if (v.through_thickness_note) {
    PrintChordWallNote(w);
    w.NewLine();
  }
}

bool PrintTyxStopLine(LineWriter& w, bool valid) {
  w.NewLine();
  if (valid) return true;
  w.canvas().SetTextColor(kRed);
  w.AtLeft()
      .Weight("bold")
      .Text({Say(w, ReportTextKey::kStopLine)}, {" "}, {"  "})
      .Weight("normal");
  w.canvas().SetTextColor(kBlack);
  return false;
}

}  // namespace traxen
