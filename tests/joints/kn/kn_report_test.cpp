// The plain K/N report as a whole: golden text reports, the summary of the same result,
// the hand-over to the reinforced report, and hostile inputs.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <string>
#include <vector>

#include "joints/kn/kn_gap_checks.h"
#include "joints/kn/kn_gap_lines.h"
#include "joints/kn/kn_geometry_lines.h"
#include "joints/kn/kn_report.h"
#include "joints/kn/kn_test_inputs.h"
#include "model/job.h"
#include "families/dispatch.h"
#include "report/recording_surface.h"
#include "families/report_text.h"
#include "support/test_support.h"

namespace traxen {
namespace {

using testing::KnGapInputs;

class KnGoldenReport : public ::testing::TestWithParam<const char*> {};

TEST_P(KnGoldenReport, MatchesGolden) {
  const std::string base = testing::TestPath(std::string("joints/kn/reports/") + GetParam());
  EXPECT_TRUE(testing::MatchesGolden(base + ".txt", testing::RenderJobText(base + ".json")));
}

TEST_P(KnGoldenReport, EnglishReportMatchesGolden) {
  const std::string base = testing::TestPath(std::string("joints/kn/reports/") + GetParam());
  EXPECT_TRUE(
      testing::MatchesGolden(base + ".en.txt", testing::RenderJobText(base + ".json", ReportLanguage::kEnglish)));
}

INSTANTIATE_TEST_SUITE_P(Jobs, KnGoldenReport,
                         ::testing::Values("gap_joint", "overlap_brace1_on_top", "overlap_brace2_on_top",
                                           "eccentric_gap_joint", "failing_validity"));

Job KnJob() {
  Job job;
  job.family.is_kn = 1;
  KnJoint& k = job.kn;
  k.h0 = 200, k.b0 = 200, k.t0 = 8;
  k.h1 = 100, k.b1 = 100, k.t1 = 5;
  k.h2 = 100, k.b2 = 100, k.t2 = 5;
  k.theta1 = k.theta2 = 45;
  k.N1 = -152, k.N2 = 152;
  k.chord_class = k.brace1_class = k.brace2_class = 1;
  job.chord.A0 = 5924, job.chord.Wel0 = 353000;
  return job;
}

TEST(KnReport, SummaryOfAGapJoint) {
  const CheckSummary s = CheckJob(KnJob(), ReportInputs{}, 0);
  EXPECT_EQ(s.family, "kn");
  EXPECT_EQ(s.report, "plain");
  EXPECT_EQ(s.title, "  ÜLEKATTETA KN SÕLM ");
  ASSERT_TRUE(s.g.has_value());
  EXPECT_NEAR(*s.g, 58.58, 0.01);
  EXPECT_FALSE(s.p.has_value());
  EXPECT_FALSE(s.lambda_ov.has_value());
  EXPECT_TRUE(s.valid);
  EXPECT_EQ(s.verdicts.size(), 10u);
  EXPECT_TRUE(s.passed());
}

TEST(KnReport, SummaryOfAnOverlapJoint) {
  Job job = KnJob();
  job.kn.h0 = 100, job.kn.b0 = 150, job.kn.t0 = 6;
  const CheckSummary s = CheckJob(job, ReportInputs{}, 0);
  EXPECT_EQ(s.title, "  ÜLEKATTEGA KN SÕLM ");
  ASSERT_TRUE(s.p && s.lambda_ov);
  EXPECT_NEAR(*s.p, 141.42, 0.01);
  EXPECT_NEAR(*s.lambda_ov, -*s.g / *s.p * 100, 1e-12);
  ASSERT_EQ(s.verdicts.size(), 1u);
  EXPECT_EQ(s.verdicts[0].mode, "overlap");
  EXPECT_EQ(s.verdicts[0].brace, 1);  // equal widths: brace 1 is checked

  const std::string text = RenderReportText(job, ReportInputs{}, 0);
  EXPECT_EQ(text.find("Pealmine"), std::string::npos);  // neither brace is narrower
  EXPECT_NE(text.find("Ülekate λOv  = g/p×100 = 29.3%\n"), std::string::npos) << text;
}

TEST(KnReport, Mode3bBeyondPlasticShearPrintsAFailedVerdict) {
  ReportInputs in = KnGapInputs();
  StoreKnGeometry(in);
  in.N1 = -2000;
  const KnGapChecks checks = ComputePlainKnGapChecks(in);
  RecordingSurface surface;
  ReportCanvas canvas(surface);
  std::vector<ReportTextPiece> log;
  canvas.text_log = &log;
  PrintKnGapMode3b(canvas, KnUsedInputsOf(in), checks.brace1);
  const std::string text = ReportPiecesToText(log);
  EXPECT_NE(text.find("} /1000 = nan kN\n"), std::string::npos) << text;
  EXPECT_NE(text.find("N0,Rd  = nan kN < |N0,Ed | ="), std::string::npos) << text;
  EXPECT_EQ(canvas.failed, 0);  // a resistance verdict never stops the report
  bool red = false;
  for (const auto& t : surface.texts()) red |= t.text == "Ei rahulda! " && t.color == kRed;
  EXPECT_TRUE(red);
}

TEST(KnReport, SummaryOfAFailedValidityHasNoVerdicts) {
  Job job = KnJob();
  job.kn.theta2 = 20;  // θ2 < 30 and the gap grows beyond 1.5·(1 − β)
  const CheckSummary s = CheckJob(job, ReportInputs{}, 0);
  EXPECT_FALSE(s.valid);
  EXPECT_GE(s.failed_conditions, 1);
  EXPECT_TRUE(s.verdicts.empty());
  EXPECT_FALSE(s.passed());

  RecordingSurface surface;
  const RenderResult r = RenderReport(surface, job, ReportInputs{}, 0, {});
  EXPECT_EQ(r.failed, 1);
  const std::string text = RenderReportText(job, ReportInputs{}, 0);
  EXPECT_NE(text.find("EI SAA ARVUTADA, KUNA EELDUSED POLE TÄIDETUD!!!"), std::string::npos);
}

TEST(KnReport, GapExactlyZeroHasNoTitleAndStops) {
  Job job = KnJob();
  job.kn.e = -100;             // the axes meet on the chord face …
  job.kn.h1 = job.kn.h2 = 0;   // … and braces of no depth leave exactly no gap
  const CheckSummary s = CheckJob(job, ReportInputs{}, 0);
  ASSERT_TRUE(s.g.has_value());
  ASSERT_EQ(*s.g, 0.0);
  EXPECT_EQ(s.title, "");
  EXPECT_FALSE(s.p.has_value());
  EXPECT_FALSE(s.valid);
  EXPECT_TRUE(s.verdicts.empty());

  const std::string text = RenderReportText(job, ReportInputs{}, 0);
  EXPECT_NE(text.find("Varraste vahe g =  0.0 mm\n"), std::string::npos) << text;
  EXPECT_EQ(text.find("Ülekate "), std::string::npos);
  EXPECT_NE(text.find("g < t1  + t2 = 0.00 < 5.0 + 5.0 = 10.00 Ei rahulda \n"), std::string::npos);
  EXPECT_NE(text.find("EI SAA ARVUTADA, KUNA EELDUSED POLE TÄIDETUD!!!"), std::string::npos);
}

TEST(KnReport, AnyPlateHandsOverToTheReinforcedReport) {
  for (int flag = 0; flag < 3; ++flag) {
    Job job = KnJob();
    (flag == 0 ? job.kn.face_plate : flag == 1 ? job.kn.side_plates : job.kn.overlap_plate) = 1;
    EXPECT_EQ(CheckJob(job, ReportInputs{}, 0).report, "reinforced") << flag;
  }
}

TEST(KnReport, PrintedResistancesAreTheSummarysNumbers) {
  Job job = KnJob();
  const CheckSummary s = CheckJob(job, ReportInputs{}, 0);
  const std::string text = RenderReportText(job, ReportInputs{}, 0);
  for (const ResistanceVerdict& v : s.verdicts) {
    char rd[32];
    std::snprintf(rd, sizeof rd, " = %3.1lf kN >= |N", v.N_Rd);
    EXPECT_NE(text.find(rd), std::string::npos) << v.brace << " " << v.mode;
  }
}

TEST(KnReport, ChordStateLines) {
  ReportInputs in = KnGapInputs();
  struct Case {
    double e;
    bool lines;
    const char* limit_text;
  };
  for (const Case c : {Case{50, false, ""}, Case{-110, false, ""}, Case{50.5, true, "> 0.25×h 0  = 0.25×200.0 = 50.0 mm,"},
                       Case{-111, true, "< -0.55×h 0  = -0.55×200.0 = -110.0 mm,"}}) {
    in.e = c.e;
    const KnChordState state = ComputeKnChordState(in, 0.5, in.A0);
    const std::string text = testing::PrintedText(
        [&](ReportCanvas& canvas) { PrintKnChordStateLines(canvas, state); });
    EXPECT_EQ(text.find("Siin on eeldatud") != std::string::npos, c.lines) << c.e;
    if (c.lines) {
      EXPECT_NE(text.find(c.limit_text), std::string::npos) << text;
    }
  }

  // N0,Ed exactly 0: the one-segment kn line.
  in = KnGapInputs();
  in.N1 = -100;
  in.N0_left = 100 * std::cos(45 * 3.14159265 / 180);
  const KnChordState zero = ComputeKnChordState(in, 0.5, in.A0);
  const std::string text = testing::PrintedText(
      [&](ReportCanvas& canvas) { PrintKnChordStateLines(canvas, zero); });
  EXPECT_NE(text.find("k n =  1\n"), std::string::npos) << text;
  EXPECT_EQ(text.find("1,3 - 0,4"), std::string::npos);
}

// The verdict line of one summary verdict as the report prints it: brace index, or "i" for the
// overlapping brace, and "0." for the chord axial check.
std::string PrintedVerdict(const ResistanceVerdict& v, bool overlap) {
  const bool chord = v.mode == "3b";
  const std::string index = chord ? "0" : overlap ? "i" : std::to_string(v.brace);
  const char* i = index.c_str();
  const char* comma = chord ? "." : ",";
  char line[160];
  if (v.passed)
    std::snprintf(line, sizeof line, "N%s%sRd   = %3.1lf kN >= |N%s%s Ed | = %3.1lf kN Korras!", i, comma,
                  v.N_Rd, i, comma, v.N_Ed);
  else
    std::snprintf(line, sizeof line, "N%s,Rd  = %3.1lf kN < |N%s,Ed | =%3.1lf kN Ei rahulda!", i, v.N_Rd, i,
                  v.N_Ed);
  return line;
}

// Brace 2 takes brace 1's place when it is the one checked (the narrower brace of an overlap,
// the second block of a gap joint, whose chord state still uses brace 1's force and angle):
// the report prints, in order, exactly the verdicts that `check --json` gives for it.
TEST(KnReport, MirroredBracePrintsTheSummarysVerdicts) {
  struct Case {
    const char* name;
    Job job;
    int checked;  // the brace an overlap checks; 0 for a gap joint
    const char* top_line;  // the line naming the top brace, "" when none is named
  };
  Job gap = KnJob();
  gap.kn.e = 60;  // beyond 0.25·h0: the chord moment takes brace 1's force and angle
  gap.kn.h2 = gap.kn.b2 = 90, gap.kn.t2 = 6, gap.kn.theta2 = 60, gap.kn.N2 = 120;
  gap.steel.fy2 = 420;
  Job overlap = KnJob();
  overlap.kn.h0 = 100, overlap.kn.b0 = 150, overlap.kn.t0 = 6;
  overlap.chord.A0 = 2800, overlap.chord.Wel0 = 80000;
  Job second_narrower = overlap;
  second_narrower.kn.b2 = 80, second_narrower.kn.t2 = 6, second_narrower.kn.N2 = 140;
  second_narrower.steel.fy2 = 420;
  Job first_narrower = overlap;
  first_narrower.kn.b1 = 80, first_narrower.kn.N2 = 140;
  first_narrower.steel.fy1 = 420;
  const std::vector<Case> cases = {
      {"gap, brace 2 of its own", gap, 0, ""},
      {"overlap, brace 2 narrower", second_narrower, 2, "Pealmine on paremal olev varras i=2\n"},
      {"overlap, brace 1 narrower", first_narrower, 1, "Pealmine on vasakul olev varras i=1\n"},
      {"overlap, equal widths", overlap, 1, ""},
  };
  for (const Case& c : cases) {
    const CheckSummary s = CheckJob(c.job, ReportInputs{}, 0);
    const std::string text = RenderReportText(c.job, ReportInputs{}, 0);
    ASSERT_TRUE(s.valid) << c.name << "\n" << text;
    if (c.checked) {
      ASSERT_EQ(s.verdicts.size(), 1u) << c.name;
    }
    size_t at = 0;
    for (const ResistanceVerdict& v : s.verdicts) {
      const std::string line = PrintedVerdict(v, c.checked != 0);
      const size_t found = text.find(line, at);
      ASSERT_NE(found, std::string::npos)
          << c.name << ": brace " << v.brace << " mode " << v.mode << " " << line << "\n" << text;
      at = found + line.size();
    }
    if (c.checked) {
      EXPECT_EQ(s.verdicts[0].brace, c.checked) << c.name;
      const Job& j = c.job;
      EXPECT_EQ(s.verdicts[0].N_Ed, std::abs(c.checked == 2 ? j.kn.N2 : j.kn.N1)) << c.name;
      EXPECT_EQ(text.find("Pealmine") != std::string::npos, *c.top_line != 0) << c.name;
      if (*c.top_line) {
        EXPECT_NE(text.find(c.top_line), std::string::npos) << c.name;
      }
      continue;
    }
    // Both blocks print the chord force from brace 1's N1 and θ1, and it is the force the
    // chord verdict compares with.
    char force[200];
    std::snprintf(force, sizeof force,
                  "Pikijõud liites N 0.Ed  = Nvöö,vasak  + N1 ×cosθ1  = %3.1lf + %3.1lf × cos%3.1lf° = ",
                  c.job.kn.N0_left, c.job.kn.N1, c.job.kn.theta1);
    const size_t second_block = text.find("paremal oleva varda i = 2");
    ASSERT_NE(second_block, std::string::npos);
    for (int brace = 1; brace <= 2; ++brace) {
      const auto chord_verdict = std::find_if(s.verdicts.begin(), s.verdicts.end(), [&](const ResistanceVerdict& v) {
        return v.brace == brace && v.mode == "3b";
      });
      ASSERT_NE(chord_verdict, s.verdicts.end()) << brace;
      const ResistanceVerdict& chord = *chord_verdict;
      char compressed[220], tension[220];
      std::snprintf(compressed, sizeof compressed, "%s%3.1lf kN\n", force, -chord.N_Ed);
      std::snprintf(tension, sizeof tension, "%s%3.1lf kN\n", force, chord.N_Ed);
      const size_t from = brace == 1 ? 0 : second_block;
      const size_t line = std::min(text.find(compressed, from), text.find(tension, from));
      EXPECT_NE(line, std::string::npos) << "brace " << brace << "\n" << text;
      if (brace == 1) {
        EXPECT_LT(line, second_block);
      }
    }
  }
}

// Degenerate input must render and check without a crash, hang or undefined behaviour.
TEST(KnReport, HostileInputsRenderAndCheck) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  std::vector<Job> jobs;
  for (double theta : {0.0, 180.0, 90.0, -45.0}) {
    Job j = KnJob();
    j.kn.theta1 = theta;
    jobs.push_back(j);
    j = KnJob();
    j.kn.theta2 = theta;
    jobs.push_back(j);
  }
  Job zero;
  zero.family.is_kn = 1;  // no sections chosen at all
  jobs.push_back(zero);
  for (double v : {nan, inf, -inf, 1e300}) {
    Job j = KnJob();
    j.kn.e = v;
    j.kn.N1 = v;
    jobs.push_back(j);
    j = KnJob();
    j.kn.h1 = v;
    j.kn.b0 = v;
    j.chord.A0 = v;
    jobs.push_back(j);
  }
  Job overlap_nan = KnJob();
  overlap_nan.kn.h0 = 100;
  overlap_nan.kn.b2 = nan;
  jobs.push_back(overlap_nan);

  for (const Job& job : jobs) {
    RecordingSurface surface;
    RenderReport(surface, job, ReportInputs{}, 0, {});
    const CheckSummary s = CheckJob(job, ReportInputs{}, 0);
    EXPECT_EQ(s.family, "kn");
    EXPECT_FALSE(RenderReportText(job, ReportInputs{}, 0).empty());
  }
}

}  // namespace
}  // namespace traxen
