// Verdicts of the joint reports' check lines.
#include "joints/tyx/run_writer.h"

#include <algorithm>

namespace traxen {

RunWriter& RunWriter::Verdict(bool passed, std::string_view weight, int verdict_x) {
  if (weight == "normal" && verdict_x == 0) {
    x_ = EndCheck(canvas_, x_, y_, passed);
    line_end_ = std::max(line_end_, x_);
    return *this;
  }
  // A verdict column never writes over the comparison it judges: a long line pushes it right.
  const int at = std::max(verdict_x, x_ + 30);
  x_ = TextRun(canvas_, at, y_, passed ? "Korras! " : "Ei rahulda! ", kNormal, "", kNormal, "",
               kNormal, weight);
  line_end_ = std::max(line_end_, x_);
  canvas_.SetTextColor(kBlack);
  return *this;
}

}  // namespace traxen
