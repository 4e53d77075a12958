// Every field of the Job record by group and key, so readers and writers of job files
// share one list of names instead of repeating them.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <variant>

#include "model/job.h"

namespace traxen {

using JobFieldRef = std::variant<double*, int*, std::string*, std::array<double, 6>*,
                                 std::array<double, 8>*>;

struct JobField {
  std::string_view group;
  std::string_view key;
  JobFieldRef ref;
};

// Calls visit(JobField) for every field of `job`, group by group, in declaration order.
template <class Visit>
void ForEachJobField(Job& job, Visit&& visit);

}  // namespace traxen

#include "model/job_fields_impl.h"
