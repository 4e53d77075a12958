// The steel properties dialog: yield and tensile strengths of the chord and both braces, the
// reinforcing plates' yield strength, the elastic modulus and the three partial factors.
#pragma once

#include <QDialog>
#include <QString>
#include <vector>

#include "model/job.h"
#include "ui/dialogs/dialog_numbers.h"

class QLabel;
class QLineEdit;

namespace traxen {

// Under the fields, in yellow, a line for each member whose f_u is below 1.10 f_y (EN 1993-1-1
// 3.2.2): a warning, not a refusal; OK takes such a steel. The member's f_u field is yellow too.
class SteelDialog : public QDialog {
  Q_OBJECT
 public:
  explicit SteelDialog(const JobSteel& steel, QWidget* parent = nullptr);
  const JobSteel& steel() const { return steel_; }  // what OK wrote; the input until then

  void accept() override;  // stays open when a field is not a number

 private:
  // A member's two strength fields, named as its row group names it ("Vöö", "Varras 1").
  struct Strengths {
    QString member;
    QLineEdit* fy;
    QLineEdit* fu;
  };
  void updateDuctilityWarning();

  JobSteel steel_;
  JobSteel edited_;
  NumericEdits fields_;
  std::vector<Strengths> strengths_;
  QLabel* ductility_warning_ = nullptr;
};

// Runs the dialog on a copy of `job.steel`; true on OK, with `job.steel` written.
bool EditSteel(QWidget* parent, Job& job);

}  // namespace traxen
