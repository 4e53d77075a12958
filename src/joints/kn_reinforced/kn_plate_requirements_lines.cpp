// The printed plate requirements of a reinforced K/N joint, block by block.
#include "joints/kn_reinforced/kn_plate_requirements_lines.h"

#include <algorithm>
#include <cmath>
#include <string_view>

#include "base/angles.h"
#include "base/ieee_divide.h"
#include "report/line_writer.h"
#include "joints/kn/kn_texts.h"
#include "joints/kn_reinforced/kn_reinforced_texts.h"
#include "report/report_words.h"

namespace traxen {

namespace {

// A plate requirement's check line from x: "l_p = 450.0 mm  >= 376.4 mm  Korras! ".
void PrintCheck(ReportCanvas& canvas, int x, std::string_view symbol,
                const PlateRequirementCheck& check) {
  BeginCheck(canvas, check.passed, CheckKind::Condition);
  LineWriter line(canvas, x);
  line.Value({symbol}, Sub("p "), " = ", "%3.1lf", check.actual);
  line.Value(" mm ", check.passed ? " >= " : " < ", "", "%3.1lf", check.required);
  line.Text(" mm ");
  ConditionVerdict(canvas, line.x(), check.passed);
}

void PrintHeading(ReportCanvas& canvas, bool& first, std::string_view heading) {
  if (!first) NewLine(canvas);
  first = false;
  canvas.x = canvas.left_margin;
  LineWriter(canvas, canvas.left_margin).Text({heading}, "", Sub(""));
}

// "l_p >= 1.5×(h_1 / sinθ_1 + g + h_2 / sinθ_2) = 1.5×(…) = 376.4 mm" (the factor as the
// report's language writes it) and on the next line the length check. The side plates write "sin " with a blank in the symbolic part.
void PrintLengthBlock(ReportCanvas& canvas, const KnUsedInputs& used, bool& first,
                      std::string_view heading, std::string_view sin_text, double l_req,
                      const PlateRequirementCheck& check) {
  PrintHeading(canvas, first, heading);
  NewLine(canvas);
  LineWriter(canvas, canvas.left_margin)
      .Text("l ", Sub("p "), Sub(""))
      .Text(" >= ", Say(canvas, KnReinforcedTextKey::kPlateLengthFactor), Sub("1"))
      .Text(" / ", {sin_text}, Greek("q "))
      .Text(Sub("1 "), "+ g + h", Sub("2 "))
      .Text(" / ", {sin_text}, Greek("q "))
      .Text(Sub("2 "), ") = ", "")
      .Value(Say(canvas, KnReinforcedTextKey::kPlateLengthNumbersFactor), "%3.1lf", used.brace1.h)
      .Value(" / sin", "%3.1lf °", used.brace1.theta)
      .Value(" + ", "%3.1lf", used.g)
      .Value(" + ", "%3.1lf", used.brace2.h)
      .Value(" / sin ", "%3.1lf °", used.brace2.theta)
      .Value(" ) = ", Sup(""), "", "%3.1lf mm", l_req);
  NewLine(canvas);
  PrintCheck(canvas, canvas.left_margin, "l ", check);
}

// "t_p >= 2×t_1 = 2×8.0 = 16.0 mm" with the check at the second column.
void PrintThicknessBlock(ReportCanvas& canvas, bool& first, std::string_view heading,
                         std::string_view brace_index, double t_brace, double t_req,
                         const PlateRequirementCheck& check) {
  PrintHeading(canvas, first, heading);
  NewLine(canvas);
  LineWriter line(canvas, canvas.left_margin);
  line.Text("t ", Sub("p "), Sub(""))
      .Text(" >= ", "2×t", Sub(brace_index))
      .Value("", Sub(""), " = 2×", "%3.1lf", t_brace)
      .Value(" = ", "", "", "%3.1lf mm", t_req);
  PrintCheck(canvas, line.AtRight().x(), "t ", check);
}

}  // namespace

void PrintKnPlateRequirements(ReportCanvas& canvas, const KnUsedInputs& used,
                              const KnPlateRequirements& req) {
  bool first = true;
  if (used.plates.face) {
    PrintLengthBlock(canvas, used, first, Say(canvas, KnReinforcedTextKey::kFacePlateLength), "sin", req.l_req,
                     req.face_length);
    PrintHeading(canvas, first, Say(canvas, KnReinforcedTextKey::kFacePlateWidth));
    NewLine(canvas);
    LineWriter line(canvas, canvas.left_margin);
    line.Text("b ", Sub("p "), Sub(""))
        .Text(" >= ", "b", Sub("0 "))
        .Value(" - 2×t", Sub("0 "), " = ", "%3.1lf", used.chord.b0)
        .Value(" - 2× ", "", Sub(""), "%3.1lf", used.chord.t0)
        .Value(" = ", "", "", "%3.1lf mm", req.b_req);
    PrintCheck(canvas, line.AtRight().x(), "b ", req.face_width);
    PrintThicknessBlock(canvas, first, Say(canvas, KnReinforcedTextKey::kFacePlateThickness), "1 ", used.brace1.t, req.t_req1,
                        req.face_thickness1);
    PrintThicknessBlock(canvas, first, Say(canvas, KnReinforcedTextKey::kFacePlateThickness), "2 ", used.brace2.t, req.t_req2,
                        req.face_thickness2);
  }
  if (used.plates.side) {
    PrintLengthBlock(canvas, used, first, Say(canvas, KnReinforcedTextKey::kSidePlateLength), "sin ", req.l_req,
                     req.side_length);
  }
  if (used.plates.between) {
    PrintThicknessBlock(canvas, first, Say(canvas, KnReinforcedTextKey::kBetweenPlateThickness), "1 ", used.brace1.t,
                        req.t_req1, req.overlap_thickness1);
    PrintThicknessBlock(canvas, first, Say(canvas, KnReinforcedTextKey::kBetweenPlateThickness), "2 ", used.brace2.t,
                        req.t_req2, req.overlap_thickness2);
  }

  // The plate steel must be at least as strong as the chord's; the printed relation is the
  // one that was tested.
  NewLine(canvas);
  canvas.x = canvas.left_margin;
  const PlateRequirementCheck& s = req.strength;
  BeginCheck(canvas, s.passed, CheckKind::Condition);
  LineWriter line(canvas, canvas.left_margin);
  line.Value("f ", Sub("ykt"), " = ", "%3.0lf", s.actual)
      .Value(" MPa ", s.passed ? " >= " : " < ", "", "%3.1lf", s.required)
      .Text(" MPa ");
  ConditionVerdict(canvas, line.x(), s.passed);
}

}  // namespace traxen
