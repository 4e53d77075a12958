// The field index, built on first use.
#include "model/job_field_index.h"

#include <fmt/format.h>

#include <unordered_map>

#include "model/job_fields.h"
#include "model/json_job_keys.h"

namespace traxen {

namespace {

struct Index {
  std::vector<JobFieldInfo> infos;
  std::unordered_map<std::string_view, int> positions;  // views into `infos`, which never grows again
};

const Index& TheIndex() {
  static const Index index = [] {
    Index i;
    Job job;
    ForEachJobField(job, [&](const JobField& f) {
      const std::string dotted = fmt::format("{}.{}", f.group, f.key);
      i.infos.push_back({dotted, FindJobKey(dotted)});
    });
    for (std::size_t p = 0; p < i.infos.size(); ++p) i.positions.emplace(i.infos[p].dotted, static_cast<int>(p));
    return i;
  }();
  return index;
}

}  // namespace

const std::vector<JobFieldInfo>& JobFieldInfos() { return TheIndex().infos; }

int JobFieldPosition(std::string_view dotted) {
  const auto& positions = TheIndex().positions;
  const auto it = positions.find(dotted);
  return it == positions.end() ? -1 : it->second;
}

}  // namespace traxen
