// The meaning checks of a parsed JSON job: complete for its family, sound numbers.
#include <fmt/format.h>

#include <cmath>
#include <optional>
#include <unordered_map>
#include <utility>
#include <vector>

#include "model/job_field_index.h"
#include "model/job_family.h"
#include "model/job_fields.h"
#include "model/json_job.h"
#include "model/json_job_keys.h"
#include "model/value_ranges.h"

namespace traxen {

namespace {

constexpr double kLargestMagnitude = 1e12;

int PlateFlag(const Job& job, std::string_view flag) {
  const JobFamilyInfo* family = FamilyOf(job);
  return family ? family->plate_flag(job, flag) : 0;
}

// The reason a number of `key` (of `range`) is refused, none when it is sound.
std::optional<Message> NumberProblem(const JobKey& key, ValueRange range, double v, const Job& job, bool given) {
  if (!std::isfinite(v) || std::abs(v) > kLargestMagnitude) return Message(MessageId::kJsonNotSensible);
  const bool positive = key.role == KeyRole::kDimension ||
                        (key.role == KeyRole::kPlate && PlateFlag(job, key.plate_flag) == 1) ||
                        (key.role == KeyRole::kOptional && given && key.unit != "");
  if (positive && !(v > 0)) {
    if (key.role == KeyRole::kPlate)
      return Message(MessageId::kJsonPositivePlate, key.unit, key.plate_flag);
    return Message(MessageId::kJsonPositive, key.unit);
  }
  // Lengths, strengths, E, partial factors and angles have their range too; a derived value
  // is replaced by the confirmation whatever it was given as.
  if (key.role == KeyRole::kNumber || key.role == KeyRole::kAction) {
    if (!InRange(range, v)) return Message(MessageId::kJsonMust, RangeArg{range, std::string(key.unit)});
  }
  return std::nullopt;
}

// A wall of half the section's width or more leaves no hole: no hollow section has it, and
// its area and modulus would not be numbers. A tube's message names its diameter, a
// rectangle's its sides. Empty when every member of the family is sound.
Message HollowSectionProblem(const Job& job, const JobFamilyInfo& family) {
  for (const MemberSize& m : family.members(job)) {
    if (2 * m.t < m.h && 2 * m.t < m.b) continue;
    const std::string key(m.wall_key);
    const Term member{std::string(m.name)};
    if (family.round_tubes || m.round) return Message(MessageId::kJsonRoundWallTooThick, key, m.t, member, m.h);
    return Message(MessageId::kJsonWallTooThick, key, m.t, member, m.h, m.b);
  }
  return {};
}

// What the checks need of every field for a job of one family, by field position, built once
// per family: a batch of jobs is then checked without comparing or looking up a name.
struct FamilyFieldChecks {
  struct Field {
    const JobKey* key = nullptr;  // null for a field the family's computation does not read
    ValueRange range = ValueRange::kAnyFinite;
  };
  std::vector<std::pair<std::string_view, int>> required;  // key and position, in the key table's order
  std::vector<Field> fields;
};

const FamilyFieldChecks& FieldChecksOf(std::string_view family) {
  static const auto by_family = [] {
    std::vector<std::string_view> families = JobGroups();
    families.push_back("");  // no family
    std::unordered_map<std::string_view, FamilyFieldChecks> m;
    for (std::string_view f : families) {
      FamilyFieldChecks c;
      if (!f.empty())
        for (std::string_view key : RequiredKeys(f)) c.required.emplace_back(key, JobFieldPosition(key));
      const std::vector<JobFieldInfo>& infos = JobFieldInfos();
      Job job;
      ForEachJobField(job, [&](const JobField& field) {
        const std::string_view g = field.group;
        const bool read = g == "steel" || g == "len" || g == "chord" || g == "plate" || g == f;
        const JobKey* key = read ? infos[c.fields.size()].key : nullptr;
        c.fields.push_back({key, key ? RangeOfKey(key->name) : ValueRange::kAnyFinite});
      });
      m.emplace(f, std::move(c));
    }
    return m;
  }();
  return by_family.at(family);
}

}  // namespace

LoadError CheckJsonJobValues(const JsonJob& parsed, std::string_view file) {
  const JobFamilyInfo* info = FamilyOf(parsed.job);
  const std::string_view family = info ? info->group : std::string_view();
  const FamilyFieldChecks& checks = FieldChecksOf(family);
  if (info) {
    std::string missing;
    int count = 0;
    for (const auto& [key, position] : checks.required)
      if (position < 0 || !parsed.present.has(static_cast<std::size_t>(position)))
        missing += (count++ ? ", " : "") + std::string(key);
    const std::string name(info->label);
    if (count == 1) return Fail(Message(MessageId::kJsonMissingKey, name, missing, family).About(std::string(file)));
    if (count > 1)
      return Fail(Message(MessageId::kJsonMissingKeys, name, count, missing, family).About(std::string(file)));
  }
  // The field list takes pointers; nothing is written through them.
  Job& job = const_cast<Job&>(parsed.job);
  Message error;
  std::size_t position = 0;
  ForEachJobField(job, [&](const JobField& f) {
    const std::size_t at = position++;
    const FamilyFieldChecks::Field& field = checks.fields[at];
    if (!field.key || !error.empty()) return;
    auto check = [&](double v) {
      if (!error.empty()) return;
      if (const auto why = NumberProblem(*field.key, field.range, v, job, parsed.present.has(at)))
        error = Message(MessageId::kJsonKeyValue, JobFieldInfos()[at].dotted, v, *why).About(std::string(file));
    };
    std::visit(
        [&](auto* p) {
          using T = std::remove_pointer_t<decltype(p)>;
          if constexpr (std::is_same_v<T, double>) check(*p);
          else if constexpr (std::is_same_v<T, std::array<double, 6>> || std::is_same_v<T, std::array<double, 8>>)
            for (double v : *p) check(v);
        },
        f.ref);
  });
  if (!error.empty()) return Fail(error);
  if (Message why = info ? HollowSectionProblem(parsed.job, *info) : Message(); !why.empty())
    return Fail(why.About(std::string(file)));
  return {};
}

LoadError ReadJsonJob(std::string_view text, std::string_view file, JsonJob& out) {
  JsonJob parsed;
  if (LoadError e = ParseJsonJob(text, file, parsed)) return e;
  if (LoadError e = CheckJsonJobValues(parsed, file)) return e;
  out = std::move(parsed);
  return {};
}

}  // namespace traxen
