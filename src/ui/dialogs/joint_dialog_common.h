// What the two joint dialogs share: the job copy they edit, the bound number edits, the
// section pickers and plate rows, the picture area, the JOONISTA/OK/Cancel buttons and the
// reactions to them. Each dialog adds its own boxes, its own values and its confirmation.
#pragma once

#include <QDialog>
#include <QSize>
#include <initializer_list>
#include <string>
#include <vector>

#include "model/job.h"
#include "model/report_inputs.h"
#include "report/surface.h"
#include "sections/section_library.h"
#include "ui/dialogs/dialog_numbers.h"
#include "ui/dialogs/dialog_widgets.h"

class QCheckBox;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QVBoxLayout;

namespace traxen {

class JointPreview;

// The buttons every joint dialog ends with, "JOONISTA", "OK" (the default) and "Loobu", added
// to `row` in that order.
struct JointDialogButtons {
  QPushButton* draw = nullptr;
  QPushButton* ok = nullptr;
  QPushButton* cancel = nullptr;
};
JointDialogButtons AddJointDialogButtons(QHBoxLayout* row);
class SectionPicker;

// One number edit of a member box: object name, tooltip, the label before it and the unit
// after it.
struct MemberEditText {
  QString name;
  QString tip;
  QString label;
  QString unit;
};

// A member's group box: the heading, two number edits on the first row, the section type
// and number combos on the second, the section's description line below.
struct MemberBox {
  QGroupBox* box = nullptr;
  QVBoxLayout* column = nullptr;  // for what a dialog adds below the description
  QLineEdit* first = nullptr;
  QLineEdit* second = nullptr;
  QComboBox* type = nullptr;
  QComboBox* number = nullptr;
  QLabel* text = nullptr;
};

struct MemberBoxText {
  QString box_name;
  QString heading;
  MemberEditText first;
  MemberEditText second;
  QString type_name;
  QString type_tip;
  QString number_name;
  QString number_tip;
  QString text_name;
};

MemberBox BuildMemberBox(const MemberBoxText& text);
// The box of brace `brace` (1 or 2): its force and angle, its section. Object names start
// with `name` ("braceBox", "braceTypeCombo", "braceNumberCombo", "braceSectionText"); the
// edits are "N<brace>Edit" and "theta<brace>Edit".
MemberBox BuildBraceBox(int brace, const QString& name);

// The column beside the picture: the member boxes from the top, room left below them.
QVBoxLayout* StackBoxes(std::initializer_list<QWidget*> boxes);

// The plate grid below the chord's description: header row, rows added by the dialog.
QGridLayout* AddPlateGrid(QVBoxLayout* column);

// The job fields one chosen section fills: dimensions (mm), list positions, the description
// line and the section class.
struct MemberFields {
  double& h;
  double& b;
  double& t;
  int& type_index;
  int& number_index;
  std::string& text;
  int& section_class;
};
void TakeSection(const SectionPicker& picker, const MemberFields& fields);
// The chord's area (cm² → mm²) and section modulus (cm³ → mm³).
void TakeChordProperties(const SectionPicker& chord, JobChord& properties);

class JointDialog : public QDialog {
  Q_OBJECT
 public:
  ~JointDialog() override;

  // Reads the section types and restores the stored sections, then brings the dialog's
  // values up to date and draws the first preview. On failure the dialog must not be shown:
  // it stands for a cancelled dialog.
  LibraryError initialise();

  // The dialog's job: after OK exactly what OK wrote.
  const Job& job() const { return job_; }

  // The values the preview shows (those of its last drawing) and the drawing itself.
  const ReportInputs& previewValues() const { return preview_values_; }
  virtual void drawPreview(DrawingSurface& surface, int width, int height) const = 0;
  // Whether the picture says "andmed vigased" instead: a field holds no number or one out of
  // its range, or a member has no hollow section (a stored type of another kind, a section
  // name the list does not have).
  bool previewShowsInvalidInput() const { return preview_invalid_; }

  // The project file the job was read from, named in the message that opens the dialog when
  // a stored section type is no hollow section.
  void setSourceFile(const QString& path) { source_file_ = path; }
  // That message ("" when every stored type is a hollow section), one line per member.
  QString sectionTypeProblems() const;

 public slots:
  void accept() override;
  // "JOONISTA": the edits are read and the preview drawn again.
  void redraw();

 protected:
  struct StoredSection {
    int type_index;
    int number_index;
  };

  JointDialog(const Job& job, SectionLibrary library, const QString& object_name, const QString& title,
              QWidget* parent);

  // The chosen sections become the dialog's values.
  virtual void takeSections() = 0;
  // Values that follow the others are derived and the picture drawn again.
  virtual void refresh() = 0;
  // OK: the job becomes a job of the dialog's family.
  virtual void confirm() = 0;
  // Draws the picture again from the dialog's values, or says the input is invalid.
  void showPicture();
  void showEvent(QShowEvent* event) override;
  // The stored sections, one a picker in the order of pickers_.
  virtual std::vector<StoredSection> storedSections() const = 0;

  // The face and side plate rows edit the job's plate dimensions (bound in this order).
  void bindFaceAndSidePlates();
  // The picture area with the room its sketch needs.
  void buildPreview(QSize preferred, QSize least);
  // JOONISTA, OK (the default) and Cancel, added to the end of `row`.
  void addButtons(QHBoxLayout* row);
  // The picture on the left, `right` beside it.
  void setMainLayout(QVBoxLayout* right);
  // After the edits are bound, the pickers and plate rows registered: the edits show their
  // values and every control is wired to its reaction.
  void showAndConnect(std::initializer_list<QCheckBox*> toggles);

  Job job_;
  SectionLibrary library_;
  ReportInputs preview_values_;
  NumericEdits edits_;
  std::vector<SectionPicker*> pickers_;
  std::vector<const PlateRow*> plate_rows_;
  PlateRow face_;
  PlateRow side_;
  JointPreview* preview_ = nullptr;
  QPushButton* draw_button_ = nullptr;
  QPushButton* ok_button_ = nullptr;
  QPushButton* cancel_button_ = nullptr;

 private:
  bool inputValid() const;
  // Refuses OK: says why and puts the focus on `field`.
  void refuse(QWidget* field, const QString& problem);
  void onSectionChanged();
  void onLibraryFailed(const LibraryError& error);
  void onEditFinished();
  void onPlateToggled();
  void followCheckBoxes();

  bool preview_invalid_ = false;
  bool shown_once_ = false;
  QString source_file_;
};

// The picture of a joint dialog whose input cannot be drawn: a blank area saying "andmed
// vigased" in red.
void DrawInvalidInputPreview(DrawingSurface& surface, int width, int height);
inline constexpr const char* kInvalidInputText = QT_TRANSLATE_NOOP("traxen::JointDialog", "andmed vigased");

}  // namespace traxen
