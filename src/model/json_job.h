// JSON jobs: one object whose groups and keys are the Job record's; left-out fields keep
// their defaults.
#pragma once

#include <algorithm>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "model/job.h"
#include "model/load_result.h"

namespace traxen {

// The fields a JSON job set, by their position in the Job record's field list.
class JsonFieldSet {
 public:
  void insert(std::size_t position) {
    if (given_.size() <= position) given_.resize(std::max<std::size_t>(position + 1, 128));
    given_[position] = true;
  }
  bool has(std::size_t position) const { return position < given_.size() && given_[position]; }
  bool contains(std::string_view dotted) const;  // by "group.key"

 private:
  std::vector<bool> given_;
};

struct JsonJob {
  Job job;
  JsonFieldSet present;  // every field the file set
};

// Parses `text` (the content of `file_name`, which only serves the messages). On error
// `job` is left as the defaults and the error names the file and the key or line and column.
LoadError ParseJsonJob(std::string_view text, std::string_view file_name, JsonJob& out);

// What a job must mean before it is computed: the family's member dimensions and design
// actions are all given (the message lists every one left out); every number is finite and
// within ±1e12 (no joint needs more, and beyond it the computation overflows); member
// dimensions and, when their plate is used, plate sizes are positive; a given chord A0 or
// Wel0 is positive. The message names the key and the value.
LoadError CheckJsonJobValues(const JsonJob& job, std::string_view file_name);

// ParseJsonJob, then CheckJsonJobValues: how every reader of job files takes a JSON job.
LoadError ReadJsonJob(std::string_view text, std::string_view file_name, JsonJob& out);

// Writes every field of `job` as a JSON job (for tests and conversions).
std::string WriteJsonJob(Job job);

}  // namespace traxen
