// The failed validity conditions of a K/N joint by name, in the order the report prints them, for `traxen-cli check`.
#pragma once

#include <string>
#include <vector>

#include "joints/kn/kn_validity.h"

namespace traxen {

std::vector<std::string> FailedKnConditionNames(const KnValidity& v);

}  // namespace traxen
