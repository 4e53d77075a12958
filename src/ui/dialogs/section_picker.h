// One member's section choice in a joint dialog: the type combo, the section-number combo
// and the description line, kept in step with the section library.
#pragma once

#include <QObject>
#include <QString>
#include <optional>
#include <string>
#include <vector>

#include "sections/library_error.h"
#include "sections/section_library.h"

class QComboBox;
class QLabel;

namespace traxen {

// The name a type combo gives a section type: the list file's own name in Estonian, whose
// users know RUUTTORU and RISTTORU_I by it; in English the tube's short name ("Cold-formed
// SHS"). A type that is no tube keeps its name (HEA, IPE).
QString SectionTypeTitle(const std::string& name);
// The line under a member's section: what the tube is and its product standard
// ("külmvormitud ruuttoru, EN 10219-2"); empty for a type that is no tube.
QString SectionStandardText(const std::string& type_name);

class SectionPicker : public QObject {
  Q_OBJECT
 public:
  // `fy_class` (MPa) is the steel strength the member's section is classified with;
  // `member_name` names the member in messages ("Vöö", "1. varras").
  SectionPicker(const SectionLibrary& library, Member member, double fy_class, QComboBox* type_combo,
                QComboBox* number_combo, QLabel* description, const QString& member_name,
                QObject* parent = nullptr);

  // The section types of the list file, in its order. The type combo offers only the joint
  // member types among them (square and rectangular hollow sections); each entry keeps its
  // position in the list file, which is the type index a job stores.
  void setTypeNames(const std::vector<std::string>& names);

  // Selects the stored type and section as the dialog does when it opens. A section
  // position beyond the end of the list takes the last row. A stored type that is no joint
  // member type selects nothing: the member has no section and typeProblem() says why until
  // the user chooses a type. Nothing changes on failure.
  LibraryError restore(int type_index, int number_index);

  // The user's choices, also reachable from the combos: a type change (by its position in
  // the list file) refills the section list and keeps the position (0 moves to 1, beyond the
  // end to the last row). On failure the previous type and section stay selected and
  // nothing changes.
  LibraryError chooseType(int type_index);
  LibraryError chooseNumber(int number_index);

  // Takes the text typed into the section-number combo when it names a section of the list
  // ("200x200x8" finds "  200x200x8"). A text that names none is kept and the combo marked,
  // the current section unchanged; an emptied combo shows the current section again.
  // Returns false when the text named no section.
  bool applyTypedNumber();

  // Why the member cannot be confirmed as it stands ("" when it can): its stored type is no
  // joint member type, or its section combo holds a name the list does not have.
  QString typeProblem() const { return type_problem_; }
  QString numberProblem() const { return number_problem_; }
  QComboBox* typeCombo() const { return type_combo_; }
  QComboBox* numberCombo() const { return number_combo_; }

  int typeIndex() const { return type_index_; }
  int numberIndex() const { return number_index_; }
  bool hasSection() const { return row_.has_value(); }
  // The chosen, completed row (lengths mm, A cm², Wy cm³); a zero row when none is chosen.
  const SectionProperties& row() const;
  int sectionClass() const { return section_class_; }
  const std::string& description() const { return description_; }

 signals:
  // After a successful user choice.
  void sectionChanged();
  // A user choice the library could not serve; the previous choice is kept.
  void libraryFailed(const traxen::LibraryError& error);
  // typeProblem() or numberProblem() changed.
  void problemChanged();

 private:
  LibraryError fill(int type_index, int previous_position, bool keep_position_exact);
  void showCurrent();
  void setTypeProblem(const QString& problem);
  void setNumberProblem(const QString& problem);
  void onTypeActivated(int combo_index);
  void onNumberActivated(int index);
  void onNumberEdited();

  const SectionLibrary& library_;
  Member member_;
  double fy_class_;
  QComboBox* type_combo_;
  QComboBox* number_combo_;
  QLabel* description_label_;
  QString member_name_;
  QString type_problem_, number_problem_;

  std::vector<std::string> type_names_;
  int type_index_ = -1;
  int number_index_ = -1;
  std::vector<std::string> labels_;
  std::optional<SectionProperties> row_;
  int section_class_ = 0;
  std::string description_;
};

}  // namespace traxen
