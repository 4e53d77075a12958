// The registry of joint families: one line per family.
#include "families/joint_family.h"

#include "families/rhs_families.h"

namespace traxen {

std::span<const JointFamily> JointFamilies() {
  // Built on first use, after the Job record's table it points into.
  static const JointFamily families[] = {
    {JobFamilyInfoOf(JobFamilyId::kTyx), "&X,Y ja T sõlmed", "X,Y ja T TRAXEN", "X,Y ja T sõlm", "tyxJoints",
     "tyx (a T or Y joint), x (an X joint)", CheckTyxFamily, RenderTyxFamily},
    {JobFamilyInfoOf(JobFamilyId::kKn), "&KN  sõlmed", "KN TRAXEN", "KN sõlm", "knJoints",
     "kn (a K or N joint)", CheckKnFamily, RenderKnFamily},
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
