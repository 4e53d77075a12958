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

const std::vector<JobKey> kKeys = {
    {"info.job_name", "", R::kText, "job name, printed in the report header"},
    {"info.client", "", R::kText, "client, printed in the report header"},
    {"info.calculated_by", "", R::kText, "engineer who made the calculation"},
    {"info.owner", "", R::kText, "firm the report belongs to"},
    {"family.is_tyx", "", R::kFlag, "1: a T, Y or X joint"},
    {"family.is_kn", "", R::kFlag, "1: a K or N joint"},
    {"family.is_chs_tyx", "", R::kFlag, "1: a T, Y or X joint of circular hollow sections"},
    {"family.is_chs_kn", "", R::kFlag, "1: a K or N joint of circular hollow sections"},
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
    {"tyx.h0", "mm", R::kDimension, "chord depth (in the plane of the joint)"},
    {"tyx.b0", "mm", R::kDimension, "chord width"},
    {"tyx.t0", "mm", R::kDimension, "chord wall thickness"},
    {"tyx.h1", "mm", R::kDimension, "brace depth (in the plane of the joint)"},
    {"tyx.b1", "mm", R::kDimension, "brace width"},
    {"tyx.t1", "mm", R::kDimension, "brace wall thickness"},
    {"tyx.h2", "mm", R::kDerived, "lower brace depth: always tyx.h1"},
    {"tyx.b2", "mm", R::kDerived, "lower brace width: always tyx.b1"},
    {"tyx.t2", "mm", R::kDerived, "lower brace wall: always tyx.t1"},
    {"tyx.N0", "kN", R::kAction, "chord axial force, tension positive"},
    {"tyx.M0", "kNm", R::kAction, "chord bending moment"},
    {"tyx.N1", "kN", R::kAction, "brace axial force, tension positive"},
    {"tyx.N2", "kN", R::kDerived, "lower brace force: always tyx.N1"},
    {"tyx.theta1", "degrees", R::kAction, "angle between brace and chord"},
    {"tyx.theta2", "degrees", R::kDerived, "lower brace angle: always tyx.theta1"},
    {"tyx.face_plate", "", R::kFlag, "1: a plate reinforces the chord face (plate.face_*)"},
    {"tyx.side_plates", "", R::kFlag, "1: plates reinforce the chord side walls (plate.side_*)"},
    {"tyx.x_joint", "", R::kFlag, "1: X joint, a second brace on the opposite chord face"},
    {"tyx.chord_class", "", R::kOptional, "chord section class 1-4; left out: from its size"},
    {"tyx.brace_class", "", R::kOptional, "brace section class 1-4; left out: from its size"},
    {"tyx.chord_type_index", "", R::kInternal, "section library type position of the chord"},
    {"tyx.chord_number_index", "", R::kInternal, "section library row position of the chord"},
    {"tyx.brace1_type_index", "", R::kInternal, "section library type position of the brace"},
    {"tyx.brace1_number_index", "", R::kInternal, "section library row position of the brace"},
    {"tyx.brace2_type_index", "", R::kInternal, "section library type position of brace 2"},
    {"tyx.brace2_number_index", "", R::kInternal, "section library row position of brace 2"},
    {"tyx.type_name", "", R::kInternal, "section type name of the dialog"},
    {"tyx.chord_section_text", "", R::kInternal, "standard line of the chord section"},
    {"tyx.brace_section_text", "", R::kInternal, "standard line of the brace section"},
    {"tyx.text3", "", R::kInternal, "third section text of the project file"},
    {"tyx.fy_class_chord", "MPa", R::kInternal, "strength the dialog classifies the chord with"},
    {"tyx.fy_class_brace", "MPa", R::kInternal, "strength the dialog classifies the brace with"},
    {"tyx.reserved", "", R::kInternal, "six values kept for the project file"},
    {"kn.h0", "mm", R::kDimension, "chord depth (in the plane of the joint)"},
    {"kn.b0", "mm", R::kDimension, "chord width"},
    {"kn.t0", "mm", R::kDimension, "chord wall thickness"},
    {"kn.h1", "mm", R::kDimension, "brace 1 (left) depth"},
    {"kn.b1", "mm", R::kDimension, "brace 1 width"},
    {"kn.t1", "mm", R::kDimension, "brace 1 wall thickness"},
    {"kn.h2", "mm", R::kDimension, "brace 2 (right) depth"},
    {"kn.b2", "mm", R::kDimension, "brace 2 width"},
    {"kn.t2", "mm", R::kDimension, "brace 2 wall thickness"},
    {"kn.N0_left", "kN", R::kAction, "chord axial force left of the joint, tension positive"},
    {"kn.N0_right", "kN", R::kDerived, "chord force right of the joint: from equilibrium"},
    {"kn.M0", "kNm", R::kAction, "chord bending moment"},
    {"kn.N1", "kN", R::kAction, "brace 1 axial force, tension positive"},
    {"kn.N2", "kN", R::kDerived, "brace 2 axial force: from equilibrium"},
    {"kn.theta1", "degrees", R::kAction, "angle between brace 1 and the chord"},
    {"kn.theta2", "degrees", R::kAction, "angle between brace 2 and the chord"},
    {"kn.e", "mm", R::kAction, "eccentricity, positive away from the braces"},
    {"kn.face_plate", "", R::kFlag, "1: a plate reinforces the chord face (plate.face_*)"},
    {"kn.side_plates", "", R::kFlag, "1: plates reinforce the chord side walls (plate.side_*)"},
    {"kn.overlap_plate", "", R::kFlag, "1: a plate between overlapping braces (plate.overlap_*)"},
    {"kn.chord_class", "", R::kOptional, "chord section class 1-4; left out: from its size"},
    {"kn.brace1_class", "", R::kOptional, "brace 1 section class 1-4; left out: from its size"},
    {"kn.brace2_class", "", R::kOptional, "brace 2 section class 1-4; left out: from its size"},
    {"kn.chord_type_index", "", R::kInternal, "section library type position of the chord"},
    {"kn.chord_number_index", "", R::kInternal, "section library row position of the chord"},
    {"kn.brace1_type_index", "", R::kInternal, "section library type position of brace 1"},
    {"kn.brace1_number_index", "", R::kInternal, "section library row position of brace 1"},
    {"kn.brace2_type_index", "", R::kInternal, "section library type position of brace 2"},
    {"kn.brace2_number_index", "", R::kInternal, "section library row position of brace 2"},
    {"kn.chord_section_text", "", R::kInternal, "standard line of the chord section"},
    {"kn.brace1_section_text", "", R::kInternal, "standard line of the brace 1 section"},
    {"kn.brace2_section_text", "", R::kInternal, "standard line of the brace 2 section"},
    {"kn.reserved", "", R::kInternal, "eight values kept for the project file"},
    {"chs_tyx.d0", "mm", R::kDimension, "chord outside diameter"},
    {"chs_tyx.t0", "mm", R::kDimension, "chord wall thickness"},
    {"chs_tyx.d1", "mm", R::kDimension, "brace outside diameter"},
    {"chs_tyx.t1", "mm", R::kDimension, "brace wall thickness"},
    {"chs_tyx.theta1", "degrees", R::kAction, "angle between brace and chord"},
    {"chs_tyx.N0", "kN", R::kAction, "chord force without the brace's component along it (prestress), tension positive"},
    {"chs_tyx.M0", "kNm", R::kAction, "chord bending moment"},
    {"chs_tyx.N1", "kN", R::kAction, "brace axial force, tension positive"},
    {"chs_tyx.x_joint", "", R::kFlag, "1: X joint, a second brace on the opposite side of the chord"},
    {"chs_kn.d0", "mm", R::kDimension, "chord outside diameter"},
    {"chs_kn.t0", "mm", R::kDimension, "chord wall thickness"},
    {"chs_kn.d1", "mm", R::kDimension, "brace 1 (left) outside diameter"},
    {"chs_kn.t1", "mm", R::kDimension, "brace 1 wall thickness"},
    {"chs_kn.d2", "mm", R::kDimension, "brace 2 (right) outside diameter"},
    {"chs_kn.t2", "mm", R::kDimension, "brace 2 wall thickness"},
    {"chs_kn.theta1", "degrees", R::kAction, "angle between brace 1 and the chord"},
    {"chs_kn.theta2", "degrees", R::kAction, "angle between brace 2 and the chord"},
    {"chs_kn.N0_left", "kN", R::kAction, "chord axial force left of the joint, tension positive"},
    {"chs_kn.N0_right", "kN", R::kDerived, "chord force right of the joint: from equilibrium"},
    {"chs_kn.M0", "kNm", R::kAction, "chord bending moment"},
    {"chs_kn.N1", "kN", R::kAction, "brace 1 axial force, tension positive"},
    {"chs_kn.N2", "kN", R::kDerived, "brace 2 axial force: from equilibrium"},
    {"chs_kn.e", "mm", R::kAction, "eccentricity, positive away from the braces"},
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

const std::vector<JobKey>& JobKeys() { return kKeys; }

const JobKey* FindJobKey(std::string_view dotted) {
  static const auto by_name = [] {
    std::unordered_map<std::string_view, const JobKey*> m;
    for (const JobKey& k : kKeys) m.emplace(k.name, &k);
    return m;
  }();
  const auto it = by_name.find(dotted);
  return it == by_name.end() ? nullptr : it->second;
}

std::vector<std::string_view> RequiredKeys(std::string_view family) {
  std::vector<std::string_view> keys;
  for (const JobKey& k : kKeys)
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
  for (const JobKey& k : kKeys)
    if (groups.empty() || groups.back() != GroupOf(k.name)) groups.push_back(GroupOf(k.name));
  return groups;
}

std::string NearestJobKey(std::string_view dotted) {
  std::string_view best;
  std::size_t best_distance = std::string_view::npos;
  for (const JobKey& k : kKeys) {
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
