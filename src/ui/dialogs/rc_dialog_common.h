// What the two dialogs of round braces on a rectangular chord add to the circular joints'
// dialog: the chord picked from the library's square and rectangular hollow sections (its
// h × b × t, and its area and section modulus on OK), the braces from the round tube table.
#pragma once

#include <memory>
#include <vector>

#include "ui/dialogs/chs_dialog_common.h"

class QComboBox;

namespace traxen {

// The chord's section: one combo of every square and rectangular tube of the library
// ("200x200x8"), the job's own size first when no table holds it.
class RectangularSectionChoice {
 public:
  explicit RectangularSectionChoice(QComboBox* combo) : combo_(combo) {}
  // Reads the rectangular tube tables and selects the size (h, b, t).
  LibraryError fill(const SectionLibrary& library, double h, double b, double t);
  // The chosen size and, when a library row, its area (cm²) and section modulus (cm³); false
  // when nothing is chosen.
  bool chosen(double& h, double& b, double& t, double* A = nullptr, double* Wy = nullptr) const;
  QComboBox* combo() const { return combo_; }

 private:
  struct Size {
    double h, b, t, A, Wy;  // A and Wy 0 for the job's own size
  };
  QComboBox* combo_;
  std::vector<Size> sizes_;
};

class RcJointDialog : public ChsJointDialog {
  Q_OBJECT
 public:
  ~RcJointDialog() override;
  // The circular joints' initialisation, then the chord's list.
  LibraryError initialiseAll();

 public slots:
  void accept() override;

 protected:
  RcJointDialog(const Job& job, SectionLibrary library, const QString& object_name, const QString& title,
                QWidget* parent);
  // The chord's combo in the chord box (a grid) below its edits.
  void addChordChoice(QGroupBox* box);
  // The chord's size as the job holds it.
  virtual void chordSize(double& h, double& b, double& t) const = 0;
  // After OK's confirmation: a library row's own A and Wel0 for the chord.
  void takeChordProperties();

  RectangularSectionChoice* chord_choice_ = nullptr;

 private:
  std::unique_ptr<RectangularSectionChoice> owned_chord_;
};

// The shell's entry: the dialog of the family on a copy of `job`, with the section library
// found as for every joint dialog. True when the user pressed OK: `job` then holds what OK
// wrote. Cancel, or a library that cannot be read (said in a message box), returns false and
// leaves `job` as it was.
bool RunRcTyxDialog(QWidget* parent, Job& job);
bool RunRcKnDialog(QWidget* parent, Job& job);

}  // namespace traxen
