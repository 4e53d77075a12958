// Layout and actions of the T/Y/X joint dialog.
#include "ui/dialogs/tyx_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "joints/tyx/tyx_schematic.h"
#include "model/confirm_job.h"
#include "report/dispatch.h"
#include "ui/dialogs/joint_preview.h"
#include "ui/dialogs/section_picker.h"

namespace traxen {

CXYTDlg::CXYTDlg(const Job& job, SectionLibrary library, QWidget* parent)
    : QDialog(parent), job_(job), library_(std::move(library)) {
  setObjectName(QStringLiteral("CXYTDlg"));
  setWindowTitle(QStringLiteral("X,Y ja T SÕLMEDE GEOMEETRIA"));
  ApplyJointDialogPalette(this);
  buildLayout();
  TyxJoint& t = job_.tyx;
  JobPlates& p = job_.plate;
  edits_.add(n0_edit_, &t.N0);
  edits_.add(m0_edit_, &t.M0);
  edits_.add(face_.l, &p.face_l);
  edits_.add(face_.b, &p.face_b);
  edits_.add(face_.t, &p.face_t);
  edits_.add(side_.l, &p.side_l);
  edits_.add(side_.b, &p.side_b);
  edits_.add(side_.t, &p.side_t);
  edits_.add(n1_edit_, &t.N1);
  edits_.add(theta1_edit_, &t.theta1);
  edits_.show();
  face_.check->setChecked(t.face_plate == 1);
  side_.check->setChecked(t.side_plates == 1);
  x_joint_->setChecked(t.x_joint == 1);
  face_.followCheckBox(edits_);
  side_.followCheckBox(edits_);
  chord_ = new SectionPicker(library_, Member::kChord, t.fy_class_chord, chord_type_, chord_number_, chord_text_, this);
  brace_ = new SectionPicker(library_, Member::kBrace, t.fy_class_brace, brace_type_, brace_number_, brace_text_, this);
  connectActions();
}

CXYTDlg::~CXYTDlg() = default;

void CXYTDlg::buildLayout() {
  preview_ = new JointPreview;
  preview_->setObjectName(QStringLiteral("preview"));
  preview_->setRenderer([this](DrawingSurface& s, int w, int h) { drawPreview(s, w, h); });
  // The sketch's labels stand at fixed distances beside the chord (the middle 60 % of the
  // width), the face plate's up to about 130 units to the right of the joint; the lower
  // brace of an X joint reaches about 200 units below the chord axis.
  preview_->setPictureSizes({520, 460}, {470, 430});

  auto* right = new QVBoxLayout;
  right->addWidget(buildChordBox());
  right->addWidget(buildBraceBox());
  right->addWidget(buildLowerBraceBox());
  right->addStretch(1);

  auto* notes = new QHBoxLayout;
  notes->addWidget(Heading(QStringLiteral("MÄRKUS")));
  notes->addWidget(StaticText(QStringLiteral("30 ° &lt;= θ<sub>1</sub> &lt;= 150 °")));
  notes->addStretch(1);
  draw_button_ = new QPushButton(QStringLiteral("JOONISTA"));
  draw_button_->setObjectName(QStringLiteral("drawButton"));
  ok_button_ = new QPushButton(QStringLiteral("OK"));
  ok_button_->setObjectName(QStringLiteral("okButton"));
  ok_button_->setDefault(true);
  cancel_button_ = new QPushButton(QStringLiteral("Cancel"));
  cancel_button_->setObjectName(QStringLiteral("cancelButton"));
  notes->addWidget(draw_button_);
  notes->addWidget(ok_button_);
  notes->addWidget(cancel_button_);
  right->addLayout(notes);

  auto* main = new QHBoxLayout(this);
  main->addWidget(preview_, 1);
  main->addLayout(right, 0);

  SetTabChain({n0_edit_, m0_edit_, chord_type_, chord_number_, face_.check, face_.l, face_.b, face_.t, side_.check,
               side_.l, side_.b, side_.t, n1_edit_, theta1_edit_, brace_type_, brace_number_, x_joint_, draw_button_,
               ok_button_, cancel_button_});
}

QWidget* CXYTDlg::buildChordBox() {
  auto* box = new QGroupBox;
  box->setObjectName(QStringLiteral("chordBox"));
  auto* v = new QVBoxLayout(box);
  v->addWidget(Heading(QStringLiteral("VÖÖ")));

  n0_edit_ = NumberEdit(QStringLiteral("N0Edit"), QStringLiteral("Sisejõud vöö vasakus otsas"));
  m0_edit_ = NumberEdit(QStringLiteral("M0Edit"), QStringLiteral("Paindemoment sõlmes"));
  chord_type_ = SectionCombo(QStringLiteral("chordTypeCombo"), QStringLiteral("Vöö nelikanttoru tüüp"));
  chord_number_ = SectionCombo(QStringLiteral("chordNumberCombo"), QStringLiteral("Vöö nelikanttoru number"));
  auto* grid = new QGridLayout;
  grid->addWidget(StaticText(QStringLiteral("Sisejõud vöö otstes  N<sub>0,v</sub>"), n0_edit_), 0, 0);
  grid->addWidget(n0_edit_, 0, 1);
  grid->addWidget(StaticText(QStringLiteral("kN")), 0, 2);
  grid->addWidget(StaticText(QStringLiteral("M<sub>0</sub>"), m0_edit_), 0, 3, Qt::AlignRight);
  grid->addWidget(m0_edit_, 0, 4);
  grid->addWidget(StaticText(QStringLiteral("kNm")), 0, 5);
  grid->addWidget(StaticText(QStringLiteral("Profiili tüüp"), chord_type_), 1, 0);
  grid->addWidget(chord_type_, 1, 1, 1, 2);
  grid->addWidget(StaticText(QStringLiteral("Profiili nr"), chord_number_), 1, 3, Qt::AlignRight);
  grid->addWidget(chord_number_, 1, 4, 1, 2);
  v->addLayout(grid);
  chord_text_ = SectionText(QStringLiteral("chordSectionText"));
  v->addWidget(chord_text_);

  auto* plates = new QGridLayout;
  AddPlateHeader(plates, 0);
  face_ = AddPlateRow(plates, 1, QStringLiteral("Pinna tugevdus"), QStringLiteral("facePlate"),
                      {QStringLiteral("Vöö pealmispinna tugevduslapi pikkus"),
                       QStringLiteral("Vöö pealmispinna tugevduslapi laius"),
                       QStringLiteral("Vöö pealmispinna tugevduslapi paksus")});
  side_ = AddPlateRow(plates, 2, QStringLiteral("Külje tugevdus"), QStringLiteral("sidePlates"),
                      {QStringLiteral("Vöö külgpinna tugevduslapi pikkus"),
                       QStringLiteral("Vöö külgpinna tugevduslapi laius"),
                       QStringLiteral("Vöö külgpinna tugevduslapi paksus")});
  plates->setColumnStretch(7, 1);
  v->addLayout(plates);
  return box;
}

QWidget* CXYTDlg::buildBraceBox() {
  auto* box = new QGroupBox;
  box->setObjectName(QStringLiteral("braceBox"));
  auto* v = new QVBoxLayout(box);
  v->addWidget(Heading(QStringLiteral("1. VARRAS")));
  n1_edit_ = NumberEdit(QStringLiteral("N1Edit"), QStringLiteral("Sisejõud 1.vardas otsas"));
  theta1_edit_ = NumberEdit(QStringLiteral("theta1Edit"), QStringLiteral("1. varda kaldenurk"));
  brace_type_ = SectionCombo(QStringLiteral("braceTypeCombo"), QStringLiteral("1. varda nelikanttoru tüüp"));
  brace_number_ = SectionCombo(QStringLiteral("braceNumberCombo"), QStringLiteral("1. varda nelikanttoru number"));
  auto* grid = new QGridLayout;
  grid->addWidget(StaticText(QStringLiteral("Sisejõud varda otsas N<sub>1</sub>"), n1_edit_), 0, 0);
  grid->addWidget(n1_edit_, 0, 1);
  grid->addWidget(StaticText(QStringLiteral("kN")), 0, 2);
  grid->addWidget(StaticText(QStringLiteral("Nurk θ<sub>1</sub>"), theta1_edit_), 0, 3, Qt::AlignRight);
  grid->addWidget(theta1_edit_, 0, 4);
  grid->addWidget(StaticText(QStringLiteral("°")), 0, 5);
  grid->addWidget(StaticText(QStringLiteral("Profiili tüüp"), brace_type_), 1, 0);
  grid->addWidget(brace_type_, 1, 1, 1, 2);
  grid->addWidget(StaticText(QStringLiteral("Profiili nr"), brace_number_), 1, 3, Qt::AlignRight);
  grid->addWidget(brace_number_, 1, 4, 1, 2);
  v->addLayout(grid);
  brace_text_ = SectionText(QStringLiteral("braceSectionText"));
  v->addWidget(brace_text_);
  return box;
}

QWidget* CXYTDlg::buildLowerBraceBox() {
  auto* box = new QGroupBox;
  box->setObjectName(QStringLiteral("lowerBraceBox"));
  auto* h = new QHBoxLayout(box);
  h->addWidget(Heading(QStringLiteral("2. VARRAS")));
  x_joint_ = new QCheckBox(QStringLiteral("X sõlm"));
  x_joint_->setObjectName(QStringLiteral("xJointCheck"));
  QPalette palette = x_joint_->palette();
  palette.setColor(QPalette::WindowText, QColor(0, 0, 255));
  x_joint_->setPalette(palette);
  h->addSpacing(24);
  h->addWidget(x_joint_);
  h->addStretch(1);
  return box;
}

void CXYTDlg::connectActions() {
  connect(chord_, &SectionPicker::sectionChanged, this, &CXYTDlg::onSectionChanged);
  connect(brace_, &SectionPicker::sectionChanged, this, &CXYTDlg::onSectionChanged);
  connect(chord_, &SectionPicker::libraryFailed, this, &CXYTDlg::onLibraryFailed);
  connect(brace_, &SectionPicker::libraryFailed, this, &CXYTDlg::onLibraryFailed);
  for (QCheckBox* box : {face_.check, side_.check, x_joint_})
    connect(box, &QCheckBox::toggled, this, &CXYTDlg::onPlateToggled);
  for (QLineEdit* edit : {n0_edit_, m0_edit_, n1_edit_, theta1_edit_, face_.l, face_.b, face_.t, side_.l, side_.b,
                          side_.t}) {
    connect(edit, &QLineEdit::editingFinished, this, &CXYTDlg::onEditFinished);
    connect(edit, &QLineEdit::textChanged, edit, [edit] { NumericEdits::markValidity(edit); });
  }
  connect(draw_button_, &QPushButton::clicked, this, &CXYTDlg::redraw);
  connect(ok_button_, &QPushButton::clicked, this, &CXYTDlg::accept);
  connect(cancel_button_, &QPushButton::clicked, this, &CXYTDlg::reject);
}

LibraryError CXYTDlg::initialise() {
  std::vector<std::string> types;
  if (LibraryError e = library_.LoadTypeList(types)) return e;
  chord_->setTypeNames(types);
  brace_->setTypeNames(types);
  const TyxJoint& t = job_.tyx;
  if (LibraryError e = chord_->restore(t.chord_type_index, t.chord_number_index)) return e;
  if (LibraryError e = brace_->restore(t.brace1_type_index, t.brace1_number_index)) return e;
  takeSections();
  updatePreview();
  return {};
}

// The chosen sections become the dialog's values: dimensions, positions, description
// lines, classes and the chord's area (cm² → mm²) and section modulus (cm³ → mm³).
void CXYTDlg::takeSections() {
  TyxJoint& t = job_.tyx;
  const SectionProperties& chord = chord_->row();
  const SectionProperties& brace = brace_->row();
  t.h0 = chord.h, t.b0 = chord.b, t.t0 = chord.t;
  t.h1 = brace.h, t.b1 = brace.b, t.t1 = brace.t;
  t.chord_type_index = chord_->typeIndex();
  t.chord_number_index = chord_->numberIndex();
  t.brace1_type_index = brace_->typeIndex();
  t.brace1_number_index = brace_->numberIndex();
  t.chord_section_text = chord_->description();
  t.brace_section_text = brace_->description();
  t.chord_class = chord_->sectionClass();
  t.brace_class = brace_->sectionClass();
  job_.chord.A0 = chord.A * 100;
  job_.chord.Wel0 = chord.Wy * 1000;
}

// The picture shows the dialog's values; drawing makes the lower brace the brace's mirror.
void CXYTDlg::updatePreview() {
  TyxJoint& t = job_.tyx;
  t.face_plate = face_.check->isChecked() ? 1 : 0;
  t.side_plates = side_.check->isChecked() ? 1 : 0;
  t.x_joint = x_joint_->isChecked() ? 1 : 0;
  MirrorTyxBrace2(t);
  CopyTyxInputs(job_, preview_values_);
  preview_->update();
}

// The schematic code of the report draws the picture; the dialog only supplies its values.
void CXYTDlg::drawPreview(DrawingSurface& surface, int width, int height) const {
  DrawTyxPreview(surface, preview_values_, width, height);
}

void CXYTDlg::onSectionChanged() {
  edits_.readOrComplain(this);
  takeSections();
  updatePreview();
}

void CXYTDlg::onLibraryFailed(const LibraryError& error) {
  ShowDialogMessage(this, QString::fromStdString(error.Text()));
}

void CXYTDlg::onEditFinished() {
  if (edits_.read() == nullptr) updatePreview();
}

void CXYTDlg::onPlateToggled() {
  face_.followCheckBox(edits_);
  side_.followCheckBox(edits_);
  edits_.readOrComplain(this);
  updatePreview();
}

void CXYTDlg::redraw() {
  edits_.readOrComplain(this);
  updatePreview();
}

void CXYTDlg::accept() {
  // A section number typed but not yet taken counts as chosen.
  chord_->applyTypedNumber();
  brace_->applyTypedNumber();
  if (!edits_.readOrComplain(this)) return;
  takeSections();
  updatePreview();
  ConfirmTyx(job_);
  QDialog::accept();
}

}  // namespace traxen
