// Estonian file dialog labels.
#include "ui/shell/file_dialog_labels.h"

#include <QFileDialog>

namespace traxen {

void SetEstonianLabels(QFileDialog& dialog, const QString& accept) {
  dialog.setLabelText(QFileDialog::LookIn, QStringLiteral("Kaust:"));
  dialog.setLabelText(QFileDialog::FileName, QStringLiteral("Faili nimi:"));
  dialog.setLabelText(QFileDialog::FileType, QStringLiteral("Failitüüp:"));
  dialog.setLabelText(QFileDialog::Accept, accept);
  dialog.setLabelText(QFileDialog::Reject, QStringLiteral("Loobu"));
}

}  // namespace traxen
