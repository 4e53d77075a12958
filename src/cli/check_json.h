// The JSON form of a job's check summary, as `traxen-cli check --json` prints it.
#pragma once

#include <nlohmann/json.hpp>
#include <string>

#include "report/check_summary.h"

namespace traxen {

nlohmann::ordered_json CheckSummaryToJson(const std::string& job_path, const CheckSummary& s);

}  // namespace traxen
