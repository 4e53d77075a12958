// The language of the desktop program's interface: Estonian, in which its texts are written,
// or English from its translation. It is chosen once at start (see main.cpp) and sets what the
// rest follows: the messages of the job files and, until the user picks one in Vaade, the
// language of the report.
#pragma once

#include <QString>
#include <QStringList>

#include "model/job.h"
#include "model/job_placeholders.h"
#include "model/messages.h"
#include "report/report_language.h"

namespace traxen {

enum class InterfaceLanguage { kEstonian, kEnglish };

// The interface language a start with these settings gets: TRAXEN_LANG ("et" or "en", as
// traxen-cli's reports take it) when it names one, otherwise Estonian when the first of the
// system's interface languages is Estonian and English for every other (C and POSIX included).
InterfaceLanguage InterfaceLanguageFor(const QString& traxen_lang, const QStringList& system_ui_languages);
// The same from this process's environment and the system locale.
InterfaceLanguage InterfaceLanguageFromEnvironment();

// The language chosen at start; Estonian until one is set (the tests run in Estonian).
InterfaceLanguage CurrentInterfaceLanguage();
void SetInterfaceLanguage(InterfaceLanguage language);

// The language of the job files' messages shown in message boxes and dialogs.
Language MessageLanguage();
// The interface's language as the report catalogues name it: the words the status bar, the
// joint table and the dialogs' previews take from the catalogues, and the report's language
// while the user has chosen none.
ReportLanguage InterfaceReportLanguage();

// The placeholder names a new job starts with: the record's Estonian ones, or English ones in
// the English interface, so a new job's report header reads in the report's usual language.
// (IsPlaceholderJobName in model/job_placeholders.h tells them from a job's own name.)
JobInfo NewJobInfo();

}  // namespace traxen
