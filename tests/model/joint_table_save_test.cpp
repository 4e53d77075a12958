// Writing a joint table back: an edited joint as few keys as read back to the same job, and a
// row that could not be read kept with its cells, so that saving over a table loses nothing.
#include "model/joint_table_save.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>

#include "model/confirm_job.h"
#include "model/job_fields.h"
#include "model/job_file.h"
#include "support/test_support.h"

namespace traxen {
namespace {

using Json = nlohmann::json;

JointTable Read(const std::string& text) {
  JobLibrary library(testing::SourcePath("data/Profiilid"), "");
  return ReadJointTable(text, "truss.csv", library);
}

bool Has(const Json& j, const char* group, const char* key) {
  return j.contains(group) && j[group].contains(key);
}

Job Load(const std::string& json) {
  LoadedJob loaded;
  const LoadError e = LoadJsonJobText(json, "row", loaded);
  EXPECT_FALSE(e) << e.message;
  return loaded.job;
}

// Every field but the internal arrays, as text, for a readable difference.
std::string Fields(Job job) {
  std::string out;
  ForEachJobField(job, [&](const JobField& f) {
    std::visit(
        [&](auto* p) {
          using T = std::remove_pointer_t<decltype(p)>;
          if constexpr (std::is_same_v<T, std::string>) out += std::string(f.group) + "." + std::string(f.key) + "=" + *p + "\n";
          else if constexpr (std::is_arithmetic_v<T>)
            out += std::string(f.group) + "." + std::string(f.key) + "=" + std::to_string(*p) + "\n";
        },
        f.ref);
  });
  return out;
}

TEST(TableJobJson, AnEditedJointIsWrittenAsFewKeysAsReadBackTheSame) {
  const JointTable table = Read(JointTableTemplate());
  ASSERT_EQ(table.rows.size(), 2u);
  Job tyx = Load(table.rows[0].json);
  tyx.tyx.h1 = tyx.tyx.b1 = 150;  // an edit, confirmed as the dialog confirms it
  tyx.tyx.t1 = 8;
  ConfirmTyx(tyx);
  Job kn = Load(table.rows[1].json);
  kn.kn.N1 = -120;  // the brace 2 force follows from equilibrium
  ConfirmKn(kn);
  for (const Job& job : {tyx, kn}) {
    const std::string text = TableJobJson(job);
    EXPECT_EQ(Fields(Load(text)), Fields(job)) << text;
    const Json j = Json::parse(text);
    EXPECT_FALSE(j.contains("chord")) << "derived again from the chord's size";
    EXPECT_FALSE(j.contains("len")) << "the lengths kept their defaults";
    EXPECT_FALSE(Has(j, "kn", "N2"));
    EXPECT_FALSE(Has(j, "tyx", "h2"));
    EXPECT_FALSE(Has(j, "tyx", "chord_class"));
  }
  // A value given against what reading would derive stays, or the job would change: this
  // job's chord area is that of a hot-finished section.
  Job given = Load(testing::ReadFile(testing::SourcePath("bench/jobs/kn_gap.json")));
  given.kn.N1 = -120;
  ConfirmKn(given);
  const std::string text = TableJobJson(given);
  EXPECT_EQ(Fields(Load(text)), Fields(given));
  const Json j = Json::parse(text);
  ASSERT_TRUE(Has(j, "chord", "A0")) << text;
  EXPECT_EQ(j["chord"]["A0"], given.chord.A0);
  EXPECT_FALSE(Has(j, "kn", "N2"));
}

TEST(JointTableKeepingRows, ARowThatCouldNotBeReadIsWrittenBackWithItsCells) {
  const std::string original =
      "joint;family;chord;brace1;brace2;kn.N1;kn.theta1;kn.theta2;kn.N0_left;kn.M0;kn.e\n"
      "K1;kn;160x160x8;100x100x6;100x100x5;-85,5;50;45;-320;1,5;30\n"
      "K2;kn;999x999x9;100x100x6;100x100x5;-85,5;50;45;-320;1,5;30\n"
      "K3;kn;160x160x8;100x100x6;100x100x5;-90;50;45;-320;1,5;30\n";
  const JointTable read = Read(original);
  ASSERT_EQ(read.rows.size(), 3u);
  ASSERT_NE(read.rows[1].error, "");
  Job edited = Load(read.rows[2].json);
  edited.kn.N1 = -100;
  ConfirmKn(edited);
  const std::vector<SavedRow> rows = {{{"K1", read.rows[0].json, "K1"}, 0},
                                      {{}, 3},
                                      {{"K3", TableJobJson(edited), "K3"}, 0}};
  std::string error;
  const std::string written = WriteJointTableKeepingRows(rows, original, "truss.csv", error);
  ASSERT_EQ(error, "");

  const JointTable back = Read(written);
  ASSERT_EQ(back.error, "");
  ASSERT_EQ(back.rows.size(), 3u) << written;
  EXPECT_EQ(Fields(Load(back.rows[0].json)), Fields(Load(read.rows[0].json)));
  EXPECT_EQ(Fields(Load(back.rows[2].json)), Fields(edited));
  // The bad row is as bad as before, for the same reason, and its figures came along with
  // their decimal commas made points.
  EXPECT_EQ(back.rows[1].joint, "K2");
  EXPECT_NE(back.rows[1].error.find("999x999x9"), std::string::npos) << back.rows[1].error;
  EXPECT_NE(written.find("K2,kn,"), std::string::npos) << written;
  EXPECT_NE(written.find(",-85.5,"), std::string::npos) << written;
}

TEST(JointTableKeepingRows, ARowThatCannotBeWrittenBackIsRefusedNamingIt) {
  const std::string original = "joint,family,kn.N1\nK1,kn,-80,9,9\n";
  std::string error;
  const std::string written = WriteJointTableKeepingRows({{{}, 2}}, original, "truss.csv", error);
  EXPECT_EQ(written, "");
  EXPECT_EQ(error, "truss.csv row 2, cell 4: it has no column, so the row cannot be written back; correct it in the "
                   "table itself");
}

}  // namespace
}  // namespace traxen
