// Serialising check summaries; non-finite numbers become null.
#include "cli/check_json.h"

#include <cmath>

namespace traxen {

namespace {
nlohmann::ordered_json Number(std::optional<double> v) {
  if (!v || !std::isfinite(*v)) return nullptr;
  return *v;
}
}  // namespace

nlohmann::ordered_json CheckSummaryToJson(const std::string& job_path, const CheckSummary& s) {
  nlohmann::ordered_json j;
  j["job"] = job_path;
  j["family"] = s.family;
  j["report"] = s.report;
  j["title"] = s.title;
  j["g"] = Number(s.g);
  j["p"] = Number(s.p);
  j["lambda_ov"] = Number(s.lambda_ov);
  j["valid"] = s.valid;
  j["failed_conditions"] = s.failed_conditions;
  j["verdicts"] = nlohmann::ordered_json::array();
  for (const ResistanceVerdict& v : s.verdicts) {
    nlohmann::ordered_json o;
    o["brace"] = v.brace;
    o["mode"] = v.mode;
    o["N_Rd"] = Number(v.N_Rd);
    o["N_Ed"] = Number(v.N_Ed);
    o["passed"] = v.passed;
    j["verdicts"].push_back(std::move(o));
  }
  j["passed"] = s.passed();
  return j;
}

}  // namespace traxen
