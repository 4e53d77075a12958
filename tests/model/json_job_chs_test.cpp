// Jobs of circular hollow section joints as JSON: complete for their family, sound sizes,
// one family only, derived forces and chord ring values, an exact round trip, and never
// written into a project file that cannot hold them.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <numbers>
#include <string>

#include "model/chs_ring.h"
#include "model/confirm_job.h"
#include "model/job_template.h"
#include "model/json_job.h"
#include "model/json_job_chs.h"
#include "model/json_job_keys.h"
#include "model/project_file.h"

namespace traxen {
namespace {

using Json = nlohmann::ordered_json;

Json Template(const char* family) { return Json::parse(TemplateJobText(TemplateJob(family))); }

LoadError Read(const std::string& text, JsonJob& out) { return ReadJsonJob(text, "job.json", out); }

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

TEST(ChsJsonJob, TemplatesReadAndEveryRequiredKeyLeftOutIsNamed) {
  const std::vector<std::string_view> tyx_keys = RequiredKeys("chs_tyx");
  EXPECT_EQ(tyx_keys, (std::vector<std::string_view>{"chs_tyx.d0", "chs_tyx.t0", "chs_tyx.d1", "chs_tyx.t1",
                                                     "chs_tyx.theta1", "chs_tyx.N0", "chs_tyx.M0", "chs_tyx.N1"}));
  EXPECT_EQ(RequiredKeys("chs_kn").size(), 12u);
  for (const char* family : {"chs_tyx", "chs_kn"}) {
    JsonJob ok;
    ASSERT_FALSE(Read(Template(family).dump(), ok)) << family;
    // No plates on a circular joint, no other family's group, no derived key in a template.
    const Json t = Template(family);
    EXPECT_FALSE(t.contains("plate")) << family;
    EXPECT_FALSE(t.contains("tyx") || t.contains("kn")) << family;
    EXPECT_FALSE(t[family].contains("N2")) << family;
    for (std::string_view key : RequiredKeys(family)) {
      Json job = Template(family);
      const std::string dotted(key);
      job[family].erase(dotted.substr(dotted.find('.') + 1));
      JsonJob out;
      const LoadError e = Read(job.dump(), out);
      ASSERT_TRUE(e) << dotted;
      EXPECT_TRUE(Contains(e.message, dotted)) << e.message;
      EXPECT_TRUE(Contains(e.message, family == std::string("chs_kn") ? "CHS K/N" : "CHS T/Y/X")) << e.message;
    }
  }
}

TEST(ChsJsonJob, UnsoundSizesAndSecondFamilyAreRefused) {
  struct Case {
    const char* family;
    const char* group;
    const char* key;
    Json value;
    const char* expected;
  };
  const Case cases[] = {
      {"chs_tyx", "chs_tyx", "d0", 0, "chs_tyx.d0\": 0 must be a positive size in mm"},
      {"chs_tyx", "chs_tyx", "t1", -3, "chs_tyx.t1\": -3 must be a positive size in mm"},
      {"chs_tyx", "chs_tyx", "theta1", 180, "within (0, 180) degrees"},
      {"chs_tyx", "chs_tyx", "N1", 1e300, "not a finite number of a sensible size"},
      {"chs_kn", "chs_kn", "t2", 0, "chs_kn.t2\": 0 must be a positive size in mm"},
      {"chs_kn", "chs_kn", "t0", 110, "\"chs_kn.t0\": a wall of 110 mm leaves no bore in the chord of diameter 219.1"},
      {"chs_kn", "chord", "A0", 0, "chord.A0\": 0 must be a positive size in mm²"},
      {"chs_kn", "chord", "Wel0", -1, "chord.Wel0\": -1 must be a positive size in mm³"},
      {"chs_tyx", "family", "is_kn", 1, "is_kn and is_chs_tyx are all 1; a job is of one family"},
      {"chs_kn", "family", "is_chs_tyx", 1, "is_chs_tyx and is_chs_kn are all 1"},
  };
  for (const Case& c : cases) {
    Json job = Template(c.family);
    job[c.group][c.key] = c.value;
    JsonJob out;
    const LoadError e = Read(job.dump(), out);
    ASSERT_TRUE(e) << c.key;
    EXPECT_TRUE(Contains(e.message, "job.json: ")) << e.message;
    EXPECT_TRUE(Contains(e.message, c.expected)) << e.message;
  }
}

// The reader names a tube by its diameter, never by the sides of a rectangle, in both languages.
TEST(ChsJsonJob, AWallThatFillsATubeIsNamedByItsDiameter) {
  Json job = Template("chs_kn");
  job["chs_kn"]["t2"] = 60;
  JsonJob out;
  const LoadError e = Read(job.dump(), out);
  ASSERT_TRUE(e);
  EXPECT_EQ(e.message,
            "job.json: key \"chs_kn.t2\": a wall of 60 mm leaves no bore in the brace 2 of diameter 114.3 mm (the "
            "wall must be less than half the diameter)");
  EXPECT_EQ(ErrorText(e, Language::kEstonian),
            "job.json: võti \"chs_kn.t2\": 60 mm seinaga ei jää varda 2 Ø114.3 mm ristlõikesse ava (sein peab olema "
            "õhem kui pool läbimõõdust)");
}

TEST(ChsJsonJob, ConfirmingDerivesForcesAndRingAndWarnsOnlyAboutAChangedValue) {
  Json job = Template("chs_kn");
  job["chs_kn"]["theta2"] = 60;
  job["chs_kn"]["N2"] = 123;  // not what equilibrium gives
  JsonJob read;
  ASSERT_FALSE(Read(job.dump(), read));
  std::vector<std::string> warnings;
  ConfirmJsonJob(read.job, read.present, &warnings);
  const ChsKnJoint& k = read.job.chs_kn;
  const double a1 = std::numbers::pi / 4, a2 = std::numbers::pi / 3;
  EXPECT_DOUBLE_EQ(k.N2, 500 * std::sin(a1) / std::sin(a2));
  EXPECT_DOUBLE_EQ(k.N0_right, -1000 - 500 * std::cos(a1) - k.N2 * std::cos(a2));
  ASSERT_EQ(warnings.size(), 1u);
  EXPECT_TRUE(Contains(warnings[0], "chs_kn.N2")) << warnings[0];
  // The chord of 219.1 × 12.5 as a ring.
  EXPECT_NEAR(read.job.chord.A0, 8113.16, 0.01);
  EXPECT_NEAR(read.job.chord.Wel0, std::numbers::pi * (std::pow(219.1, 4) - std::pow(194.1, 4)) / (32 * 219.1), 1e-6);

  // Given values are kept.
  Json given = Template("chs_tyx");
  given["chord"] = {{"A0", 1300}, {"Wel0", 25000}};
  ASSERT_FALSE(Read(given.dump(), read));
  ConfirmJsonJob(read.job, read.present, &warnings);
  EXPECT_EQ(read.job.chord.A0, 1300);
  EXPECT_EQ(read.job.chord.Wel0, 25000);
  EXPECT_EQ(warnings.size(), 1u);
}

TEST(ChsJsonJob, WrittenJobReadsBackExactly) {
  for (const char* family : {"chs_x", "chs_kn"}) {
    Job job = TemplateJob(family);
    job.chs_tyx.theta1 = 61.234567890123456;
    job.chs_kn.e = -12.3456789012345;
    job.chs_kn.N1 = 1.0 / 3.0;
    DeriveChsKnForces(job.chs_kn);
    job.chord.A0 = RingArea(88.9, 4.0);
    job.chord.Wel0 = 0.1;
    // Every field, and the keys of the job's own family as `convert` writes them.
    for (auto write : {&WriteJsonJob, &CompleteJobText}) {
      JsonJob read;
      ASSERT_FALSE(Read(write(job), read)) << family;
      std::vector<std::string> warnings;
      ConfirmJsonJob(read.job, read.present, &warnings);
      EXPECT_TRUE(warnings.empty()) << warnings.front();
      EXPECT_EQ(write(read.job), write(job)) << family;
    }
  }
}

TEST(ChsJsonJob, ProjectFileRefusesACircularJointAndWritesNothing) {
  const std::string path = ::testing::TempDir() + "/chs_job.trx";
  std::filesystem::remove(path);
  for (const char* family : {"chs_tyx", "chs_kn"}) {
    Job job = TemplateJob(family);
    const LoadError e = SaveProjectFile(path, job, ReportInputs{}, 0);
    ASSERT_TRUE(e) << family;
    EXPECT_EQ(e.message, path + ": cannot save: a project file (.trx) has no room for a circular hollow section "
                                "joint; save it as .json");
    EXPECT_EQ(ErrorText(e, Language::kEstonian),
              path + ": faili ei saa salvestada: projektifailis (.trx) ei ole kohta ümartorusõlmele; salvestage see "
                     ".json-failina");
    EXPECT_FALSE(std::filesystem::exists(path));
    std::string bytes;
    EXPECT_TRUE(ProjectFileBytes(path, job, ReportInputs{}, 0, bytes));
    EXPECT_TRUE(bytes.empty());
  }
}

TEST(ChsJsonJob, DialogConfirmationSetsOneFamilyAndTheRing) {
  Job job;
  job.family.is_tyx = 1;
  job.chord.A0 = 1;
  ConfirmChsTyx(job);
  EXPECT_EQ(job.family.is_tyx, 0);
  EXPECT_EQ(job.family.is_chs_tyx, 1);
  EXPECT_DOUBLE_EQ(job.chord.A0, RingArea(89, 5));
  ConfirmChsKn(job);
  EXPECT_EQ(job.family.is_chs_tyx, 0);
  EXPECT_EQ(job.family.is_chs_kn, 1);
  EXPECT_DOUBLE_EQ(job.chs_kn.N2, 500);
  EXPECT_DOUBLE_EQ(job.chord.Wel0, RingModulus(219.1, 12.5));
}

}  // namespace
}  // namespace traxen
