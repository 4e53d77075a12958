// The ranges of job values, by key.
#include "model/value_ranges.h"

#include <fmt/format.h>

#include <cmath>

#include "model/job_family.h"

namespace traxen {

namespace {

std::string_view GroupOf(std::string_view dotted) { return dotted.substr(0, dotted.find('.')); }
std::string_view KeyOf(std::string_view dotted) {
  const auto dot = dotted.find('.');
  return dot == std::string_view::npos ? dotted : dotted.substr(dot + 1);
}

bool IsMemberSize(std::string_view key) {
  // h0 b0 t0 … t2 of a rectangular joint, d0 … d2 of a circular one
  return key.size() == 2 && (key[0] == 'h' || key[0] == 'b' || key[0] == 'd' || key[0] == 't') &&
         key[1] >= '0' && key[1] <= '2';
}

// The bounds of a closed range as messages print them ("150000"), units aside.
double Least(ValueRange range) {
  return range == ValueRange::kElasticModulus ? kLeastElasticModulus : kLeastStrength;
}
double Greatest(ValueRange range) {
  return range == ValueRange::kElasticModulus ? kGreatestElasticModulus : kGreatestStrength;
}

// " MPa" after a bound, nothing for a value without a unit.
std::string Unit(std::string_view unit) { return unit.empty() ? std::string() : " " + std::string(unit); }

}  // namespace

ValueRange RangeOfKey(std::string_view dotted) {
  const std::string_view group = GroupOf(dotted), key = KeyOf(dotted);
  if (group == "steel") {
    if (key.starts_with("gamma_M")) return ValueRange::kPartialFactor;
    return key == "E" ? ValueRange::kElasticModulus : ValueRange::kStrength;
  }
  if (group == "len" || group == "plate" || group == "chord") return ValueRange::kPositive;
  if (const JobFamilyInfo* family = FindJobFamily(group)) return family->range(key);
  return ValueRange::kAnyFinite;
}

ValueRange HollowJointKeyRange(std::string_view key) {
  if (IsMemberSize(key)) return ValueRange::kPositive;
  if (key.starts_with("theta")) return ValueRange::kAngle;
  return ValueRange::kAnyFinite;
}

bool InRange(ValueRange range, double v) {
  if (!std::isfinite(v)) return false;
  switch (range) {
    case ValueRange::kAnyFinite: return true;
    case ValueRange::kPositive: return v > 0;
    case ValueRange::kAngle: return v > 0 && v < 180;
    case ValueRange::kPartialFactor: return v >= 1.0;
    case ValueRange::kStrength: return v >= kLeastStrength && v <= kGreatestStrength;
    case ValueRange::kElasticModulus: return v >= kLeastElasticModulus && v <= kGreatestElasticModulus;
  }
  return false;
}

std::string RangeText(ValueRange range, std::string_view unit) {
  switch (range) {
    case ValueRange::kAnyFinite: return "finite";
    case ValueRange::kPositive: return unit.empty() ? std::string("> 0") : fmt::format("> 0 {}", unit);
    case ValueRange::kAngle: return "within (0, 180) degrees";
    case ValueRange::kPartialFactor: return ">= 1.0";
    case ValueRange::kStrength:
    case ValueRange::kElasticModulus:
      return fmt::format("within [{}, {}]{}", Least(range), Greatest(range), Unit(unit));
  }
  return {};
}

std::string RangeTextEt(ValueRange range, std::string_view unit) {
  switch (range) {
    case ValueRange::kAnyFinite: return "lõplik arv";
    case ValueRange::kPositive: return unit.empty() ? std::string("> 0") : fmt::format("> 0 {}", unit);
    case ValueRange::kAngle: return "vahemikus (0°, 180°)";
    case ValueRange::kPartialFactor: return "≥ 1,0";
    case ValueRange::kStrength:
    case ValueRange::kElasticModulus:
      return fmt::format("vahemikus [{}, {}]{}", Least(range), Greatest(range), Unit(unit));
  }
  return {};
}

}  // namespace traxen
