// Whole T/Y/X reports as text, compared character for character with reviewed copies, and
// the check summary of the same jobs agreeing with what the reports print.
#include <gtest/gtest.h>

#include "model/job_file.h"
#include "families/dispatch.h"
#include "base/number_format.h"
#include "support/test_support.h"
#include "tyx_fixture.h"

namespace traxen::testing {
namespace {

class TyxGolden : public ::testing::TestWithParam<const char*> {};

TEST_P(TyxGolden, ReportTextMatchesReviewedCopy) {
  const std::string name = GetParam();
  const std::string text = RenderJobText(TestPath("joints/tyx/jobs/" + name + ".json"));
  EXPECT_TRUE(MatchesGolden(TestPath("joints/tyx/golden/" + name + ".txt"), text));
}

// The same report in English: the same lines, formulas and numbers in the other words.
TEST_P(TyxGolden, EnglishReportTextMatchesReviewedCopy) {
  const std::string name = GetParam();
  const std::string text = RenderJobText(TestPath("joints/tyx/jobs/" + name + ".json"), ReportLanguage::kEnglish);
  EXPECT_TRUE(MatchesGolden(TestPath("joints/tyx/golden/" + name + ".en.txt"), text));
}

// `traxen-cli check` and the report come from one computation: every verdict's resistance
// and force appear, rounded as printed, on a verdict line of the report.
TEST_P(TyxGolden, CheckSummaryAgreesWithPrintedVerdicts) {
  const std::string name = GetParam();
  LoadedJob loaded;
  ASSERT_FALSE(LoadJobFile(TestPath("joints/tyx/jobs/" + name + ".json"), "", loaded));
  const CheckSummary summary = CheckJob(loaded.job, ReportInputs{}, loaded.last_dialog);
  const std::string text = RenderJobText(TestPath("joints/tyx/jobs/" + name + ".json"));
  for (const ResistanceVerdict& v : summary.verdicts) {
    const std::string line = "N1,Rd" + std::string(v.passed ? "   = " : "  = ") +
                             FormatNumber("%3.1lf kN", v.N_Rd) +
                             (v.passed ? " >= |N1, Ed | = " : " < |N1,Ed | =") +
                             FormatNumber("%3.1lf kN", v.N_Ed);
    EXPECT_TRUE(Contains(text, line)) << name << ": no line " << line;
  }
  EXPECT_EQ(summary.valid, !Contains(text, "EI SAA ARVUTADA"));
  EXPECT_EQ(summary.failed_conditions, Occurrences(text, "Ei rahulda!") -
                                           Occurrences(text, "|N1,Ed | =") -
                                           Occurrences(text, " > 0.85 Ei rahulda!"));
}

// Nothing is written over anything else: the pieces of every line follow one another.
TEST_P(TyxGolden, NoPieceOfALineOverlapsAnother) {
  const std::string name = GetParam();
  LoadedJob loaded;
  ASSERT_FALSE(LoadJobFile(TestPath("joints/tyx/jobs/" + name + ".json"), "", loaded));
  RenderedReport out;
  Render(loaded.job, out, loaded.last_dialog);
  for (std::size_t i = 1; i < out.pieces.size(); ++i) {
    const ReportTextPiece& a = out.pieces[i - 1];
    const ReportTextPiece& b = out.pieces[i];
    if (a.line_y == b.line_y) {
      EXPECT_GE(b.x, a.x_end) << name << ": '" << a.text << "' / '" << b.text << "'";
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Jobs, TyxGolden,
                         ::testing::Values("y_narrow", "t_wide_fy420", "x_beta085_lower_brace",
                                           "y_invalid", "y_reinforced_tension",
                                           "y_reinforced_compression", "x_reinforced_both_plates"));

}  // namespace
}  // namespace traxen::testing
