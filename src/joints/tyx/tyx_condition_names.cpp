// Names of the T/Y/X conditions.
#include "joints/tyx/tyx_condition_names.h"

#include "joints/tyx/tyx_texts.h"

namespace traxen {

namespace {

// `i` is the member's index as the report writes it: "0" chord, "1" brace, "2" lower brace.
void AddMember(const TyxMemberChecks& c, TyxConditionWord member, const char* i, bool brace, bool width_ratio,
               std::vector<std::string>& out) {
  const std::string m = std::string(TyxCheckName(member)) + ": ";
  const std::string h = std::string("h") + i, b = std::string("b") + i, t = std::string("t") + i;
  // The name is spelt out only for a failed condition: a sound joint, the usual one in a
  // batch, builds none.
  auto add = [&](bool passed, auto&& name) {
    if (!passed) out.push_back(m + name());
  };
  add(c.section_class.passed, [&] { return std::string(TyxCheckName(TyxConditionWord::kSectionClass)); });
  add(c.yield_strength.passed, [&] { return std::string("fy") + i + " <= 460"; });
  add(c.wall_thickness.passed, [&] { return t + " >= 2.5"; });
  add(c.depth_to_thickness.passed, [&] { return h + " / " + t + " <= 35"; });
  add(c.width_to_thickness.passed, [&] { return b + " / " + t + " <= 35"; });
  add(c.depth_to_width_min.passed, [&] { return h + " / " + b + " >= 0.5"; });
  add(c.depth_to_width_max.passed, [&] { return h + " / " + b + " <= 2"; });
  if (brace) {
    add(c.angle_min.passed, [&] { return std::string("theta") + i + " >= 30"; });
    add(c.angle_max.passed, [&] { return std::string("theta") + i + " <= 150"; });
  }
  add(c.length_to_depth.passed, [&] { return std::string("1000 L") + i + " / " + h + " >= 6"; });
  if (width_ratio) add(c.brace_to_chord_width.passed, [&] { return b + " / b0 >= 0.25"; });
}

}  // namespace

std::vector<std::string> FailedTyxConditionNames(const TyxResult& r) {
  std::vector<std::string> out;
  const TyxPlateRequirements& p = r.plates;
  if (r.reinforced) {
    auto add = [&](bool applies, const TyxLimitCheck& c, TyxConditionWord name) {
      if (applies && !c.passed) out.emplace_back(TyxCheckName(name));
    };
    add(p.face_plate, p.face_length_for_width, TyxConditionWord::kFacePlateLengthForWidth);
    add(p.face_plate, p.face_length_for_depth, TyxConditionWord::kFacePlateLengthForDepth);
    add(p.face_plate, p.face_width, TyxConditionWord::kFacePlateWidth);
    add(p.side_plates, p.side_length, TyxConditionWord::kSidePlatesLength);
    add(true, p.strength, TyxConditionWord::kPlatesStrength);
    add(true, p.face_thickness, TyxConditionWord::kFacePlateThickness);
  }
  const TyxValidity& v = r.validity;
  AddMember(v.chord, TyxConditionWord::kChord, "0", false, false, out);
  if (v.brace_printed) AddMember(v.brace, TyxConditionWord::kBrace, "1", true, true, out);
  if (v.lower_brace_printed) AddMember(v.lower_brace, TyxConditionWord::kLowerBrace, "2", true, false, out);
  return out;
}

}  // namespace traxen
