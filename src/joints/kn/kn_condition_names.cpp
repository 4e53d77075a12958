// Names of the K/N conditions.
#include "joints/kn/kn_condition_names.h"

#include "joints/kn/kn_texts.h"

namespace traxen {

namespace {

void AddMember(const KnMemberValidity& v, bool gap_rows, std::vector<std::string>& out) {
  if (!v.shown) return;
  const std::string i = std::to_string(v.member);
  const std::string m = v.member == 0 ? std::string(KnCheckName(KnConditionWord::kChord)) + ": "
                                      : std::string(KnCheckName(KnConditionWord::kBrace)) + i + ": ";
  const std::string h = "h" + i, b = "b" + i, t = "t" + i;
  // The name is spelt out only for a failed condition: a sound joint, the usual one in a
  // batch, builds none.
  auto add = [&](bool ok, auto&& name) {
    if (!ok) out.push_back(m + name());
  };
  add(v.class_ok, [&] { return std::string(KnCheckName(KnConditionWord::kSectionClass)); });
  add(v.fy_ok, [&] { return "fy" + i + " <= 460"; });
  add(v.t_ok, [&] { return t + " >= 2.5"; });
  add(v.h_t_ok, [&] { return h + " / " + t + " <= 35"; });
  add(v.b_t_ok, [&] { return b + " / " + t + " <= 35"; });
  add(v.h_b_min_ok, [&] { return h + " / " + b + " >= 0.5"; });
  add(v.h_b_max_ok, [&] { return h + " / " + b + " <= 2"; });
  add(v.length_ok, [&] { return "1000 L" + i + " / " + h + " >= 6"; });
  if (v.member != 0) {
    add(v.theta_min_ok, [&] { return "theta" + i + " >= 30"; });
    add(v.theta_max_ok, [&] { return "theta" + i + " <= 150"; });
    add(v.b_b0_ok, [&] { return b + (gap_rows ? " / b0 >= 0.35" : " / b0 >= 0.25"); });
    if (gap_rows) add(v.b_b0_limit_ok, [&] { return b + " / b0 >= 0.1 + 0.01 b0 / t0"; });
  }
}

}  // namespace

std::vector<std::string> FailedKnConditionNames(const KnValidity& v) {
  std::vector<std::string> out;
  AddMember(v.chord, v.gap_rows, out);
  AddMember(v.brace1, v.gap_rows, out);
  AddMember(v.brace2, v.gap_rows, out);
  auto add = [&](bool ok, KnConditionWord name) {
    if (!ok) out.emplace_back(KnCheckName(name));
  };
  add(v.brace_angle_ok, KnConditionWord::kBraceAngle);
  if (v.gap_rows) {
    add(v.gap_size_ok, KnConditionWord::kGapSize);
    add(v.gap_ratio_min_ok, KnConditionWord::kGapRatioMin);
    add(v.gap_ratio_max_ok, KnConditionWord::kGapRatioMax);
  } else if (v.overlap_conditions) {
    if (v.width_ratio_shown) add(v.width_ratio_ok, KnConditionWord::kOverlapWidthRatio);
    add(v.brace1_depth_ok, KnConditionWord::kOverlapBrace1Depth);
    add(v.brace2_depth_ok, KnConditionWord::kOverlapBrace2Depth);
    add(v.overlap_ok, KnConditionWord::kOverlapRatio);
  }
  return out;
}

}  // namespace traxen
