// The JSON keys of the square and rectangular hollow section families: each family's flag,
// then its group, in the field list's order (see JobFamilyInfo::keys).
#pragma once

#include <span>

#include "model/json_job_keys.h"

namespace traxen {

std::span<const JobKey> TyxKeys();
std::span<const JobKey> KnKeys();

}  // namespace traxen
