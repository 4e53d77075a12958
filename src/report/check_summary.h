// The outcome of one job's checks as `traxen-cli check` reports it: family, title, the
// K/N gap values, validity and every resistance verdict in printed order.
#pragma once

#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "report/check_numbers.h"
#include "report/report_texts.h"

namespace traxen {

struct ResistanceVerdict {
  int brace = 1;
  std::string mode;  // "1", "2", "3a", "3b", "4", "overlap" or "governing"
  double N_Rd = 0;   // kN, unrounded; a non-finite value is reported as null
  double N_Ed = 0;   // kN, absolute value
  bool passed = false;
};

// The full-strength fillet weld of one brace, as the report's closing section gives it.
struct WeldSummary {
  int brace = 1;
  double beta_w = 0;
  double a_over_t = 0;
  double a_min = 0;  // mm
};

struct CheckSummary {
  std::string family = "none";  // "tyx", "kn" or "none"
  std::string report = "none";  // "plain", "reinforced" or "none"
  std::string title;            // exactly as printed, blanks kept
  std::optional<double> g, p, lambda_ov;
  bool valid = true;
  int failed_conditions = 0;
  // The failed validity conditions and plate requirements by name ("chord h0 / t0 <= 35"),
  // in printed order.
  std::vector<std::string> failed_condition_names;
  std::vector<ResistanceVerdict> verdicts;
  // The "governing" verdict takes the smallest of several resistances: the failure mode whose
  // resistance that is, and for one interpolated between two modes (a T/Y/X brace of
  // 0.85 < β < 1) the second. None when the report does not say.
  std::optional<FailureMode> governing_decided_by;
  std::optional<FailureMode> governing_interpolated_with;
  std::vector<WeldSummary> welds;  // empty when a condition failed

  // Every condition held and every verdict passed. A resistance, force or weld that is not a
  // finite number, and a resistance or weld that prints as 0.0, never passes, whatever the
  // verdict that carries it says.
  bool passed() const {
    if (!valid || verdicts.empty()) return false;
    for (const auto& v : verdicts)
      if (!v.passed || !std::isfinite(v.N_Rd) || !std::isfinite(v.N_Ed) || !PrintsAboveZero(v.N_Rd)) return false;
    for (const auto& w : welds)
      if (!std::isfinite(w.a_min) || !PrintsAboveZero(w.a_min)) return false;
    return true;
  }
};

// The utilisation η = |N_Ed| / N_Rd of a verdict; infinite when the resistance is zero or
// negative while a force acts, not a number when the resistance is not.
double Utilisation(const ResistanceVerdict& v);

// The failure mode a verdict judges; none for a mode code this program does not know.
std::optional<FailureMode> FailureModeOf(const CheckSummary& s, const ResistanceVerdict& v);

// The failure mode of a verdict in the English words `traxen-cli check` prints ("chord face
// failure", "punching shear", ...); an unknown mode code as it is.
std::string ModeName(const CheckSummary& s, const ResistanceVerdict& v);

// What fails first, as a person reads it in `language`: the mode that decides a minimum of
// several resistances ("vöö pinna läbisurumine"), both modes of an interpolated one ("vöö
// pinna purunemine / vöö külgseina stabiilsus (interpoleeritud)"), else the verdict's mode;
// an unknown mode code as it is.
std::string DecidingModeName(const CheckSummary& s, const ResistanceVerdict& v, ReportLanguage language);

// The verdict with the largest utilisation (a non-finite one counts as largest), or null.
const ResistanceVerdict* GoverningVerdict(const CheckSummary& s);

}  // namespace traxen
