// What the two circular hollow section joint dialogs share: the job copy they edit, the bound
// number edits (pink while they hold no number or one out of range), the section choices from
// the library's circular hollow section table, the steel of the members, the picture that
// follows every edit, and JOONISTA/OK/Cancel. Each dialog adds its boxes and its confirmation.
#pragma once

#include <QDialog>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

#include "model/job.h"
#include "report/surface.h"
#include "sections/section_library.h"
#include "ui/dialogs/dialog_numbers.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QVBoxLayout;

namespace traxen {

class JointPreview;

// The library's type of circular hollow sections (EN 10219-2, toru.prf).
inline constexpr const char* kChsSectionType = "YMARTORU";

// One member's section: a combo of the table's sizes ("88.9x5") and the member's own size
// first when the table lacks it, so that a job keeps its sections until the user picks another.
class ChsSectionChoice {
 public:
  ChsSectionChoice(QComboBox* combo, QLabel* description) : combo_(combo), description_(description) {}
  // Fills the combo from `rows` and selects the member's size (d, t).
  void fill(const SectionTable& rows, double d, double t);
  // The chosen size; false when nothing is chosen.
  bool chosen(double& d, double& t) const;
  QComboBox* combo() const { return combo_; }

 private:
  struct Size {
    double d, t;
  };
  QComboBox* combo_;
  QLabel* description_;
  std::vector<Size> sizes_;  // by combo index
};

class ChsJointDialog : public QDialog {
  Q_OBJECT
 public:
  ~ChsJointDialog() override;

  // Reads the circular hollow section table and shows the job's values. On failure the
  // dialog must not be shown: it stands for a cancelled dialog.
  LibraryError initialise();

  // The dialog's job: after OK exactly what OK wrote.
  const Job& job() const { return job_; }
  // Whether the picture says "andmed vigased": a field holds no number or one out of range.
  bool previewShowsInvalidInput() const { return preview_invalid_; }
  // Draws the picture onto any surface, as the picture area paints it.
  void drawPicture(DrawingSurface& surface, int width, int height) const;

 public slots:
  void accept() override;
  // Reads the edits and the sections and draws the picture again.
  void redraw();

 protected:
  ChsJointDialog(const Job& job, SectionLibrary library, const QString& object_name, const QString& title,
                 QWidget* parent);

  // A member box: the heading, its number edits (name, label, unit, tooltip) and the
  // section combo; the choice is added to `choices_`.
  struct EditText {
    QString name, label, unit, tip;
    QLineEdit** edit;
  };
  QGroupBox* memberBox(const QString& box_name, const QString& heading, std::initializer_list<EditText> edits,
                       const QString& combo_name, const QString& combo_tip, ChsSectionChoice** choice);
  // The picture on the left, the boxes and buttons on the right.
  void finishLayout(QVBoxLayout* right);
  // After the edits are bound: they show their values and follow the user.
  void connectEdits();

  // The chosen sections into the job, in the order the boxes were built.
  virtual void takeSections() = 0;
  // The sections' sizes as the job holds them, one a choice.
  virtual std::vector<std::pair<double, double>> memberSizes() const = 0;
  virtual void drawJoint(DrawingSurface& surface, int width, int height) const = 0;
  // OK: the job becomes a job of the dialog's family.
  virtual void confirm() = 0;
  // Values that follow the others (the K/N joint's derived forces) shown again.
  virtual void showDerived() {}

  Job job_;
  SectionLibrary library_;
  NumericEdits edits_;
  std::vector<ChsSectionChoice*> choices_;
  JointPreview* preview_ = nullptr;
  QPushButton* draw_button_ = nullptr;
  QPushButton* ok_button_ = nullptr;
  QPushButton* cancel_button_ = nullptr;

 private:
  bool preview_invalid_ = false;
  std::vector<std::unique_ptr<ChsSectionChoice>> owned_choices_;
};

// The shell's entry: the dialog of the family on a copy of `job`, with the section library
// found as for every joint dialog. True when the user pressed OK: `job` then holds what OK
// wrote (the family's group, the chord's ring values, the family flag). Cancel, or a library
// that cannot be read (said in a message box), returns false and leaves `job` as it was.
bool RunChsTyxDialog(QWidget* parent, Job& job);
bool RunChsKnDialog(QWidget* parent, Job& job);

}  // namespace traxen
