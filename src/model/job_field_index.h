// Every field of the Job record by its position in the one field list (ForEachJobField's
// order), with its "group.key" name and its entry of the key table, built once: readers and
// checks of a batch of jobs look a field up instead of formatting and comparing names.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace traxen {

struct JobKey;

struct JobFieldInfo {
  std::string dotted;            // "tyx.h0"
  const JobKey* key = nullptr;   // its entry of JobKeys(), null for none
};

// By position.
const std::vector<JobFieldInfo>& JobFieldInfos();

// The position of "group.key", -1 for none.
int JobFieldPosition(std::string_view dotted);

}  // namespace traxen
