// The failed plate requirements of a reinforced K/N joint by name, in printed order, for
// `traxen-cli check`.
#pragma once

#include <string>
#include <vector>

#include "joints/kn_reinforced/kn_plate_requirements.h"

namespace traxen {

std::vector<std::string> FailedKnPlateRequirementNames(const KnPlateRequirements& r);

}  // namespace traxen
