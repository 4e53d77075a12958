// The K/N joint dialog: chord force and moment, the brace 1 force and angle, the brace 2
// angle, the eccentricity, the three sections from the library and the plates, with the
// derived brace 2 force and a preview of the joint. It edits a copy of the job; OK hands
// back the confirmed job: the K/N fields with N2 and N0,p derived, the classes of the three
// sections, the chord's A0 and Wel0 and the family flags.
#pragma once

#include "ui/dialogs/joint_dialog_common.h"

class QComboBox;
class QLabel;
class QLineEdit;

namespace traxen {

// The text of the read-only N2 field: two decimals, and "inf" or "nan" as the report
// prints a force that cannot be derived (θ2 of 0° or 180°).
QString FormatDerivedForce(double kn);

class CKNytaDLG : public JointDialog {
  Q_OBJECT
 public:
  CKNytaDLG(const Job& job, SectionLibrary library, QWidget* parent = nullptr);
  ~CKNytaDLG() override;

  void drawPreview(DrawingSurface& surface, int width, int height) const override;

 private:
  QWidget* buildChordBox();
  QWidget* buildBrace1Box();
  QWidget* buildBrace2Box();
  void buildLayout();
  void takeSections() override;
  // N2 and N0,p follow the dialog's forces and angles; the picture shows the dialog's values.
  void refresh() override;
  void confirm() override;
  std::vector<StoredSection> storedSections() const override;

  QLineEdit* n0_edit_ = nullptr;
  QLineEdit* m0_edit_ = nullptr;
  QLineEdit* n1_edit_ = nullptr;
  QLineEdit* theta1_edit_ = nullptr;
  QLineEdit* n2_edit_ = nullptr;
  QLineEdit* theta2_edit_ = nullptr;
  QLineEdit* e_edit_ = nullptr;
  QComboBox* chord_type_ = nullptr;
  QComboBox* chord_number_ = nullptr;
  QLabel* chord_text_ = nullptr;
  QComboBox* brace1_type_ = nullptr;
  QComboBox* brace1_number_ = nullptr;
  QLabel* brace1_text_ = nullptr;
  QComboBox* brace2_type_ = nullptr;
  QComboBox* brace2_number_ = nullptr;
  QLabel* brace2_text_ = nullptr;
  PlateRow overlap_;
  QLabel* theta1_note_ = nullptr;
  QLabel* theta2_note_ = nullptr;
  SectionPicker* chord_ = nullptr;
  SectionPicker* brace1_ = nullptr;
  SectionPicker* brace2_ = nullptr;
};

}  // namespace traxen
