// Writing JSON jobs group by group in the record's order.
#include "model/job_template.h"

#include <nlohmann/json.hpp>

#include "model/job_fields.h"
#include "model/json_job_keys.h"

namespace traxen {

namespace {

std::string FamilyGroup(const Job& job) {
  if (job.family.is_chs_tyx == 1) return "chs_tyx";
  if (job.family.is_chs_kn == 1) return "chs_kn";
  return job.family.is_tyx == 1 ? "tyx" : job.family.is_kn == 1 ? "kn" : "";
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
  Job job;
  // The circular joints' defaults are published joints: a T (or X) joint and a K gap joint.
  if (family == "chs_tyx" || family == "chs_x") {
    job.family.is_chs_tyx = 1;
    job.chs_tyx.x_joint = family == "chs_x" ? 1 : 0;
    job.steel.fy0 = job.steel.fy1 = job.steel.fy2 = 300;
    return job;
  }
  if (family == "chs_kn") {
    job.family.is_chs_kn = 1;
    return job;
  }
  if (family == "kn") {
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
  job.family.is_tyx = 1;
  TyxJoint& t = job.tyx;
  t.h0 = 200, t.b0 = 200, t.t0 = 8;
  t.h1 = 120, t.b1 = 120, t.t1 = 6;
  t.N0 = -271.6, t.M0 = 2.81, t.N1 = -52, t.theta1 = 84.3;
  t.x_joint = family == "x" ? 1 : 0;
  return job;
}

std::string TemplateJobText(Job job) {
  const std::string family = FamilyGroup(job);
  return WriteGroups(job, [&](const JobKey& key, std::string_view) { return IsTemplateKey(key, family); });
}

std::string CompleteJobText(Job job) {
  const std::string family = FamilyGroup(job);
  return WriteGroups(job, [&](const JobKey&, std::string_view group) {
    return !IsFamilyGroup(group) || group == family;
  });
}

}  // namespace traxen
