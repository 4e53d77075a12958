// The key table of JSON jobs.
#include "model/json_job_keys.h"

#include <algorithm>
#include <unordered_map>
#include <nlohmann/json.hpp>

#include "model/job_family.h"
#include "model/job_fields.h"

namespace traxen {

namespace {

using R = KeyRole;

// The keys of the groups every family shares, around the families' own keys: the flag and
// the group of each family come from its record (JobFamilyInfo::keys), in the field list's
// order.
constexpr JobKey kHeadKeys[] = {
    {"info.job_name", "", R::kText, "job name, printed in the report header"},
    {"info.client", "", R::kText, "client, printed in the report header"},
    {"info.calculated_by", "", R::kText, "engineer who made the calculation"},
    {"info.owner", "", R::kText, "firm the report belongs to"},
};

constexpr JobKey kSharedKeys[] = {
    {"steel.fy0", "MPa", R::kNumber, "yield strength of the chord"},
    {"steel.fu0", "MPa", R::kNumber, "ultimate strength of the chord"},
    {"steel.fy1", "MPa", R::kNumber, "yield strength of brace 1"},
    {"steel.fu1", "MPa", R::kNumber, "ultimate strength of brace 1"},
    {"steel.fy2", "MPa", R::kNumber, "yield strength of brace 2"},
    {"steel.fu2", "MPa", R::kNumber, "ultimate strength of brace 2"},
    {"steel.E", "MPa", R::kNumber, "elastic modulus"},
    {"steel.gamma_M0", "", R::kNumber, "partial factor of cross-section resistance"},
    {"steel.gamma_M1", "", R::kNumber, "partial factor of member stability"},
    {"steel.gamma_M2", "", R::kNumber, "partial factor of welds and net sections"},
    {"steel.fy_plate", "MPa", R::kNumber, "yield strength of the reinforcing plates"},
    {"len.L0_left", "m", R::kNumber, "chord length left of the joint"},
    {"len.L0_right", "m", R::kNumber, "chord length right of the joint"},
    {"len.L1", "m", R::kNumber, "length of brace 1"},
    {"len.L2", "m", R::kNumber, "length of brace 2"},
    {"chord.A0", "mm²", R::kOptional,
     "chord cross-section area; left out: from h0 × b0 × t0 (circular chords: from d0 and t0 as a ring)"},
    {"chord.Wel0", "mm³", R::kOptional,
     "chord elastic section modulus; left out: from h0 × b0 × t0 (circular chords: from d0 and t0 as a ring)"},
};

constexpr JobKey kTailKeys[] = {
    {"plate.face_l", "mm", R::kPlate, "chord face plate length", "face_plate"},
    {"plate.face_b", "mm", R::kPlate, "chord face plate width", "face_plate"},
    {"plate.face_t", "mm", R::kPlate, "chord face plate thickness", "face_plate"},
    {"plate.side_l", "mm", R::kPlate, "side wall plate length", "side_plates"},
    {"plate.side_b", "mm", R::kPlate, "side wall plate height", "side_plates"},
    {"plate.side_t", "mm", R::kPlate, "side wall plate thickness", "side_plates"},
    {"plate.overlap_l", "mm", R::kPlate, "plate between the braces: length", "overlap_plate"},
    {"plate.overlap_b", "mm", R::kPlate, "plate between the braces: width", "overlap_plate"},
    {"plate.overlap_t", "mm", R::kPlate, "plate between the braces: thickness", "overlap_plate"},
};

const std::vector<JobKey>& KeyTable() {
  static const std::vector<JobKey> keys = [] {
    std::vector<JobKey> k(std::begin(kHeadKeys), std::end(kHeadKeys));
    for (const JobFamilyInfo& f : JobFamilies()) k.push_back(f.keys().front());
    k.insert(k.end(), std::begin(kSharedKeys), std::end(kSharedKeys));
    for (const JobFamilyInfo& f : JobFamilies()) k.insert(k.end(), f.keys().begin() + 1, f.keys().end());
    k.insert(k.end(), std::begin(kTailKeys), std::end(kTailKeys));
    return k;
  }();
  return keys;
}

std::string_view GroupOf(std::string_view dotted) { return dotted.substr(0, dotted.find('.')); }

std::size_t EditDistance(std::string_view a, std::string_view b) {
  std::vector<std::size_t> row(b.size() + 1);
  for (std::size_t j = 0; j <= b.size(); ++j) row[j] = j;
  for (std::size_t i = 1; i <= a.size(); ++i) {
    std::size_t diagonal = row[0];
    row[0] = i;
    for (std::size_t j = 1; j <= b.size(); ++j) {
      const std::size_t above = row[j];
      const bool same = std::tolower(static_cast<unsigned char>(a[i - 1])) ==
                        std::tolower(static_cast<unsigned char>(b[j - 1]));
      row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (same ? 0 : 1)});
      diagonal = above;
    }
  }
  return row[b.size()];
}

}  // namespace

