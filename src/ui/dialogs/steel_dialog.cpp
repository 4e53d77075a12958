// Rows of the steel dialog, in the order the chord, the braces, the plates, the elastic
// modulus and the partial factors are named in the report.
#include "ui/dialogs/steel_dialog.h"

#include <string>

#include "ui/dialogs/data_dialog_layout.h"
#include "ui/dialogs/steel_grade_box.h"

namespace traxen {

SteelDialog::SteelDialog(const JobSteel& steel, QWidget* parent)
    : QDialog(parent), steel_(steel), edited_(steel) {
  DataDialogFrame frame(this, QStringLiteral("TERASE OMADUSED"), QStringLiteral("steelDialog"));
  struct Row {
    const char* group;
    QString symbol;
    const char* name;
    double* target;
    const char* unit;
    const char* tooltip;
  };
  const QString gamma = QStringLiteral("γ");
  const Row rows[] = {
      {"Vöö ", Symbol("f", "yk"), "fy0", &edited_.fy0, "MPa", "Vöö terase normvoolupiir"},
      {"", Symbol("f", "uk"), "fu0", &edited_.fu0, "MPa", "Vöö terase normtõmbetugevus"},
      {"Varras 1", Symbol("f", "yk"), "fy1", &edited_.fy1, "MPa", "1. varda terase normvoolupiir"},
      {"", Symbol("f", "uk"), "fu1", &edited_.fu1, "MPa", "1. varda terase normtõmbetugevus"},
      {"Varras 2", Symbol("f", "yk"), "fy2", &edited_.fy2, "MPa", "2. varda terase normvoolupiir"},
      {"", Symbol("f", "uk"), "fu2", &edited_.fu2, "MPa", "2. varda terase normtõmbetugevus"},
      {"Tugevduslapp", Symbol("f", "ykt"), "fy_plate", &edited_.fy_plate, "MPa",
       "Tugevduslappide terase normvoolupiir"},
      {" Elastsusmoodul", Symbol("E", "s"), "E", &edited_.E, "MPa", "Terase elastsusmoodul,Young'i moodul"},
      {"Osavarutegurid ", Symbol(gamma, "M0"), "gamma_M0", &edited_.gamma_M0, "", "Terase osavarutegur g_M0"},
      {"", Symbol(gamma, "M1"), "gamma_M1", &edited_.gamma_M1, "", "Terase osavarutegur g_M1"},
      {"", Symbol(gamma, "M2"), "gamma_M2", &edited_.gamma_M2, "", "Terase osavarutegur g_M2"},
  };
  QString group;  // a row without its own group continues the one above, in messages too
  for (const Row& row : rows) {
    const QString tooltip = QString::fromUtf8(row.tooltip);
    QLineEdit* edit = NumberField(QString::fromLatin1(row.name), tooltip, this);
    if (*row.group) group = QString::fromUtf8(row.group).trimmed();
    const std::string key = std::string("steel.") + row.name;
    fields_.add(edit, row.target,
                FieldOfKey(key, group.toHtmlEscaped() + QStringLiteral(" ") + row.symbol, QString::fromLatin1(row.unit)));
    frame.addRow(QString::fromUtf8(row.group), row.symbol, edit, QString::fromLatin1(row.unit), tooltip);
  }
  fields_.show();
  fields_.markOnLeaving(this);
  AddSteelGradeBoxes(this, frame.grid());
}

void SteelDialog::accept() {
  if (!fields_.readOrComplain(this)) return;
  steel_ = edited_;
  QDialog::accept();
}

bool EditSteel(QWidget* parent, Job& job) {
  SteelDialog dialog(job.steel, parent);
  if (dialog.exec() != QDialog::Accepted) return false;
  job.steel = dialog.steel();
  return true;
}

}  // namespace traxen
