// Names of the K/N plate requirements.
#include "joints/kn_reinforced/kn_plate_requirement_names.h"

namespace traxen {

std::vector<std::string> FailedKnPlateRequirementNames(const KnPlateRequirements& r) {
  std::vector<std::string> out;
  auto add = [&](const PlateRequirementCheck& c, const char* name) {
    if (c.checked && !c.passed) out.push_back(name);
  };
  add(r.face_length, "face plate: length >= 1.5 (h1 / sin theta1 + g + h2 / sin theta2)");
  add(r.face_width, "face plate: width >= b0 - 2 t0");
  add(r.face_thickness1, "face plate: thickness >= 2 t1");
  add(r.face_thickness2, "face plate: thickness >= 2 t2");
  add(r.side_length, "side plates: length >= 1.5 (h1 / sin theta1 + g + h2 / sin theta2)");
  add(r.overlap_thickness1, "plate between the braces: thickness >= 2 t1");
  add(r.overlap_thickness2, "plate between the braces: thickness >= 2 t2");
  add(r.strength, "plates: fy_plate >= fy0");
  return out;
}

}  // namespace traxen
