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
  j["failed_condition_names"] = s.failed_condition_names;
  j["verdicts"] = nlohmann::ordered_json::array();
  for (const ResistanceVerdict& v : s.verdicts) {
    nlohmann::ordered_json o;
    o["brace"] = v.brace;
    o["mode"] = v.mode;
    o["N_Rd"] = Number(v.N_Rd);
    o["N_Ed"] = Number(v.N_Ed);
    o["utilisation"] = Number(Utilisation(v));
    o["mode_name"] = ModeName(s, v);
    o["passed"] = v.passed;
    j["verdicts"].push_back(std::move(o));
  }
  j["welds"] = nlohmann::ordered_json::array();
  for (const WeldSummary& w : s.welds) {
    nlohmann::ordered_json o;
    o["brace"] = w.brace;
    o["beta_w"] = Number(w.beta_w);
    o["a_over_t"] = Number(w.a_over_t);
    o["a_min"] = Number(w.a_min);
    j["welds"].push_back(std::move(o));
  }
  j["passed"] = s.passed();
  return j;
}

nlohmann::ordered_json CheckUnitsJson() {
  nlohmann::ordered_json u;
  u["N_Ed"] = "kN, absolute value of the design force";
  u["N_Rd"] = "kN";
  u["utilisation"] = "N_Ed / N_Rd, 1 = fully used";
  u["g"] = "mm";
  u["p"] = "mm";
  u["lambda_ov"] = "%";
  u["a_min"] = "mm, throat thickness of the full-strength fillet weld of the brace";
  return u;
}

}  // namespace traxen
