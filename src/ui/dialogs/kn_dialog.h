// The K/N joint dialog: chord force and moment, the brace 1 force and angle, the brace 2
// angle, the eccentricity, the three sections from the library and the plates, with the
// derived brace 2 force and a preview of the joint. It edits a copy of the job; OK hands
// back the confirmed job.
#pragma once

#include <QDialog>

#include "model/job.h"
#include "report/report_inputs.h"
#include "report/surface.h"
#include "sections/section_library.h"
#include "ui/dialogs/dialog_numbers.h"
#include "ui/dialogs/dialog_widgets.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace traxen {

class JointPreview;
class SectionPicker;

// The text of the read-only N2 field: two decimals, and "inf" or "nan" as the report
// prints a force that cannot be derived (θ2 of 0° or 180°).
QString FormatDerivedForce(double kn);

class CKNytaDLG : public QDialog {
  Q_OBJECT
 public:
  CKNytaDLG(const Job& job, SectionLibrary library, QWidget* parent = nullptr);
  ~CKNytaDLG() override;

  // Reads the section types and restores the three stored sections, derives N2 and draws
  // the first preview. On failure the dialog must not be shown: it stands for a cancelled
  // dialog.
  LibraryError initialise();

  // After OK exactly what OK wrote: the K/N fields with N2 and N0,p derived, the classes of
  // the three sections, the chord's A0 and Wel0 and the family flags.
  const Job& job() const { return job_; }

  const ReportInputs& previewValues() const { return preview_values_; }
  void drawPreview(DrawingSurface& surface, int width, int height) const;

 public slots:
  void accept() override;
  // "JOONISTA": the edits are read, N2 and N0,p derived and the preview drawn again.
  void redraw();

 private:
  QWidget* buildChordBox();
  QWidget* buildBrace1Box();
  QWidget* buildBrace2Box();
  void buildLayout();
  void connectActions();
  void takeSections();
  void deriveAndDraw();
  void onSectionChanged();
  void onLibraryFailed(const LibraryError& error);
  void onEditFinished();
  void onPlateToggled();

  Job job_;
  SectionLibrary library_;
  ReportInputs preview_values_;
  NumericEdits edits_;

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
  PlateRow face_;
  PlateRow side_;
  PlateRow overlap_;
  QPushButton* draw_button_ = nullptr;
  QPushButton* ok_button_ = nullptr;
  QPushButton* cancel_button_ = nullptr;
  JointPreview* preview_ = nullptr;
  SectionPicker* chord_ = nullptr;
  SectionPicker* brace1_ = nullptr;
  SectionPicker* brace2_ = nullptr;
};

}  // namespace traxen
