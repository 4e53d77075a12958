// Grid, labels and buttons of the data dialogs.
#include "ui/dialogs/data_dialog_layout.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace traxen {

QString Symbol(const QString& letter, const QString& index) {
  return QStringLiteral("<i>%1</i><sub>%2</sub>").arg(letter.toHtmlEscaped(), index.toHtmlEscaped());
}

QLineEdit* NumberField(const QString& object_name, const QString& accessible_name, QWidget* parent) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(object_name);
  edit->setAccessibleName(accessible_name);
  edit->setAlignment(Qt::AlignRight);
  return edit;
}

DataDialogFrame::DataDialogFrame(QDialog* dialog, const QString& title, const QString& object_name)
    : dialog_(dialog), grid_(new QGridLayout) {
  dialog->setWindowTitle(title);
  dialog->setObjectName(object_name);
  dialog->setAccessibleName(title);
  dialog->setModal(true);
  grid_->setColumnStretch(2, 1);
  grid_->setHorizontalSpacing(10);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
  buttons->setObjectName(QStringLiteral("buttons"));
  QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
  ok->setText(QStringLiteral("OK"));
  ok->setObjectName(QStringLiteral("ok"));
  ok->setAccessibleName(QStringLiteral("OK"));
  ok->setDefault(true);
  QPushButton* cancel = buttons->button(QDialogButtonBox::Cancel);
  const QString cancel_text = QCoreApplication::translate("traxen::DataDialogFrame", "Loobu");
  cancel->setText(cancel_text);
  cancel->setObjectName(QStringLiteral("cancel"));
  cancel->setAccessibleName(cancel_text);
  QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);

  auto* layout = new QVBoxLayout(dialog);
  layout->addLayout(grid_);
  layout->addSpacing(8);
  layout->addWidget(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

void DataDialogFrame::addRow(const QString& row_label, const QString& symbol, QLineEdit* field,
                             const QString& unit, const QString& tooltip) {
  const int row = rows_++;
  if (!row_label.isEmpty()) {
    auto* label = new QLabel(row_label, dialog_);
    label->setBuddy(field);
    grid_->addWidget(label, row, 0);
  }
  if (!symbol.isEmpty()) {
    auto* label = new QLabel(symbol, dialog_);
    label->setTextFormat(Qt::RichText);
    label->setBuddy(field);
    grid_->addWidget(label, row, 1);
  }
  field->setToolTip(tooltip);
  field->setAccessibleDescription(tooltip);
  field->setMinimumWidth(std::max(field->minimumWidth(), 160));
  grid_->addWidget(field, row, 2);
  if (!unit.isEmpty()) grid_->addWidget(new QLabel(unit, dialog_), row, 3);
}

}  // namespace traxen
