// The common frame of the data dialogs: a grid of rows (row label, symbol with a lowered
// index, field, unit) above the OK and Cancel buttons, with object and accessible names.
#pragma once

#include <QDialog>
#include <QString>

class QGridLayout;
class QLineEdit;

namespace traxen {

// Rich text of a symbol with a lowered index, e.g. Symbol("f", "yk") or Symbol("γ", "M0").
QString Symbol(const QString& letter, const QString& index);

// A right-aligned number field named `object_name`, with `accessible_name`.
QLineEdit* NumberField(const QString& object_name, const QString& accessible_name, QWidget* parent);

class DataDialogFrame {
 public:
  // Builds the grid and the buttons into `dialog`, titled `title`.
  DataDialogFrame(QDialog* dialog, const QString& title, const QString& object_name);

  // One row; `row_label` may be empty (a continued group), `symbol` and `unit` too. `field`
  // gets `tooltip`, also as its accessible description.
  void addRow(const QString& row_label, const QString& symbol, QLineEdit* field, const QString& unit,
              const QString& tooltip);

  QGridLayout* grid() const { return grid_; }

 private:
  QDialog* dialog_;
  QGridLayout* grid_;
  int rows_ = 0;
};

}  // namespace traxen
