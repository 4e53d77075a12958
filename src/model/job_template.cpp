// Writing JSON jobs group by group in the record's order.
#include "model/job_template.h"

#include <nlohmann/json.hpp>

#include "model/job_family.h"
#include "model/job_fields.h"
#include "model/json_job_keys.h"

namespace traxen {

namespace {

std::string FamilyGroup(const Job& job) {
  const JobFamilyInfo* family = FamilyOf(job);
  return family ? std::string(family->group) : std::string();
}

template <class Keep>
std::string WriteGroups(Job& job, Keep&& keep) {
  nlohmann::ordered_json root = nlohmann::ordered_json::object();
  ForEachJobField(job, [&](const JobField& f) {
    const std::string dotted = std::string(f.group) + "." + std::string(f.key);
    const JobKey* key = FindJobKey(dotted);
    if (!key || !keep(*key, f.group)) return;
    nlohmann::ordered_json& slot = root[std::string(f.group)][std::string(f.key)];
    std::visit([&slot](auto* p) { slot = *p; }, f.ref);
  });
  return root.dump(2) + "\n";
}

}  // namespace

Job TemplateJob(std::string_view family) {
  bool variant = false;
  const JobFamilyInfo* info = FindFamilyName(family, &variant);
  return (info ? *info : JobFamilies().front()).example(variant);
}

std::string TemplateJobText(Job job) {
  const std::string family = FamilyGroup(job);
  return WriteGroups(job, [&](const JobKey& key, std::string_view) { return IsTemplateKey(key, family); });
}

std::string CompleteJobText(Job job) {
  const std::string family = FamilyGroup(job);
  return WriteGroups(job, [&](const JobKey&, std::string_view group) {
    return !FindJobFamily(group) || group == family;
  });
}

}  // namespace traxen
