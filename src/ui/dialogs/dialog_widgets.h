// The look shared by the joint dialogs: blue static texts with lowered indices, orange
// headings, centred number edits and the plate rows with their check boxes.
#pragma once

#include <QString>
#include <initializer_list>

class QCheckBox;
class QComboBox;
class QDialog;
class QGridLayout;
class QLabel;
class QLineEdit;
class QWidget;

namespace traxen {

class NumericEdits;
struct FieldSpec;

// Light grey dialog background; static texts default to blue on it.
void ApplyJointDialogPalette(QDialog* dialog);

// A blue static text; `rich` may hold <sub> for lowered indices and Greek letters.
QLabel* StaticText(const QString& rich, QWidget* buddy = nullptr);
// An orange bold heading ("VÖÖ", "1. VARRAS", "MÄRKUS").
QLabel* Heading(const QString& text);

// A centred number edit wide enough for "-00000.000"; `name` is its object and accessible
// name, `tip` its tooltip (none when empty).
QLineEdit* NumberEdit(const QString& name, const QString& tip = QString());
// The same, narrower, for a plate's length, width or thickness (mm).
QLineEdit* SizeEdit(const QString& name, const QString& tip = QString());

// A section type or number combo with its tooltip, and a member's description line.
QComboBox* SectionCombo(const QString& name, const QString& tip);
QLabel* SectionText(const QString& name);

// One plate row: the check box with the row's text, then l × b × t mm.
struct PlateRow {
  QString text;  // the row's own text, naming its fields in messages
  QCheckBox* check = nullptr;
  QLineEdit* l = nullptr;
  QLineEdit* b = nullptr;
  QLineEdit* t = nullptr;
  // The three edits follow the check box's state; a non-number left in an edit that is
  // switched off shows its value again, since it could no longer be corrected. Sizes are
  // checked against their range only while the plate is on.
  void followCheckBox(const NumericEdits& edits) const;
  // The description of the row's l, b or t field ("Pinna tugevdus l", mm), a size > 0.
  static FieldSpec SizeField(const QString& row_text, const QString& letter);
};

// Adds the column header "l × b × t mm" at `row` of `grid`.
void AddPlateHeader(QGridLayout* grid, int row);
// Adds a plate row at `row`: names are "<name>Check", "<name>L", "<name>B", "<name>T".
PlateRow AddPlateRow(QGridLayout* grid, int row, const QString& text, const QString& name,
                     std::initializer_list<QString> tips = {});

// A note on an angle's range ("30 ° <= θ1 <= 150 °") turns red while the angle typed in
// `edit` lies outside [low, high], and blue again when it lies inside or is no number yet.
void FollowAngleNote(QLabel* note, QLineEdit* edit, double low, double high);
bool NoteIsRed(const QLabel* note);

// The chord's force at its left and at its right end as the dialogs write them: N0,v and N0,p
// (vasak, parem) in Estonian, N0,left and N0,right in English.
QString ChordLeftForceSymbol();
QString ChordRightForceSymbol();

// Focus moves through `widgets` in this order with Tab.
void SetTabChain(std::initializer_list<QWidget*> widgets);

}  // namespace traxen
