// The steel properties dialog: yield and tensile strengths of the chord and both braces, the
// reinforcing plates' yield strength, the elastic modulus and the three partial factors.
#pragma once

#include <QDialog>

#include "model/job.h"
#include "ui/dialogs/dialog_numbers.h"

namespace traxen {

class SteelDialog : public QDialog {
  Q_OBJECT
 public:
  explicit SteelDialog(const JobSteel& steel, QWidget* parent = nullptr);
  const JobSteel& steel() const { return steel_; }  // what OK wrote; the input until then

  void accept() override;  // stays open when a field is not a number

 private:
  JobSteel steel_;
  JobSteel edited_;
  NumericEdits fields_;
};

// Runs the dialog on a copy of `job.steel`; true on OK, with `job.steel` written.
bool EditSteel(QWidget* parent, Job& job);

}  // namespace traxen
