// A drop-down of the hollow-section steel grades beside a member's strength fields: picking
// a grade fills f_y (and f_u where the member keeps it) from the grade table; typing other
// strengths shows "muu" (other).
#pragma once

#include <QComboBox>

class QGridLayout;
class QLineEdit;

namespace traxen {

inline constexpr const char* kOtherGrade = QT_TRANSLATE_NOOP("traxen::SteelGradeBox", "muu");

class SteelGradeBox : public QComboBox {
  Q_OBJECT
 public:
  // `fu` may be null: the plates keep only a yield strength.
  SteelGradeBox(const QString& object_name, QLineEdit* fy, QLineEdit* fu, QWidget* parent = nullptr);

  // The grade's table index, or -1 for "muu".
  int grade() const { return currentIndex() - 1; }

 private:
  void fill(int index);
  void match();

  QLineEdit* fy_;
  QLineEdit* fu_;
  bool filling_ = false;
};

// Puts a grade box beside the chord's, each brace's and the plates' yield strength field
// (object names "fy0" … "fy_plate") of a dialog's grid, named "grade0", "grade1", "grade2"
// and "gradePlate".
void AddSteelGradeBoxes(QWidget* dialog, QGridLayout* grid);

}  // namespace traxen
