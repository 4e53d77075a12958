// Numbers in the dialogs' edits: written so that they read back to the very same double,
// and read with a decimal point or a decimal comma (as Estonian keyboards type it),
// independent of the locale.
#pragma once

#include <QString>
#include <initializer_list>
#include <optional>
#include <vector>

#include "ui/dialogs/enter_a_number.h"

class QLineEdit;
class QWidget;

namespace traxen {

// A finite number, or nothing: blanks around it are ignored, "1,5" reads as 1.5, a leading
// '+' is allowed; empty text, "inf", "nan" and out-of-range values are not numbers.
std::optional<double> ParseDialogNumber(const QString& text);

// The text of `value` in printf's general form ("%g") with the fewest significant digits,
// 15 at least, that read back as `value`: "-271.6", "84.3", "210000", "1e-07", and
// "0.30000000000000004" for 0.1 + 0.2, which 15 digits would show as 0.3.
QString FormatDialogNumber(double value);

// The numeric edits of a dialog bound to the values they edit, read all or nothing.
class NumericEdits {
 public:
  void add(QLineEdit* edit, double* value);
  // The bound edits, in the order they were added.
  std::vector<QLineEdit*> edits() const;

  // Every edit shows its value.
  void show() const;
  // Every edit that holds a number shows whether it does (a non-number is tinted).
  static void markValidity(QLineEdit* edit);

  // Each of these edits that holds no number shows its value again (for edits about to be
  // disabled, where a non-number could no longer be corrected).
  void revertNonNumbers(std::initializer_list<QLineEdit*> edits) const;

  // Reads every edit; all or nothing. The first edit that holds no number is returned and
  // no value is taken.
  QLineEdit* read();
  // As read(), and on failure tells the user "Enter a number." and puts the focus on that
  // edit. Returns false on failure.
  bool readOrComplain(QWidget* parent);

 private:
  struct Binding {
    QLineEdit* edit;
    double* value;
  };
  std::vector<Binding> bindings_;
};

// The message box of a dialog: title "TRAXEN", one OK button.
void ShowDialogMessage(QWidget* parent, const QString& text);

}  // namespace traxen
