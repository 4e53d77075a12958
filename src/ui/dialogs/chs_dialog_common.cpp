// The circular hollow section joint dialogs' shared part.
#include "ui/dialogs/chs_dialog_common.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>

#include "base/number_format.h"
#include "sections/library_dir.h"
#include "ui/dialogs/chs_kn_dialog.h"
#include "ui/dialogs/chs_tyx_dialog.h"
#include "ui/dialogs/dialog_widgets.h"
#include "ui/dialogs/joint_dialog_common.h"
#include "ui/dialogs/joint_preview.h"
#include "ui/dialogs/library_error_text.h"
#include "ui/dialogs/joint_dialog_frame.h"
#include "ui/dialogs/section_picker.h"

namespace traxen {

namespace {

QString SizeText(double d, double t) {
  return QString::fromStdString(FormatNumber("%g", d) + "x" + FormatNumber("%g", t));
}

// Sizes match as the table writes them (one decimal at most): 88.9 is 88.9.
bool SameSize(double a, double b) { return std::fabs(a - b) < 1e-6; }

}  // namespace

void ChsSectionChoice::fill(const SectionTable& rows, double d, double t) {
  combo_->clear();
  sizes_.clear();
  int selected = -1;
  bool listed = false;
  for (const SectionProperties& row : rows) listed = listed || (SameSize(row.h, d) && SameSize(row.t, t));
  // The job's own size leads the list when the table lacks it, marked as the job's.
  if (!listed && std::isfinite(d) && std::isfinite(t) && d > 0 && t > 0) {
    combo_->addItem(SizeText(d, t) + QCoreApplication::translate("traxen::ChsSectionChoice", " (töö)"));
    sizes_.push_back({d, t});
    selected = 0;
  }
  for (const SectionProperties& row : rows) {
    if (selected < 0 && SameSize(row.h, d) && SameSize(row.t, t)) selected = static_cast<int>(sizes_.size());
    combo_->addItem(QString::fromStdString(row.name));
    sizes_.push_back({row.h, row.t});
  }
  combo_->setCurrentIndex(selected);
  if (description_) description_->setText(SectionStandardText(kChsSectionType));
}

bool ChsSectionChoice::chosen(double& d, double& t) const {
  const int i = combo_->currentIndex();
  if (i < 0 || i >= static_cast<int>(sizes_.size())) return false;
  d = sizes_[static_cast<std::size_t>(i)].d;
  t = sizes_[static_cast<std::size_t>(i)].t;
  return true;
}

ChsJointDialog::ChsJointDialog(const Job& job, SectionLibrary library, const QString& object_name,
                               const QString& title, QWidget* parent)
    : QDialog(parent), job_(job), library_(std::move(library)) {
  setObjectName(object_name);
  setWindowTitle(title);
  ApplyJointDialogPalette(this);
}

ChsJointDialog::~ChsJointDialog() = default;

QGroupBox* ChsJointDialog::memberBox(const QString& box_name, const QString& heading,
                                     std::initializer_list<EditText> edits, const QString& combo_name,
                                     const QString& combo_tip, ChsSectionChoice** choice) {
  auto* box = new QGroupBox;
  box->setObjectName(box_name);
  auto* grid = new QGridLayout(box);
  grid->addWidget(Heading(heading), 0, 0, 1, 3);
  int row = 1;
  for (const EditText& e : edits) {
    *e.edit = NumberEdit(e.name, e.tip);
    grid->addWidget(StaticText(e.label, *e.edit), row, 0);
    grid->addWidget(*e.edit, row, 1);
    grid->addWidget(StaticText(e.unit), row, 2);
    ++row;
  }
  if (choice) {
    QComboBox* combo = SectionCombo(combo_name, combo_tip);
    combo->setEditable(false);
    QLabel* text = SectionText(combo_name + QStringLiteral("Text"));
    grid->addWidget(StaticText(tr("Ümartoru d × t")), row, 0);
    grid->addWidget(combo, row, 1, 1, 2);
    grid->addWidget(text, row + 1, 0, 1, 3);
    owned_choices_.push_back(std::make_unique<ChsSectionChoice>(combo, text));
    *choice = owned_choices_.back().get();
    choices_.push_back(*choice);
  }
  return box;
}

void ChsJointDialog::finishLayout(QVBoxLayout* right) {
  preview_ = new JointPreview;
  preview_->setObjectName(QStringLiteral("preview"));
  preview_->setPictureSizes({520, 460}, {420, 380});
  preview_->setRenderer([this](DrawingSurface& s, int w, int h) { drawPicture(s, w, h); });

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  const JointDialogButtons b = AddJointDialogButtons(buttons);
  draw_button_ = b.draw;
  ok_button_ = b.ok;
  cancel_button_ = b.cancel;
  right->addStretch(1);
  right->addLayout(buttons);

  SetJointDialogLayout(this, preview_, right);
}

void ChsJointDialog::connectEdits() {
  edits_.show();
  edits_.markOnLeaving(this);
  // The picture follows every keystroke; a field that cannot be taken turns pink at once and
  // the picture says so rather than showing a joint the fields no longer describe.
  for (QLineEdit* edit : edits_.edits())
    connect(edit, &QLineEdit::textEdited, this, [this, edit] {
      edits_.mark(edit);
      redraw();
    });
  for (ChsSectionChoice* choice : choices_)
    connect(choice->combo(), &QComboBox::currentIndexChanged, this, &ChsJointDialog::redraw);
  connect(draw_button_, &QPushButton::clicked, this, &ChsJointDialog::redraw);
  connect(ok_button_, &QPushButton::clicked, this, &ChsJointDialog::accept);
  connect(cancel_button_, &QPushButton::clicked, this, &ChsJointDialog::reject);
}

LibraryError ChsJointDialog::initialise() {
  SectionTable rows;
  if (LibraryError e = library_.ReadTable(kChsSectionType, rows)) return e;
  const std::vector<std::pair<double, double>> sizes = memberSizes();
  for (std::size_t i = 0; i < choices_.size() && i < sizes.size(); ++i) {
    const QSignalBlocker quiet(choices_[i]->combo());
    choices_[i]->fill(rows, sizes[i].first, sizes[i].second);
  }
  redraw();
  return {};
}

void ChsJointDialog::redraw() {
  preview_invalid_ = edits_.read() != nullptr;
  if (!preview_invalid_) {
    takeSections();
    showDerived();
  }
  preview_->update();
}

void ChsJointDialog::drawPicture(DrawingSurface& surface, int width, int height) const {
  if (preview_invalid_) DrawInvalidInputPreview(surface, width, height);
  else drawJoint(surface, width, height);
}

void ChsJointDialog::accept() {
  if (!edits_.readOrComplain(this)) return;
  for (ChsSectionChoice* choice : choices_) {
    double d = 0, t = 0;
    if (!choice->chosen(d, t)) {
      ShowDialogMessage(this, tr("Vali ümartoru ristlõige."));
      choice->combo()->setFocus(Qt::OtherFocusReason);
      return;
    }
  }
  takeSections();
  confirm();
  QDialog::accept();
}

namespace {

template <typename Dialog>
bool RunChsDialog(QWidget* parent, Job& job) {
  std::string dir;
  const LibrarySearch search =
      LibrarySearchFromEnvironment("", QCoreApplication::applicationDirPath().toStdString());
  LibraryError error = FindLibraryDir(search, dir);
  Dialog dialog(job, SectionLibrary(dir), parent);
  if (!error) error = dialog.initialise();
  if (error) {
    ShowDialogMessage(parent, LibraryErrorText(error, QStringLiteral("\n")));
    return false;
  }
  FitIntoParentWindow(&dialog);
  if (dialog.exec() != QDialog::Accepted) return false;
  job = dialog.job();
  return true;
}

}  // namespace

bool RunChsTyxDialog(QWidget* parent, Job& job) { return RunChsDialog<ChsTyxDialog>(parent, job); }
bool RunChsKnDialog(QWidget* parent, Job& job) { return RunChsDialog<ChsKnDialog>(parent, job); }

}  // namespace traxen
