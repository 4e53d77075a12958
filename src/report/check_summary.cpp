// Utilisation and mode names of the check verdicts.
#include "report/check_summary.h"

#include <cmath>
#include <limits>

namespace traxen {

double Utilisation(const ResistanceVerdict& v) {
  const double force = std::abs(v.N_Ed);
  if (!std::isfinite(v.N_Rd) || !std::isfinite(force)) return std::numeric_limits<double>::quiet_NaN();
  if (v.N_Rd <= 0) return force == 0 && v.N_Rd == 0 ? 0.0 : std::numeric_limits<double>::infinity();
  return force / v.N_Rd;
}

std::optional<FailureMode> FailureModeOf(const CheckSummary& s, const ResistanceVerdict& v) {
  const std::string& m = v.mode;
  if (m == "1") {
    if (s.family == "tyx" && s.report == "reinforced") return FailureMode::kFacePlateBraceInTension;
    return FailureMode::kChordFace;
  }
  if (m == "2") return FailureMode::kBrace;
  if (m == "3a") return FailureMode::kChordShear;
  if (m == "3b") return FailureMode::kChordAxialUnderShear;
  if (m == "4") return FailureMode::kPunchingShear;
  if (m == "overlap") return FailureMode::kOverlapBrace;
  if (m == "governing")
    return s.report == "reinforced" ? FailureMode::kGoverningReinforced : FailureMode::kGoverningPlain;
  return std::nullopt;
}

std::string ModeName(const CheckSummary& s, const ResistanceVerdict& v) {
  const std::optional<FailureMode> mode = FailureModeOf(s, v);
  return mode ? std::string(CheckModeName(*mode)) : v.mode;
}

std::string DecidingModeName(const CheckSummary& s, const ResistanceVerdict& v, ReportLanguage language) {
  if (v.mode == "governing" && s.governing_decided_by) {
    std::string name(FailureModeName(*s.governing_decided_by, language));
    if (s.governing_interpolated_with) {
      name += " / ";
      name += FailureModeName(*s.governing_interpolated_with, language);
      name += " (";
      name += ReportText(ReportTextKey::kInterpolated, language);
      name += ")";
    }
    return name;
  }
  const std::optional<FailureMode> mode = FailureModeOf(s, v);
  return mode ? std::string(FailureModeName(*mode, language)) : v.mode;
}

const ResistanceVerdict* GoverningVerdict(const CheckSummary& s) {
  const ResistanceVerdict* worst = nullptr;
  double worst_eta = -1;
  for (const ResistanceVerdict& v : s.verdicts) {
    double eta = Utilisation(v);
    if (!std::isfinite(eta)) eta = std::numeric_limits<double>::infinity();
    if (!worst || eta > worst_eta) worst = &v, worst_eta = eta;
  }
  return worst;
}

}  // namespace traxen
