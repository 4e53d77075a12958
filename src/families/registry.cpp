// The registry of joint families: one line per family.
#include "families/joint_family.h"

#include "families/chs_families.h"
#include "families/rc_families.h"
#include "families/rhs_families.h"

namespace traxen {

std::span<const JointFamily> JointFamilies() {
  // Built on first use, after the Job record's table it points into.
  static const JointFamily families[] = {
      {.info = JobFamilyInfoOf(JobFamilyId::kTyx),
       .menu_text = "&X,Y ja T sõlmed", .toolbar_text = "X,Y ja T TRAXEN", .toolbar_tip = "X,Y ja T sõlmede andmed",
       .undo_text = "X,Y ja T sõlm",
       .menu_text_en = "T, Y and &X joints", .toolbar_text_en = "T, Y and X joints",
       .toolbar_tip_en = "T, Y and X joint data", .undo_text_en = "T, Y and X joint",
       .command_name = "tyx", .new_help = "tyx (a T or Y joint), x (an X joint)",
       .summary_name = "T/Y", .summary_variant_name = "X",
       .check = CheckTyxFamily, .render = RenderTyxFamily, .welds = TyxBraceWelds},
      {.info = JobFamilyInfoOf(JobFamilyId::kKn),
       .menu_text = "&KN sõlmed", .toolbar_text = "KN TRAXEN", .toolbar_tip = "KN sõlmed andmed",
       .undo_text = "KN sõlm",
       .menu_text_en = "&K and N joints", .toolbar_text_en = "K and N joints",
       .toolbar_tip_en = "K and N joint data", .undo_text_en = "K and N joint",
       .command_name = "kn", .new_help = "kn (a K or N joint)",
       .summary_name = "K/N",
       .check = CheckKnFamily, .render = RenderKnFamily, .welds = KnBraceWelds},
      {.info = JobFamilyInfoOf(JobFamilyId::kChsTyx),
       .menu_text = "&Ümartoru T, Y ja X sõlmed", .toolbar_text = "Ümartoru X,Y ja T",
       .toolbar_tip = "Ümartoru T, Y ja X sõlmede andmed", .undo_text = "Ümartoru X,Y ja T sõlm",
       .menu_text_en = "&Circular hollow section T, Y and X joints", .toolbar_text_en = "CHS T, Y and X joints",
       .toolbar_tip_en = "Circular hollow section T, Y and X joint data",
       .undo_text_en = "Circular hollow section T, Y and X joint",
       .command_name = "chsTyx",
       .new_help = "chs_tyx (a circular hollow section T or Y joint), chs_x (a circular hollow section X joint)",
       .summary_name = "CHS T/Y", .summary_variant_name = "CHS X",
       .check = CheckChsTyxFamily, .render = RenderChsTyxFamily, .welds = ChsTyxBraceWelds,
       .header_title = ReportTextKey::kHeaderTitleRoundTubes},
      {.info = JobFamilyInfoOf(JobFamilyId::kChsKn),
       .menu_text = "Ümartoru K ja N sõ&lmed", .toolbar_text = "Ümartoru KN",
       .toolbar_tip = "Ümartoru K ja N sõlmede andmed", .undo_text = "Ümartoru KN sõlm",
       .menu_text_en = "Circular hollow section K and N &joints", .toolbar_text_en = "CHS K and N joints",
       .toolbar_tip_en = "Circular hollow section K and N joint data",
       .undo_text_en = "Circular hollow section K and N joint",
       .command_name = "chsKn", .new_help = "chs_kn (a circular hollow section K or N joint)",
       .summary_name = "CHS K/N",
       .check = CheckChsKnFamily, .render = RenderChsKnFamily, .welds = ChsKnBraceWelds,
       .header_title = ReportTextKey::kHeaderTitleRoundTubes},
      {.info = JobFamilyInfoOf(JobFamilyId::kRcTyx),
       .menu_text = "Nelikanttoru&vöö ja ümartoruvarrastega X, Y ja T sõlmed",
       .toolbar_text = "RHS/CHS X,Y ja T", .toolbar_tip = "Nelikanttoruvöö ja ümartoruvarrastega T, Y ja X sõlmede andmed",
       .undo_text = "Nelikanttoruvöö ja ümartoruvarrastega X,Y ja T sõlm",
       .menu_text_en = "&RHS chord with CHS braces: T, Y and X joints", .toolbar_text_en = "RHS/CHS T, Y and X joints",
       .toolbar_tip_en = "T, Y and X joint data: CHS braces, RHS chord",
       .undo_text_en = "RHS chord with CHS braces: T, Y and X joint",
       .command_name = "rcTyx",
       .new_help = "rc_tyx (a T or Y joint of a circular brace on a rectangular chord), rc_x (an X joint of circular "
                   "braces on a rectangular chord)",
       .summary_name = "RHS/CHS T/Y", .summary_variant_name = "RHS/CHS X",
       .check = CheckRcTyxFamily, .render = RenderRcTyxFamily, .welds = RcTyxBraceWelds,
       .header_title = ReportTextKey::kHeaderTitleAnyTubes},
      {.info = JobFamilyInfoOf(JobFamilyId::kRcKn),
       .menu_text = "Nelikanttoruvöö ja ümartoruvarrastega K ja N sõlme&d",
       .toolbar_text = "RHS/CHS KN", .toolbar_tip = "Nelikanttoruvöö ja ümartoruvarrastega K ja N sõlmede andmed",
       .undo_text = "Nelikanttoruvöö ja ümartoruvarrastega KN sõlm",
       .menu_text_en = "RHS chord with CHS &braces: K and N joints", .toolbar_text_en = "RHS/CHS K and N joints",
       .toolbar_tip_en = "K and N joint data: CHS braces, RHS chord",
       .undo_text_en = "RHS chord with CHS braces: K and N joint",
       .command_name = "rcKn", .new_help = "rc_kn (a K or N joint of circular braces on a rectangular chord)",
       .summary_name = "RHS/CHS K/N",
       .check = CheckRcKnFamily, .render = RenderRcKnFamily, .welds = RcKnBraceWelds,
       .header_title = ReportTextKey::kHeaderTitleAnyTubes},
  };

  return families;
}

const JointFamily* JointFamilyOf(const Job& job) {
  const JobFamilyInfo* info = FamilyOf(job);
  return info ? FindJointFamily(info->group) : nullptr;
}

const JointFamily* FindJointFamily(std::string_view group) {
  for (const JointFamily& f : JointFamilies())
    if (f.info.group == group) return &f;
  return nullptr;
}

const JointFamily* JointFamilyOfDialog(int dialog) {
  const JobFamilyInfo* info = FamilyOfDialog(dialog);
  return info ? FindJointFamily(info->group) : nullptr;
}

std::vector<BraceWeld> ComputeBraceWelds(const Job& job) {
  const JointFamily* family = JointFamilyOf(job);
  return family ? family->welds(job) : std::vector<BraceWeld>{};
}

JointFamilyTexts JointFamilyTextsIn(const JointFamily& family, Language language) {
  if (language == Language::kEnglish)
    return {family.menu_text_en, family.toolbar_text_en, family.toolbar_tip_en, family.undo_text_en};
  return {family.menu_text, family.toolbar_text, family.toolbar_tip, family.undo_text};
}

}  // namespace traxen
