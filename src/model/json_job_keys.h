// What each key of a JSON job means to its user: unit, meaning, and the part it plays in
// reading (a member dimension that must be given and positive, a design action that must be
// given, a plate size checked when its plate is used, a value derived from the others, an
// internal slot). `traxen-cli keys` and `new` print from this table and the reader checks
// against it, so the documentation cannot drift from what is read.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace traxen {

enum class KeyRole {
  kText,       // free text
  kFlag,       // 0 or 1 (true or false accepted)
  kNumber,     // a finite number in its range (strengths and E > 0, lengths > 0, factors >= 1)
  kDimension,  // member size: required for its family, finite and positive
  kAction,     // force, moment, angle or eccentricity: required for its family, finite; an
               // angle within (0, 180) degrees
  kPlate,      // plate size: finite and positive when its plate flag is 1
  kOptional,   // left out: derived from the member sizes (section classes, chord A0 and Wel0)
  kDerived,    // always derived; a given value that differs is warned about and replaced
  kInternal,   // accepted for the desktop program's sake, never needed nor written
};

struct JobKey {
  std::string_view name;     // "tyx.h0"
  std::string_view unit;     // "mm", "kN", "" for none
  KeyRole role;
  std::string_view meaning;
  std::string_view plate_flag = {};  // kPlate: the flag that makes the size count
};

// Every key of the Job record, group by group in the record's order.
const std::vector<JobKey>& JobKeys();
const JobKey* FindJobKey(std::string_view dotted);

// Keys a job of the family must give: the member dimensions and the design actions.
// `family` is a family's group ("tyx", "chs_kn").
std::vector<std::string_view> RequiredKeys(std::string_view family);

// Keys a complete job of the family is written with (`traxen-cli new`): the common groups
// and the family's own group, without derived and internal keys.
bool IsTemplateKey(const JobKey& key, std::string_view family);

// The group names in record order ("info", "family", ...).
std::vector<std::string_view> JobGroups();

// The nearest known key to a misspelt one (by edit distance on "group.key"), "" when none is
// close enough to be a likely meaning.
std::string NearestJobKey(std::string_view dotted);

// The nearest group name to a misspelt one, "" when none is close.
std::string NearestJobGroup(std::string_view group);

// The default value of a key as a JSON job writes it ("200", "\"text\"", "[...]").
std::string DefaultValueText(std::string_view dotted);

}  // namespace traxen
