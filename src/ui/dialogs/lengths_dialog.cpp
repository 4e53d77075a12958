// Rows of the member lengths dialog: chord left, chord right, brace 1, brace 2.
#include "ui/dialogs/lengths_dialog.h"

#include <string>

#include "ui/dialogs/data_dialog_layout.h"

namespace traxen {

LengthsDialog::LengthsDialog(const JobLengths& lengths, QWidget* parent)
    : QDialog(parent), lengths_(lengths), edited_(lengths) {
  DataDialogFrame frame(this, QStringLiteral("VARRASTE PIKKUSED"), QStringLiteral("lengthsDialog"));
  struct Row {
    const char* label;
    const char* index;
    const char* name;
    double* target;
    const char* tooltip;
  };
  const Row rows[] = {
      {"VÖÖ VASAK VARRAS ", "0.V", "L0_left", &edited_.L0_left, "Vöö vasaku varda pikkus"},
      {"VÖÖ PAREM VARRAS ", "0.P", "L0_right", &edited_.L0_right, "Vöö parema varda pikkus"},
      {"1. VARRAS", "1", "L1", &edited_.L1, "Vasakpoolne varras 1"},
      {"2. VARRAS", "2", "L2", &edited_.L2, "Parempoolne varras 2"},
  };
  for (const Row& row : rows) {
    const QString tooltip = QString::fromUtf8(row.tooltip);
    QLineEdit* edit = NumberField(QString::fromLatin1(row.name), tooltip, this);
    const QString symbol = Symbol(QStringLiteral("L"), QString::fromLatin1(row.index));
    fields_.add(edit, row.target, FieldOfKey(std::string("len.") + row.name, symbol, QStringLiteral("m")));
    frame.addRow(QString::fromUtf8(row.label), symbol, edit, QStringLiteral("m"), tooltip);
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
