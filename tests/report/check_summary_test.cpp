// The headline numbers of a check: utilisation, mode names and the failed conditions by name,
// which must name exactly the conditions the report counts as failed.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>

#include "base/number_format.h"
#include "model/confirm_job.h"
#include "model/job_template.h"
#include "model/json_job.h"
#include "families/dispatch.h"

namespace traxen {
namespace {

CheckSummary Check(Job job) {
  JsonFieldSet none;
  ConfirmJsonJob(job, none);
  return CheckJob(job, ReportInputs{}, job.family.is_tyx == 1 ? 1 : 2);
}

TEST(CheckSummaryNames, EveryFailedConditionIsNamedOnce) {
  struct Case {
    const char* name;
    const char* family;
    std::function<void(Job&)> change;
    const char* first;  // the first name expected
  };
  const Case cases[] = {
      {"tyx thin chord, flat brace", "tyx",
       [](Job& j) { j.tyx.t0 = 3, j.tyx.theta1 = 20; }, "chord: section class 1 or 2"},
      {"tyx short brace", "tyx", [](Job& j) { j.len.L1 = 0.5; }, "brace: 1000 L1 / h1 >= 6"},
      {"tyx face plate too thin", "tyx",
       [](Job& j) { j.tyx.face_plate = 1, j.plate.face_t = 2, j.plate.face_l = 10; },
       "face plate: length for its width"},
      {"kn narrow gap", "kn", [](Job& j) { j.kn.e = 0; }, "gap: g / b0 >= 0.5 (1 - beta)"},
      {"kn wide gap", "kn", [](Job& j) { j.kn.e = 60; }, "gap: g / b0 <= 1.5 (1 - beta)"},
      {"kn overlap", "kn", [](Job& j) { j.kn.e = -60, j.kn.b2 = 60; }, ""},
      {"kn reinforced", "kn", [](Job& j) { j.kn.face_plate = 1, j.plate.face_t = 1, j.steel.fy_plate = 200; },
       "face plate: length >= 1.5 (h1 / sin theta1 + g + h2 / sin theta2)"},
      {"kn brace 2 strength", "kn", [](Job& j) { j.steel.fy2 = 500; }, "brace 2: fy2 <= 460"},
  };
  for (const Case& c : cases) {
    Job job = TemplateJob(c.family);
    c.change(job);
    const CheckSummary s = Check(job);
    EXPECT_FALSE(s.valid) << c.name;
    EXPECT_GT(s.failed_conditions, 0) << c.name;
    ASSERT_EQ(s.failed_condition_names.size(), static_cast<std::size_t>(s.failed_conditions)) << c.name;
    if (*c.first) {
      EXPECT_EQ(s.failed_condition_names[0], c.first) << c.name;
    }
  }
  for (const char* family : {"tyx", "x", "kn"}) {
    const CheckSummary s = Check(TemplateJob(family));
    EXPECT_TRUE(s.passed()) << family;
    EXPECT_TRUE(s.failed_condition_names.empty()) << family;
  }
}

TEST(CheckSummaryNames, UtilisationAndModeNames) {
  const double inf = std::numeric_limits<double>::infinity(), nan = std::nan("");
  struct Case { double n_ed, n_rd, eta; };
  const Case cases[] = {{52, 208, 0.25}, {-52, 208, 0.25}, {0, 100, 0}, {10, 0, inf}, {10, -5, inf},
                        {0, 0, 0},       {10, nan, nan},   {10, inf, nan}};
  for (const Case& c : cases) {
    ResistanceVerdict v;
    v.N_Ed = c.n_ed;
    v.N_Rd = c.n_rd;
    const double eta = Utilisation(v);
    if (std::isnan(c.eta)) {
      EXPECT_TRUE(std::isnan(eta)) << c.n_ed << " / " << c.n_rd;
    } else {
      EXPECT_EQ(eta, c.eta) << c.n_ed << " / " << c.n_rd;
    }
  }
  CheckSummary kn;
  kn.family = "kn";
  kn.report = "plain";
  const std::pair<const char*, const char*> names[] = {
      {"1", "chord face failure"}, {"2", "brace failure"},  {"3a", "chord shear"},
      {"4", "punching shear"},     {"overlap", "overlap: brace failure"}};
  for (const auto& [mode, name] : names) {
    ResistanceVerdict v;
    v.mode = mode;
    EXPECT_EQ(ModeName(kn, v), name);
  }
  // The largest utilisation governs; one that is not finite counts as the largest.
  kn.verdicts = {{1, "1", 200, 50, true}, {1, "2", 100, 60, true}, {2, "3a", 300, 30, true}};
  EXPECT_EQ(GoverningVerdict(kn)->mode, "2");
  kn.verdicts.push_back({2, "4", nan, 10, false});
  EXPECT_EQ(GoverningVerdict(kn)->mode, "4");
}

// A number that is not finite fails the job even where a verdict would let it pass.
TEST(CheckSummaryNames, ANumberThatIsNotFiniteNeverPasses) {
  const double inf = std::numeric_limits<double>::infinity(), nan = std::nan("");
  struct Case {
    double n_rd, n_ed, a_min;
    bool passed;
  };
  const Case cases[] = {{200, 50, 4.2, true},  {inf, 50, 4.2, false}, {nan, 50, 4.2, false},
                        {200, nan, 4.2, false}, {200, 50, inf, false}, {200, 50, nan, false}};
  for (const Case& c : cases) {
    CheckSummary s;
    s.verdicts = {{1, "1", c.n_rd, c.n_ed, true}};
    s.welds = {{1, 0.9, 0.7, c.a_min}};
    EXPECT_EQ(s.passed(), c.passed) << c.n_rd << " " << c.n_ed << " " << c.a_min;
  }
}

// The minimum that closes a wide brace's resistances is named by what decides it: the chord
// face at β = 0.85, the chord face and the side part interpolated between 0.85 and 1 (the side
// wall under a compressed chord, shear under a chord in tension), the side wall at β = 1.
TEST(CheckSummaryNames, TheWideBraceMinimumIsNamedByTheModesThatDecideIt) {
  struct Case {
    const char* name;
    double b1, N0;
    const char* estonian;
    const char* english;
  };
  const Case cases[] = {
      {"beta 0.85", 170, -271.6, "vöö pinna purunemine", "chord face failure"},
      {"beta 0.9, compressed chord", 180, -271.6,
       "vöö pinna purunemine / vöö külgseina stabiilsus (interpoleeritud)",
       "chord face failure / chord side wall buckling (interpolated)"},
      {"beta 0.9, chord in tension", 180, 271.6, "vöö pinna purunemine / vöö lõige (interpoleeritud)",
       "chord face failure / chord shear (interpolated)"},
      {"beta 1", 200, -271.6, "vöö külgseina stabiilsus", "chord side wall buckling"},
  };
  for (const Case& c : cases) {
    Job job = TemplateJob("tyx");
    job.tyx.h1 = job.tyx.b1 = c.b1;
    job.tyx.t1 = 8;
    job.tyx.N0 = c.N0;
    const CheckSummary s = Check(job);
    ASSERT_TRUE(s.valid) << c.name;
    const ResistanceVerdict& v = s.verdicts.back();
    ASSERT_EQ(v.mode, "governing") << c.name;
    EXPECT_EQ(DecidingModeName(s, v, ReportLanguage::kEstonian), c.estonian) << c.name;
    EXPECT_EQ(DecidingModeName(s, v, ReportLanguage::kEnglish), c.english) << c.name;
    // What `traxen-cli check` prints stays as scripts read it.
    EXPECT_EQ(ModeName(s, v), "governing of chord face, brace, chord side wall and punching shear") << c.name;
  }
  // Punching shear below the interpolated resistance decides alone; a verdict that does not
  // say what decides it keeps its mode's name.
  CheckSummary s;
  s.family = "tyx", s.report = "plain";
  s.verdicts = {{1, "governing", 300, 100, true}};
  s.governing_decided_by = FailureMode::kPunchingShear;
  EXPECT_EQ(DecidingModeName(s, s.verdicts[0], ReportLanguage::kEstonian), "vöö pinna läbisurumine");
  s.governing_decided_by.reset();
  EXPECT_EQ(DecidingModeName(s, s.verdicts[0], ReportLanguage::kEstonian), "määrav kandevõime");
}

// What prints as 0.0 (kN or mm) never passes, not even against a force of 0.0 kN; the
// boundary is where "%3.1lf" starts to print 0.1.
TEST(CheckSummaryNames, AResistanceOrWeldThatPrintsAsZeroNeverPasses) {
  const double below = std::nextafter(kLeastPrintedAboveZero, 0.0);
  EXPECT_EQ(FormatNumber("%3.1lf", kLeastPrintedAboveZero), "0.1");
  EXPECT_EQ(FormatNumber("%3.1lf", below), "0.0");
  struct Case {
    double n_rd, n_ed, a_min;
    bool passed;
  };
  const Case cases[] = {
      {0.0, 0.0, 4.2, false},   {below, 0.0, 4.2, false}, {kLeastPrintedAboveZero, 0.0, 4.2, true},
      {-0.04, 0.0, 4.2, false}, {200, 50, 0.0, false},    {200, 50, below, false},
      {200, 50, 0.05, true},    {0.1, 0.1, 0.1, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.n_rd << " " << c.n_ed << " " << c.a_min);
    EXPECT_EQ(ResistancePasses(c.n_rd, c.n_ed), c.n_rd >= c.n_ed && c.n_rd >= kLeastPrintedAboveZero);
    CheckSummary s;
    s.verdicts = {{1, "1", c.n_rd, c.n_ed, true}};  // even a verdict that says it passed
    s.welds = {{1, 0.9, 0.7, c.a_min}};
    EXPECT_EQ(s.passed(), c.passed);
  }
}

}  // namespace
}  // namespace traxen
