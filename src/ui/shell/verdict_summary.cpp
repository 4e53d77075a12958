// The status-bar verdict: the figures are the check summary's, the words the report's.
#include "ui/shell/verdict_summary.h"

#include "report/report_texts.h"

#include <cmath>
#include <optional>
#include <string_view>
#include <utility>

namespace traxen {

namespace {
QString Utilisation(double eta) {
  return std::isfinite(eta) ? QString::number(eta, 'f', 2) : QStringLiteral("∞");
}

bool StartsWith(std::string_view text, std::string_view prefix) { return text.substr(0, prefix.size()) == prefix; }
bool IsVerdict(std::string_view text) { return StartsWith(text, "Korras!") || StartsWith(text, "Ei rahulda!"); }
}  // namespace

QString EstonianModeName(const CheckSummary& s, const ResistanceVerdict& v) {
  const std::optional<FailureMode> mode = FailureModeOf(s, v);
  if (!mode) return QString::fromStdString(v.mode);
  const std::string_view name = FailureModeName(*mode, ReportLanguage::kEstonian);
  return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

QString EstonianConditionName(const std::string& name) {
  // Longer phrases first, so "lower brace" is not taken for "brace".
  static const std::pair<const char*, const char*> kWords[] = {
      {"plate between the braces", "vahelapp"},
      {"narrower / wider brace width", "kitsama / laiema varda laius"},
      {"section class 1 or 2", "ristlõike klass 1 või 2"},
      {"lower brace", "alumine varras"},
      {"face plate", "pinnalapp"},
      {"side plates", "külglapid"},
      {"plates", "lapid"},
      {"brace", "varras"},
      {"chord", "vöö"},
      {"overlap", "ülekate"},
      {"gap", "vahe"},
      {"for its width", "laiuse järgi"},
      {"thickness", "paksus"},
      {"length", "pikkus"},
      {"width", "laius"},
      {"lambda_ov", "λov"},
      {"theta", "θ"},
      {"beta", "β"},
      {"<=", "≤"},
      {">=", "≥"},
  };
  QString text = QString::fromStdString(name);
  for (const auto& [english, estonian] : kWords) text.replace(QLatin1String(english), QString::fromUtf8(estonian));
  return text;
}

VerdictLine DescribeVerdict(const CheckSummary& s) {
  VerdictLine line;
  if (s.family == "none") return line;
  if (!s.valid) {
    line.failed = true;
    line.text = QStringLiteral("Ei rahulda! eeldused pole täidetud");
    if (!s.failed_condition_names.empty())
      line.text += QStringLiteral(": ") + EstonianConditionName(s.failed_condition_names.front());
    return line;
  }
  line.governing = GoverningVerdict(s);
  line.failed = !s.passed();
  line.text = line.failed ? QStringLiteral("Ei rahulda!") : QStringLiteral("Korras!");
  if (!line.governing) return line;
  const ResistanceVerdict& v = *line.governing;
  line.text += QStringLiteral("  η max = %1, varras %2, %3")
                   .arg(Utilisation(traxen::Utilisation(v)))
                   .arg(v.brace)
                   .arg(EstonianModeName(s, v));
  return line;
}

int GoverningCheckY(const CheckSummary& s, const std::vector<RecordingSurface::TextRecord>& texts) {
  if (!s.valid) {
    for (const auto& t : texts)
      if (t.color == kRed) return t.at.y;
    return -1;
  }
  const ResistanceVerdict* v = GoverningVerdict(s);
  if (!v) return -1;
  // A mode of its own has a numbered heading ("3a. Vöö lõikekandevõime"), once per brace in
  // brace order; an introduction may list the headings before them, so they count from the end.
  if (v->mode != "governing" && v->mode != "overlap") {
    const std::string prefix = v->mode + ". ";
    std::vector<int> headings;
    for (const auto& t : texts)
      if (StartsWith(t.text, prefix)) headings.push_back(t.at.y);
    int same_mode = 0, before = 0;
    for (const ResistanceVerdict& other : s.verdicts) {
      if (other.mode != v->mode) continue;
      ++same_mode;
      if (&other < v) ++before;
    }
    const int index = int(headings.size()) - same_mode + before;
    if (index >= 0 && index < int(headings.size())) return headings[std::size_t(index)];
  }
  // The governing comparison closes the resistances: the report's last verdict.
  int last = -1;
  for (const auto& t : texts)
    if (IsVerdict(t.text)) last = t.at.y;
  return last;
}

}  // namespace traxen
