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

std::string ModeName(const CheckSummary& s, const ResistanceVerdict& v) {
  const std::string& m = v.mode;
  if (m == "1") {
    if (s.family == "tyx" && s.report == "reinforced") return "face plate failure (brace in tension)";
    return "chord face failure";
  }
  if (m == "2") return "brace failure";
  if (m == "3a") return "chord shear";
  if (m == "3b") return "chord axial resistance under shear";
  if (m == "4") return "punching shear";
  if (m == "overlap") return "overlap: brace failure";
  if (m == "governing")
    return s.report == "reinforced" ? "governing of the reinforced chord (brace in compression)"
                                    : "governing of chord face, brace, chord side wall and punching shear";
  return m;
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
