// Installs the translators of an interface language into the application: for Estonian, the
// program's own texts stay as written and Qt's texts come from the Estonian table; for English,
// the program's texts come from its compiled-in English catalogues and Qt's texts stay as Qt
// wrote them.
#pragma once

#include "ui/i18n/interface_language.h"

namespace traxen {

// Returns false (and installs what it could) when a catalogue of the language is missing or
// unreadable; the interface then shows those texts in Estonian.
bool InstallInterfaceTranslators(InterfaceLanguage language);
// Takes every translator installed above out again (the tests switch languages).
void RemoveInterfaceTranslators();

}  // namespace traxen
