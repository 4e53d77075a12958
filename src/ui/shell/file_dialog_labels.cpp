// The file dialog's labels, set by hand: Qt's own dialog would take them from the system.
#include "ui/shell/file_dialog_labels.h"

#include <QCoreApplication>
#include <QFileDialog>

namespace traxen {

namespace {
struct Texts {
  Q_DECLARE_TR_FUNCTIONS(traxen::FileDialogLabels)
};
}  // namespace

void SetFileDialogLabels(QFileDialog& dialog, const QString& accept) {
  dialog.setLabelText(QFileDialog::LookIn, Texts::tr("Kaust:"));
  dialog.setLabelText(QFileDialog::FileName, Texts::tr("Faili nimi:"));
  dialog.setLabelText(QFileDialog::FileType, Texts::tr("Failitüüp:"));
  dialog.setLabelText(QFileDialog::Accept, accept);
  dialog.setLabelText(QFileDialog::Reject, Texts::tr("Loobu"));
}

}  // namespace traxen
