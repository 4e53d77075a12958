// The joint families as the Job record knows them: the flag of `Job::family` that marks each,
// the group of the record (and of a JSON job) that holds its joint, the name JSON, CSV and
// `traxen-cli check` give it, and the sizes of its members. What a family does (its checks,
// report, schematic, dialog) is in its record of families/registry.cpp, which points here;
// the layers below the families (the JSON reader, the joint table) need only this part.
#pragma once

#include <span>
#include <string_view>
#include <vector>

#include "model/job.h"
#include "model/json_job.h"
#include "model/json_job_keys.h"
#include "model/messages.h"

namespace traxen {

// One member's section as the checks of a JSON job and the truss summary name it.
struct MemberSize {
  std::string_view name;      // "chord", "brace 1"
  std::string_view wall_key;  // the key of its wall, "kn.t1"
  double h, b, t;
  // A circular tube (h and b are both its diameter) in a family whose other members are
  // rectangles; every member of a family with round_tubes is one too.
  bool round = false;
};

struct JobFamilyInfo {
  JobFamilyId id;
  std::string_view group;   // "tyx": the Job group, the JSON group, `check`'s family field
  std::string_view flag;    // "is_tyx": its key in the group "family"
  int JobFamily::*marker;   // the same flag in the record
  std::string_view label;   // "T/Y/X", as messages name the family
  // The number a document keeps of the joint dialog confirmed last (1 T/Y/X, 2 K/N): project
  // files keep it, so a family's number never changes; 0 is "none".
  int dialog;
  std::vector<MemberSize> (*members)(const Job&);       // chord first, then the braces it reports
  // Its members are circular hollow sections: a member's h and b are both its diameter, and
  // messages and summaries name the diameter ("Ø219.1×8").
  bool round_tubes;
  int (*plate_flag)(const Job&, std::string_view flag);  // a reinforcing plate's flag, 0 when none
  // Its JSON keys: its flag's ("family.is_tyx"), then its group's, in the field list's order.
  std::span<const JobKey> (*keys)();
  ValueRange (*range)(std::string_view key);  // the range of a key of its group ("theta1")
  bool (*derived)(std::string_view key);  // a key of its group the reading derives from others
  // The derivations of a JSON job of the family as it is read (see ConfirmJsonJob).
  void (*confirm_json)(Job& job, const JsonFieldSet& present, std::vector<std::string>* warnings,
                       std::vector<Message>* messages);
  // A sound example job (`traxen-cli new`, the joint table's template), of the variant when
  // `variant` is set.
  Job (*example)(bool variant);
  // A variant a table or a template names on its own ("x": the T/Y/X family with its flag
  // "x_joint" set); empty when the family has none.
  std::string_view variant = {};
  std::string_view variant_flag = {};
  // Whether the desktop program's 18-line project file (.trx) can hold a job of the family;
  // the others are saved as JSON jobs, and refusing a project file names their joint in both
  // languages, the Estonian in the case its sentence takes ("ümartorusõlmele").
  bool project_file = true;
  Words joint_words = {};
};

// Every family, in the order the menus, the templates and the key list show them.
std::span<const JobFamilyInfo> JobFamilies();

// The family whose flag the job sets (the first, should a record set two); nullptr when none.
const JobFamilyInfo* FamilyOf(const Job& job);
const JobFamilyInfo* FindJobFamily(std::string_view group);
const JobFamilyInfo& JobFamilyInfoOf(JobFamilyId id);

// The names a joint table's family column and `traxen-cli new` accept: each family's group,
// then its variant ("tyx", "x", "kn").
std::vector<std::string_view> FamilyNames();

// The family and whether its variant is meant, by a name of FamilyNames(); nullptr when unknown.
const JobFamilyInfo* FindFamilyName(std::string_view name, bool* variant);

// The family whose dialog has the number; nullptr for 0 and unknown numbers.
const JobFamilyInfo* FamilyOfDialog(int dialog);

// False for a job of a family that only a JSON job can hold.
bool FitsProjectFile(const Job& job);

// Why a project file cannot hold the job (its family's joint has no room there); empty when
// it can.
Message ProjectFileRefusal(const Job& job);

// Whether the job is its family's variant (an X joint of the T/Y/X family): the family's
// variant flag in its group is 1.
bool IsFamilyVariant(const Job& job, const JobFamilyInfo& family);

// Sets the family's flag and clears every other.
void SetJobFamily(Job& job, JobFamilyId id);

// The number of family flags the job sets (a sound job sets one at most).
int FamilyFlagCount(const Job& job);

// More than one family flag set: the message names them; empty when at most one is.
Message FamilyFlagsProblem(const Job& job);

}  // namespace traxen
