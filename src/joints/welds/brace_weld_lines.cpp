// Printing the brace welds with the report's runs and line advance.
#include "joints/welds/brace_weld_lines.h"

#include <string>

#include "base/number_format.h"
#include "joints/welds/brace_weld_texts.h"
#include "report/pages.h"
#include "report/report_words.h"

namespace traxen {

namespace {

// One weld: formula, numbers, result and note, each on its own line. The first advance
// keeps the four lines together on one page.
void PrintWeld(ReportCanvas& c, const BraceWeld& w) {
  const int step = c.line_step;
  const std::string brace = std::to_string(w.brace);
  const std::string fu_index = "uk" + (w.chord_governs ? std::string("0") : brace);

  int y = NextLine(c, step, 4 * step);
  int x = TextRun(c, c.left_margin, y, "a", kNormal, brace, kSubscript, " >= √2×", kNormal, "normal");
  x = TextRun(c, x, y, "b", kGreek, "w", kSubscript, "×", kNormal, "normal");
  x = TextRun(c, x, y, "g", kGreek, "M2", kSubscript, "×f", kNormal, "normal");
  x = TextRun(c, x, y, "yk" + brace, kSubscript, "×t", kNormal, brace, kSubscript, "normal");
  x = TextRun(c, x, y, " / (", kNormal, "g", kGreek, "M0", kSubscript, "normal");
  x = TextRun(c, x, y, "×f", kNormal, fu_index, kSubscript, ")", kNormal, "normal");

  y = NextLine(c, step, step);
  const std::string numbers = "= 1.414×" + FormatNumber("%3.2lf", w.beta_w) + "×" +
                              FormatNumber("%3.2lf", w.gamma_M2) + "×" + FormatNumber("%3.0lf", w.fy) + "×" +
                              FormatNumber("%3.1lf", w.t) + " / (" + FormatNumber("%3.2lf", w.gamma_M0) + "×" +
                              FormatNumber("%3.0lf", w.fu) + ")";
  TextRun(c, c.left_margin, y, numbers, kNormal, "", kNormal, "", kNormal, "normal");

  y = NextLine(c, step, step);
  // A weld that prints as 0.0 mm is red with the failed verdict: its job does not pass.
  if (!w.sound) c.SetTextColor(kRed);
  const int end =
      ValueRun(c, c.left_margin, y, "= ", kNormal, "", kNormal, "", kNormal, "%3.1lf mm", "normal", w.a_min);
  if (!w.sound) WriteVerdict(c, end + 30, y, false);

  y = NextLine(c, step, step);
  TextRun(c, c.left_margin, y, Say(c, BraceWeldTextKey::kFullStrengthFilletWeld), kNormal, "", kNormal, "", kNormal,
          "normal");
}

}  // namespace

void PrintBraceWelds(ReportCanvas& c, const std::vector<BraceWeld>& welds) {
  if (welds.empty()) return;
  const int step = c.line_step;
  NextLine(c, step, step);
  // The heading stays on the page of its first weld.
  const int y = NextLine(c, step, 5 * step);
  TextRun(c, c.left_margin, y, Say(c, BraceWeldTextKey::kHeading), kNormal, "", kNormal, "", kNormal, "bold");
  for (const BraceWeld& w : welds) PrintWeld(c, w);
}

}  // namespace traxen
