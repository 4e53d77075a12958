// The section choice of one member, following the library's list rules.
#include "ui/dialogs/section_picker.h"

#include <fmt/format.h>

#include <QComboBox>
#include <QCompleter>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <algorithm>

#include "sections/section_class.h"
#include "sections/section_types.h"

namespace traxen {

namespace {

// The designation of a list label: its last word ("200x200x8" of "  200x200x8").
QString Designation(const QString& label) {
  const QString trimmed = label.trimmed();
  const qsizetype blank = trimmed.lastIndexOf(QLatin1Char(' '));
  return blank < 0 ? trimmed : trimmed.mid(blank + 1);
}

}  // namespace

SectionPicker::SectionPicker(const SectionLibrary& library, Member member, double fy_class, QComboBox* type_combo,
                             QComboBox* number_combo, QLabel* description, QObject* parent)
    : QObject(parent),
      library_(library),
      member_(member),
      fy_class_(fy_class),
      type_combo_(type_combo),
      number_combo_(number_combo),
      description_label_(description) {
  number_combo_->setEditable(true);
  number_combo_->setInsertPolicy(QComboBox::NoInsert);
  if (QCompleter* completer = number_combo_->completer()) {
    completer->setCompletionMode(QCompleter::PopupCompletion);
    completer->setFilterMode(Qt::MatchContains);
    completer->setCaseSensitivity(Qt::CaseInsensitive);
  }
  connect(type_combo_, &QComboBox::activated, this, &SectionPicker::onTypeActivated);
  connect(number_combo_, &QComboBox::activated, this, &SectionPicker::onNumberActivated);
  connect(number_combo_->lineEdit(), &QLineEdit::editingFinished, this, &SectionPicker::onNumberEdited);
}

void SectionPicker::setTypeNames(const std::vector<std::string>& names) {
  type_names_ = names;
  const QSignalBlocker block(type_combo_);
  type_combo_->clear();
  for (const std::string& name : names) type_combo_->addItem(QString::fromStdString(name));
  type_combo_->setCurrentIndex(type_index_);
}

const SectionProperties& SectionPicker::row() const {
  static const SectionProperties kNone;
  return row_ ? *row_ : kNone;
}

LibraryError SectionPicker::fill(int type_index, int previous_position, bool keep_position_exact) {
  if (type_index < 0 || type_index >= static_cast<int>(type_names_.size()))
    return {kTypeFileUnreadable,
            fmt::format("{}: the section type position {} is not in the list of {} types", library_.ListFilePath(),
                        type_index, type_names_.size())};
  const std::string& name = type_names_[static_cast<std::size_t>(type_index)];
  SectionList list;
  if (LibraryError e = library_.FillSectionList(name, member_, previous_position, list)) return e;
  std::optional<SectionProperties> row = list.row;
  int position = list.position;
  if (keep_position_exact && !list.labels.empty()) {
    // The stored position itself, not the refill rule; beyond the end is the last row.
    std::optional<SelectedSection> selected;
    if (LibraryError e = library_.SelectSection(name, std::max(previous_position, 0), selected)) return e;
    position = selected->position;
    row = selected->row;
  }
  type_index_ = type_index;
  number_index_ = position;
  labels_ = std::move(list.labels);
  row_ = std::move(row);
  description_ = list.standard_line;
  section_class_ = row_ ? LibrarySectionClass(FindSectionType(name)->kind, *row_, fy_class_) : 0;
  {
    const QSignalBlocker block(number_combo_);
    number_combo_->clear();
    for (const std::string& label : labels_) number_combo_->addItem(QString::fromStdString(label));
  }
  showCurrent();
  return {};
}

LibraryError SectionPicker::restore(int type_index, int number_index) { return fill(type_index, number_index, true); }

LibraryError SectionPicker::chooseType(int type_index) {
  LibraryError e = fill(type_index, number_index_, false);
  if (e) showCurrent();
  return e;
}

LibraryError SectionPicker::chooseNumber(int number_index) {
  if (type_index_ < 0) return {};
  const std::string& name = type_names_[static_cast<std::size_t>(type_index_)];
  std::optional<SelectedSection> selected;
  if (LibraryError e = library_.SelectSection(name, number_index, selected)) {
    showCurrent();
    return e;
  }
  if (selected) {
    number_index_ = selected->position;
    row_ = selected->row;
    section_class_ = LibrarySectionClass(FindSectionType(name)->kind, *row_, fy_class_);
  }
  showCurrent();
  return {};
}

bool SectionPicker::applyTypedNumber() {
  const QString typed = number_combo_->currentText().trimmed();
  const QString current =
      number_index_ >= 0 && number_index_ < number_combo_->count() ? number_combo_->itemText(number_index_) : QString();
  if (typed.compare(current.trimmed(), Qt::CaseInsensitive) == 0) return true;
  int found = -1;
  for (int i = 0; i < number_combo_->count() && found < 0; ++i) {
    const QString label = number_combo_->itemText(i);
    if (typed.compare(label.trimmed(), Qt::CaseInsensitive) == 0 ||
        typed.compare(Designation(label), Qt::CaseInsensitive) == 0)
      found = i;
  }
  if (found < 0) {
    showCurrent();
    return false;
  }
  if (LibraryError e = chooseNumber(found)) {
    emit libraryFailed(e);
    return false;
  }
  emit sectionChanged();
  return true;
}

void SectionPicker::showCurrent() {
  {
    const QSignalBlocker block(type_combo_);
    type_combo_->setCurrentIndex(type_index_);
  }
  {
    const QSignalBlocker block(number_combo_);
    number_combo_->setCurrentIndex(number_index_);
    if (number_index_ < 0) number_combo_->setEditText(QString());
  }
  description_label_->setText(QString::fromStdString(description_));
}

void SectionPicker::onTypeActivated(int index) {
  if (index == type_index_) return;
  if (LibraryError e = chooseType(index)) {
    emit libraryFailed(e);
    return;
  }
  emit sectionChanged();
}

void SectionPicker::onNumberActivated(int index) {
  if (index == number_index_) return;
  if (LibraryError e = chooseNumber(index)) {
    emit libraryFailed(e);
    return;
  }
  emit sectionChanged();
}

void SectionPicker::onNumberEdited() { applyTypedNumber(); }

}  // namespace traxen
