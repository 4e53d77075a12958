// Chord face failure lines of the T/Y/X reports.
#include "joints/tyx/tyx_chord_face_lines.h"

namespace traxen {

// The formula's symbols, numbers, result and verdict are kept on one page.
void PrintChordFaceSymbols(LineWriter& w, bool reduced, std::string_view tail_weight) {
  w.AtLeft().KeepTogether(4).Weight("bold").Text({"N"}, {"1,Rd ", kSub}, {" = "});
  if (reduced)
    w.Text({"0.9×(k"}, {" n ", kSub}, {"×f"});
  else
    w.Text({"(k"}, {" n ", kSub}, {"×f"});
  w.Text({" yk0 ", kSub}, {"×t²"}, {" 0 ", kSub})
      .Text({")×(2×"}, {"h", kGreek}, {""})
      .Text({"/ sin("}, {"q", kGreek}, {""})
      .Text({"1 ", kSub}, {") + 4×(1-"}, {"b", kGreek})
      .Text({")"}, {" 0.5", kSup}, {" ) / [(1-"})
      .Text({"b", kGreek}, {")×sin("}, {"q", kGreek})
      .Weight(tail_weight)
      .Text({"1 ", kSub}, {")]"}, {""})
      .Weight("normal");
  w.NewLine();
}

void PrintChordFaceNumbers(LineWriter& w, const ChordFaceNumbers& n) {
  w.AtLeft()
      .Text({"N"}, {"1,Rd ", kSub}, {" = "})
      .Value({n.reduced ? "0.9×{(" : "{("}, "%3.3lf", n.kn)
      .Value({"×"}, "%3.0lf", n.yield_strength)
      .Value({"×"}, "%3.1lf²", n.thickness)
      .Value({")×[2×"}, "%3.3lf", n.depth_ratio)
      .Value({" / sin"}, "%3.1lf°", n.theta)
      .Value({" + 4×(1 - "}, "%3.3lf", n.beta)
      .Value({" )"}, {"0.5", kSup}, {"] / (1 - "}, "%3.3lf", n.beta)
      .Value({")× sin "}, "%3.1lf°", n.theta)
      .Text({" )} / 1000  = "}, {"", kSup}, {""});
  w.NewLine();
}

void PrintResistanceResult(LineWriter& w, double resistance) {
  w.AtLeft().Value({" = "}, {"", kSup}, {""}, "%3.1lf kN", resistance);
  w.NewLine();
}

}  // namespace traxen
