// The file dialogs speak the program's language.
#pragma once

#include <QString>

class QFileDialog;

namespace traxen {

// Estonian labels for a Qt file dialog, `accept` on its accepting button ("Ava", "Salvesta").
void SetEstonianLabels(QFileDialog& dialog, const QString& accept);

}  // namespace traxen