const std::vector<JobKey>& JobKeys() { return KeyTable(); }

const JobKey* FindJobKey(std::string_view dotted) {
  static const auto by_name = [] {
    std::unordered_map<std::string_view, const JobKey*> m;
    for (const JobKey& k : KeyTable()) m.emplace(k.name, &k);
    return m;
  }();
  const auto it = by_name.find(dotted);
  return it == by_name.end() ? nullptr : it->second;
}

std::vector<std::string_view> RequiredKeys(std::string_view family) {
  std::vector<std::string_view> keys;
  for (const JobKey& k : KeyTable())
    if (GroupOf(k.name) == family && (k.role == R::kDimension || k.role == R::kAction)) keys.push_back(k.name);
  return keys;
}

bool IsTemplateKey(const JobKey& key, std::string_view family) {
  const std::string_view group = GroupOf(key.name);
  if (key.role == R::kInternal || key.role == R::kDerived || key.role == R::kOptional) return false;
  if (FindJobFamily(group)) return group == family;
  // A plate whose flag the family's group lacks (the T/Y/X joint has no overlap plate).
  if (!key.plate_flag.empty() && !FindJobKey(std::string(family) + "." + std::string(key.plate_flag))) return false;
  return true;
}

std::vector<std::string_view> JobGroups() {
  std::vector<std::string_view> groups;
  for (const JobKey& k : KeyTable())
    if (groups.empty() || groups.back() != GroupOf(k.name)) groups.push_back(GroupOf(k.name));
  return groups;
}

std::string NearestJobKey(std::string_view dotted) {
  std::string_view best;
  std::size_t best_distance = std::string_view::npos;
  for (const JobKey& k : KeyTable()) {
    const std::size_t d = EditDistance(dotted, k.name);
    if (d < best_distance) best_distance = d, best = k.name;
  }
  // A third of the name may be wrong, at least two letters: "tyx.bo" and "kn.theta_1" still
  // find their key, a name of another kind finds none.
  const std::size_t allowed = std::max<std::size_t>(2, dotted.size() / 3);
  return best_distance <= allowed ? std::string(best) : std::string();
}

std::string NearestJobGroup(std::string_view group) {
  for (std::string_view g : JobGroups())
    if (EditDistance(group, g) <= std::max<std::size_t>(1, g.size() / 3)) return std::string(g);
  return {};
}

std::string DefaultValueText(std::string_view dotted) {
  Job job;
  std::string text;
  ForEachJobField(job, [&](const JobField& f) {
    if (dotted.size() != f.group.size() + 1 + f.key.size() || !dotted.starts_with(f.group) ||
        !dotted.ends_with(f.key) || dotted[f.group.size()] != '.')
      return;
    std::visit([&](auto* p) { text = nlohmann::json(*p).dump(); }, f.ref);
  });
  return text;
}

}  // namespace traxen
