// The section choice of one member, following the library's list rules.
#include "ui/dialogs/section_picker.h"

#include <fmt/format.h>

#include <QComboBox>
#include <QAbstractItemView>
#include <QCompleter>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <algorithm>

#include "sections/section_class.h"
#include "sections/section_types.h"
#include "ui/dialogs/dialog_numbers.h"

namespace traxen {

namespace {

// The designation of a list label: its last word ("200x200x8" of "  200x200x8").
QString Designation(const QString& label) {
  const QString trimmed = label.trimmed();
  const qsizetype blank = trimmed.lastIndexOf(QLatin1Char(' '));
  return blank < 0 ? trimmed : trimmed.mid(blank + 1);
}

// The tube types by the list file's name: the short name a type combo shows and what the tube
// is, both looked up in the interface's language.
struct TubeTexts {
  const char* name;
  const char* title;
  const char* kind;
};
constexpr TubeTexts kTubeTexts[] = {
    {"RUUTTORU", QT_TRANSLATE_NOOP("traxen::SectionPicker", "RUUTTORU"),
     QT_TRANSLATE_NOOP("traxen::SectionPicker", "külmvormitud ruuttoru")},
    {"RISTTORU_I", QT_TRANSLATE_NOOP("traxen::SectionPicker", "RISTTORU_I"),
     QT_TRANSLATE_NOOP("traxen::SectionPicker", "külmvormitud ristkülikutoru")},
    {"RISTTORU_II", QT_TRANSLATE_NOOP("traxen::SectionPicker", "RISTTORU_II"),
     QT_TRANSLATE_NOOP("traxen::SectionPicker", "kuumviimistletud ristkülikutoru")},
    {"YMARTORU", QT_TRANSLATE_NOOP("traxen::SectionPicker", "YMARTORU"),
     QT_TRANSLATE_NOOP("traxen::SectionPicker", "külmvormitud ümartoru")},
};

const TubeTexts* TextsOf(const std::string& name) {
  for (const TubeTexts& t : kTubeTexts)
    if (name == t.name) return &t;
  return nullptr;
}

}  // namespace

QString SectionTypeTitle(const std::string& name) {
  const TubeTexts* texts = TextsOf(name);
  return texts ? SectionPicker::tr(texts->title) : QString::fromStdString(name);
}

QString SectionStandardText(const std::string& type_name) {
  const SectionType* type = FindSectionType(type_name);
  const TubeTexts* texts = TextsOf(type_name);
  if (!type || !texts || type->product_standard.empty()) return {};
  const QString standard = QString::fromUtf8(type->product_standard.data(), qsizetype(type->product_standard.size()));
  return SectionPicker::tr("%1, %2", "what the tube is, its product standard").arg(SectionPicker::tr(texts->kind), standard);
}

SectionPicker::SectionPicker(const SectionLibrary& library, Member member, double fy_class, QComboBox* type_combo,
                             QComboBox* number_combo, QLabel* description, const QString& member_name,
                             QObject* parent)
    : QObject(parent),
      library_(library),
      member_(member),
      fy_class_(fy_class),
      type_combo_(type_combo),
      number_combo_(number_combo),
      description_label_(description),
      member_name_(member_name) {
  // A type's name may be long in a language other than the list's: the combo keeps its width and
  // its list opens as wide as the names.
  type_combo_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  type_combo_->setMinimumContentsLength(9);
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
  for (std::size_t i = 0; i < names.size(); ++i)
    if (IsJointMemberType(names[i])) type_combo_->addItem(SectionTypeTitle(names[i]), static_cast<int>(i));
  type_combo_->view()->setMinimumWidth(type_combo_->view()->sizeHintForColumn(0) + 2 * type_combo_->view()->frameWidth() + 8);
  type_combo_->setCurrentIndex(type_combo_->findData(type_index_));
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
  if (!IsJointMemberType(name)) {
    // Kept as stored, with no section: the joint is not drawn or confirmed from an I-section,
    // a channel or a round tube.
    type_index_ = type_index;
    number_index_ = previous_position;
    labels_.clear();
    row_.reset();
    description_.clear();
    section_class_ = 0;
    {
      const QSignalBlocker block(number_combo_);
      number_combo_->clear();
    }
    // The types are named as the type combo names them.
    QStringList member_types;
    for (const std::string& type : type_names_)
      if (IsJointMemberType(type)) member_types << SectionTypeTitle(type);
    const QString or_word = tr("või", "between the last two section type names");
    QString choices = member_types.join(QStringLiteral(", "));
    if (member_types.size() > 1)
      choices = QStringList(member_types.mid(0, member_types.size() - 1)).join(QStringLiteral(", ")) +
                QLatin1Char(' ') + or_word + QLatin1Char(' ') + member_types.last();
    setTypeProblem(tr("%1 profiili tüüp %2 ei ole nelikanttoru. Vali %3.")
                       .arg(member_name_, SectionTypeTitle(name), choices));
    showCurrent();
    return {};
  }
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
  setTypeProblem(QString());
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
  if (type_index_ < 0 || !type_problem_.isEmpty()) return {};
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
  if (typed.isEmpty() || typed.compare(current.trimmed(), Qt::CaseInsensitive) == 0) {
    showCurrent();
    return true;
  }
  int found = -1;
  for (int i = 0; i < number_combo_->count() && found < 0; ++i) {
    const QString label = number_combo_->itemText(i);
    if (typed.compare(label.trimmed(), Qt::CaseInsensitive) == 0 ||
        typed.compare(Designation(label), Qt::CaseInsensitive) == 0)
      found = i;
  }
  if (found < 0) {
    // Kept as typed, so that OK cannot pass it by with the previous section.
    setNumberProblem(tr("%1: profiili „%2” ei ole loendis. Vali profiil loendist.").arg(member_name_, typed));
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
  setNumberProblem(QString());
  {
    const QSignalBlocker block(type_combo_);
    const int offered = type_combo_->findData(type_index_);
    type_combo_->setCurrentIndex(offered);
    // A stored type the combo does not offer is still named (the placeholder widens the combo,
    // so only then).
    type_combo_->setPlaceholderText(
        offered < 0 && type_index_ >= 0 && type_index_ < static_cast<int>(type_names_.size())
            ? SectionTypeTitle(type_names_[static_cast<std::size_t>(type_index_)])
            : QString());
  }
  {
    const QSignalBlocker block(number_combo_);
    number_combo_->setCurrentIndex(number_index_);
    if (number_index_ < 0) number_combo_->setEditText(QString());
  }
  // The job keeps the list's standard line as its section text; the line names the standard.
  description_label_->setText(type_problem_.isEmpty() && type_index_ >= 0 &&
                                      type_index_ < static_cast<int>(type_names_.size())
                                  ? SectionStandardText(type_names_[static_cast<std::size_t>(type_index_)])
                                  : QString());
}

void SectionPicker::setTypeProblem(const QString& problem) {
  if (problem == type_problem_) return;
  type_problem_ = problem;
  MarkField(type_combo_, problem);
  emit problemChanged();
}

void SectionPicker::setNumberProblem(const QString& problem) {
  if (problem == number_problem_) return;
  number_problem_ = problem;
  MarkField(number_combo_, problem);
  emit problemChanged();
}

void SectionPicker::onTypeActivated(int combo_index) {
  const int index = type_combo_->itemData(combo_index).toInt();
  if (index == type_index_ && type_problem_.isEmpty()) return;
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
