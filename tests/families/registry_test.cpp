// The registry of joint families agrees with itself and with the Job record's family table:
// every family is found the same way by job, group and dialog number, and its example job is
// read back, checked and printed as that family.
#include <gtest/gtest.h>

#include <fmt/format.h>

#include <set>

#include "families/dispatch.h"
#include "families/joint_family.h"
#include "families/report_text.h"
#include "model/job_template.h"
#include "model/job_file.h"

namespace traxen {
namespace {

TEST(Registry, EveryFamilyIsFoundByItsJobGroupAndDialog) {
  std::set<std::string_view> groups, actions;
  std::set<int> dialogs;
  ASSERT_EQ(JointFamilies().size(), JobFamilies().size());
  for (const JointFamily& f : JointFamilies()) {
    SCOPED_TRACE(f.info.group);
    EXPECT_TRUE(groups.insert(f.info.group).second);
    EXPECT_TRUE(dialogs.insert(f.info.dialog).second);
    EXPECT_TRUE(actions.insert(f.command_name).second);
    EXPECT_GT(f.info.dialog, 0);  // 0 is a document's "no dialog confirmed"
    EXPECT_EQ(FindJointFamily(f.info.group), &f);
    EXPECT_EQ(JointFamilyOfDialog(f.info.dialog), &f);
    Job job;
    SetJobFamily(job, f.info.id);
    EXPECT_EQ(FamilyFlagCount(job), 1);
    EXPECT_EQ(JointFamilyOf(job), &f);
  }
  EXPECT_EQ(JointFamilyOf(Job{}), nullptr);
  EXPECT_EQ(JointFamilyOfDialog(0), nullptr);
}

// Each name `traxen-cli new` and a table's family column take gives a job that reads back
// as the same family, passes every validity condition and prints a report.
TEST(Registry, EachFamilyNameGivesAJobThatIsReadCheckedAndPrinted) {
  for (std::string_view name : FamilyNames()) {
    SCOPED_TRACE(name);
    bool variant = false;
    const JobFamilyInfo* info = FindFamilyName(name, &variant);
    ASSERT_NE(info, nullptr);
    const std::string text = TemplateJobText(TemplateJob(name));
    LoadedJob read;
    ASSERT_FALSE(LoadJsonJobText(text, "example.json", read)) << text;
    EXPECT_EQ(FamilyOf(read.job), info);
    EXPECT_EQ(text.find(fmt::format("\"{}\": 1", info->variant_flag)) != std::string::npos, variant)
        << "only the variant sets its flag";
    const CheckSummary s = CheckJob(read.job, read.working, read.last_dialog);
    EXPECT_EQ(s.family, info->group);
    EXPECT_TRUE(s.valid);
    EXPECT_FALSE(s.verdicts.empty());
    EXPECT_FALSE(RenderReportText(read.job, read.working, read.last_dialog).empty());
  }
  EXPECT_EQ(FindFamilyName("", nullptr), nullptr);
  EXPECT_EQ(FindFamilyName("chs", nullptr), nullptr);
  EXPECT_EQ(FindFamilyName("chs_x", nullptr), FindJobFamily("chs_tyx"));
}

}  // namespace
}  // namespace traxen
