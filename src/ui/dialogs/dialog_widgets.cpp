// Building the common controls of the joint dialogs.
#include "ui/dialogs/dialog_widgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QFontMetrics>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include "ui/dialogs/dialog_numbers.h"

namespace traxen {

namespace {
const QColor kStaticBlue(0, 0, 255);
const QColor kHeadingOrange(255, 100, 0);
const QColor kDialogGrey(240, 240, 240);
}  // namespace

void ApplyJointDialogPalette(QDialog* dialog) {
  QPalette palette = dialog->palette();
  palette.setColor(QPalette::Window, kDialogGrey);
  dialog->setPalette(palette);
  dialog->setAutoFillBackground(true);
}

QLabel* StaticText(const QString& rich, QWidget* buddy) {
  auto* label = new QLabel(rich);
  label->setTextFormat(Qt::RichText);
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, kStaticBlue);
  label->setPalette(palette);
  if (buddy) label->setBuddy(buddy);
  return label;
}

QString ChordLeftForceSymbol() { return QCoreApplication::translate("traxen::JointDialogs", "N<sub>0,v</sub>"); }
QString ChordRightForceSymbol() { return QCoreApplication::translate("traxen::JointDialogs", "N<sub>0,p</sub>"); }

QLabel* Heading(const QString& text) {
  auto* label = new QLabel(text);
  QFont font = label->font();
  font.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
  font.setBold(true);
  font.setPointSizeF(font.pointSizeF() * 1.25);
  label->setFont(font);
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, kHeadingOrange);
  label->setPalette(palette);
  return label;
}

namespace {
// A centred edit as wide as `widest` and at most half as wide again.
QLineEdit* CentredEdit(const QString& name, const QString& tip, const QString& widest) {
  auto* edit = new QLineEdit;
  edit->setObjectName(name);
  edit->setAccessibleName(tip.isEmpty() ? name : tip);
  edit->setAlignment(Qt::AlignCenter);
  if (!tip.isEmpty()) edit->setToolTip(tip);
  const int width = edit->fontMetrics().horizontalAdvance(widest) + 14;
  edit->setMinimumWidth(width);
  edit->setMaximumWidth(width * 3 / 2);
  return edit;
}
}  // namespace

QLineEdit* NumberEdit(const QString& name, const QString& tip) {
  return CentredEdit(name, tip, QStringLiteral("-00000.000"));
}

// A plate's sizes are a few hundred millimetres at most, with a decimal: three of them stand in
// a row beside the plate's name.
QLineEdit* SizeEdit(const QString& name, const QString& tip) { return CentredEdit(name, tip, QStringLiteral("0000.00")); }

QComboBox* SectionCombo(const QString& name, const QString& tip) {
  auto* combo = new QComboBox;
  combo->setObjectName(name);
  combo->setToolTip(tip);
  combo->setAccessibleName(tip);
  combo->setMaxVisibleItems(20);
  combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  return combo;
}

QLabel* SectionText(const QString& name) {
  auto* label = StaticText(QString());
  label->setTextFormat(Qt::PlainText);
  label->setObjectName(name);
  return label;
}

void PlateRow::followCheckBox(const NumericEdits& edits) const {
  const bool on = check->isChecked();
  if (!on) edits.revertNonNumbers({l, b, t});
  for (QLineEdit* edit : {l, b, t}) {
    edit->setEnabled(on);
    edits.mark(edit);
  }
}

FieldSpec PlateRow::SizeField(const QString& row_text, const QString& letter) {
  return FieldOfKey("plate.face_l", QStringLiteral("%1 %2").arg(row_text.toHtmlEscaped(), letter),
                    QStringLiteral("mm"));
}

void AddPlateHeader(QGridLayout* grid, int row) {
  grid->addWidget(StaticText(QStringLiteral("l")), row, 1, Qt::AlignCenter);
  grid->addWidget(StaticText(QStringLiteral("b")), row, 3, Qt::AlignCenter);
  grid->addWidget(StaticText(QStringLiteral("t")), row, 5, Qt::AlignCenter);
  grid->addWidget(StaticText(QStringLiteral("mm")), row, 6);
}

PlateRow AddPlateRow(QGridLayout* grid, int row, const QString& text, const QString& name,
                     std::initializer_list<QString> tips) {
  const QString* tip = tips.begin();
  auto next_tip = [&]() { return tip != tips.end() ? *tip++ : QString(); };
  PlateRow r;
  r.text = text;
  r.check = new QCheckBox(text);
  r.check->setObjectName(name + QStringLiteral("Check"));
  QPalette palette = r.check->palette();
  palette.setColor(QPalette::WindowText, kStaticBlue);
  r.check->setPalette(palette);
  r.l = SizeEdit(name + QStringLiteral("L"), next_tip());
  r.b = SizeEdit(name + QStringLiteral("B"), next_tip());
  r.t = SizeEdit(name + QStringLiteral("T"), next_tip());
  grid->addWidget(r.check, row, 0);
  grid->addWidget(r.l, row, 1);
  grid->addWidget(StaticText(QStringLiteral("×")), row, 2);
  grid->addWidget(r.b, row, 3);
  grid->addWidget(StaticText(QStringLiteral("×")), row, 4);
  grid->addWidget(r.t, row, 5);
  grid->addWidget(StaticText(QStringLiteral("mm")), row, 6);
  return r;
}

namespace {
const char* const kNoteRed = "traxenNoteRed";
}  // namespace

void FollowAngleNote(QLabel* note, QLineEdit* edit, double low, double high) {
  auto follow = [note, edit, low, high] {
    const std::optional<double> v = ParseDialogNumber(edit->text());
    const bool red = v && (*v < low || *v > high);
    QPalette palette = note->palette();
    palette.setColor(QPalette::WindowText, red ? QColor(255, 0, 0) : kStaticBlue);
    note->setPalette(palette);
    note->setProperty(kNoteRed, red);
  };
  QObject::connect(edit, &QLineEdit::textChanged, note, follow);
  follow();
}

bool NoteIsRed(const QLabel* note) { return note->property(kNoteRed).toBool(); }

void SetTabChain(std::initializer_list<QWidget*> widgets) {
  QWidget* previous = nullptr;
  for (QWidget* w : widgets) {
    if (previous) QWidget::setTabOrder(previous, w);
    previous = w;
  }
}

}  // namespace traxen
