// The registry of joint families: one line per family.
#include "families/joint_family.h"

#include "families/chs_families.h"
#include "families/rhs_families.h"

namespace traxen {

std::span<const JointFamily> JointFamilies() {
  // Built on first use, after the Job record's table it points into.
  static const JointFamily families[] = {
      {JobFamilyInfoOf(JobFamilyId::kTyx), "&X,Y ja T sõlmed", "X,Y ja T TRAXEN", "X,Y ja T sõlmede andmed",
       "X,Y ja T sõlm", "tyx", "tyx (a T or Y joint), x (an X joint)", CheckTyxFamily, RenderTyxFamily},
      {JobFamilyInfoOf(JobFamilyId::kKn), "&KN  sõlmed", "KN TRAXEN", "KN sõlmed andmed", "KN sõlm", "kn",
       "kn (a K or N joint)", CheckKnFamily, RenderKnFamily},
      {JobFamilyInfoOf(JobFamilyId::kChsTyx), "&Ümartoru T, Y ja X sõlmed", "Ümartoru X,Y ja T",
       "Ümartoru T, Y ja X sõlmede andmed", "Ümartoru X,Y ja T sõlm", "chsTyx",
       "chs_tyx (a circular hollow section T or Y joint), chs_x (a circular hollow section X joint)",
       CheckChsTyxFamily, RenderChsTyxFamily, ReportTextKey::kHeaderTitleRoundTubes},
      {JobFamilyInfoOf(JobFamilyId::kChsKn), "Ümartoru K ja N sõ&lmed", "Ümartoru KN", "Ümartoru K ja N sõlmede andmed",
       "Ümartoru KN sõlm", "chsKn", "chs_kn (a circular hollow section K or N joint)", CheckChsKnFamily,
       RenderChsKnFamily, ReportTextKey::kHeaderTitleRoundTubes},
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

}  // namespace traxen
