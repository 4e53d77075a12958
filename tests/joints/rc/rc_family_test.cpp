// Whole reports of round braces on a rectangular chord through the program's frame: compared
// with reviewed copies in Estonian and English, agreeing with the check summary, nothing
// written over anything else; the jobs through the Job record; the brace welds.
#include <gtest/gtest.h>

#include <string>

#include "base/number_format.h"
#include "families/dispatch.h"
#include "families/joint_family.h"
#include "families/report_text.h"
#include "joints/rc/rc_family.h"
#include "model/confirm_job.h"
#include "model/json_job.h"
#include "model/json_job_rc.h"
#include "report/recording_surface.h"
#include "support/test_support.h"

namespace traxen::testing {
namespace {

Job ReadJob(const std::string& name) {
  JsonJob read;
  const std::string path = TestPath("joints/rc/jobs/" + name + ".json");
  if (LoadError e = ReadJsonJob(ReadFile(path), path, read)) ADD_FAILURE() << e.message;
  ConfirmJsonJob(read.job, read.present);
  return read.job;
}

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

int Occurrences(const std::string& text, const std::string& part) {
  int n = 0;
  for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
  return n;
}

std::string ReportOf(const Job& job, ReportLanguage language) {
  return RenderReportText(job, ReportInputs{}, 0, true, language);
}

struct Rendered {
  std::vector<ReportTextPiece> pieces;
  RenderResult result;
};

Rendered Render(const Job& job, ReportLanguage language) {
  Rendered out;
  RecordingSurface surface;
  RenderOptions options;
  options.text_log = &out.pieces;
  options.language = language;
  out.result = RenderReport(surface, job, ReportInputs{}, 0, options);
  return out;
}

struct GoldenCase {
  const char* job;
  ReportLanguage language;
};

std::string CaseName(const GoldenCase& c) {
  return std::string(c.job) + (c.language == ReportLanguage::kEnglish ? "_en" : "_et");
}

class RcGolden : public ::testing::TestWithParam<GoldenCase> {};

TEST_P(RcGolden, ReportTextMatchesReviewedCopy) {
  const GoldenCase& c = GetParam();
  EXPECT_TRUE(MatchesGolden(TestPath("joints/rc/golden/" + CaseName(c) + ".txt"), ReportOf(ReadJob(c.job), c.language)));
}

// The summary `traxen-cli check` prints and the report come from one computation.
TEST_P(RcGolden, CheckSummaryAgreesWithPrintedReport) {
  const GoldenCase& c = GetParam();
  const Job job = ReadJob(c.job);
  const std::string text = ReportOf(job, c.language);
  const CheckSummary check = CheckJob(job, ReportInputs{}, 0, c.language);
  const bool english = c.language == ReportLanguage::kEnglish;
  const std::string ok = english ? "OK" : "Korras!", not_ok = english ? "NOT OK" : "Ei rahulda!";
  EXPECT_TRUE(Contains(text, check.title.substr(2))) << check.title;
  for (const ResistanceVerdict& v : check.verdicts) {
    const std::string n = v.mode == "3b" ? "0" : std::to_string(v.brace);
    const std::string line = FormatNumber("N" + n + ",Rd = %3.1lf kN", v.N_Rd) + (v.passed ? " >= |N" : " < |N") + n +
                             FormatNumber(",Ed| = %3.1lf kN", v.N_Ed) + " " + (v.passed ? ok : not_ok);
    EXPECT_TRUE(Contains(text, line)) << CaseName(c) << ": no line " << line;
  }
  EXPECT_EQ(check.failed_conditions, static_cast<int>(check.failed_condition_names.size()));
  int failed_verdicts = 0;
  for (const ResistanceVerdict& v : check.verdicts) failed_verdicts += v.passed ? 0 : 1;
  EXPECT_EQ(Occurrences(text, not_ok), check.failed_conditions + failed_verdicts);
  EXPECT_EQ(Contains(text, english ? "WELDS" : "KEEVISÕMBLUSED"), check.valid) << text;
}

TEST_P(RcGolden, NoPieceOfALineOverlapsAnotherOrLeavesTheFrame) {
  const GoldenCase& c = GetParam();
  const Rendered out = Render(ReadJob(c.job), c.language);
  for (std::size_t i = 1; i < out.pieces.size(); ++i) {
    const ReportTextPiece& a = out.pieces[i - 1];
    const ReportTextPiece& b = out.pieces[i];
    if (a.line_y == b.line_y) {
      EXPECT_GE(b.x, a.x_end) << "'" << a.text << "' / '" << b.text << "'";
    }
  }
  for (const ReportTextPiece& p : out.pieces) EXPECT_LE(p.x_end, 850) << p.text;
}

INSTANTIATE_TEST_SUITE_P(
    Jobs, RcGolden,
    ::testing::Values(GoldenCase{"t_shs200", ReportLanguage::kEstonian}, GoldenCase{"t_shs200", ReportLanguage::kEnglish},
                      GoldenCase{"x_fy420", ReportLanguage::kEstonian}, GoldenCase{"x_fy420", ReportLanguage::kEnglish},
                      GoldenCase{"k_gap_eccentric", ReportLanguage::kEstonian},
                      GoldenCase{"k_gap_eccentric", ReportLanguage::kEnglish},
                      GoldenCase{"k_overlap", ReportLanguage::kEstonian}, GoldenCase{"k_overlap", ReportLanguage::kEnglish},
                      GoldenCase{"t_invalid", ReportLanguage::kEstonian}, GoldenCase{"t_invalid", ReportLanguage::kEnglish}),
    [](const ::testing::TestParamInfo<GoldenCase>& info) { return CaseName(info.param); });

TEST(RcFamily, TJointThroughTheJobRecord) {
  const Job job = ReadJob("t_shs200");
  const CheckSummary s = CheckJob(job, ReportInputs{}, 0);
  EXPECT_EQ(s.family, "rc_tyx");
  EXPECT_EQ(s.report, "plain");
  EXPECT_EQ(s.title, "  NELIKANTTORUVÖÖ JA ÜMARTORUVARRAS: T ja Y SÕLM ");
  ASSERT_EQ(s.verdicts.size(), 1u);
  EXPECT_EQ(ModeName(s, s.verdicts[0]), "chord face failure");
  EXPECT_DOUBLE_EQ(s.verdicts[0].N_Ed, 120);
  EXPECT_TRUE(s.passed());
  ASSERT_EQ(s.welds.size(), 1u);
  // The chord's A0 and Wel0 are its cold-formed section's, as for a rectangular joint.
  EXPECT_DOUBLE_EQ(job.chord.A0, RcChordArea(200, 200, 8));
  EXPECT_EQ(JointFamilyOf(job)->header_title, ReportTextKey::kHeaderTitleAnyTubes);
}

TEST(RcFamily, XJointWeldsBothBracesWithBrace1sSteel) {
  const Job job = ReadJob("x_fy420");
  const CheckSummary s = CheckJob(job, ReportInputs{}, 0);
  EXPECT_EQ(s.title, "  NELIKANTTORUVÖÖ JA ÜMARTORUVARDAD: X SÕLM ");
  ASSERT_EQ(s.welds.size(), 2u);
  EXPECT_DOUBLE_EQ(s.welds[0].a_min, s.welds[1].a_min);
  EXPECT_TRUE(Contains(ReportOf(job, ReportLanguage::kEstonian), "0.9×"));
}

TEST(RcFamily, KJointsNameTheirGapOrOverlap) {
  const CheckSummary gap = CheckJob(ReadJob("k_gap_eccentric"), ReportInputs{}, 0);
  EXPECT_EQ(gap.family, "rc_kn");
  ASSERT_TRUE(gap.g.has_value());
  EXPECT_FALSE(gap.lambda_ov.has_value());
  EXPECT_EQ(gap.verdicts.size(), 10u);
  const CheckSummary overlap = CheckJob(ReadJob("k_overlap"), ReportInputs{}, 0, ReportLanguage::kEnglish);
  EXPECT_EQ(overlap.title, "  RHS CHORD WITH CHS BRACES: K AND N OVERLAP JOINT ");
  ASSERT_TRUE(overlap.lambda_ov.has_value());
  ASSERT_EQ(overlap.verdicts.size(), 2u);
  EXPECT_EQ(overlap.verdicts[0].brace, 2);  // the narrower brace overlaps
  EXPECT_EQ(overlap.verdicts[0].mode, "overlap");
  EXPECT_EQ(overlap.welds.size(), 2u);
}

TEST(RcFamily, FailedConditionsAreNamedAndNothingIsComputed) {
  const CheckSummary s = CheckJob(ReadJob("t_invalid"), ReportInputs{}, 0);
  EXPECT_FALSE(s.valid);
  EXPECT_TRUE(s.verdicts.empty());
  EXPECT_TRUE(s.welds.empty());
  const std::vector<std::string> expected = {"chord: h0 / t0 <= 35", "chord: section class 1 or 2 in compression",
                                             "brace: 0.4 <= d1 / b0 <= 0.8", "brace: section class 1 in compression",
                                             "brace: t1 >= 2.5", "brace: fy1 <= 460", "brace: 30 <= theta1 <= 150"};
  EXPECT_EQ(s.failed_condition_names, expected);
}

TEST(RcFamily, ThickChordWallPrintsTheThroughThicknessNote) {
  Job job = ReadJob("t_shs200");
  job.rc_tyx.h0 = job.rc_tyx.b0 = 400;
  job.rc_tyx.t0 = 30;
  job.rc_tyx.d1 = 219.1;
  job.rc_tyx.t1 = 8;
  ConfirmRcTyx(job);
  EXPECT_TRUE(Contains(ReportOf(job, ReportLanguage::kEstonian), "Märkus: vöö seina paksus t0 > 25 mm"));
  EXPECT_TRUE(Contains(ReportOf(job, ReportLanguage::kEnglish), "through-thickness properties of the chord material"));
}

}  // namespace
}  // namespace traxen::testing
