// The JSON form of a job's check summary, as `traxen-cli check --json` prints it.
#pragma once

#include <nlohmann/json.hpp>
#include <string>

#include "report/check_summary.h"

namespace traxen {

// Per verdict also the utilisation and the mode in words; non-finite numbers are null.
nlohmann::ordered_json CheckSummaryToJson(const std::string& job_path, const CheckSummary& s);

// The units of the numbers above, stated once per output.
nlohmann::ordered_json CheckUnitsJson();

}  // namespace traxen
