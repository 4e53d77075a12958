// The failed validity conditions and plate requirements of a T/Y/X result by name, in the
// order the report prints them, for `traxen-cli check`.
#pragma once

#include <string>
#include <vector>

#include "joints/tyx/tyx_compute.h"

namespace traxen {

std::vector<std::string> FailedTyxConditionNames(const TyxResult& r);

}  // namespace traxen
