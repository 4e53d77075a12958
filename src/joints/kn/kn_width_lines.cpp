// Effective-width lines shared by the plain and the reinforced K/N checks.
#include "joints/kn/kn_width_lines.h"

#include "joints/kn/kn_texts.h"
#include "report/line_writer.h"
#include "report/report_words.h"

namespace traxen {

namespace {

LineWriter Line(ReportCanvas& canvas) {
  NewLine(canvas);
  return LineWriter(canvas, canvas.left_margin);
}

}  // namespace

void PrintKnEffectiveWidth(ReportCanvas& canvas, KnWidthKind kind, const KnWidthWall& wall,
                           const KnWidthBrace& brace, const KnEffectiveWidth& width) {
  const bool overlap = kind == KnWidthKind::Overlap;
  const std::string symbol = overlap ? std::string(Say(canvas, KnTextKey::kOverlapWidthIndex)) + " " : "eff ";
  Line(canvas)
      .Text("b", Sub(symbol), " = (10×f")
      .Text(Sub(wall.strength_index), "×t²", Sub(wall.thickness_index))
      .Text("×b", Sub(brace.index), ") / (b")
      .Text(Sub(wall.width_index), "×f", Sub(brace.strength_index))
      .Text("×t", Sub(brace.index), ") <= b")
      .Text(Sub(brace.index));
  LineWriter w = Line(canvas);
  // The two widths have always been printed with slightly different number texts.
  w.Text("b", Sub(symbol), " = 10×")
      .Value("", "%3.0lf", wall.fy)
      .Value("×", "%3.1lf²", wall.t)
      .Value(" ×", "%3.1lf", brace.b)
      .Value(" / (", "%3.1lf", wall.b)
      .Value("×", "%3.0lf", brace.fy)
      .Value("×", "%3.1lf", brace.t)
      .Value(" )  = ", overlap ? "%3.1lf mm" : "%3.1lf mm ", width.formula);
  if (width.capped)
    w.Value(" > ", Say(canvas, overlap ? KnTextKey::kSoWidth : KnTextKey::kSoWidthMmShort), brace.b)
        .Value(Sub(symbol), " = ", "", "%3.1lf mm", brace.b);
  else
    w.Value(" <= ", "%3.1lf mm", brace.b);
}

void PrintKnPunchingWidth(ReportCanvas& canvas, const KnWidthBrace& brace,
                          std::string_view thickness_index, double t, double b0,
                          const KnEffectiveWidth& width) {
  const std::string symbol = std::string(Say(canvas, KnTextKey::kPunchingWidthIndex)) + " ";
  LineWriter p = Line(canvas);
  p.Text("b", Sub(symbol), " = 10×b")
      .Text(Sub(brace.index), "×t", Sub(thickness_index))
      .Text(" / b", Sub("0 "), " = ")
      .Value("10×", "%3.1lf", brace.b)
      .Value("×", "%3.1lf", t)
      .Value("/ ", "%3.1lf", b0)
      .Value(" = ", "%3.1lf mm", width.formula);
  if (width.capped)
    p.Value(" > ", Say(canvas, KnTextKey::kSoWidthMm), brace.b).Value(Sub(symbol), " = ", "", "%3.1lf mm", brace.b);
  else
    p.Value(" <= ", "%3.1lf mm", brace.b);
}

}  // namespace traxen
