#include "ui/i18n/interface_language.h"

#include <QLocale>
#include <QtGlobal>

namespace traxen {

namespace {
InterfaceLanguage current = InterfaceLanguage::kEstonian;
}  // namespace

InterfaceLanguage InterfaceLanguageFor(const QString& traxen_lang, const QStringList& system_ui_languages) {
  const QString chosen = traxen_lang.trimmed().toLower();
  if (chosen == QLatin1String("et")) return InterfaceLanguage::kEstonian;
  if (chosen == QLatin1String("en")) return InterfaceLanguage::kEnglish;
  // Only the first language counts: a system set to English with Estonian as a fallback wants English.
  if (!system_ui_languages.isEmpty() && QLocale(system_ui_languages.first()).language() == QLocale::Estonian)
    return InterfaceLanguage::kEstonian;
  return InterfaceLanguage::kEnglish;
}

InterfaceLanguage InterfaceLanguageFromEnvironment() {
  return InterfaceLanguageFor(qEnvironmentVariable("TRAXEN_LANG"), QLocale::system().uiLanguages());
}

InterfaceLanguage CurrentInterfaceLanguage() { return current; }

void SetInterfaceLanguage(InterfaceLanguage language) { current = language; }

Language MessageLanguage() {
  return current == InterfaceLanguage::kEnglish ? Language::kEnglish : Language::kEstonian;
}

ReportLanguage InterfaceReportLanguage() {
  return current == InterfaceLanguage::kEnglish ? ReportLanguage::kEnglish : ReportLanguage::kEstonian;
}

JobInfo NewJobInfo() { return PlaceholderJobInfo(MessageLanguage()); }

}  // namespace traxen
