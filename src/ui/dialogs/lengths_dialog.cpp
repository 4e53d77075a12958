// Rows of the member lengths dialog: chord left, chord right, brace 1, brace 2.
#include "ui/dialogs/lengths_dialog.h"

#include <string>

#include "ui/dialogs/data_dialog_layout.h"

namespace traxen {

LengthsDialog::LengthsDialog(const JobLengths& lengths, QWidget* parent)
    : QDialog(parent), lengths_(lengths), edited_(lengths) {
  DataDialogFrame frame(this, tr("VARRASTE PIKKUSED"), QStringLiteral("lengthsDialog"));
  struct Row {
    const char* label;
    const char* index;
    const char* name;
    double* target;
    const char* tooltip;
  };
  const Row rows[] = {
      // The chord's indices are the words left and right, so they follow the language.
      {QT_TR_NOOP("VÖÖ VASAK VARRAS "), QT_TR_NOOP("0.V"), "L0_left", &edited_.L0_left,
       QT_TR_NOOP("Vöö vasaku varda pikkus")},
      {QT_TR_NOOP("VÖÖ PAREM VARRAS "), QT_TR_NOOP("0.P"), "L0_right", &edited_.L0_right,
       QT_TR_NOOP("Vöö parema varda pikkus")},
      {QT_TR_NOOP("1. VARRAS"), "1", "L1", &edited_.L1, QT_TR_NOOP("Vasakpoolne varras 1")},
      {QT_TR_NOOP("2. VARRAS"), "2", "L2", &edited_.L2, QT_TR_NOOP("Parempoolne varras 2")},
  };
  for (const Row& row : rows) {
    const QString tooltip = tr(row.tooltip);
    QLineEdit* edit = NumberField(QString::fromLatin1(row.name), tooltip, this);
    const QString symbol = Symbol(QStringLiteral("L"), tr(row.index));
    fields_.add(edit, row.target, FieldOfKey(std::string("len.") + row.name, symbol, QStringLiteral("m")));
    frame.addRow(tr(row.label), symbol, edit, QStringLiteral("m"), tooltip);
  }
  fields_.show();
  fields_.markOnLeaving(this);
}

void LengthsDialog::accept() {
  if (!fields_.readOrComplain(this)) return;
  lengths_ = edited_;
  QDialog::accept();
}

bool EditLengths(QWidget* parent, Job& job) {
  LengthsDialog dialog(job.len, parent);
  if (dialog.exec() != QDialog::Accepted) return false;
  job.len = dialog.lengths();
  return true;
}

}  // namespace traxen
