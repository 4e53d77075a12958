// Numbers in the dialogs' edits: written so that they read back to the very same double,
// and read with a decimal point or a decimal comma (as Estonian keyboards type it),
// independent of the locale.
#pragma once

#include <QString>
#include <initializer_list>
#include <optional>
#include <string_view>
#include <vector>

#include "model/value_ranges.h"
#include "ui/dialogs/enter_a_number.h"

class QLineEdit;
class QObject;
class QWidget;

namespace traxen {

// A finite number, or nothing: blanks around it are ignored, "1,5" reads as 1.5, a leading
// '+' is allowed; empty text, "inf", "nan" and out-of-range values are not numbers.
std::optional<double> ParseDialogNumber(const QString& text);

// The text of `value` in printf's general form ("%g") with the fewest significant digits,
// 15 at least, that read back as `value`: "-271.6", "84.3", "210000", "1e-07", and
// "0.30000000000000004" for 0.1 + 0.2, which 15 digits would show as 0.3.
QString FormatDialogNumber(double value);

// What a number field holds, for its messages and its range: the symbol as the dialog's
// label shows it (rich text, "N<sub>1</sub>", "θ<sub>1</sub>"), the unit beside it ("kN",
// "" for none) and the range of the job value it edits.
struct FieldSpec {
  QString symbol;
  QString unit;
  ValueRange range = ValueRange::kAnyFinite;
};

// The description of the field that edits job key `key` ("len.L1"): its range from the range table.
FieldSpec FieldOfKey(std::string_view key, const QString& symbol, const QString& unit);

// Why `text` cannot be taken for the field ("" when it can): not a number ("Sisesta arv:
// N<sub>1</sub> (kN)."), or, when `check_range`, outside the field's range, also as a
// project file writes it with six decimals ("L<sub>1</sub> peab olema > 0 m."). Rich text.
QString FieldProblem(const FieldSpec& spec, const QString& text, bool check_range = true);

// Marks a field that cannot be taken: pink, with `problem` as its tooltip; an empty problem
// brings back its own look and tooltip.
void MarkField(QWidget* field, const QString& problem);

// The numeric edits of a dialog bound to the values they edit, read all or nothing. An edit
// is checked against its range only while it is enabled: a plate switched off keeps its
// sizes unchecked, as the project file does.
class NumericEdits {
 public:
  void add(QLineEdit* edit, double* value, FieldSpec spec = {});
  // The bound edits, in the order they were added.
  std::vector<QLineEdit*> edits() const;

  // Every edit shows its value, marked when it cannot be taken.
  void show() const;
  // Why the edit cannot be taken ("" when it can, or when it is not bound).
  QString problemOf(const QLineEdit* edit) const;
  // The edit is marked when it cannot be taken and unmarked otherwise.
  void mark(QLineEdit* edit) const;
  void markAll() const;
  // An edit is marked when the user leaves it with something it cannot take, and unmarked as
  // soon as its text can be taken.
  void markOnLeaving(QObject* context) const;

  // Each of these edits that holds no number shows its value again (for edits about to be
  // disabled, where a non-number could no longer be corrected).
  void revertNonNumbers(std::initializer_list<QLineEdit*> edits) const;

  // Reads every edit; all or nothing. The first edit that holds no number, or a number out
  // of its range, is returned and no value is taken.
  QLineEdit* read();
  // As read(), and on failure tells the user why, naming the field, and selects that edit.
  // Returns false on failure.
  bool readOrComplain(QWidget* parent);

 private:
  struct Binding {
    QLineEdit* edit;
    double* value;
    FieldSpec spec;
  };
  const Binding* find(const QLineEdit* edit) const;
  std::vector<Binding> bindings_;
};

// The message box of a dialog: title "TRAXEN", one OK button.
void ShowDialogMessage(QWidget* parent, const QString& text, Qt::TextFormat format = Qt::PlainText);

}  // namespace traxen
