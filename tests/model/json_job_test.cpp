// JSON jobs: every field by name, defaults for the rest, and errors that name file and key.
#include <gtest/gtest.h>

#include <cmath>

#include "model/confirm_job.h"
#include "model/json_job.h"

namespace traxen {
namespace {

TEST(JsonJob, SetsNamedFieldsAndKeepsDefaults) {
  JsonJob j;
  const LoadError e = ParseJsonJob(
      R"({"family": {"is_kn": 1}, "kn": {"h0": 200, "theta1": 45, "reserved": [1,2,3,4,5,6,7,8]},
          "info": {"job_name": "Sõrestik S-1"}, "steel": {"fy_plate": 275}})",
      "job.json", j);
  ASSERT_FALSE(e) << e.message;
  EXPECT_EQ(j.job.family.is_kn, 1);
  EXPECT_EQ(j.job.kn.h0, 200.0);
  EXPECT_EQ(j.job.kn.theta1, 45.0);
  EXPECT_EQ(j.job.kn.reserved[7], 8.0);
  EXPECT_EQ(j.job.info.job_name, "Sõrestik S-1");
  EXPECT_EQ(j.job.steel.fy_plate, 275.0);
  EXPECT_EQ(j.job.kn.theta2, 48.0);  // default
  EXPECT_EQ(j.job.tyx.chord_number_index, 41);
  EXPECT_TRUE(j.present.contains("kn.h0"));
  EXPECT_TRUE(j.present.contains("info.job_name"));
  EXPECT_FALSE(j.present.contains("kn.h1"));
}

TEST(JsonJob, BadJobsNameTheFileAndTheKeyOrPosition) {
  struct Case { const char* text; const char* expected; };
  const Case cases[] = {
      {R"({"kn": {"hh0": 1}})", "bad.json: unknown key \"kn.hh0\""},
      {R"({"knots": {}})", "bad.json: unknown group \"knots\""},
      {R"({"kn": {"h0": "200"}})", "bad.json: key \"kn.h0\": expected a number, found string"},
      {R"({"kn": {"face_plate": 1.5}})", "bad.json: key \"kn.face_plate\": expected an integer"},
      {R"({"kn": {"reserved": [1, 2]}})", "bad.json: key \"kn.reserved\": expected an array of 8 numbers"},
      {R"({"info": {"owner": 3}})", "bad.json: key \"info.owner\": expected a string"},
      {R"({"kn": 5})", "bad.json: key \"kn\": expected an object"},
      {"{\n  \"kn\": {\"h0\": 1,}\n}", "bad.json: line 2, column"},
      {"[1, 2]", "bad.json: a job must be a JSON object"},
      {R"({"family": {"is_tyx": 1, "is_kn": 1}})", "bad.json: key \"family\": is_tyx and is_kn are both 1"},
  };
  for (const Case& c : cases) {
    JsonJob j;
    j.job.kn.h0 = 99;
    const LoadError e = ParseJsonJob(c.text, "bad.json", j);
    ASSERT_TRUE(e) << c.text;
    EXPECT_EQ(e.message.rfind(c.expected, 0), 0u) << e.message;
    EXPECT_EQ(j.job.kn.h0, 99);  // nothing taken from a bad job
  }
}

TEST(JsonJob, WrittenJobReadsBackIdentically) {
  Job job;
  job.info.owner = "Üks 'kaks' kolm";
  job.kn.e = -12.25;
  job.tyx.reserved[2] = 7;
  JsonJob back;
  ASSERT_FALSE(ParseJsonJob(WriteJsonJob(job), "x.json", back));
  EXPECT_EQ(WriteJsonJob(back.job), WriteJsonJob(job));
}

TEST(ConfirmJob, KnEquilibriumDerivesBrace2AndRightChordForce) {
  Job job;
  job.kn.theta1 = 84.3;
  job.kn.theta2 = 48.0;
  job.kn.N1 = -52.0;
  job.kn.N0_left = -271.6;
  ConfirmKn(job);
  EXPECT_NEAR(job.kn.N2, 69.63, 0.005);
  EXPECT_NEAR(job.kn.N0_right, -323.35, 0.005);
  EXPECT_EQ(job.family.is_kn, 1);
  EXPECT_EQ(job.family.is_tyx, 0);
}

// A lower brace lying along the chord (θ2 = 0) has no equilibrium force: the derived values
// are infinite or not a number, and the reports fail on them instead of the program stopping.
TEST(ConfirmJob, KnBrace2AlongTheChordGivesNonFiniteForces) {
  Job job;
  job.kn.theta1 = 45.0;
  job.kn.theta2 = 0.0;
  job.kn.N1 = -50.0;
  ConfirmKn(job);
  EXPECT_TRUE(std::isinf(job.kn.N2));
  EXPECT_FALSE(std::isfinite(job.kn.N0_right));

  job.kn.N1 = 0.0;
  ConfirmKn(job);
  EXPECT_TRUE(std::isnan(job.kn.N2));
}

TEST(ConfirmJob, JsonJobMirrorsBrace2AndClassifiesOnlyMissingClasses) {
  JsonJob j;
  ASSERT_FALSE(ParseJsonJob(R"({"family": {"is_tyx": 1},
      "tyx": {"h0": 300, "b0": 300, "t0": 5, "h1": 100, "b1": 100, "t1": 5, "N1": -80, "theta1": 60, "brace_class": 3}})",
                            "t.json", j));
  ConfirmJsonJob(j.job, j.present);
  EXPECT_EQ(j.job.tyx.chord_class, 4);  // 300x300x5: (300 - 20) / 5 = 56 > 48 ε
  EXPECT_EQ(j.job.tyx.brace_class, 3);  // given, kept
  EXPECT_EQ(j.job.tyx.h2, 100);
  EXPECT_EQ(j.job.tyx.N2, -80);
  EXPECT_EQ(j.job.tyx.theta2, 60);
}

}  // namespace
}  // namespace traxen
