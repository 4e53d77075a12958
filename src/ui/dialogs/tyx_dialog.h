// The T/Y/X joint dialog: chord and brace forces, the brace angle, the chord and brace
// sections from the library, the X-joint choice and the chord plates, with a preview of the
// joint. It edits a copy of the job; OK hands back the confirmed job.
#pragma once

#include <QDialog>

#include "model/job.h"
#include "report/report_inputs.h"
#include "report/surface.h"
#include "sections/section_library.h"
#include "ui/dialogs/dialog_numbers.h"
#include "ui/dialogs/dialog_widgets.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace traxen {

class JointPreview;
class SectionPicker;

class CXYTDlg : public QDialog {
  Q_OBJECT
 public:
  CXYTDlg(const Job& job, SectionLibrary library, QWidget* parent = nullptr);
  ~CXYTDlg() override;

  // Reads the section types and restores the stored sections, then draws the first preview.
  // On failure the dialog must not be shown: it stands for a cancelled dialog.
  LibraryError initialise();

  // The dialog's job: after OK exactly what OK wrote (T/Y/X fields, brace 2 mirrored, the
  // chord's A0 and Wel0, the classes, the family flags).
  const Job& job() const { return job_; }

  // The values the preview shows (those of its last drawing) and the drawing itself.
  const ReportInputs& previewValues() const { return preview_values_; }
  void drawPreview(DrawingSurface& surface, int width, int height) const;

 public slots:
  void accept() override;
  // "JOONISTA": the edits are read and the preview drawn again.
  void redraw();

 private:
  void buildLayout();
  QWidget* buildChordBox();
  QWidget* buildBraceBox();
  QWidget* buildLowerBraceBox();
  void connectActions();
  void takeSections();
  void updatePreview();
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
  QComboBox* chord_type_ = nullptr;
  QComboBox* chord_number_ = nullptr;
  QLabel* chord_text_ = nullptr;
  QComboBox* brace_type_ = nullptr;
  QComboBox* brace_number_ = nullptr;
  QLabel* brace_text_ = nullptr;
  PlateRow face_;
  PlateRow side_;
  QCheckBox* x_joint_ = nullptr;
  QPushButton* draw_button_ = nullptr;
  QPushButton* ok_button_ = nullptr;
  QPushButton* cancel_button_ = nullptr;
  JointPreview* preview_ = nullptr;
  SectionPicker* chord_ = nullptr;
  SectionPicker* brace_ = nullptr;
};

}  // namespace traxen
