// The dialog of a T, Y or X joint of a round brace on a rectangular chord: the chord's force
// and moment, the brace force and angle, the chord from the square and rectangular tubes and
// the brace from the round tube table, the X-joint choice and the members' steel, with a
// picture of the joint. It edits a copy of the job; OK hands back the confirmed job.
#pragma once

#include "ui/dialogs/rc_dialog_common.h"

class QCheckBox;

namespace traxen {

class RcTyxDialog : public RcJointDialog {
  Q_OBJECT
 public:
  RcTyxDialog(const Job& job, SectionLibrary library, QWidget* parent = nullptr);

 private:
  void takeSections() override;
  std::vector<std::pair<double, double>> memberSizes() const override;
  void chordSize(double& h, double& b, double& t) const override;
  void drawJoint(DrawingSurface& surface, int width, int height) const override;
  void confirm() override;

  QLineEdit* n0_ = nullptr;
  QLineEdit* m0_ = nullptr;
  QLineEdit* fy0_ = nullptr;
  QLineEdit* n1_ = nullptr;
  QLineEdit* theta1_ = nullptr;
  QLineEdit* fy1_ = nullptr;
  QCheckBox* x_joint_ = nullptr;
  ChsSectionChoice* brace_ = nullptr;
};

}  // namespace traxen
