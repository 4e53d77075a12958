// The status-bar verdict: the figures are the check summary's, the words the report's.
#include "ui/shell/verdict_summary.h"

#include "report/report_texts.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>
#include <optional>
#include <string_view>
#include <utility>

#include "ui/i18n/interface_language.h"

namespace traxen {

namespace {
QString Utilisation(double eta) {
  return std::isfinite(eta) ? QString::number(eta, 'f', 2) : QStringLiteral("∞");
}

struct Texts {
  Q_DECLARE_TR_FUNCTIONS(traxen::VerdictSummary)
};

bool StartsWith(std::string_view text, std::string_view prefix) { return text.substr(0, prefix.size()) == prefix; }

// A verdict line of the report, in either of its languages: the verdict word stands first,
// alone or followed by a blank.
bool IsVerdict(std::string_view text) {
  for (const ReportLanguage language : {ReportLanguage::kEstonian, ReportLanguage::kEnglish})
    for (const ReportTextKey key : {ReportTextKey::kPassed, ReportTextKey::kFailed, ReportTextKey::kFailedWithoutMark}) {
      std::string_view word = ReportText(key, language);
      while (!word.empty() && word.back() == ' ') word.remove_suffix(1);
      if (StartsWith(text, word) && (text.size() == word.size() || text[word.size()] == ' ')) return true;
    }
  return false;
}

// The report's symbols for the plain-text ones of the condition names.
QString WithSymbols(QString text) {
  static const std::pair<const char*, const char*> kSymbols[] = {
      {"lambda_ov", "λov"}, {"theta", "θ"}, {"beta", "β"}, {"<=", "≤"}, {">=", "≥"},
  };
  for (const auto& [plain, symbol] : kSymbols) text.replace(QLatin1String(plain), QString::fromUtf8(symbol));
  return text;
}
}  // namespace

QString ModeName(const CheckSummary& s, const ResistanceVerdict& v, ReportLanguage language) {
  return QString::fromStdString(DecidingModeName(s, v, language));
}

QString EstonianModeName(const CheckSummary& s, const ResistanceVerdict& v) {
  return ModeName(s, v, ReportLanguage::kEstonian);
}

QString ConditionName(const std::string& name, ReportLanguage language) {
  return language == ReportLanguage::kEstonian ? EstonianConditionName(name) : WithSymbols(QString::fromStdString(name));
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
  };
  QString text = QString::fromStdString(name);
  for (const auto& [english, estonian] : kWords) text.replace(QLatin1String(english), QString::fromUtf8(estonian));
  return WithSymbols(text);
}

VerdictLine DescribeVerdict(const CheckSummary& s) {
  VerdictLine line;
  if (s.family == "none") return line;
  // The failure modes and conditions in the interface's language, as the report in it names them.
  const ReportLanguage language = InterfaceReportLanguage();
  if (!s.valid) {
    line.failed = true;
    line.text = Texts::tr("Ei rahulda! eeldused pole täidetud");
    if (!s.failed_condition_names.empty())
      line.text += QStringLiteral(": ") + ConditionName(s.failed_condition_names.front(), language);
    return line;
  }
  line.governing = GoverningVerdict(s);
  line.failed = !s.passed();
  line.text = line.failed ? Texts::tr("Ei rahulda!") : Texts::tr("Korras!");
  if (!line.governing) return line;
  const ResistanceVerdict& v = *line.governing;
  line.text += Texts::tr("  η max = %1, varras %2, %3")
                   .arg(Utilisation(traxen::Utilisation(v)))
                   .arg(v.brace)
                   .arg(ModeName(s, v, language));
  return line;
}

namespace {
// The first verdict at or below `y`, and the last one above it.
int VerdictAtOrBelow(const std::vector<RecordingSurface::TextRecord>& texts, int y) {
  int found = -1;
  for (const auto& t : texts)
    if (t.at.y >= y && IsVerdict(t.text) && (found < 0 || t.at.y < found)) found = t.at.y;
  return found;
}

int FirstLineAfterVerdictAbove(const std::vector<RecordingSurface::TextRecord>& texts, int y) {
  int verdict = -1;
  for (const auto& t : texts)
    if (t.at.y < y && IsVerdict(t.text)) verdict = std::max(verdict, t.at.y);
  int first = y;
  for (const auto& t : texts)
    if (t.at.y > verdict && t.at.y < first) first = t.at.y;
  return first;
}
}  // namespace

ReportSpan GoverningCheckSpan(const CheckSummary& s, const std::vector<RecordingSurface::TextRecord>& texts) {
  if (!s.valid) {
    for (const auto& t : texts)
      if (t.color == kRed) return {t.at.y, t.at.y};
    return {};
  }
  const ResistanceVerdict* v = GoverningVerdict(s);
  if (!v) return {};
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
    if (index >= 0 && index < int(headings.size())) {
      const int heading = headings[std::size_t(index)];
      const int verdict = VerdictAtOrBelow(texts, heading);
      return {heading, verdict < 0 ? heading : verdict};
    }
  }
  // The governing comparison closes the resistances: the report's last verdict, with what
  // leads up to it since the check before.
  int last = -1;
  for (const auto& t : texts)
    if (IsVerdict(t.text)) last = std::max(last, t.at.y);
  if (last < 0) return {};
  return {FirstLineAfterVerdictAbove(texts, last), last};
}

}  // namespace traxen
