// JSON jobs: one object whose groups and keys are the Job record's; left-out fields keep
// their defaults.
#pragma once

#include <set>
#include <string>
#include <string_view>

#include "model/job.h"
#include "model/load_result.h"

namespace traxen {

struct JsonJob {
  Job job;
  std::set<std::string> present;  // "group.key" of every field the file set
};

// Parses `text` (the content of `file_name`, which only serves the messages). On error
// `job` is left as the defaults and the error names the file and the key or line and column.
LoadError ParseJsonJob(std::string_view text, std::string_view file_name, JsonJob& out);

// Writes every field of `job` as a JSON job (for tests and conversions).
std::string WriteJsonJob(Job job);

}  // namespace traxen
