// The shared part of the dialogs of round braces on a rectangular chord.
#include "ui/dialogs/rc_dialog_common.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <cmath>

#include "base/number_format.h"
#include "sections/library_dir.h"
#include "ui/dialogs/dialog_widgets.h"
#include "ui/dialogs/library_error_text.h"
#include "ui/dialogs/rc_kn_dialog.h"
#include "ui/dialogs/rc_tyx_dialog.h"

namespace traxen {

namespace {

// The library's square and rectangular hollow sections, cold-formed and hot-finished; a
// hot-finished tube is named by its standard, its sizes being the cold-formed ones' too.
struct RectangularType {
  const char* name;
  const char* suffix;
};
constexpr RectangularType kRectangularTypes[] = {{"RUUTTORU", ""}, {"RISTTORU_I", ""}, {"RISTTORU_II", " EN 10210-2"}};

bool Same(double a, double b) { return std::fabs(a - b) < 1e-6; }

}  // namespace

LibraryError RectangularSectionChoice::fill(const SectionLibrary& library, double h, double b, double t) {
  combo_->clear();
  sizes_.clear();
  std::vector<SectionProperties> rows;
  std::vector<const char*> suffixes;
  for (const RectangularType& type : kRectangularTypes) {
    SectionTable table;
    if (LibraryError e = library.ReadTable(type.name, table)) return e;
    rows.insert(rows.end(), table.begin(), table.end());
    suffixes.insert(suffixes.end(), table.size(), type.suffix);
  }
  int selected = -1;
  bool listed = false;
  for (const SectionProperties& row : rows) listed = listed || (Same(row.h, h) && Same(row.b, b) && Same(row.t, t));
  if (!listed && std::isfinite(h) && std::isfinite(b) && std::isfinite(t) && h > 0 && b > 0 && t > 0) {
    combo_->addItem(QString::fromStdString(FormatNumber("%g", h) + "x" + FormatNumber("%g", b) + "x" +
                                           FormatNumber("%g", t)) +
                    QCoreApplication::translate("traxen::RectangularSectionChoice", " (töö)"));
    sizes_.push_back({h, b, t, 0, 0});
    selected = 0;
  }
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const SectionProperties& row = rows[i];
    if (selected < 0 && Same(row.h, h) && Same(row.b, b) && Same(row.t, t)) selected = static_cast<int>(sizes_.size());
    combo_->addItem(QString::fromStdString(row.name + suffixes[i]));
    sizes_.push_back({row.h, row.b, row.t, row.A, row.Wy});
  }
  combo_->setCurrentIndex(selected);
  return {};
}

bool RectangularSectionChoice::chosen(double& h, double& b, double& t, double* A, double* Wy) const {
  const int i = combo_->currentIndex();
  if (i < 0 || i >= static_cast<int>(sizes_.size())) return false;
  const Size& s = sizes_[static_cast<std::size_t>(i)];
  h = s.h, b = s.b, t = s.t;
  if (A) *A = s.A;
  if (Wy) *Wy = s.Wy;
  return true;
}

RcJointDialog::RcJointDialog(const Job& job, SectionLibrary library, const QString& object_name, const QString& title,
                             QWidget* parent)
    : ChsJointDialog(job, std::move(library), object_name, title, parent) {}

RcJointDialog::~RcJointDialog() = default;

void RcJointDialog::addChordChoice(QGroupBox* box) {
  auto* grid = static_cast<QGridLayout*>(box->layout());
  QComboBox* combo = SectionCombo(QStringLiteral("chordSectionCombo"), tr("Vöö nelikanttoru"));
  combo->setEditable(false);
  const int row = grid->rowCount();
  grid->addWidget(StaticText(tr("Nelikanttoru h × b × t")), row, 0);
  grid->addWidget(combo, row, 1, 1, 2);
  owned_chord_ = std::make_unique<RectangularSectionChoice>(combo);
  chord_choice_ = owned_chord_.get();
  connect(combo, &QComboBox::currentIndexChanged, this, &ChsJointDialog::redraw);
}

LibraryError RcJointDialog::initialiseAll() {
  double h = 0, b = 0, t = 0;
  chordSize(h, b, t);
  {
    const QSignalBlocker quiet(chord_choice_->combo());
    if (LibraryError e = chord_choice_->fill(library_, h, b, t)) return e;
  }
  return initialise();
}

void RcJointDialog::accept() {
  double h = 0, b = 0, t = 0;
  if (!chord_choice_->chosen(h, b, t)) {
    ShowDialogMessage(this, tr("Vali vöö nelikanttoru ristlõige."));
    chord_choice_->combo()->setFocus(Qt::OtherFocusReason);
    return;
  }
  ChsJointDialog::accept();
}

void RcJointDialog::takeChordProperties() {
  double h = 0, b = 0, t = 0, A = 0, Wy = 0;
  // A library row keeps its own area and modulus (a hot-finished tube's differ from the
  // cold-formed ones the confirmation derives).
  if (chord_choice_->chosen(h, b, t, &A, &Wy) && A > 0 && Wy > 0) {
    job_.chord.A0 = A * 100;
    job_.chord.Wel0 = Wy * 1000;
  }
}

namespace {

template <typename Dialog>
bool RunRcDialog(QWidget* parent, Job& job) {
  std::string dir;
  const LibrarySearch search =
      LibrarySearchFromEnvironment("", QCoreApplication::applicationDirPath().toStdString());
  LibraryError error = FindLibraryDir(search, dir);
  Dialog dialog(job, SectionLibrary(dir), parent);
  if (!error) error = dialog.initialiseAll();
  if (error) {
    ShowDialogMessage(parent, LibraryErrorText(error, QStringLiteral("\n")));
    return false;
  }
  if (dialog.exec() != QDialog::Accepted) return false;
  job = dialog.job();
  return true;
}

}  // namespace

bool RunRcTyxDialog(QWidget* parent, Job& job) { return RunRcDialog<RcTyxDialog>(parent, job); }
bool RunRcKnDialog(QWidget* parent, Job& job) { return RunRcDialog<RcKnDialog>(parent, job); }

}  // namespace traxen
