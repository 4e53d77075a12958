// The Job record's side of the joint families: one line per family.
#include "model/job_family.h"

#include <algorithm>

#include "model/confirm_job.h"
#include "model/job_fields.h"
#include "model/json_job_chs.h"
#include "model/json_job_rc.h"
#include "model/json_job_rhs_keys.h"
#include "model/value_ranges.h"

namespace traxen {

namespace {

std::vector<MemberSize> TyxMembers(const Job& job) {
  const TyxJoint& j = job.tyx;
  return {{"chord", "tyx.t0", j.h0, j.b0, j.t0}, {"brace", "tyx.t1", j.h1, j.b1, j.t1}};
}

std::vector<MemberSize> KnMembers(const Job& job) {
  const KnJoint& j = job.kn;
  return {{"chord", "kn.t0", j.h0, j.b0, j.t0},
          {"brace 1", "kn.t1", j.h1, j.b1, j.t1},
          {"brace 2", "kn.t2", j.h2, j.b2, j.t2}};
}

int TyxPlateFlag(const Job& job, std::string_view flag) {
  return flag == "face_plate" ? job.tyx.face_plate : flag == "side_plates" ? job.tyx.side_plates : 0;
}

int KnPlateFlag(const Job& job, std::string_view flag) {
  return flag == "face_plate"      ? job.kn.face_plate
         : flag == "side_plates"   ? job.kn.side_plates
         : flag == "overlap_plate" ? job.kn.overlap_plate
                                   : 0;
}

// Brace 2 of a T/Y/X joint mirrors brace 1; the K/N confirmation derives N2 and N0_right
// from equilibrium.
bool TyxDerived(std::string_view key) {
  return key == "h2" || key == "b2" || key == "t2" || key == "N2" || key == "theta2";
}
bool KnDerived(std::string_view key) { return key == "N2" || key == "N0_right"; }

// Every member size and design action given, the rest the defaults of a new job.
Job TyxExample(bool x_joint) {
  Job job;
  job.family.is_tyx = 1;
  TyxJoint& t = job.tyx;
  t.h0 = 200, t.b0 = 200, t.t0 = 8;
  t.h1 = 120, t.b1 = 120, t.t1 = 6;
  t.N0 = -271.6, t.M0 = 2.81, t.N1 = -52, t.theta1 = 84.3;
  t.x_joint = x_joint ? 1 : 0;
  return job;
}

Job KnExample(bool) {
  Job job;
  job.family.is_kn = 1;
  KnJoint& k = job.kn;
  k.h0 = 160, k.b0 = 160, k.t0 = 8;
  k.h1 = 100, k.b1 = 100, k.t1 = 6;
  k.h2 = 100, k.b2 = 100, k.t2 = 5;
  k.N0_left = -320, k.M0 = 1.5, k.N1 = -85.5;
  k.theta1 = 50, k.theta2 = 45, k.e = 30;
  job.len = {6, 6, 2.9, 3.1};
  return job;
}

// A tube's diameter stands for both sides of the rectangle, so the wall check of the
// rectangular members holds for it too.
std::vector<MemberSize> ChsTyxMembers(const Job& job) {
  const ChsTyxJoint& j = job.chs_tyx;
  return {{"chord", "chs_tyx.t0", j.d0, j.d0, j.t0}, {"brace", "chs_tyx.t1", j.d1, j.d1, j.t1}};
}

std::vector<MemberSize> ChsKnMembers(const Job& job) {
  const ChsKnJoint& j = job.chs_kn;
  return {{"chord", "chs_kn.t0", j.d0, j.d0, j.t0},
          {"brace 1", "chs_kn.t1", j.d1, j.d1, j.t1},
          {"brace 2", "chs_kn.t2", j.d2, j.d2, j.t2}};
}

int NoPlate(const Job&, std::string_view) { return 0; }  // circular joints take no plates
bool NothingDerived(std::string_view) { return false; }

// The circular joints' examples are the published joints (the record's defaults: a T joint
// and a K gap joint) in the nearest tubes of the round tube table, so that a joint table can
// name them. Every example passes: the X joint, whose chord face carries less than the T
// joint's, has the next wall of the chord tube, 88.9x6.
Job ChsTyxExample(bool x_joint) {
  Job job;
  job.family.is_chs_tyx = 1;
  job.chs_tyx.x_joint = x_joint ? 1 : 0;
  job.chs_tyx.d0 = 88.9, job.chs_tyx.d1 = 60.3;
  if (x_joint) job.chs_tyx.t0 = 6.0;
  job.steel.fy0 = job.steel.fy1 = job.steel.fy2 = 300;
  return job;
}

Job ChsKnExample(bool) {
  Job job;
  job.family.is_chs_kn = 1;
  job.chs_kn.t2 = 4.0;
  return job;
}

// How refusing a project file names a circular joint.
constexpr Words kChsJointWords{"a circular hollow section joint", "ümartorusõlmele"};
constexpr Words kRcJointWords{"a joint of circular braces on a rectangular chord", "ümartoruvarrastega nelikanttorusõlmele"};

const JobFamilyInfo kFamilies[] = {
    {.id = JobFamilyId::kTyx, .group = "tyx", .flag = "is_tyx", .marker = &JobFamily::is_tyx, .label = "T/Y/X",
     .dialog = 1, .members = TyxMembers, .round_tubes = false, .plate_flag = TyxPlateFlag,
     .keys = TyxKeys, .range = HollowJointKeyRange, .derived = TyxDerived, .confirm_json = ConfirmTyxJson,
     .example = TyxExample, .variant = "x", .variant_flag = "x_joint"},
    {.id = JobFamilyId::kKn, .group = "kn", .flag = "is_kn", .marker = &JobFamily::is_kn, .label = "K/N",
     .dialog = 2, .members = KnMembers, .round_tubes = false, .plate_flag = KnPlateFlag,
     .keys = KnKeys, .range = HollowJointKeyRange, .derived = KnDerived, .confirm_json = ConfirmKnJson,
     .example = KnExample},
    {.id = JobFamilyId::kChsTyx, .group = "chs_tyx", .flag = "is_chs_tyx", .marker = &JobFamily::is_chs_tyx,
     .label = "CHS T/Y/X", .dialog = 3, .members = ChsTyxMembers, .round_tubes = true, .plate_flag = NoPlate,
     .keys = ChsTyxKeys, .range = HollowJointKeyRange, .derived = NothingDerived, .confirm_json = ConfirmChsJsonJob,
     .example = ChsTyxExample, .variant = "chs_x", .variant_flag = "x_joint", .project_file = false,
     .joint_words = kChsJointWords},
    {.id = JobFamilyId::kChsKn, .group = "chs_kn", .flag = "is_chs_kn", .marker = &JobFamily::is_chs_kn,
     .label = "CHS K/N", .dialog = 4, .members = ChsKnMembers, .round_tubes = true, .plate_flag = NoPlate,
     .keys = ChsKnKeys, .range = HollowJointKeyRange, .derived = KnDerived, .confirm_json = ConfirmChsJsonJob,
     .example = ChsKnExample, .project_file = false, .joint_words = kChsJointWords},
    {.id = JobFamilyId::kRcTyx, .group = "rc_tyx", .flag = "is_rc_tyx", .marker = &JobFamily::is_rc_tyx,
     .label = "RHS/CHS T/Y/X", .dialog = 5, .members = RcTyxMembers, .round_tubes = false, .plate_flag = NoPlate,
     .keys = RcTyxKeys, .range = HollowJointKeyRange, .derived = NothingDerived, .confirm_json = ConfirmRcJsonJob,
     .example = RcTyxExample, .variant = "rc_x", .variant_flag = "x_joint", .project_file = false,
     .joint_words = kRcJointWords},
    {.id = JobFamilyId::kRcKn, .group = "rc_kn", .flag = "is_rc_kn", .marker = &JobFamily::is_rc_kn,
     .label = "RHS/CHS K/N", .dialog = 6, .members = RcKnMembers, .round_tubes = false, .plate_flag = NoPlate,
     .keys = RcKnKeys, .range = HollowJointKeyRange, .derived = KnDerived, .confirm_json = ConfirmRcJsonJob,
     .example = RcKnExample, .project_file = false, .joint_words = kRcJointWords},
};

}  // namespace

std::span<const JobFamilyInfo> JobFamilies() { return kFamilies; }

const JobFamilyInfo* FamilyOf(const Job& job) {
  for (const JobFamilyInfo& f : kFamilies)
    if (job.family.*f.marker == 1) return &f;
  return nullptr;
}

const JobFamilyInfo* FindJobFamily(std::string_view group) {
  for (const JobFamilyInfo& f : kFamilies)
    if (f.group == group) return &f;
  return nullptr;
}

const JobFamilyInfo& JobFamilyInfoOf(JobFamilyId id) {
  return *std::find_if(std::begin(kFamilies), std::end(kFamilies), [id](const JobFamilyInfo& f) { return f.id == id; });
}

std::vector<std::string_view> FamilyNames() {
  std::vector<std::string_view> names;
  for (const JobFamilyInfo& f : kFamilies) {
    names.push_back(f.group);
    if (!f.variant.empty()) names.push_back(f.variant);
  }
  return names;
}

const JobFamilyInfo* FindFamilyName(std::string_view name, bool* variant) {
  for (const JobFamilyInfo& f : kFamilies) {
    if (name.empty()) break;
    if (name == f.group || name == f.variant) {
      if (variant) *variant = name == f.variant;
      return &f;
    }
  }
  return nullptr;
}

const JobFamilyInfo* FamilyOfDialog(int dialog) {
  for (const JobFamilyInfo& f : kFamilies)
    if (f.dialog == dialog) return &f;
  return nullptr;
}

bool FitsProjectFile(const Job& job) {
  const JobFamilyInfo* family = FamilyOf(job);
  return !family || family->project_file;
}

Message ProjectFileRefusal(const Job& job) {
  const JobFamilyInfo* family = FamilyOf(job);
  if (!family || family->project_file) return {};
  return Message(MessageId::kCannotSaveInProjectFile, family->joint_words);
}

bool IsFamilyVariant(const Job& job, const JobFamilyInfo& family) {
  if (family.variant_flag.empty()) return false;
  bool set = false;
  // The field list takes pointers; nothing is written through them.
  ForEachJobField(const_cast<Job&>(job), [&](const JobField& f) {
    if (f.group == family.group && f.key == family.variant_flag)
      if (int* const* flag = std::get_if<int*>(&f.ref)) set = **flag == 1;
  });
  return set;
}

void SetJobFamily(Job& job, JobFamilyId id) {
  for (const JobFamilyInfo& f : kFamilies) job.family.*f.marker = f.id == id ? 1 : 0;
}

int FamilyFlagCount(const Job& job) {
  return static_cast<int>(
      std::count_if(std::begin(kFamilies), std::end(kFamilies), [&](const JobFamilyInfo& f) { return job.family.*f.marker == 1; }));
}

Message FamilyFlagsProblem(const Job& job) {
  std::vector<const JobFamilyInfo*> set;
  for (const JobFamilyInfo& f : kFamilies)
    if (job.family.*f.marker == 1) set.push_back(&f);
  if (set.size() < 2) return {};
  // The two families a project file holds were once the only ones, and a job setting both
  // flags is still told so in the words it always was.
  if (set.size() == 2 && set[0]->project_file && set[1]->project_file)
    return Message(MessageId::kJsonBothFamilies, set[0]->flag, set[1]->flag);
  std::string names;
  for (std::size_t i = 0; i < set.size(); ++i)
    names += std::string(i == 0 ? "" : i + 1 == set.size() ? " and " : ", ") + std::string(set[i]->flag);
  return Message(MessageId::kJsonFamilies, names);
}

}  // namespace traxen
