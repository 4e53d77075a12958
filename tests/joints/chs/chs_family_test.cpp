// Whole circular hollow section reports through the family's entry points: compared with
// reviewed copies, agreeing with the check summary, nothing written over anything else; the
// published joints through the Job record; the brace welds of both families.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

#include "base/number_format.h"
#include "chs_fixture.h"
#include "joints/chs/chs_compute.h"
#include "joints/chs/chs_job.h"
#include "model/confirm_job.h"
#include "model/job_family.h"
#include "model/job_template.h"
#include "model/json_job.h"
#include "sections/section_library.h"
#include "support/test_support.h"

namespace traxen::testing {
namespace {

Job ReadJob(const std::string& name) {
  JsonJob read;
  const std::string path = TestPath("joints/chs/jobs/" + name + ".json");
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

class ChsGolden : public ::testing::TestWithParam<const char*> {};

TEST_P(ChsGolden, ReportTextMatchesReviewedCopy) {
  const std::string name = GetParam();
  EXPECT_TRUE(MatchesGolden(TestPath("joints/chs/golden/" + name + ".txt"), ChsReportText(ReadJob(name))));
}

// The same report in English: the same lines, formulas and numbers in EN 1993-1-8's words.
TEST_P(ChsGolden, EnglishReportTextMatchesReviewedCopy) {
  const std::string name = GetParam();
  EXPECT_TRUE(MatchesGolden(TestPath("joints/chs/golden/" + name + ".en.txt"),
                            ChsReportText(ReadJob(name), ReportLanguage::kEnglish)));
}

// The summary `traxen-cli check` prints and the report come from one computation.
TEST_P(ChsGolden, CheckSummaryAgreesWithPrintedReport) {
  const std::string name = GetParam();
  const Job job = ReadJob(name);
  ChsRendered out;
  RenderChs(job, out);
  const CheckSummary check = job.family.is_chs_kn == 1 ? CheckChsKnJob(job) : CheckChsTyxJob(job);
  EXPECT_EQ(check.family, out.summary.family);
  EXPECT_EQ(check.title, out.summary.title);
  EXPECT_TRUE(Contains(out.text, check.title.substr(2))) << check.title;
  ASSERT_EQ(check.verdicts.size(), out.summary.verdicts.size());
  for (const ResistanceVerdict& v : check.verdicts) {
    const std::string line = FormatNumber("N" + std::to_string(v.brace) + ",Rd = %3.1lf kN", v.N_Rd) +
                             (v.passed ? " >= |N" : " < |N") + std::to_string(v.brace) +
                             FormatNumber(",Ed| = %3.1lf kN", v.N_Ed) + (v.passed ? " Korras!" : " Ei rahulda!");
    EXPECT_TRUE(Contains(out.text, line)) << name << ": no line " << line;
  }
  EXPECT_EQ(check.valid, !Contains(out.text, "EI SAA ARVUTADA"));
  EXPECT_EQ(check.failed_conditions, static_cast<int>(check.failed_condition_names.size()));
  int failed_verdicts = 0;
  for (const ResistanceVerdict& v : check.verdicts) failed_verdicts += v.passed ? 0 : 1;
  EXPECT_EQ(Occurrences(out.text, "Ei rahulda!"), check.failed_conditions + failed_verdicts);
  EXPECT_EQ(out.failed != 0, check.failed_conditions > 0);
  EXPECT_EQ(Contains(out.text, "KEEVISÕMBLUSED"), check.valid);
}

TEST_P(ChsGolden, NoPieceOfALineOverlapsAnotherOrLeavesTheFrame) {
  ChsRendered out;
  RenderChs(ReadJob(GetParam()), out);
  for (std::size_t i = 1; i < out.pieces.size(); ++i) {
    const ReportTextPiece& a = out.pieces[i - 1];
    const ReportTextPiece& b = out.pieces[i];
    if (a.line_y == b.line_y) {
      EXPECT_GE(b.x, a.x_end) << "'" << a.text << "' / '" << b.text << "'";
    }
  }
  for (const ReportTextPiece& p : out.pieces) EXPECT_LE(p.x_end, 850) << p.text;
}

// The English words are longer: every job's notes and lines must fit the frame in them too.
TEST_P(ChsGolden, NoEnglishLineLeavesTheFrame) {
  ChsRendered out;
  RenderChs(ReadJob(GetParam()), out, ReportLanguage::kEnglish);
  for (const ReportTextPiece& p : out.pieces) EXPECT_LE(p.x_end, 850) << p.text;
}

INSTANTIATE_TEST_SUITE_P(Jobs, ChsGolden,
                         ::testing::Values("t_published", "x_fy420", "k_gap_published", "k_overlap_note",
                                           "t_invalid", "k_tension_left", "k_equal_braces", "k_beyond_limits",
                                           "t_thick_chord", "t_brace_as_wide_as_chord"));

TEST(ChsFamily, PublishedTJointThroughTheJobRecord) {
  const CheckSummary s = CheckChsTyxJob(ReadJob("t_published"));
  EXPECT_EQ(s.family, "chs_tyx");
  EXPECT_EQ(s.report, "plain");
  EXPECT_EQ(s.title, "  ÜMARTORUDEST T ja Y SÕLM ");
  ASSERT_EQ(s.verdicts.size(), 2u);
  EXPECT_EQ(s.verdicts[0].mode, "1");
  EXPECT_NEAR(s.verdicts[0].N_Rd, 95.76, 0.01);
  EXPECT_EQ(s.verdicts[1].mode, "4");
  EXPECT_NEAR(s.verdicts[1].N_Rd, 163.242, 0.001);
  EXPECT_DOUBLE_EQ(s.verdicts[0].N_Ed, 79.5);
  EXPECT_EQ(ModeName(s, s.verdicts[0]), "chord face failure");
  EXPECT_EQ(ModeName(s, s.verdicts[1]), "punching shear");
  EXPECT_TRUE(s.passed());
  EXPECT_FALSE(s.g.has_value());
  // The chord's A0 and Wel0 are the ring's: the report says where they come from.
  const ChsResult r = ComputeChsTyx(ChsTyxInputsOf(ReadJob("t_published")));
  EXPECT_TRUE(r.A0_derived && r.Wel0_derived);
}

TEST(ChsFamily, PublishedKGapJointThroughTheJobRecord) {
  const Job job = ReadJob("k_gap_published");
  const ChsResult r = ComputeChsKn(ChsKnInputsOf(job));
  EXPECT_FALSE(r.A0_derived);
  EXPECT_DOUBLE_EQ(r.A0, 8110);
  EXPECT_TRUE(r.Wel0_derived);
  EXPECT_NEAR(r.g, 39.5, 0.05);
  EXPECT_NEAR(r.kg, 1.763, 0.001);
  EXPECT_NEAR(r.prestress.kp, 0.860, 0.001);
  const CheckSummary s = CheckChsKnJob(job);
  EXPECT_EQ(s.family, "chs_kn");
  EXPECT_EQ(s.title, "  ÜMARTORUDEST ÜLEKATTETA KN SÕLM ");
  ASSERT_TRUE(s.g.has_value());
  EXPECT_NEAR(*s.g, 39.5, 0.05);
  EXPECT_FALSE(s.p.has_value() || s.lambda_ov.has_value());
  ASSERT_EQ(s.verdicts.size(), 4u);
  EXPECT_EQ(s.verdicts[1].brace, 2);
  EXPECT_DOUBLE_EQ(s.verdicts[1].N_Ed, 500);  // N2 from equilibrium
}

TEST(ChsFamily, OverlapJointNamesItsOverlapAndTheHiddenSeam) {
  const Job job = ReadJob("k_overlap_note");
  const CheckSummary s = CheckChsKnJob(job);
  EXPECT_EQ(s.title, "  ÜMARTORUDEST ÜLEKATTEGA KN SÕLM ");
  ASSERT_TRUE(s.lambda_ov.has_value() && s.p.has_value());
  EXPECT_GT(*s.lambda_ov, 60);
  EXPECT_NEAR(*s.p, 101.6 / std::sin(std::numbers::pi / 4), 1e-9);  // brace 2, the smaller, overlaps
  const std::string text = ChsReportText(job);
  EXPECT_TRUE(Contains(text, "ülekaetava varda varjatud õmblus tuleb keevitada")) << text;
  EXPECT_TRUE(Contains(ChsReportText(job, ReportLanguage::kEnglish), "the hidden seam of the overlapped brace"));
  // The chord face is an overlap joint's only mode: no punching shear is printed or judged.
  EXPECT_FALSE(Contains(text, "läbisurumis")) << text;
  ASSERT_EQ(s.verdicts.size(), 2u);
  for (const ResistanceVerdict& v : s.verdicts) EXPECT_EQ(v.mode, "1");
}

// Overlap beyond 80 %, 20° between the braces and a brace of 500 MPa: each condition fails
// on its own line and by its own name, the overlap's with its reason in red; the thick
// chord's note follows in black and nothing is computed.
TEST(ChsFamily, NewLimitsFailByNameAndStopTheResistances) {
  const Job job = ReadJob("k_beyond_limits");
  const CheckSummary s = CheckChsKnJob(job);
  EXPECT_FALSE(s.valid);
  EXPECT_TRUE(s.verdicts.empty());
  const std::vector<std::string> expected = {"brace 2: fy2 <= 460", "braces: |180 - theta1 - theta2| >= 30",
                                             "overlap: 25 % <= lambda_ov <= 80 %"};
  EXPECT_EQ(s.failed_condition_names, expected);
  ChsRendered out;
  RenderChs(job, out);
  EXPECT_TRUE(Contains(out.text, "f y2 = 500 MPa > 460 MPa Ei rahulda!")) << out.text;
  EXPECT_TRUE(Contains(out.text, "|180° - θ1 - θ2| = |180° - 80.0° - 80.0°| = 20.0° < 30° Ei rahulda!")) << out.text;
  EXPECT_TRUE(Contains(out.text, "% > 80 % Ei rahulda!")) << out.text;
  bool reason_red = false, note_black = false;
  for (const auto& t : out.surface.texts()) {
    if (Contains(t.text, "7.1.2(6)")) reason_red = t.color == kRed;
    if (Contains(t.text, "7.1.1(6)")) note_black = t.color == kBlack;
  }
  EXPECT_TRUE(reason_red);
  EXPECT_TRUE(note_black);
  EXPECT_TRUE(Contains(out.text, "EI SAA ARVUTADA"));
  EXPECT_FALSE(Contains(out.text, "LIITE PARAMEETRID"));
}

// The thick chord's note changes no verdict: the joint is computed as it would be without it.
TEST(ChsFamily, AThickChordGetsItsNoteInBothLanguages) {
  Job job = ReadJob("t_thick_chord");
  const std::string et = ChsReportText(job);
  EXPECT_TRUE(Contains(et, "Märkus: vöö seina paksus t0 > 25 mm;")) << et;
  EXPECT_TRUE(Contains(et, "(EN 1993-1-8 7.1.1(6))."));
  EXPECT_TRUE(Contains(et, "LIITE PARAMEETRID"));
  EXPECT_TRUE(Contains(ChsReportText(job, ReportLanguage::kEnglish), "Note: chord wall t0 > 25 mm;"));
  const CheckSummary thick = CheckChsTyxJob(job);
  job.chs_tyx.t0 = 25;
  EXPECT_FALSE(Contains(ChsReportText(job), "7.1.1(6)"));
  EXPECT_EQ(CheckChsTyxJob(job).valid, thick.valid);
}

// A tension left brace over a compressed right one: the report names brace 2 and computes
// the formula with its diameter and angle.
TEST(ChsFamily, TheReportNamesTheCompressedBrace) {
  const std::string text = ChsReportText(ReadJob("k_tension_left"));
  EXPECT_TRUE(Contains(text, "Valem võtab surutud varda, i = 2")) << text;
  EXPECT_TRUE(Contains(text, "N2,Rd = kg×kp×f y0×t²0×(1.8 + 10.2×d2 / d0) / sinθ2")) << text;
  EXPECT_TRUE(Contains(text, "N1,Rd = N2,Rd×sinθ2 / sinθ1")) << text;
  EXPECT_TRUE(Contains(text, "N2,Rd = 951.8 kN >= |N2,Ed| = 500.0 kN Korras!")) << text;
  EXPECT_TRUE(Contains(text, "N1,Rd = 951.8 kN >= |N1,Ed| = 500.0 kN Korras!")) << text;
  const CheckSummary s = CheckChsKnJob(ReadJob("k_tension_left"));
  ASSERT_FALSE(s.verdicts.empty());
  EXPECT_EQ(s.verdicts.front().brace, 2);
}

// The class line shows the limit that places the tube in its class: 50 ε² for class I,
// 70 ε² for class II, and above 70 ε² it fails.
TEST(ChsFamily, TheClassLineShowsTheLimitItTests) {
  struct Case {
    double t0;
    const char* line;
  };
  // fy0 = 300: 50 ε² = 39.2 and 70 ε² = 54.8 for the chord 89 × t0 in compression.
  for (const Case& c : {Case{5, "Ristlõike klass I <= II  kuna  d0 / t0 = 17.8 <= 50ε² = 50×235 / f y0 = 39.2 Korras!"},
                        Case{2, "Ristlõike klass II <= II  kuna  d0 / t0 = 44.5 <= 70ε² = 70×235 / f y0 = 54.8 Korras!"},
                        Case{1.6, "Ristlõike klass III > II  kuna  d0 / t0 = 55.6 > 70ε² = 70×235 / f y0 = 54.8 "
                                  "Ei rahulda!"}}) {
    Job job = ReadJob("t_published");
    job.chs_tyx.t0 = c.t0;
    const std::string text = ChsReportText(job);
    EXPECT_TRUE(Contains(text, c.line)) << text;
  }
}

// `traxen-cli new` writes the circular examples in tubes of the round tube table, so that a
// joint table can give the same joints by their tubes' names.
TEST(ChsFamily, ExamplesUseTubesOfTheRoundTubeTable) {
  SectionTable tubes;
  const LibraryError e = SectionLibrary(SourcePath("data/Profiilid")).ReadTable("YMARTORU", tubes);
  ASSERT_FALSE(e) << e.Text();
  for (const char* family : {"chs_tyx", "chs_x", "chs_kn"}) {
    const Job job = TemplateJob(family);
    for (const MemberSize& m : FamilyOf(job)->members(job)) {
      const bool held = std::any_of(tubes.begin(), tubes.end(),
                                    [&](const SectionProperties& row) { return row.h == m.h && row.t == m.t; });
      EXPECT_TRUE(held) << family << " " << m.name << " " << m.h << " x " << m.t;
    }
  }
}

TEST(ChsFamily, FailedConditionsAreNamedAndNothingIsComputed) {
  const CheckSummary s = CheckChsTyxJob(ReadJob("t_invalid"));
  EXPECT_FALSE(s.valid);
  EXPECT_TRUE(s.verdicts.empty());
  EXPECT_FALSE(s.passed());
  // In the order the report prints them: the chord's, then the brace's.
  const std::vector<std::string> expected = {"chord: 10 <= d0 / t0 <= 50", "chord: section class 1 or 2",
                                             "brace 1: 0.2 <= d1 / d0 <= 1.0", "brace 1: 30 <= theta1 <= 150",
                                             "brace 1: t1 >= 2.5"};
  EXPECT_EQ(s.failed_condition_names, expected);
}

TEST(ChsFamily, ANonFiniteInputNeverPasses) {
  for (double bad : {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity()}) {
    Job job = ReadJob("t_published");
    job.chs_tyx.N1 = bad;
    EXPECT_FALSE(CheckChsTyxJob(job).passed()) << bad;
    job = ReadJob("t_published");
    job.chord.Wel0 = bad;
    EXPECT_FALSE(CheckChsTyxJob(job).passed()) << bad;
    Job kn = ReadJob("k_gap_published");
    kn.chs_kn.e = bad;
    EXPECT_FALSE(CheckChsKnJob(kn).passed()) << bad;
    if (std::isnan(bad)) {
      EXPECT_EQ(ChsKnTitle(kn), "");
    }
  }
}

TEST(ChsFamily, BraceWeldsForEveryBrace) {
  struct Case {
    const char* job;
    std::size_t welds;
    double t2;
  };
  for (const Case& c : {Case{"t_published", 1, 0}, Case{"x_fy420", 2, 4}, Case{"k_gap_published", 2, 3.6}}) {
    const std::vector<BraceWeld> welds = ComputeBraceWelds(ReadJob(c.job));
    ASSERT_EQ(welds.size(), c.welds) << c.job;
    if (c.welds == 2) {
      EXPECT_DOUBLE_EQ(welds[1].t, c.t2) << c.job;
    }
  }
}

}  // namespace
}  // namespace traxen::testing
