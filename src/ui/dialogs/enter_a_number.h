// The messages every dialog shows for a number field it cannot take, naming the field by the
// symbol its label shows and the unit beside it.
#pragma once

#include <QtGlobal>

namespace traxen {

// Estonian as written here; the interface translates them in this context.
inline constexpr const char* kDialogNumbersContext = "traxen::DialogNumbers";

// %1: the field, e.g. "N<sub>1</sub> (kN)".
inline constexpr const char* kEnterANumber = QT_TRANSLATE_NOOP("traxen::DialogNumbers", "Sisesta arv: %1.");
// %1: the field's symbol, %2: its range, e.g. "> 0 m".
inline constexpr const char* kOutOfRange = QT_TRANSLATE_NOOP("traxen::DialogNumbers", "%1 peab olema %2.");
// %1 and %2 as above, %3: the value as a project file writes it, six decimals.
inline constexpr const char* kOutOfRangeWritten =
    QT_TRANSLATE_NOOP("traxen::DialogNumbers", "%1 peab olema %2; kuue komakohaga on see %3.");

}  // namespace traxen
