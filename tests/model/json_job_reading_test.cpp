// JSON jobs are computed from what the user meant or refused with a message that says what
// to fix: complete families, sound numbers, no duplicate keys, helpful hints.
#include <gtest/gtest.h>

#include <fmt/format.h>
#include <fmt/ranges.h>
#include <nlohmann/json.hpp>
#include <string>

#include "model/confirm_job.h"
#include "model/job_template.h"
#include "model/json_job.h"
#include "model/job_fields.h"
#include "model/json_job_keys.h"

namespace traxen {
namespace {

using Json = nlohmann::ordered_json;

Json Template(const char* family) { return Json::parse(TemplateJobText(TemplateJob(family))); }

LoadError Read(const std::string& text, JsonJob& out) { return ReadJsonJob(text, "job.json", out); }

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

// The key table is put together from the shared groups and each family's own keys; it must
// still name every field of the record once, in the record's order, or a field would be
// neither read nor written and `traxen-cli keys` would list the groups out of order.
TEST(JsonJobReading, TheKeysAreTheRecordsFieldsInOrder) {
  std::vector<std::string> fields, keys;
  Job job;
  ForEachJobField(job, [&](const JobField& f) { fields.push_back(fmt::format("{}.{}", f.group, f.key)); });
  for (const JobKey& k : JobKeys()) keys.emplace_back(k.name);
  EXPECT_EQ(keys, fields);
  EXPECT_EQ(fmt::format("{}", fmt::join(JobGroups(), ", ")),
            "info, family, steel, len, chord, tyx, kn, chs_tyx, chs_kn, rc_tyx, rc_kn, plate");
}

TEST(JsonJobReading, TemplatesAreCompleteAndEveryRequiredKeyLeftOutIsNamed) {
  for (const char* family : {"tyx", "kn"}) {
    JsonJob ok;
    ASSERT_FALSE(Read(Template(family).dump(), ok)) << family;
    const std::vector<std::string_view> required = RequiredKeys(family);
    ASSERT_GE(required.size(), 10u) << family;
    for (std::string_view key : required) {
      Json job = Template(family);
      const std::string dotted(key);
      job[dotted.substr(0, dotted.find('.'))].erase(dotted.substr(dotted.find('.') + 1));
      JsonJob out;
      const LoadError e = Read(job.dump(), out);
      ASSERT_TRUE(e) << dotted;
      EXPECT_TRUE(Contains(e.message, dotted)) << e.message;
    }
    // Leaving out a whole family group names all of its keys at once.
    Json bare = Template(family);
    bare.erase(family);
    JsonJob out;
    const LoadError e = Read(bare.dump(), out);
    ASSERT_TRUE(e);
    for (std::string_view key : required) EXPECT_TRUE(Contains(e.message, std::string(key))) << e.message;
  }
}

TEST(JsonJobReading, UnsoundNumbersAreRefusedNamingKeyAndValue) {
  struct Case {
    const char* family;
    const char* group;
    const char* key;
    Json value;
    const char* expected;  // part of the message after the key
  };
  const Case cases[] = {
      {"tyx", "tyx", "h0", -200, "-200 must be a positive size in mm"},
      {"tyx", "tyx", "t0", 0, "0 must be a positive size in mm"},
      {"tyx", "tyx", "b1", 1e300, "is not a finite number"},
      {"kn", "kn", "t2", -5, "must be a positive size"},
      {"kn", "kn", "h2", 0.0, "must be a positive size"},
      {"tyx", "tyx", "N0", -1e308, "is not a finite number"},
      {"tyx", "tyx", "M0", 1e13, "is not a finite number"},
      {"kn", "kn", "theta2", 1e200, "is not a finite number"},
      {"kn", "kn", "e", -1e13, "is not a finite number"},
      {"kn", "steel", "fy0", 1e300, "is not a finite number"},
      {"kn", "chord", "A0", -10, "must be a positive size"},
      // Every value has its range, not only the member sizes.
      {"tyx", "len", "L1", 0, "0 must be > 0 m"},
      {"kn", "len", "L0_right", -4, "-4 must be > 0 m"},
      {"tyx", "tyx", "theta1", 0, "0 must be within (0, 180) degrees"},
      {"kn", "kn", "theta2", 180, "180 must be within (0, 180) degrees"},
      {"tyx", "steel", "gamma_M0", 0.99, "0.99 must be >= 1.0"},
      {"kn", "steel", "gamma_M2", 0, "0 must be >= 1.0"},
      {"tyx", "steel", "fu0", 0, "0 must be within [100, 1000] MPa"},
      {"kn", "steel", "E", -210000, "-210000 must be within [150000, 250000] MPa"},
      {"tyx", "steel", "fy_plate", 0, "0 must be within [100, 1000] MPa"},
      // A strength or modulus typed in another unit than MPa.
      {"tyx", "steel", "fy1", 0.355, "0.355 must be within [100, 1000] MPa"},
      {"kn", "steel", "fy2", 99.9, "99.9 must be within [100, 1000] MPa"},
      {"kn", "steel", "fu2", 1000.5, "1000.5 must be within [100, 1000] MPa"},
      {"tyx", "steel", "fu1", 510000, "510000 must be within [100, 1000] MPa"},
      {"kn", "steel", "E", 210, "210 must be within [150000, 250000] MPa"},
      {"tyx", "steel", "E", 2.1e11, "must be within [150000, 250000] MPa"},
      {"chs_kn", "steel", "fy0", 0.355, "0.355 must be within [100, 1000] MPa"},
      // A wall of half a side or more leaves no hollow section to compute.
      {"tyx", "tyx", "t0", 100, "a wall of 100 mm leaves no hole in the chord of 200 x 200 mm"},
      {"tyx", "tyx", "t1", 1e6, "leaves no hole in the brace"},
      {"kn", "kn", "t2", 50, "a wall of 50 mm leaves no hole in the brace 2 of 100 x 100 mm"},
  };
  for (const Case& c : cases) {
    Json job = Template(c.family);
    job[c.group][c.key] = c.value;
    JsonJob out;
    const LoadError e = Read(job.dump(), out);
    ASSERT_TRUE(e) << c.group << "." << c.key;
    EXPECT_TRUE(Contains(e.message, std::string("key \"") + c.group + "." + c.key + "\"")) << e.message;
    EXPECT_TRUE(Contains(e.message, c.expected)) << e.message;
  }
}

// The bounds of the strengths and of E are values a steel can have: a job at them reads.
TEST(JsonJobReading, SteelAtTheBoundsOfItsRangesReads) {
  for (const char* family : {"tyx", "kn", "chs_kn"}) {
    Json job = Template(family);
    job["steel"]["fy0"] = 100, job["steel"]["fu0"] = 1000;
    job["steel"]["fy1"] = 1000, job["steel"]["fu1"] = 100;
    job["steel"]["fy_plate"] = 100;
    job["steel"]["E"] = 150000;
    JsonJob out;
    EXPECT_FALSE(Read(job.dump(), out)) << family;
    job["steel"]["E"] = 250000;
    EXPECT_FALSE(Read(job.dump(), out)) << family;
    EXPECT_EQ(out.job.steel.E, 250000);
  }
}

TEST(JsonJobReading, PlateSizesCountOnlyWhileTheirPlateIsUsed) {
  struct Case { const char* family; const char* flag; const char* size; };
  const Case cases[] = {{"tyx", "face_plate", "face_t"}, {"tyx", "side_plates", "side_l"},
                        {"kn", "face_plate", "face_b"}, {"kn", "overlap_plate", "overlap_t"}};
  for (const Case& c : cases) {
    Json job = Template(c.family);
    job["plate"][c.size] = 0;
    JsonJob out;
    EXPECT_FALSE(Read(job.dump(), out)) << c.size << " without its plate";
    job[c.family][c.flag] = true;  // true stands for 1
    const LoadError e = Read(job.dump(), out);
    ASSERT_TRUE(e) << c.size;
    EXPECT_TRUE(Contains(e.message, std::string("plate.") + c.size)) << e.message;
    EXPECT_TRUE(Contains(e.message, std::string(c.flag) + " = 1")) << e.message;
  }
}

TEST(JsonJobReading, DuplicatesFlagsAndMisspellingsAreRefusedWithAHint) {
  struct Case { std::string text; std::string expected; };
  const Case cases[] = {
      {R"({"tyx": {"h0": 200, "h0": 100}})", "job.json: key \"tyx.h0\" appears twice"},
      {R"({"tyx": {"h0": 200}, "tyx": {"b0": 100}})", "job.json: group \"tyx\" appears twice"},
      {R"({"family": {"is_tyx": 2}})", "job.json: key \"family.is_tyx\": 2 is not 0 or 1"},
      {R"({"family": {"is_kn": -1}})", "job.json: key \"family.is_kn\": -1 is not 0 or 1"},
      {R"({"kn": {"side_plates": 3}})", "job.json: key \"kn.side_plates\": 3 is not 0 or 1"},
      {R"({"tyx": {"bo": 200}})", "job.json: unknown key \"tyx.bo\"; did you mean \"tyx.b0\"?"},
      {R"({"kn": {"theta_1": 45}})", "did you mean \"kn.theta1\"?"},
      {R"({"steel": {"fy_0": 355}})", "did you mean \"steel.fy0\"?"},
      {R"({"kn": {"completely_unrelated": 1}})", "job.json: unknown key \"kn.completely_unrelated\" (traxen-cli keys"},
      {R"({"tyxx": {}})",
       "job.json: unknown group \"tyxx\" (did you mean \"tyx\"?); the groups are info, family, steel, len, chord, "
       "tyx, kn, chs_tyx, chs_kn, rc_tyx, rc_kn, plate"},
      {R"({"options": {}})", "job.json: unknown group \"options\"; the groups are info,"},
      {"{\"tyx\": {\"h0\": 200,5}}", "(numbers use a decimal point: 2.5, not 2,5)"},
      {"{\"tyx\": {\"h0\": 12, 75}}", "(numbers use a decimal point"},
  };
  for (const Case& c : cases) {
    JsonJob out;
    const LoadError e = ParseJsonJob(c.text, "job.json", out);
    ASSERT_TRUE(e) << c.text;
    EXPECT_TRUE(Contains(e.message, c.expected)) << e.message;
  }
  // A comma between two keys is no decimal comma.
  JsonJob out;
  const LoadError e = ParseJsonJob("{\"tyx\": {\"h0\": 200, }}", "job.json", out);
  ASSERT_TRUE(e);
  EXPECT_FALSE(Contains(e.message, "decimal point")) << e.message;
}

TEST(JsonJobReading, FlagsTakeTrueAndFalse) {
  JsonJob out;
  ASSERT_FALSE(ParseJsonJob(R"({"family": {"is_kn": true, "is_tyx": false}, "kn": {"overlap_plate": true}})",
                            "job.json", out));
  EXPECT_EQ(out.job.family.is_kn, 1);
  EXPECT_EQ(out.job.family.is_tyx, 0);
  EXPECT_EQ(out.job.kn.overlap_plate, 1);
  // A number slot does not take a boolean.
  EXPECT_TRUE(ParseJsonJob(R"({"kn": {"h0": true}})", "job.json", out));
}

TEST(JsonJobReading, ChordAreaAndModulusAreDerivedUnlessGiven) {
  // 200x200x8 and 160x160x8 are rows of the cold-formed square library: A 59.242 cm²,
  // Wy 356.63 cm³; 46.442 cm², 217.65 cm³ (checked against every row in the sections tests).
  struct Case { const char* family; double A0, Wel0; };
  for (const Case& c : {Case{"tyx", 5924.2, 356630}, Case{"kn", 4644.2, 217650}}) {
    JsonJob read;
    ASSERT_FALSE(Read(Template(c.family).dump(), read));
    ConfirmJsonJob(read.job, read.present);
    EXPECT_NEAR(read.job.chord.A0, c.A0, 1e-6) << c.family;
    EXPECT_NEAR(read.job.chord.Wel0, c.Wel0, 1e-6) << c.family;

    Json given = Template(c.family);
    given["chord"]["A0"] = 1234.5;
    ASSERT_FALSE(Read(given.dump(), read));
    ConfirmJsonJob(read.job, read.present);
    EXPECT_EQ(read.job.chord.A0, 1234.5);
    EXPECT_NEAR(read.job.chord.Wel0, c.Wel0, 1e-6);
  }
}

TEST(JsonJobReading, GivenDerivedFieldsThatDifferAreReplacedWithAWarning) {
  struct Case { const char* family; const char* key; double given; bool warned; };
  const Case cases[] = {
      {"kn", "N2", 100, true},
      {"kn", "N0_right", -1, true},
      {"tyx", "h2", 300, true},
      {"tyx", "N2", 300, true},
      {"tyx", "theta2", 45, true},
      {"tyx", "N2", -52, false},  // the same as the brace force it copies
  };
  for (const Case& c : cases) {
    Json job = Template(c.family);
    job[c.family][c.key] = c.given;
    JsonJob read;
    ASSERT_FALSE(Read(job.dump(), read)) << c.key;
    std::vector<std::string> warnings;
    ConfirmJsonJob(read.job, read.present, &warnings);
    if (!c.warned) {
      EXPECT_TRUE(warnings.empty()) << c.key;
      continue;
    }
    ASSERT_EQ(warnings.size(), 1u) << c.key;
    EXPECT_TRUE(Contains(warnings[0], std::string("\"") + c.family + "." + c.key + "\"")) << warnings[0];
    EXPECT_TRUE(Contains(warnings[0], fmt::format("given {}", c.given))) << warnings[0];
    EXPECT_TRUE(Contains(warnings[0], "derived")) << warnings[0];
  }
  // The derived value is the one used.
  Json kn = Template("kn");
  kn["kn"]["N2"] = 100;
  JsonJob read;
  ASSERT_FALSE(Read(kn.dump(), read));
  ConfirmJsonJob(read.job, read.present);
  EXPECT_NEAR(read.job.kn.N2, 92.626, 0.001);
}

}  // namespace
}  // namespace traxen
