// Names of the T/Y/X conditions.
#include "joints/tyx/tyx_condition_names.h"

namespace traxen {

namespace {

// `i` is the member's index as the report writes it: "0" chord, "1" brace, "2" lower brace.
void AddMember(const TyxMemberChecks& c, const char* member, const char* i, bool brace, bool width_ratio,
               std::vector<std::string>& out) {
  const std::string m = std::string(member) + ": ";
  const std::string h = std::string("h") + i, b = std::string("b") + i, t = std::string("t") + i;
  auto add = [&](bool passed, const std::string& name) {
    if (!passed) out.push_back(m + name);
  };
  add(c.section_class.passed, "section class 1 or 2");
  add(c.yield_strength.passed, std::string("fy") + i + " <= 460");
  add(c.wall_thickness.passed, t + " >= 2.5");
  add(c.depth_to_thickness.passed, h + " / " + t + " <= 35");
  add(c.width_to_thickness.passed, b + " / " + t + " <= 35");
  add(c.depth_to_width_min.passed, h + " / " + b + " >= 0.5");
  add(c.depth_to_width_max.passed, h + " / " + b + " <= 2");
  if (brace) {
    add(c.angle_min.passed, std::string("theta") + i + " >= 30");
    add(c.angle_max.passed, std::string("theta") + i + " <= 150");
  }
  add(c.length_to_depth.passed, std::string("1000 L") + i + " / " + h + " >= 6");
  if (width_ratio) add(c.brace_to_chord_width.passed, b + " / b0 >= 0.25");
}

}  // namespace

std::vector<std::string> FailedTyxConditionNames(const TyxResult& r) {
  std::vector<std::string> out;
  const TyxPlateRequirements& p = r.plates;
  if (r.reinforced) {
    auto add = [&](bool applies, const TyxLimitCheck& c, const char* name) {
      if (applies && !c.passed) out.push_back(name);
    };
    add(p.face_plate, p.face_length_for_width, "face plate: length for its width");
    add(p.face_plate, p.face_length_for_depth, "face plate: length >= 1.5 h1 / sin theta1");
    add(p.face_plate, p.face_width, "face plate: width >= b0 - 2 t0");
    add(p.side_plates, p.side_length, "side plates: length >= 1.5 h1 / sin theta1");
    add(true, p.strength, "plates: fy_plate >= fy0");
    add(true, p.face_thickness, "face plate: thickness >= t0");
  }
  const TyxValidity& v = r.validity;
  AddMember(v.chord, "chord", "0", false, false, out);
  if (v.brace_printed) AddMember(v.brace, "brace", "1", true, true, out);
  if (v.lower_brace_printed) AddMember(v.lower_brace, "lower brace", "2", true, false, out);
  return out;
}

}  // namespace traxen
