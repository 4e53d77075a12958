// The meaning checks of a parsed JSON job: complete for its family, sound numbers.
#include <fmt/format.h>

#include <cmath>
#include <vector>

#include "model/job_field_index.h"
#include "model/job_fields.h"
#include "model/json_job.h"
#include "model/json_job_chs.h"
#include "model/json_job_keys.h"
#include "model/value_ranges.h"

namespace traxen {

namespace {

constexpr double kLargestMagnitude = 1e12;

std::string FamilyOf(const Job& job) {
  if (job.family.is_tyx == 1) return "tyx";
  if (job.family.is_kn == 1) return "kn";
  return std::string(ChsFamilyGroup(job));
}

int PlateFlag(const Job& job, std::string_view flag) {
  if (job.family.is_tyx == 1) return flag == "face_plate" ? job.tyx.face_plate : flag == "side_plates" ? job.tyx.side_plates : 0;
  if (job.family.is_kn == 1)
    return flag == "face_plate" ? job.kn.face_plate : flag == "side_plates" ? job.kn.side_plates : job.kn.overlap_plate;
  return 0;
}

// The reason a number of `key` is refused, empty when it is sound.
Message NumberProblem(const JobKey& key, double v, const Job& job, bool given) {
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
    const ValueRange range = RangeOfKey(key.name);
    if (!InRange(range, v)) return Message(MessageId::kJsonMust, RangeArg{range, std::string(key.unit)});
  }
  return {};
}

// A wall of half the section's width or more leaves no hole: no hollow section has it, and
// its area and modulus would not be numbers. Empty when every member of the family is sound.
Message HollowSectionProblem(const Job& job, const std::string& family) {
  struct Member {
    const char* name;
    const char* wall_key;
    double h, b, t;
  };
  std::vector<Member> members;
  if (family == "tyx") {
    members = {{"chord", "tyx.t0", job.tyx.h0, job.tyx.b0, job.tyx.t0},
               {"brace", "tyx.t1", job.tyx.h1, job.tyx.b1, job.tyx.t1}};
  } else if (family == "kn") {
    members = {{"chord", "kn.t0", job.kn.h0, job.kn.b0, job.kn.t0},
               {"brace 1", "kn.t1", job.kn.h1, job.kn.b1, job.kn.t1},
               {"brace 2", "kn.t2", job.kn.h2, job.kn.b2, job.kn.t2}};
  }
  for (const Member& m : members)
    if (!(2 * m.t < m.h && 2 * m.t < m.b))
      return Message(MessageId::kJsonWallTooThick, m.wall_key, m.t, Term{m.name}, m.h, m.b);
  return {};
}

}  // namespace

LoadError CheckJsonJobValues(const JsonJob& parsed, std::string_view file) {
  const std::string family = FamilyOf(parsed.job);
  if (!family.empty()) {
    std::string missing;
    int count = 0;
    for (std::string_view key : RequiredKeys(family))
      if (!parsed.present.contains(key)) missing += (count++ ? ", " : "") + std::string(key);
    const std::string_view name = family == "tyx" ? "T/Y/X" : family == "kn" ? "K/N" : ChsFamilyName(family);
    if (count == 1) return Fail(Message(MessageId::kJsonMissingKey, name, missing, family).About(std::string(file)));
    if (count > 1)
      return Fail(Message(MessageId::kJsonMissingKeys, name, count, missing, family).About(std::string(file)));
  }
  Job job = parsed.job;  // the field list takes pointers
  Message error;
  const std::vector<JobFieldInfo>& infos = JobFieldInfos();
  std::size_t position = 0;
  ForEachJobField(job, [&](const JobField& f) {
    const std::size_t at = position++;
    if (!error.empty()) return;
    if (f.group != "steel" && f.group != "len" && f.group != "chord" && f.group != "plate" && f.group != family) return;
    const JobKey* key = infos[at].key;
    if (!key) return;
    auto check = [&](double v) {
      if (!error.empty()) return;
      if (Message why = NumberProblem(*key, v, job, parsed.present.has(at)); !why.empty())
        error = Message(MessageId::kJsonKeyValue, infos[at].dotted, v, why).About(std::string(file));
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
  if (Message why = HollowSectionProblem(parsed.job, family); !why.empty()) return Fail(why.About(std::string(file)));
  if (Message why = ChsSectionProblem(parsed.job); !why.empty()) return Fail(why.About(std::string(file)));
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
