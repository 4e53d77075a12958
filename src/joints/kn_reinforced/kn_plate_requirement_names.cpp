// Names of the K/N plate requirements.
#include "joints/kn_reinforced/kn_plate_requirement_names.h"

#include "joints/kn_reinforced/kn_reinforced_texts.h"

namespace traxen {

std::vector<std::string> FailedKnPlateRequirementNames(const KnPlateRequirements& r) {
  std::vector<std::string> out;
  auto add = [&](const PlateRequirementCheck& c, KnPlateRequirementWord name) {
    if (c.checked && !c.passed) out.emplace_back(KnPlateRequirementCheckName(name));
  };
  add(r.face_length, KnPlateRequirementWord::kFacePlateLength);
  add(r.face_width, KnPlateRequirementWord::kFacePlateWidth);
  add(r.face_thickness1, KnPlateRequirementWord::kFacePlateThickness1);
  add(r.face_thickness2, KnPlateRequirementWord::kFacePlateThickness2);
  add(r.side_length, KnPlateRequirementWord::kSidePlatesLength);
  add(r.overlap_thickness1, KnPlateRequirementWord::kBetweenPlateThickness1);
  add(r.overlap_thickness2, KnPlateRequirementWord::kBetweenPlateThickness2);
  add(r.strength, KnPlateRequirementWord::kPlatesStrength);
  return out;
}

}  // namespace traxen
