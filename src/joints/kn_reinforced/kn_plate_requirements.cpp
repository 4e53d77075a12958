// Plate requirements of a reinforced K/N joint: computed once, then printed block by block.
#include "joints/kn_reinforced/kn_plate_requirements.h"

#include <algorithm>
#include <cmath>
#include <string_view>

#include "joints/kn_reinforced/formula_line.h"
#include "report/pages.h"

namespace traxen {

namespace {

// Degrees to radians as the reports convert.
double ReportRadians(double degrees) { return degrees * 3.14159265 / 180; }

PlateRequirementCheck Require(double actual, double required) {
  return {true, actual, required, actual >= required};
}

int Advance(ReportCanvas& canvas) {
  return NextLine(canvas, canvas.line_step, canvas.line_step);
}

// A plate requirement's check line from x: "l_p = 450.0 mm  >= 376.4 mm  Korras! ".
void PrintCheck(ReportCanvas& canvas, int x, std::string_view symbol, std::string_view index,
                const PlateRequirementCheck& check) {
  BeginCheck(canvas, check.passed, CheckKind::Condition);
  FormulaLine line(canvas, x);
  line.Text(symbol).Sub(index).Text(" = ").Value("%3.1lf", check.actual);
  line.Text(" mm ").Text(check.passed ? " >= " : " < ").Text("").Value("%3.1lf", check.required);
  line.Text(" mm ");
  EndCheck(canvas, line.End(), canvas.y, check.passed);
}

void PrintHeading(ReportCanvas& canvas, bool& first, std::string_view heading) {
  if (!first) Advance(canvas);
  first = false;
  canvas.x = canvas.left_margin;
  FormulaLine(canvas, canvas.left_margin).Text(heading).Text("").Sub("");
}

// "l_p >= 1,5*(h_1 / sinθ_1 + g + h_2 / sinθ_2) = 1,5×(…) = 376.4 mm" and on the next line
// the length check. The side plates write "sin " with a blank in the symbolic part.
void PrintLengthBlock(ReportCanvas& canvas, const ReportInputs& in, bool& first,
                      std::string_view heading, std::string_view sin_text, double l_req,
                      const PlateRequirementCheck& check) {
  PrintHeading(canvas, first, heading);
  Advance(canvas);
  FormulaLine line(canvas, canvas.left_margin);
  line.Text("l ").Sub("p ").Sub("");
  line.Text(" >= ").Text("1,5*(h").Sub("1");
  line.Text(" / ").Text(sin_text).Greek("q ");
  line.Sub("1 ").Text("+ g + h").Sub("2 ");
  line.Text(" / ").Text(sin_text).Greek("q ");
  line.Sub("2 ").Text(") = ").Text("");
  line.End();
  line.Text("1,5×(").Value("%3.1lf", in.h1);
  line.Text(" / sin").Value("%3.1lf °", in.theta1);
  line.Text(" + ").Value("%3.1lf", in.g);
  line.Text(" + ").Value("%3.1lf", in.h2);
  line.Text(" / sin ").Value("%3.1lf °", in.theta2);
  line.Text(" ) = ").Sup("").Text("").Value("%3.1lf mm", l_req);
  line.End();
  Advance(canvas);
  PrintCheck(canvas, canvas.left_margin, "l ", "p ", check);
}

// The second column, where the width and thickness checks continue their formula line; a
// formula reaching past it pushes the check to the right rather than writing over it.
int SecondColumn(const ReportCanvas& canvas, int formula_end) {
  return std::max(canvas.left_margin + 350, formula_end + 20);
}

// "t_p >= 2×t_1 = 2×8.0 = 16.0 mm" with the check at the second column.
void PrintThicknessBlock(ReportCanvas& canvas, bool& first, std::string_view heading,
                         std::string_view brace_index, double t_brace, double t_req,
                         const PlateRequirementCheck& check) {
  PrintHeading(canvas, first, heading);
  Advance(canvas);
  FormulaLine line(canvas, canvas.left_margin);
  line.Text("t ").Sub("p ").Sub("");
  line.Text(" >= ").Text("2×t").Sub(brace_index);
  line.Text("").Sub("").Text(" = 2×").Value("%3.1lf", t_brace);
  line.Text(" = ").Text("").Text("").Value("%3.1lf mm", t_req);
  PrintCheck(canvas, SecondColumn(canvas, line.End()), "t ", "p ", check);
}

}  // namespace

int KnPlateRequirements::FailedCount() const {
  int n = 0;
  for (const PlateRequirementCheck* c :
       {&face_length, &face_width, &face_thickness1, &face_thickness2, &side_length,
        &overlap_thickness1, &overlap_thickness2, &strength}) {
    if (c->checked && !c->passed) ++n;
  }
  return n;
}

KnPlateRequirements ComputeKnPlateRequirements(const ReportInputs& in) {
  KnPlateRequirements r;
  r.l_req = 1.5 * (in.h1 / std::sin(ReportRadians(in.theta1)) + in.g +
                   in.h2 / std::sin(ReportRadians(in.theta2)));
  r.b_req = in.b0 - 2 * in.t0;
  r.t_req1 = 2 * in.t1;
  r.t_req2 = 2 * in.t2;
  if (in.kn_face_plate == 1) {
    r.face_length = Require(in.face_l, r.l_req);
    r.face_width = Require(in.face_b, r.b_req);
    r.face_thickness1 = Require(in.face_t, r.t_req1);
    r.face_thickness2 = Require(in.face_t, r.t_req2);
  }
  if (in.kn_side_plates == 1) r.side_length = Require(in.side_l, r.l_req);
  if (in.kn_overlap_plate == 1) {
    r.overlap_thickness1 = Require(in.overlap_t, r.t_req1);
    r.overlap_thickness2 = Require(in.overlap_t, r.t_req2);
  }
  r.strength = Require(in.fy_plate, in.fy0);
  return r;
}

void PrintKnPlateRequirements(ReportCanvas& canvas, const ReportInputs& in,
                              const KnPlateRequirements& req) {
  bool first = true;
  if (in.kn_face_plate == 1) {
    PrintLengthBlock(canvas, in, first, "Nelikanttoru vöölapi pikkus ", "sin", req.l_req,
                     req.face_length);
    PrintHeading(canvas, first, "Nelikanttoru vöölapi laius ");
    Advance(canvas);
    FormulaLine line(canvas, canvas.left_margin);
    line.Text("b ").Sub("p ").Sub("");
    line.Text(" >= ").Text("b").Sub("0 ");
    line.Text(" - 2×t").Sub("0 ").Text(" = ").Value("%3.1lf", in.b0);
    line.Text(" - 2× ").Text("").Sub("").Value("%3.1lf", in.t0);
    line.Text(" = ").Text("").Text("").Value("%3.1lf mm", req.b_req);
    PrintCheck(canvas, SecondColumn(canvas, line.End()), "b ", "p ", req.face_width);
    PrintThicknessBlock(canvas, first, "Nelikanttoru vöölapi paksus ", "1 ", in.t1, req.t_req1,
                        req.face_thickness1);
    PrintThicknessBlock(canvas, first, "Nelikanttoru vöölapi paksus ", "2 ", in.t2, req.t_req2,
                        req.face_thickness2);
  }
  if (in.kn_side_plates == 1) {
    PrintLengthBlock(canvas, in, first, "Nelikanttoru külglapi pikkus ", "sin ", req.l_req,
                     req.side_length);
  }
  if (in.kn_overlap_plate == 1) {
    PrintThicknessBlock(canvas, first, "Ülekattega liite vahelapi paksus ", "1 ", in.t1,
                        req.t_req1, req.overlap_thickness1);
    PrintThicknessBlock(canvas, first, "Ülekattega liite vahelapi paksus ", "2 ", in.t2,
                        req.t_req2, req.overlap_thickness2);
  }

  // The plate steel must be at least as strong as the chord's; the printed relation is the
  // one that was tested.
  Advance(canvas);
  canvas.x = canvas.left_margin;
  const PlateRequirementCheck& s = req.strength;
  BeginCheck(canvas, s.passed, CheckKind::Condition);
  FormulaLine line(canvas, canvas.left_margin);
  line.Text("f ").Sub("ykt").Text(" = ").Value("%3.0lf", s.actual);
  line.Text(" MPa ").Text(s.passed ? " >= " : " < ").Text("").Value("%3.1lf", s.required);
  line.Text(" MPa ");
  EndCheck(canvas, line.End(), canvas.y, s.passed);
}

}  // namespace traxen
