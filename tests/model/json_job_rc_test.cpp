// Jobs of round braces on a rectangular chord as JSON and in joint tables: complete for their
// family, derived forces and chord values, JSON only, and a table row that names the chord
// among the rectangular tubes and the braces among the round ones.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <string>

#include "model/confirm_job.h"
#include "model/job_file.h"
#include "model/job_template.h"
#include "model/joint_table.h"
#include "model/json_job.h"
#include "model/json_job_keys.h"
#include "model/json_job_rc.h"
#include "model/project_file.h"
#include "support/test_support.h"

namespace traxen {
namespace {

using Json = nlohmann::ordered_json;

Json Template(const char* family) { return Json::parse(TemplateJobText(TemplateJob(family))); }

LoadError Read(const std::string& text, JsonJob& out) { return ReadJsonJob(text, "job.json", out); }

TEST(RcJsonJob, TemplatesReadAndEveryRequiredKeyLeftOutIsNamed) {
  EXPECT_EQ(RequiredKeys("rc_tyx"),
            (std::vector<std::string_view>{"rc_tyx.h0", "rc_tyx.b0", "rc_tyx.t0", "rc_tyx.d1", "rc_tyx.t1",
                                           "rc_tyx.theta1", "rc_tyx.N0", "rc_tyx.M0", "rc_tyx.N1"}));
  EXPECT_EQ(RequiredKeys("rc_kn").size(), 13u);
  for (const char* family : {"rc_tyx", "rc_x", "rc_kn"}) {
    const Json t = Template(family);
    const std::string group = std::string(family) == "rc_x" ? "rc_tyx" : family;
    JsonJob ok;
    ASSERT_FALSE(Read(t.dump(), ok)) << family;
    EXPECT_FALSE(t.contains("plate") || t.contains("tyx") || t.contains("chs_kn")) << family;
    EXPECT_FALSE(t[group].contains("N2")) << family;
    for (std::string_view key : RequiredKeys(group)) {
      Json job = t;
      const std::string dotted(key);
      job[group].erase(dotted.substr(dotted.find('.') + 1));
      JsonJob out;
      const LoadError e = Read(job.dump(), out);
      ASSERT_TRUE(e) << dotted;
      EXPECT_NE(e.message.find(dotted), std::string::npos) << e.message;
    }
  }
  EXPECT_EQ(Template("rc_x")["rc_tyx"]["x_joint"], 1);
}

TEST(RcJsonJob, ConfirmingDerivesTheForcesAndTheChordSection) {
  Json job = Template("rc_kn");
  job["rc_kn"]["N2"] = 1;  // replaced, with a warning
  JsonJob read;
  ASSERT_FALSE(Read(job.dump(), read));
  std::vector<std::string> warnings;
  ConfirmJsonJob(read.job, read.present, &warnings);
  const RcKnJoint& k = read.job.rc_kn;
  // As the rectangular K/N joint derives them.
  KnJoint kn;
  kn.theta1 = k.theta1, kn.theta2 = k.theta2, kn.N1 = k.N1, kn.N0_left = k.N0_left;
  DeriveKnForces(kn);
  EXPECT_DOUBLE_EQ(k.N2, kn.N2);
  EXPECT_DOUBLE_EQ(k.N0_right, kn.N0_right);
  ASSERT_EQ(warnings.size(), 1u);
  EXPECT_NE(warnings[0].find("rc_kn.N2"), std::string::npos) << warnings[0];
  EXPECT_DOUBLE_EQ(read.job.chord.A0, RcChordArea(k.h0, k.b0, k.t0));
  EXPECT_DOUBLE_EQ(read.job.chord.Wel0, RcChordModulus(k.h0, k.b0, k.t0));

  // A chord area the job gives is kept.
  Json given = Template("rc_tyx");
  given["chord"]["A0"] = 6000;
  JsonJob kept;
  ASSERT_FALSE(Read(given.dump(), kept));
  ConfirmJsonJob(kept.job, kept.present);
  EXPECT_DOUBLE_EQ(kept.job.chord.A0, 6000);
}

TEST(RcJsonJob, AWallThatLeavesNoBoreNamesTheTubeOrTheRectangle) {
  Json brace = Template("rc_tyx");
  brace["rc_tyx"]["t1"] = 60;
  JsonJob out;
  LoadError e = Read(brace.dump(), out);
  ASSERT_TRUE(e);
  EXPECT_NE(e.message.find("diameter 114.3"), std::string::npos) << e.message;
  Json chord = Template("rc_tyx");
  chord["rc_tyx"]["t0"] = 100;
  e = Read(chord.dump(), out);
  ASSERT_TRUE(e);
  EXPECT_EQ(e.message.find("diameter"), std::string::npos) << e.message;
}

TEST(RcJsonJob, ProjectFileRefusesTheJointAndWritesNothing) {
  const std::string path = ::testing::TempDir() + "/rc_job.trx";
  std::filesystem::remove(path);
  for (const char* family : {"rc_tyx", "rc_kn"}) {
    const Job job = TemplateJob(family);
    const LoadError e = SaveProjectFile(path, job, ReportInputs{}, 0);
    ASSERT_TRUE(e) << family;
    EXPECT_EQ(e.message, path + ": cannot save: a project file (.trx) has no room for a joint of circular braces on "
                                "a rectangular chord; save it as .json");
    EXPECT_FALSE(std::filesystem::exists(path));
  }
}

TEST(RcJointTable, ChordAmongTheRectangularTubesBracesAmongTheRoundOnes) {
  JobLibrary library(testing::SourcePath("data/Profiilid"), "");
  const JointTable t = ReadJointTable(
      "joint,family,chord,brace1,brace2,rc_kn.N1,rc_kn.theta1,rc_kn.theta2,rc_kn.N0_left,rc_kn.M0,rc_kn.e,"
      "rc_tyx.N1,rc_tyx.theta1,rc_tyx.N0,rc_tyx.M0\n"
      "K,rc_kn,200x200x8,114.3x5,Ø101.6x5,-250,45,45,-300,0,-50,,,,\n"
      "X,rc_x,200 × 200 × 8,114.3x5,,,,,,,,-100,90,-50,0\n"
      "R,rc_tyx,114.3x5,114.3x5,,,,,,,,-100,90,-50,0\n"
      "S,rc_tyx,200x200x8,200x200x8,,,,,,,,-100,90,-50,0\n",
      "truss.csv", library);
  ASSERT_EQ(t.error, "");
  ASSERT_EQ(t.rows.size(), 4u);
  ASSERT_EQ(t.rows[0].error, "");
  const Json k = Json::parse(t.rows[0].json);
  EXPECT_EQ(k["rc_kn"]["h0"], 200.0);
  EXPECT_EQ(k["rc_kn"]["b0"], 200.0);
  EXPECT_EQ(k["rc_kn"]["t0"], 8.0);
  EXPECT_EQ(k["rc_kn"]["d1"], 114.3);
  EXPECT_EQ(k["rc_kn"]["t2"], 5.0);
  EXPECT_FALSE(k["rc_kn"].contains("b1"));
  ASSERT_EQ(t.rows[1].error, "");
  EXPECT_EQ(Json::parse(t.rows[1].json)["rc_tyx"]["x_joint"], 1);
  for (int i : {0, 1}) {
    LoadedJob loaded;
    const LoadError e = LoadJsonJobText(t.rows[i].json, JointLabel(t.rows[i]), loaded);
    EXPECT_FALSE(e) << e.message << "\n" << t.rows[i].json;
  }
  EXPECT_TRUE(t.rows[2].error.starts_with("truss.csv row 4, column chord: no square or rectangular hollow section"))
      << t.rows[2].error;
  EXPECT_TRUE(t.rows[3].error.starts_with("truss.csv row 5, column brace1: no circular hollow section"))
      << t.rows[3].error;
}

}  // namespace
}  // namespace traxen
