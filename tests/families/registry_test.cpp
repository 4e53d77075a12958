// The registry of joint families agrees with itself and with the Job record's family table:
// every family is found the same way by job, group and dialog number, and its example job is
// read back, checked and printed as that family.
#include <gtest/gtest.h>

#include <fmt/format.h>

#include <algorithm>
#include <cctype>
#include <set>

#include "families/dispatch.h"
#include "families/joint_family.h"
#include "families/report_text.h"
#include "model/job_template.h"
#include "model/job_file.h"
#include "model/json_job_keys.h"
#include "model/value_ranges.h"

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
// as the same family, passes every validity condition and every resistance, and prints a
// report.
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
    EXPECT_TRUE(s.passed()) << "an example to start from is a joint that holds";
    EXPECT_FALSE(RenderReportText(read.job, read.working, read.last_dialog).empty());
  }
  EXPECT_EQ(FindFamilyName("", nullptr), nullptr);
  EXPECT_EQ(FindFamilyName("chs", nullptr), nullptr);
  EXPECT_EQ(FindFamilyName("chs_x", nullptr), FindJobFamily("chs_tyx"));
}

// What the shared code asks of every family's record instead of naming the family: the
// ranges of its keys, the welds of its braces. A family missing either would accept a
// negative size in a dialog or print a report without its welds.
TEST(Registry, EveryFamilyGivesTheRangesOfItsKeysAndTheWeldsOfItsBraces) {
  for (const JointFamily& f : JointFamilies()) {
    SCOPED_TRACE(f.info.group);
    ASSERT_NE(f.info.range, nullptr);
    ASSERT_NE(f.welds, nullptr);
    int sizes = 0, angles = 0;
    for (const JobKey& key : JobKeys()) {
      const std::string_view name = key.name;
      if (!name.starts_with(std::string(f.info.group) + ".")) continue;
      if (key.role == KeyRole::kDimension) {
        ++sizes;
        EXPECT_EQ(RangeOfKey(name), ValueRange::kPositive) << name;
      }
      if (key.unit == "degrees") {
        ++angles;
        EXPECT_EQ(RangeOfKey(name), ValueRange::kAngle) << name;
      }
    }
    EXPECT_GE(sizes, 4);
    EXPECT_GE(angles, 1);
  }
  // One weld per brace, the X joints' lower brace included.
  for (std::string_view name : FamilyNames()) {
    SCOPED_TRACE(name);
    LoadedJob read;
    ASSERT_FALSE(LoadJsonJobText(TemplateJobText(TemplateJob(name)), "example.json", read));
    const std::vector<BraceWeld> welds = ComputeBraceWelds(read.job);
    const bool two_braces =
        name == "x" || name == "chs_x" || name == "rc_x" || FamilyOf(read.job)->members(read.job).size() == 3;
    ASSERT_EQ(welds.size(), two_braces ? 2u : 1u);
    for (std::size_t i = 0; i < welds.size(); ++i) {
      EXPECT_EQ(welds[i].brace, static_cast<int>(i) + 1);
      EXPECT_GT(welds[i].a_min, 0);
    }
  }
  EXPECT_TRUE(ComputeBraceWelds(Job{}).empty());
}

// The letter after "&", lower-cased when it is ASCII; "" when the text has no mnemonic.
std::string Mnemonic(std::string_view text) {
  const auto at = text.find('&');
  if (at == std::string_view::npos || at + 1 >= text.size()) return {};
  const unsigned char c = static_cast<unsigned char>(text[at + 1]);
  if (c < 0x80) return std::string(1, static_cast<char>(std::tolower(c)));
  return std::string(text.substr(at + 1, 2));  // a two-byte UTF-8 letter ("Ü")
}

// The desktop program shows a family's texts in either language; in the joint types menu
// each family keeps a mnemonic of its own in both.
TEST(Registry, DesktopTextsInBothLanguagesWithUniqueMnemonics) {
  for (Language language : {Language::kEstonian, Language::kEnglish}) {
    std::set<std::string> mnemonics;
    for (const JointFamily& f : JointFamilies()) {
      SCOPED_TRACE(f.info.group);
      const JointFamilyTexts t = JointFamilyTextsIn(f, language);
      for (std::string_view text : {t.menu_text, t.toolbar_text, t.toolbar_tip, t.undo_text})
        EXPECT_FALSE(text.empty());
      const std::string mnemonic = Mnemonic(t.menu_text);
      EXPECT_FALSE(mnemonic.empty()) << t.menu_text;
      EXPECT_TRUE(mnemonics.insert(mnemonic).second) << t.menu_text;
      EXPECT_EQ(std::count(t.menu_text.begin(), t.menu_text.end(), '&'), 1) << t.menu_text;
    }
  }
  for (const JointFamily& f : JointFamilies()) {
    SCOPED_TRACE(f.info.group);
    const JointFamilyTexts et = JointFamilyTextsIn(f, Language::kEstonian);
    const JointFamilyTexts en = JointFamilyTextsIn(f, Language::kEnglish);
    EXPECT_EQ(et.menu_text, f.menu_text);
    EXPECT_EQ(et.undo_text, f.undo_text);
    EXPECT_NE(en.menu_text, et.menu_text);
    EXPECT_NE(en.toolbar_text, et.toolbar_text);
    EXPECT_NE(en.toolbar_tip, et.toolbar_tip);
    EXPECT_NE(en.undo_text, et.undo_text);
    for (std::string_view text : {en.menu_text, en.toolbar_text, en.toolbar_tip, en.undo_text})
      EXPECT_TRUE(std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; }))
          << text;
  }
}

}  // namespace
}  // namespace traxen
