// Verdict of a condition line.
#include "joints/kn/kn_runs.h"

namespace traxen {

int ConditionVerdict(ReportCanvas& canvas, int x, bool passed, int spacing,
                     std::string_view failed_text) {
  const int end = TextRun(canvas, x + spacing, canvas.y, passed ? "Korras! " : failed_text, kNormal,
                          "", kNormal, "", kNormal, "normal");
  canvas.SetTextColor(kBlack);
  return end;
}

}  // namespace traxen
