// The K/N verdict line.
#include "joints/kn/kn_verdict_lines.h"

#include "joints/kn/kn_texts.h"
#include "report/check_numbers.h"
#include "report/pages.h"

namespace traxen {

KnVerdictIndices KnBraceVerdictIndices(const std::string& index, ReportLanguage language) {
  const std::string_view after = ReportText(KnTextKey::kForceIndexAfterBrace, language);
  return {index + ",Rd  ", index + std::string(after), index + ",Rd ", index + ",Ed "};
}

KnVerdictIndices KnChordVerdictIndices(ReportLanguage language) {
  return {std::string(ReportText(KnTextKey::kChordResistanceIndex, language)),
          std::string(ReportText(KnTextKey::kChordForceIndex, language)), "0,Rd ", "0,Ed "};
}

void PrintKnVerdict(ReportCanvas& canvas, const KnVerdictIndices& ix, const KnResistance& r) {
  const int y = NextLine(canvas, canvas.line_step, canvas.line_step);
  BeginCheck(canvas, r.passed, CheckKind::Verdict);
  int x = canvas.left_margin;
  // A resistance that prints as 0.0 fails with the relation its numbers have.
  if (ResistanceReachesForce(r.N_Rd, r.N_Ed)) {
    x = ValueRun(canvas, x, y, "N", kNormal, ix.pass_rd, kSubscript, " = ", kNormal, "%3.1lf kN",
                 "bold", r.N_Rd);
    x = ValueRun(canvas, x, y, " >= |N", kNormal, ix.pass_ed, kSubscript, "| = ", kNormal,
                 "%3.1lf kN", "bold", r.N_Ed);
    WriteVerdict(canvas, x + 20, y, r.passed);
  } else {
    x = ValueRun(canvas, x, y, "N", kNormal, ix.fail_rd, kSubscript, " = ", kNormal, "%3.1lf kN",
                 "bold", r.N_Rd);
    x = ValueRun(canvas, x, y, " < |N", kNormal, ix.fail_ed, kSubscript, "| =", kNormal,
                 "%3.1lf kN", "bold", r.N_Ed);
    WriteVerdict(canvas, x + 20, y, false);
  }
}

}  // namespace traxen
