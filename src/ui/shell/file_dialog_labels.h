// The file dialogs speak the program's language.
#pragma once

#include <QString>

class QFileDialog;

namespace traxen {

// Labels in the interface's language for a Qt file dialog, `accept` on its accepting button
// ("Ava", "Salvesta").
void SetFileDialogLabels(QFileDialog& dialog, const QString& accept);

}  // namespace traxen
