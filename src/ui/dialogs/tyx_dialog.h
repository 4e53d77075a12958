// The T/Y/X joint dialog: chord and brace forces, the brace angle, the chord and brace
// sections from the library, the X-joint choice and the chord plates, with a preview of the
// joint. It edits a copy of the job; OK hands back the confirmed job (T/Y/X fields, brace 2
// mirrored, the chord's A0 and Wel0, the classes, the family flags).
#pragma once

#include "ui/dialogs/joint_dialog_common.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

namespace traxen {

class CXYTDlg : public JointDialog {
  Q_OBJECT
 public:
  CXYTDlg(const Job& job, SectionLibrary library, QWidget* parent = nullptr);
  ~CXYTDlg() override;

  void drawPreview(DrawingSurface& surface, int width, int height) const override;

 private:
  void buildLayout();
  QWidget* buildChordBox();
  QWidget* buildBraceBox();
  QWidget* buildLowerBraceBox();
  void takeSections() override;
  // The picture shows the dialog's values; drawing makes the lower brace the brace's mirror.
  void refresh() override;
  void confirm() override;
  std::vector<StoredSection> storedSections() const override;

  QLineEdit* n0_edit_ = nullptr;
  QLineEdit* m0_edit_ = nullptr;
  QLineEdit* n1_edit_ = nullptr;
  QLineEdit* theta1_edit_ = nullptr;
  QComboBox* chord_type_ = nullptr;
  QComboBox* chord_number_ = nullptr;
  QLabel* chord_text_ = nullptr;
  QComboBox* brace_type_ = nullptr;
  QComboBox* brace_number_ = nullptr;
  QLabel* brace_text_ = nullptr;
  QCheckBox* x_joint_ = nullptr;
  QLabel* theta1_note_ = nullptr;
  SectionPicker* chord_ = nullptr;
  SectionPicker* brace_ = nullptr;
};

}  // namespace traxen
