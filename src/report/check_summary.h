// The outcome of one job's checks as `traxen-cli check` reports it: family, title, the
// K/N gap values, validity and every resistance verdict in printed order.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace traxen {

struct ResistanceVerdict {
  int brace = 1;
  std::string mode;  // "1", "2", "3a", "3b", "4", "overlap" or "governing"
  double N_Rd = 0;   // kN, unrounded; a non-finite value is reported as null
  double N_Ed = 0;   // kN, absolute value
  bool passed = false;
};

struct CheckSummary {
  std::string family = "none";  // "tyx", "kn" or "none"
  std::string report = "none";  // "plain", "reinforced" or "none"
  std::string title;            // exactly as printed, blanks kept
  std::optional<double> g, p, lambda_ov;
  bool valid = true;
  int failed_conditions = 0;
  std::vector<ResistanceVerdict> verdicts;

  bool passed() const {
    if (!valid || verdicts.empty()) return false;
    for (const auto& v : verdicts)
      if (!v.passed) return false;
    return true;
  }
};

}  // namespace traxen
