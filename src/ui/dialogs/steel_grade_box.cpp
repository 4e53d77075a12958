// The grade drop-down follows the fields, not the other way round: what is stored is f_y and
// f_u, and the grade is only a way of typing them.
#include "ui/dialogs/steel_grade_box.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QLineEdit>

#include "model/steel_grades.h"
#include "ui/dialogs/dialog_numbers.h"

namespace traxen {

namespace {
QString View(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

// The source of the figures is the core's text, shared with the manual; the interface says it
// in its language by that text.
[[maybe_unused]] const char* const kSourceText =
    QT_TRANSLATE_NOOP("traxen::SteelGradeBox", "EN 1993-1-1 tabel 3.1, t ≤ 40 mm");
QString Source() {
  return QCoreApplication::translate("traxen::SteelGradeBox", std::string(kSteelGradeSource).c_str());
}
}  // namespace

SteelGradeBox::SteelGradeBox(const QString& object_name, QLineEdit* fy, QLineEdit* fu, QWidget* parent)
    : QComboBox(parent), fy_(fy), fu_(fu) {
  setObjectName(object_name);
  setAccessibleName(tr("Terase mark"));
  addItem(tr(kOtherGrade));
  for (const SteelGrade& g : SteelGrades()) {
    addItem(QStringLiteral("%1  %2").arg(View(g.name), View(g.standard)));
    setItemData(count() - 1,
                QStringLiteral("%1 %2: f_y = %3 MPa, f_u = %4 MPa (%5)")
                    .arg(View(g.name), View(g.standard))
                    .arg(g.fy)
                    .arg(g.fu)
                    .arg(Source()),
                Qt::ToolTipRole);
  }
  setToolTip(tr("Terase mark: täidab tugevused tabelist %1").arg(Source()));
  connect(this, &QComboBox::activated, this, &SteelGradeBox::fill);
  connect(fy_, &QLineEdit::textChanged, this, &SteelGradeBox::match);
  if (fu_) connect(fu_, &QLineEdit::textChanged, this, &SteelGradeBox::match);
  match();
}

void SteelGradeBox::fill(int index) {
  if (index <= 0) return;  // "muu" leaves the typed strengths
  const SteelGrade& g = SteelGrades()[std::size_t(index - 1)];
  filling_ = true;
  fy_->setText(FormatDialogNumber(g.fy));
  if (fu_) fu_->setText(FormatDialogNumber(g.fu));
  filling_ = false;
  setCurrentIndex(index);
}

void SteelGradeBox::match() {
  if (filling_) return;
  const std::optional<double> fy = ParseDialogNumber(fy_->text());
  const std::optional<double> fu = fu_ ? ParseDialogNumber(fu_->text()) : std::nullopt;
  // A grade the user picked stays shown while the strengths are still its own (two grades
  // may share them); otherwise the first grade that has them.
  const int picked = grade();
  if (picked >= 0 && fy) {
    const SteelGrade& g = SteelGrades()[std::size_t(picked)];
    if (g.fy == *fy && (!fu_ || (fu && g.fu == *fu))) return;
  }
  std::optional<std::size_t> found;
  if (fy && !fu_) found = FindSteelGradeByYield(*fy);
  else if (fy && fu) found = FindSteelGrade(*fy, *fu);
  setCurrentIndex(found ? int(*found) + 1 : 0);
}

void AddSteelGradeBoxes(QWidget* dialog, QGridLayout* grid) {
  const struct {
    const char* fy;
    const char* fu;
    const char* box;
  } members[] = {{"fy0", "fu0", "grade0"}, {"fy1", "fu1", "grade1"}, {"fy2", "fu2", "grade2"},
                 {"fy_plate", nullptr, "gradePlate"}};
  for (const auto& m : members) {
    auto* fy = dialog->findChild<QLineEdit*>(QLatin1String(m.fy));
    auto* fu = m.fu ? dialog->findChild<QLineEdit*>(QLatin1String(m.fu)) : nullptr;
    const int at = fy ? grid->indexOf(fy) : -1;
    if (at < 0 || (m.fu && !fu)) continue;
    int row = 0, column = 0, row_span = 0, column_span = 0;
    grid->getItemPosition(at, &row, &column, &row_span, &column_span);
    grid->addWidget(new SteelGradeBox(QLatin1String(m.box), fy, fu, dialog), row, 4);
  }
}

}  // namespace traxen
