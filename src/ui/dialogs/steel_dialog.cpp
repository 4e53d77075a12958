// Rows of the steel dialog, in the order the chord, the braces, the plates, the elastic
// modulus and the partial factors are named in the report.
#include "ui/dialogs/steel_dialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QStringList>
#include <string>

#include "model/steel_grades.h"
#include "ui/dialogs/data_dialog_layout.h"
#include "ui/dialogs/steel_grade_box.h"

namespace traxen {

SteelDialog::SteelDialog(const JobSteel& steel, QWidget* parent)
    : QDialog(parent), steel_(steel), edited_(steel) {
  DataDialogFrame frame(this, tr("TERASE OMADUSED"), QStringLiteral("steelDialog"));
  struct Row {
    const char* group;
    QString symbol;
    const char* name;
    double* target;
    const char* unit;
    const char* tooltip;
  };
  const QString gamma = QStringLiteral("γ");
  // Group names and tooltips are translated where they are shown.
  const Row rows[] = {
      {QT_TR_NOOP("Vöö "), Symbol("f", "yk"), "fy0", &edited_.fy0, "MPa", QT_TR_NOOP("Vöö terase normvoolupiir")},
      {"", Symbol("f", "uk"), "fu0", &edited_.fu0, "MPa", QT_TR_NOOP("Vöö terase normtõmbetugevus")},
      {QT_TR_NOOP("Varras 1"), Symbol("f", "yk"), "fy1", &edited_.fy1, "MPa",
       QT_TR_NOOP("1. varda terase normvoolupiir")},
      {"", Symbol("f", "uk"), "fu1", &edited_.fu1, "MPa", QT_TR_NOOP("1. varda terase normtõmbetugevus")},
      {QT_TR_NOOP("Varras 2"), Symbol("f", "yk"), "fy2", &edited_.fy2, "MPa",
       QT_TR_NOOP("2. varda terase normvoolupiir")},
      {"", Symbol("f", "uk"), "fu2", &edited_.fu2, "MPa", QT_TR_NOOP("2. varda terase normtõmbetugevus")},
      {QT_TR_NOOP("Tugevduslapp"), Symbol("f", "ykt"), "fy_plate", &edited_.fy_plate, "MPa",
       QT_TR_NOOP("Tugevduslappide terase normvoolupiir")},
      {QT_TR_NOOP(" Elastsusmoodul"), Symbol("E", "s"), "E", &edited_.E, "MPa",
       QT_TR_NOOP("Terase elastsusmoodul,Young'i moodul")},
      {QT_TR_NOOP("Osavarutegurid "), Symbol(gamma, "M0"), "gamma_M0", &edited_.gamma_M0, "",
       QT_TR_NOOP("Terase osavarutegur g_M0")},
      {"", Symbol(gamma, "M1"), "gamma_M1", &edited_.gamma_M1, "", QT_TR_NOOP("Terase osavarutegur g_M1")},
      {"", Symbol(gamma, "M2"), "gamma_M2", &edited_.gamma_M2, "", QT_TR_NOOP("Terase osavarutegur g_M2")},
  };
  QString group;  // a row without its own group continues the one above, in messages too
  for (const Row& row : rows) {
    const QString tooltip = tr(row.tooltip);
    QLineEdit* edit = NumberField(QString::fromLatin1(row.name), tooltip, this);
    if (*row.group) group = tr(row.group).trimmed();
    const std::string key = std::string("steel.") + row.name;
    fields_.add(edit, row.target,
                FieldOfKey(key, group.toHtmlEscaped() + QStringLiteral(" ") + row.symbol, QString::fromLatin1(row.unit)));
    frame.addRow(*row.group ? tr(row.group) : QString(), row.symbol, edit, QString::fromLatin1(row.unit), tooltip);
  }
  fields_.show();
  fields_.markOnLeaving(this);
  AddSteelGradeBoxes(this, frame.grid());

  // The members that keep both strengths, named as their rows' groups.
  for (const char* member : {"0", "1", "2"}) {
    auto* fy = findChild<QLineEdit*>(QStringLiteral("fy") + QLatin1String(member));
    auto* fu = findChild<QLineEdit*>(QStringLiteral("fu") + QLatin1String(member));
    const QString name = *member == '0' ? tr("Vöö ").trimmed() : *member == '1' ? tr("Varras 1") : tr("Varras 2");
    strengths_.push_back({name, fy, fu});
  }

  ductility_warning_ = new QLabel(this);
  ductility_warning_->setObjectName(QStringLiteral("ductilityWarning"));
  ductility_warning_->setTextFormat(Qt::RichText);
  ductility_warning_->setWordWrap(true);
  ductility_warning_->setStyleSheet(QStringLiteral("QLabel { background: rgb(255, 245, 170); padding: 4px; }"));
  frame.grid()->addWidget(ductility_warning_, frame.grid()->rowCount(), 0, 1, -1);
  // After the fields' own marking, which a field's new text clears first.
  for (const Strengths& s : strengths_)
    for (QLineEdit* edit : {s.fy, s.fu})
      connect(edit, &QLineEdit::textChanged, this, &SteelDialog::updateDuctilityWarning);
  updateDuctilityWarning();
}

void SteelDialog::updateDuctilityWarning() {
  const QString yellow = QStringLiteral("QLineEdit { background: rgb(255, 245, 170); }");
  QStringList lines;
  for (const Strengths& s : strengths_) {
    const std::optional<double> fy = ParseDialogNumber(s.fy->text()), fu = ParseDialogNumber(s.fu->text());
    // Only a pair the dialog would take is judged; a refused field keeps its own mark.
    const bool judged = fy && fu && fields_.problemOf(s.fy).isEmpty() && fields_.problemOf(s.fu).isEmpty();
    const bool warn = judged && LacksDuctility(*fy, *fu);
    if (warn)
      lines << tr("%1: f<sub>u</sub> = %2 MPa &lt; 1,10 × f<sub>y</sub> = %3 MPa (EN 1993-1-1 3.2.2)")
                   .arg(s.member.toHtmlEscaped(), FormatDialogNumber(*fu),
                        QString::number(kLeastUltimateToYieldRatio * *fy, 'f', 1));
    if (fields_.problemOf(s.fu).isEmpty()) s.fu->setStyleSheet(warn ? yellow : QString());
  }
  const QString br = QStringLiteral("<br>");
  ductility_warning_->setText(lines.isEmpty() ? QString() : tr("Hoiatus:") + br + lines.join(br));
  ductility_warning_->setVisible(!lines.isEmpty());
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
