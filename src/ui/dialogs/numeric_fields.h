// Numeric edit fields shared by the data dialogs: numbers shown in the shortest general form
// (up to 15 significant digits) and read back with a decimal point or a decimal comma, as
// Estonian keyboards type it. A dialog checks its fields on OK; the first field that does not
// hold a number gets the message "Enter a number." and the focus with its text selected.
#pragma once

#include <QLineEdit>
#include <QString>
#include <optional>
#include <vector>

#include "ui/dialogs/enter_a_number.h"

class QDialog;
class QGridLayout;

namespace traxen {

// "355", "0.5", "1.25", "210000", "1e-07": printf's "%.15g" in the classic locale.
QString FormatNumber(double value);

// Accepts an optional sign, digits with one decimal point or comma, and an exponent; blanks
// around the number are ignored. Anything else (empty text, "12a", "1,2,3") is not a number.
std::optional<double> ParseNumber(const QString& text);

// One numeric field bound to a double the dialog edits.
struct NumericField {
  QLineEdit* edit = nullptr;
  double* target = nullptr;
};

class NumericFieldSet {
 public:
  // A line edit named `object_name` (also its accessible name) holding `*target`.
  QLineEdit* add(const QString& object_name, const QString& accessible_name, double* target,
                 QWidget* parent);

  // Reads every field; when one is not a number, shows "Enter a number." over `dialog`,
  // selects that field and returns false without writing anything. Otherwise writes every
  // target and returns true.
  bool commit(QDialog* dialog);

  const std::vector<NumericField>& fields() const { return fields_; }

 private:
  std::vector<NumericField> fields_;
};

}  // namespace traxen
