// The meaning checks of a parsed JSON job: complete for its family, sound numbers.
#include <fmt/format.h>

#include <cmath>

#include "model/job_fields.h"
#include "model/json_job.h"
#include "model/json_job_keys.h"
#include "model/value_ranges.h"

namespace traxen {

namespace {

constexpr double kLargestMagnitude = 1e12;

std::string FamilyOf(const Job& job) {
  if (job.family.is_tyx == 1) return "tyx";
  if (job.family.is_kn == 1) return "kn";
  return "";
}

int PlateFlag(const Job& job, std::string_view flag) {
  if (job.family.is_tyx == 1) return flag == "face_plate" ? job.tyx.face_plate : flag == "side_plates" ? job.tyx.side_plates : 0;
  if (job.family.is_kn == 1)
    return flag == "face_plate" ? job.kn.face_plate : flag == "side_plates" ? job.kn.side_plates : job.kn.overlap_plate;
  return 0;
}

// The reason a number of `key` is refused, "" when it is sound.
std::string NumberProblem(const JobKey& key, double v, const Job& job, bool given) {
  if (!std::isfinite(v) || std::abs(v) > kLargestMagnitude) return "is not a finite number of a sensible size";
  const bool positive = key.role == KeyRole::kDimension ||
                        (key.role == KeyRole::kPlate && PlateFlag(job, key.plate_flag) == 1) ||
                        (key.role == KeyRole::kOptional && given && key.unit != "");
  if (positive && !(v > 0)) {
    if (key.role == KeyRole::kPlate)
      return fmt::format("must be a positive size in {} while its plate is used ({} = 1)", key.unit, key.plate_flag);
    return fmt::format("must be a positive size in {}", key.unit);
  }
  // Lengths, strengths, E, partial factors and angles have their range too; a derived value
  // is replaced by the confirmation whatever it was given as.
  if (key.role == KeyRole::kNumber || key.role == KeyRole::kAction) {
    const ValueRange range = RangeOfKey(key.name);
    if (!InRange(range, v)) return fmt::format("must be {}", RangeText(range, key.unit));
  }
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
    if (count > 0)
      return {fmt::format("{}: a {} job must give {}: {} (traxen-cli new {} writes a complete job)", file,
                          family == "tyx" ? "T/Y/X" : "K/N",
                          count == 1 ? std::string("this key") : fmt::format("these keys ({})", count), missing,
                          family)};
  }
  Job job = parsed.job;  // the field list takes pointers
  std::string error;
  ForEachJobField(job, [&](const JobField& f) {
    if (!error.empty()) return;
    if (f.group != "steel" && f.group != "len" && f.group != "chord" && f.group != "plate" && f.group != family) return;
    const std::string dotted = fmt::format("{}.{}", f.group, f.key);
    const JobKey* key = FindJobKey(dotted);
    if (!key) return;
    auto check = [&](double v) {
      if (!error.empty()) return;
      if (std::string why = NumberProblem(*key, v, job, parsed.present.contains(dotted)); !why.empty())
        error = fmt::format("{}: key \"{}\": {} {}", file, dotted, v, why);
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
  if (!error.empty()) return {error};
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
