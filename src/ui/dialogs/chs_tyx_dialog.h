// The circular hollow section T/Y/X joint dialog: the chord's prestress and moment, the brace
// force and angle, both sections from the circular hollow section table, the X-joint choice
// and the members' steel, with a picture of the joint. It edits a copy of the job; OK hands
// back the confirmed job (the group, the chord's ring values, the family flag).
#pragma once

#include "ui/dialogs/chs_dialog_common.h"

class QCheckBox;

namespace traxen {

class ChsTyxDialog : public ChsJointDialog {
  Q_OBJECT
 public:
  ChsTyxDialog(const Job& job, SectionLibrary library, QWidget* parent = nullptr);

 private:
  void takeSections() override;
  std::vector<std::pair<double, double>> memberSizes() const override;
  void drawJoint(DrawingSurface& surface, int width, int height) const override;
  void confirm() override;

  QLineEdit* n0_ = nullptr;
  QLineEdit* m0_ = nullptr;
  QLineEdit* fy0_ = nullptr;
  QLineEdit* n1_ = nullptr;
  QLineEdit* theta1_ = nullptr;
  QLineEdit* fy1_ = nullptr;
  QCheckBox* x_joint_ = nullptr;
  ChsSectionChoice* chord_ = nullptr;
  ChsSectionChoice* brace_ = nullptr;
};

}  // namespace traxen
