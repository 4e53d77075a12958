// The frame, the member boxes and the reactions the joint dialogs share.
#include "ui/dialogs/joint_dialog_common.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/dialogs/joint_preview.h"
#include "ui/dialogs/section_picker.h"

namespace traxen {

MemberBox BuildMemberBox(const MemberBoxText& text) {
  MemberBox m;
  m.box = new QGroupBox;
  m.box->setObjectName(text.box_name);
  m.column = new QVBoxLayout(m.box);
  m.column->addWidget(Heading(text.heading));
  m.first = NumberEdit(text.first.name, text.first.tip);
  m.second = NumberEdit(text.second.name, text.second.tip);
  m.type = SectionCombo(text.type_name, text.type_tip);
  m.number = SectionCombo(text.number_name, text.number_tip);
  auto* grid = new QGridLayout;
  grid->addWidget(StaticText(text.first.label, m.first), 0, 0);
  grid->addWidget(m.first, 0, 1);
  grid->addWidget(StaticText(text.first.unit), 0, 2);
  grid->addWidget(StaticText(text.second.label, m.second), 0, 3, Qt::AlignRight);
  grid->addWidget(m.second, 0, 4);
  grid->addWidget(StaticText(text.second.unit), 0, 5);
  grid->addWidget(StaticText(QStringLiteral("Profiili tüüp"), m.type), 1, 0);
  grid->addWidget(m.type, 1, 1, 1, 2);
  grid->addWidget(StaticText(QStringLiteral("Profiili nr"), m.number), 1, 3, Qt::AlignRight);
  grid->addWidget(m.number, 1, 4, 1, 2);
  m.column->addLayout(grid);
  m.text = SectionText(text.text_name);
  m.column->addWidget(m.text);
  return m;
}

MemberBox BuildBraceBox(int brace, const QString& name) {
  const QString i = QString::number(brace);
  return BuildMemberBox({name + QStringLiteral("Box"),
                         i + QStringLiteral(". VARRAS"),
                         {QStringLiteral("N%1Edit").arg(i), QStringLiteral("Sisejõud %1.vardas otsas").arg(i),
                          QStringLiteral("Sisejõud varda otsas N<sub>%1</sub>").arg(i), QStringLiteral("kN")},
                         {QStringLiteral("theta%1Edit").arg(i), QStringLiteral("%1. varda kaldenurk").arg(i),
                          QStringLiteral("Nurk θ<sub>%1</sub>").arg(i), QStringLiteral("°")},
                         name + QStringLiteral("TypeCombo"),
                         QStringLiteral("%1. varda nelikanttoru tüüp").arg(i),
                         name + QStringLiteral("NumberCombo"),
                         QStringLiteral("%1. varda nelikanttoru number").arg(i),
                         name + QStringLiteral("SectionText")});
}

QVBoxLayout* StackBoxes(std::initializer_list<QWidget*> boxes) {
  auto* column = new QVBoxLayout;
  for (QWidget* box : boxes) column->addWidget(box);
  column->addStretch(1);
  return column;
}

QGridLayout* AddPlateGrid(QVBoxLayout* column) {
  auto* plates = new QGridLayout;
  AddPlateHeader(plates, 0);
  plates->setColumnStretch(7, 1);
  column->addLayout(plates);
  return plates;
}

void TakeSection(const SectionPicker& picker, const MemberFields& fields) {
  const SectionProperties& row = picker.row();
  fields.h = row.h, fields.b = row.b, fields.t = row.t;
  fields.type_index = picker.typeIndex();
  fields.number_index = picker.numberIndex();
  fields.text = picker.description();
  fields.section_class = picker.sectionClass();
}

void TakeChordProperties(const SectionPicker& chord, JobChord& properties) {
  properties.A0 = chord.row().A * 100;
  properties.Wel0 = chord.row().Wy * 1000;
}

JointDialog::JointDialog(const Job& job, SectionLibrary library, const QString& object_name,
                         const QString& title, QWidget* parent)
    : QDialog(parent), job_(job), library_(std::move(library)) {
  setObjectName(object_name);
  setWindowTitle(title);
  ApplyJointDialogPalette(this);
}

JointDialog::~JointDialog() = default;

void JointDialog::bindFaceAndSidePlates() {
  JobPlates& p = job_.plate;
  edits_.add(face_.l, &p.face_l);
  edits_.add(face_.b, &p.face_b);
  edits_.add(face_.t, &p.face_t);
  edits_.add(side_.l, &p.side_l);
  edits_.add(side_.b, &p.side_b);
  edits_.add(side_.t, &p.side_t);
}

void JointDialog::buildPreview(QSize preferred, QSize least) {
  preview_ = new JointPreview;
  preview_->setObjectName(QStringLiteral("preview"));
  preview_->setRenderer([this](DrawingSurface& s, int w, int h) { drawPreview(s, w, h); });
  preview_->setPictureSizes(preferred, least);
}

void JointDialog::addButtons(QHBoxLayout* row) {
  draw_button_ = new QPushButton(QStringLiteral("JOONISTA"));
  draw_button_->setObjectName(QStringLiteral("drawButton"));
  ok_button_ = new QPushButton(QStringLiteral("OK"));
  ok_button_->setObjectName(QStringLiteral("okButton"));
  ok_button_->setDefault(true);
  cancel_button_ = new QPushButton(QStringLiteral("Cancel"));
  cancel_button_->setObjectName(QStringLiteral("cancelButton"));
  row->addWidget(draw_button_);
  row->addWidget(ok_button_);
  row->addWidget(cancel_button_);
}

void JointDialog::setMainLayout(QVBoxLayout* right) {
  auto* main = new QHBoxLayout(this);
  main->addWidget(preview_, 1);
  main->addLayout(right, 0);
}

void JointDialog::showAndConnect(std::initializer_list<QCheckBox*> toggles) {
  edits_.show();
  followCheckBoxes();
  for (SectionPicker* picker : pickers_) {
    connect(picker, &SectionPicker::sectionChanged, this, &JointDialog::onSectionChanged);
    connect(picker, &SectionPicker::libraryFailed, this, &JointDialog::onLibraryFailed);
  }
  for (QCheckBox* box : toggles) connect(box, &QCheckBox::toggled, this, &JointDialog::onPlateToggled);
  for (QLineEdit* edit : edits_.edits()) {
    connect(edit, &QLineEdit::editingFinished, this, &JointDialog::onEditFinished);
    connect(edit, &QLineEdit::textChanged, edit, [edit] { NumericEdits::markValidity(edit); });
  }
  connect(draw_button_, &QPushButton::clicked, this, &JointDialog::redraw);
  connect(ok_button_, &QPushButton::clicked, this, &JointDialog::accept);
  connect(cancel_button_, &QPushButton::clicked, this, &JointDialog::reject);
}

LibraryError JointDialog::initialise() {
  std::vector<std::string> types;
  if (LibraryError e = library_.LoadTypeList(types)) return e;
  for (SectionPicker* picker : pickers_) picker->setTypeNames(types);
  const std::vector<StoredSection> stored = storedSections();
  for (std::size_t i = 0; i < pickers_.size() && i < stored.size(); ++i)
    if (LibraryError e = pickers_[i]->restore(stored[i].type_index, stored[i].number_index)) return e;
  takeSections();
  refresh();
  return {};
}

void JointDialog::followCheckBoxes() {
  for (const PlateRow* row : plate_rows_) row->followCheckBox(edits_);
}

void JointDialog::onSectionChanged() {
  edits_.readOrComplain(this);
  takeSections();
  refresh();
}

void JointDialog::onLibraryFailed(const LibraryError& error) {
  ShowDialogMessage(this, QString::fromStdString(error.Text()));
}

void JointDialog::onEditFinished() {
  if (edits_.read() == nullptr) refresh();
}

void JointDialog::onPlateToggled() {
  followCheckBoxes();
  edits_.readOrComplain(this);
  refresh();
}

void JointDialog::redraw() {
  edits_.readOrComplain(this);
  refresh();
}

void JointDialog::accept() {
  // A section number typed but not yet taken counts as chosen.
  for (SectionPicker* picker : pickers_) picker->applyTypedNumber();
  if (!edits_.readOrComplain(this)) return;
  takeSections();
  refresh();
  confirm();
  QDialog::accept();
}

}  // namespace traxen
