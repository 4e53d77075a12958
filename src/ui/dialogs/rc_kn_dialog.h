// The dialog of a K or N joint of round braces on a rectangular chord: the chord force left of
// the joint and its moment, brace 1's force and angle, brace 2's angle, the eccentricity, the
// chord from the square and rectangular tubes and the braces from the round tube table, the
// members' steel, with a picture of the joint and brace 2's force and the chord force on the
// right as equilibrium gives them. OK hands back the confirmed job.
#pragma once

#include "ui/dialogs/rc_dialog_common.h"

namespace traxen {

class RcKnDialog : public RcJointDialog {
  Q_OBJECT
 public:
  RcKnDialog(const Job& job, SectionLibrary library, QWidget* parent = nullptr);

 private:
  void takeSections() override;
  std::vector<std::pair<double, double>> memberSizes() const override;
  void chordSize(double& h, double& b, double& t) const override;
  void drawJoint(DrawingSurface& surface, int width, int height) const override;
  void confirm() override;
  void showDerived() override;

  QLineEdit* n0_ = nullptr;
  QLineEdit* m0_ = nullptr;
  QLineEdit* e_ = nullptr;
  QLineEdit* fy0_ = nullptr;
  QLineEdit* n1_ = nullptr;
  QLineEdit* theta1_ = nullptr;
  QLineEdit* fy1_ = nullptr;
  QLineEdit* theta2_ = nullptr;
  QLineEdit* fy2_ = nullptr;
  QLabel* derived_ = nullptr;
  ChsSectionChoice* brace1_ = nullptr;
  ChsSectionChoice* brace2_ = nullptr;
};

}  // namespace traxen
