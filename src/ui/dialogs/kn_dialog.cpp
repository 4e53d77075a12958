// Layout and actions of the K/N joint dialog.
#include "ui/dialogs/kn_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "joints/kn/kn_schematic.h"
#include "model/confirm_job.h"
#include "report/dispatch.h"
#include "base/number_format.h"
#include "model/joint_sections.h"
#include "ui/dialogs/joint_preview.h"
#include "ui/dialogs/section_picker.h"

namespace traxen {

QString FormatDerivedForce(double kn) { return QString::fromStdString(FormatNumber("%.2f", kn)); }

CKNytaDLG::CKNytaDLG(const Job& job, SectionLibrary library, QWidget* parent)
    : QDialog(parent), job_(job), library_(std::move(library)) {
  setObjectName(QStringLiteral("CKNytaDLG"));
  setWindowTitle(QStringLiteral("K ja N SÕLMEDE GEOMEETRIA"));
  ApplyJointDialogPalette(this);
  buildLayout();
  KnJoint& k = job_.kn;
  JobPlates& p = job_.plate;
  edits_.add(n0_edit_, &k.N0_left);
  edits_.add(m0_edit_, &k.M0);
  edits_.add(face_.l, &p.face_l);
  edits_.add(face_.b, &p.face_b);
  edits_.add(face_.t, &p.face_t);
  edits_.add(side_.l, &p.side_l);
  edits_.add(side_.b, &p.side_b);
  edits_.add(side_.t, &p.side_t);
  edits_.add(overlap_.l, &p.overlap_l);
  edits_.add(overlap_.b, &p.overlap_b);
  edits_.add(overlap_.t, &p.overlap_t);
  edits_.add(n1_edit_, &k.N1);
  edits_.add(theta1_edit_, &k.theta1);
  edits_.add(theta2_edit_, &k.theta2);
  edits_.add(e_edit_, &k.e);
  edits_.show();
  n2_edit_->setText(FormatDerivedForce(k.N2));
  face_.check->setChecked(k.face_plate == 1);
  side_.check->setChecked(k.side_plates == 1);
  overlap_.check->setChecked(k.overlap_plate == 1);
  face_.followCheckBox(edits_);
  side_.followCheckBox(edits_);
  overlap_.followCheckBox(edits_);
  const double fy = kKnClassifyingStrength;
  chord_ = new SectionPicker(library_, Member::kChord, fy, chord_type_, chord_number_, chord_text_, this);
  brace1_ = new SectionPicker(library_, Member::kBrace, fy, brace1_type_, brace1_number_, brace1_text_, this);
  brace2_ = new SectionPicker(library_, Member::kBrace, fy, brace2_type_, brace2_number_, brace2_text_, this);
  connectActions();
}

CKNytaDLG::~CKNytaDLG() = default;

void CKNytaDLG::buildLayout() {
  preview_ = new JointPreview;
  preview_->setObjectName(QStringLiteral("preview"));
  preview_->setRenderer([this](DrawingSurface& s, int w, int h) { drawPreview(s, w, h); });
  // The face plate's label stands about 155 units right of the plate, the angle arcs have a
  // radius of 150 about the joint: narrower pictures cut them off.
  preview_->setPictureSizes({640, 470}, {620, 420});

  auto* right = new QVBoxLayout;
  right->addWidget(buildChordBox());
  right->addWidget(buildBrace1Box());
  right->addWidget(buildBrace2Box());
  right->addStretch(1);

  auto* notes = new QHBoxLayout;
  notes->addWidget(Heading(QStringLiteral("MÄRKUSED")));
  notes->addWidget(StaticText(QStringLiteral("30 ° &lt;= θ<sub>1</sub> &lt;= 90 °")));
  notes->addSpacing(12);
  notes->addWidget(StaticText(QStringLiteral("30 ° &lt;= θ<sub>2</sub> &lt;= 90 °")));
  notes->addStretch(1);
  right->addLayout(notes);

  e_edit_ = NumberEdit(QStringLiteral("eEdit"), QStringLiteral("Ekstsentrilisus e"));
  draw_button_ = new QPushButton(QStringLiteral("JOONISTA"));
  draw_button_->setObjectName(QStringLiteral("drawButton"));
  ok_button_ = new QPushButton(QStringLiteral("OK"));
  ok_button_->setObjectName(QStringLiteral("okButton"));
  ok_button_->setDefault(true);
  cancel_button_ = new QPushButton(QStringLiteral("Cancel"));
  cancel_button_->setObjectName(QStringLiteral("cancelButton"));
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(StaticText(QStringLiteral("Ekstsentrilisus e"), e_edit_));
  bottom->addWidget(e_edit_);
  bottom->addWidget(StaticText(QStringLiteral("mm")));
  bottom->addStretch(1);
  bottom->addWidget(draw_button_);
  bottom->addWidget(ok_button_);
  bottom->addWidget(cancel_button_);
  right->addLayout(bottom);

  auto* main = new QHBoxLayout(this);
  main->addWidget(preview_, 1);
  main->addLayout(right, 0);

  SetTabChain({n0_edit_, m0_edit_, chord_type_, chord_number_, face_.check, face_.l, face_.b, face_.t, side_.check,
               side_.l, side_.b, side_.t, overlap_.check, overlap_.l, overlap_.b, overlap_.t, n1_edit_, theta1_edit_,
               brace1_type_, brace1_number_, theta2_edit_, brace2_type_, brace2_number_, e_edit_, draw_button_,
               ok_button_, cancel_button_});
}

QWidget* CKNytaDLG::buildChordBox() {
  auto* box = new QGroupBox;
  box->setObjectName(QStringLiteral("chordBox"));
  auto* v = new QVBoxLayout(box);
  v->addWidget(Heading(QStringLiteral("VÖÖ")));
  n0_edit_ = NumberEdit(QStringLiteral("N0Edit"), QStringLiteral("Pikijõud vöö vasakus otsas"));
  m0_edit_ = NumberEdit(QStringLiteral("M0Edit"), QStringLiteral("Paindemoment vöös, + M -> vöö alumine pool tõmme"));
  chord_type_ = SectionCombo(QStringLiteral("chordTypeCombo"), QStringLiteral("Vöö nelikanttoru tüüp"));
  chord_number_ = SectionCombo(QStringLiteral("chordNumberCombo"), QStringLiteral("Vöö nelikanttoru number"));
  auto* grid = new QGridLayout;
  grid->addWidget(StaticText(QStringLiteral("Sisejõud vöö otsas  N<sub>0,v</sub>"), n0_edit_), 0, 0);
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
  face_ = AddPlateRow(plates, 1, QStringLiteral("Ülekatteta sõlme vöö pinnalapp"), QStringLiteral("facePlate"));
  side_ = AddPlateRow(plates, 2, QStringLiteral("Ülekatteta sõlme vöö küljelapp"), QStringLiteral("sidePlates"));
  overlap_ =
      AddPlateRow(plates, 3, QStringLiteral("Ülekattega sõlme varraste vahelapp"), QStringLiteral("overlapPlate"));
  plates->setColumnStretch(7, 1);
  v->addLayout(plates);
  return box;
}

QWidget* CKNytaDLG::buildBrace1Box() {
  auto* box = new QGroupBox;
  box->setObjectName(QStringLiteral("brace1Box"));
  auto* v = new QVBoxLayout(box);
  v->addWidget(Heading(QStringLiteral("1. VARRAS")));
  n1_edit_ = NumberEdit(QStringLiteral("N1Edit"), QStringLiteral("Sisejõud 1.vardas otsas"));
  theta1_edit_ = NumberEdit(QStringLiteral("theta1Edit"), QStringLiteral("1. varda kaldenurk"));
  brace1_type_ = SectionCombo(QStringLiteral("brace1TypeCombo"), QStringLiteral("1. varda nelikanttoru tüüp"));
  brace1_number_ = SectionCombo(QStringLiteral("brace1NumberCombo"), QStringLiteral("1. varda nelikanttoru number"));
  auto* grid = new QGridLayout;
  grid->addWidget(StaticText(QStringLiteral("Sisejõud varda otsas N<sub>1</sub>"), n1_edit_), 0, 0);
  grid->addWidget(n1_edit_, 0, 1);
  grid->addWidget(StaticText(QStringLiteral("kN")), 0, 2);
  grid->addWidget(StaticText(QStringLiteral("Nurk θ<sub>1</sub>"), theta1_edit_), 0, 3, Qt::AlignRight);
  grid->addWidget(theta1_edit_, 0, 4);
  grid->addWidget(StaticText(QStringLiteral("°")), 0, 5);
  grid->addWidget(StaticText(QStringLiteral("Profiili tüüp"), brace1_type_), 1, 0);
  grid->addWidget(brace1_type_, 1, 1, 1, 2);
  grid->addWidget(StaticText(QStringLiteral("Profiili nr"), brace1_number_), 1, 3, Qt::AlignRight);
  grid->addWidget(brace1_number_, 1, 4, 1, 2);
  v->addLayout(grid);
  brace1_text_ = SectionText(QStringLiteral("brace1SectionText"));
  v->addWidget(brace1_text_);
  return box;
}

QWidget* CKNytaDLG::buildBrace2Box() {
  auto* box = new QGroupBox;
  box->setObjectName(QStringLiteral("brace2Box"));
  auto* v = new QVBoxLayout(box);
  v->addWidget(Heading(QStringLiteral("2. VARRAS")));
  n2_edit_ = NumberEdit(QStringLiteral("N2Edit"), QStringLiteral("Sisejõud 2.vardas otsas"));
  n2_edit_->setReadOnly(true);
  n2_edit_->setFocusPolicy(Qt::ClickFocus);
  QPalette palette = n2_edit_->palette();
  palette.setColor(QPalette::Base, QColor(240, 240, 240));
  n2_edit_->setPalette(palette);
  theta2_edit_ = NumberEdit(QStringLiteral("theta2Edit"), QStringLiteral("2. varda kaldenurk"));
  brace2_type_ = SectionCombo(QStringLiteral("brace2TypeCombo"), QStringLiteral("2. varda nelikanttoru tüüp"));
  brace2_number_ = SectionCombo(QStringLiteral("brace2NumberCombo"), QStringLiteral("2. varda nelikanttoru number"));
  auto* grid = new QGridLayout;
  grid->addWidget(StaticText(QStringLiteral("Sisejõud varda otsas N<sub>2</sub>"), n2_edit_), 0, 0);
  grid->addWidget(n2_edit_, 0, 1);
  grid->addWidget(StaticText(QStringLiteral("kN")), 0, 2);
  grid->addWidget(StaticText(QStringLiteral("Nurk θ<sub>2</sub>"), theta2_edit_), 0, 3, Qt::AlignRight);
  grid->addWidget(theta2_edit_, 0, 4);
  grid->addWidget(StaticText(QStringLiteral("°")), 0, 5);
  grid->addWidget(StaticText(QStringLiteral("Profiili tüüp"), brace2_type_), 1, 0);
  grid->addWidget(brace2_type_, 1, 1, 1, 2);
  grid->addWidget(StaticText(QStringLiteral("Profiili nr"), brace2_number_), 1, 3, Qt::AlignRight);
  grid->addWidget(brace2_number_, 1, 4, 1, 2);
  v->addLayout(grid);
  brace2_text_ = SectionText(QStringLiteral("brace2SectionText"));
  v->addWidget(brace2_text_);
  return box;
}

void CKNytaDLG::connectActions() {
  for (SectionPicker* picker : {chord_, brace1_, brace2_}) {
    connect(picker, &SectionPicker::sectionChanged, this, &CKNytaDLG::onSectionChanged);
    connect(picker, &SectionPicker::libraryFailed, this, &CKNytaDLG::onLibraryFailed);
  }
  for (const PlateRow* row : {&face_, &side_, &overlap_})
    connect(row->check, &QCheckBox::toggled, this, &CKNytaDLG::onPlateToggled);
  for (QLineEdit* edit : {n0_edit_, m0_edit_, n1_edit_, theta1_edit_, theta2_edit_, e_edit_, face_.l, face_.b,
                          face_.t, side_.l, side_.b, side_.t, overlap_.l, overlap_.b, overlap_.t}) {
    connect(edit, &QLineEdit::editingFinished, this, &CKNytaDLG::onEditFinished);
    connect(edit, &QLineEdit::textChanged, edit, [edit] { NumericEdits::markValidity(edit); });
  }
  connect(draw_button_, &QPushButton::clicked, this, &CKNytaDLG::redraw);
  connect(ok_button_, &QPushButton::clicked, this, &CKNytaDLG::accept);
  connect(cancel_button_, &QPushButton::clicked, this, &CKNytaDLG::reject);
}

LibraryError CKNytaDLG::initialise() {
  std::vector<std::string> types;
  if (LibraryError e = library_.LoadTypeList(types)) return e;
  for (SectionPicker* picker : {chord_, brace1_, brace2_}) picker->setTypeNames(types);
  const KnJoint& k = job_.kn;
  if (LibraryError e = chord_->restore(k.chord_type_index, k.chord_number_index)) return e;
  if (LibraryError e = brace1_->restore(k.brace1_type_index, k.brace1_number_index)) return e;
  if (LibraryError e = brace2_->restore(k.brace2_type_index, k.brace2_number_index)) return e;
  takeSections();
  deriveAndDraw();
  return {};
}

// The chosen sections become the dialog's values: dimensions, positions, description
// lines, classes and the chord's area (cm² → mm²) and section modulus (cm³ → mm³).
void CKNytaDLG::takeSections() {
  KnJoint& k = job_.kn;
  const SectionProperties& chord = chord_->row();
  const SectionProperties& brace1 = brace1_->row();
  const SectionProperties& brace2 = brace2_->row();
  k.h0 = chord.h, k.b0 = chord.b, k.t0 = chord.t;
  k.h1 = brace1.h, k.b1 = brace1.b, k.t1 = brace1.t;
  k.h2 = brace2.h, k.b2 = brace2.b, k.t2 = brace2.t;
  k.chord_type_index = chord_->typeIndex();
  k.chord_number_index = chord_->numberIndex();
  k.brace1_type_index = brace1_->typeIndex();
  k.brace1_number_index = brace1_->numberIndex();
  k.brace2_type_index = brace2_->typeIndex();
  k.brace2_number_index = brace2_->numberIndex();
  k.chord_section_text = chord_->description();
  k.brace1_section_text = brace1_->description();
  k.brace2_section_text = brace2_->description();
  k.chord_class = chord_->sectionClass();
  k.brace1_class = brace1_->sectionClass();
  k.brace2_class = brace2_->sectionClass();
  job_.chord.A0 = chord.A * 100;
  job_.chord.Wel0 = chord.Wy * 1000;
}

// N2 and N0,p follow the dialog's forces and angles; the picture shows the dialog's values.
void CKNytaDLG::deriveAndDraw() {
  KnJoint& k = job_.kn;
  k.face_plate = face_.check->isChecked() ? 1 : 0;
  k.side_plates = side_.check->isChecked() ? 1 : 0;
  k.overlap_plate = overlap_.check->isChecked() ? 1 : 0;
  DeriveKnForces(k);
  n2_edit_->setText(FormatDerivedForce(k.N2));
  CopyKnInputs(job_, preview_values_);
  preview_->update();
}

// The schematic code of the report draws the picture; the dialog only supplies its values.
void CKNytaDLG::drawPreview(DrawingSurface& surface, int width, int height) const {
  DrawKnPreview(surface, preview_values_, width, height);
}

void CKNytaDLG::onSectionChanged() {
  edits_.readOrComplain(this);
  takeSections();
  deriveAndDraw();
}

void CKNytaDLG::onLibraryFailed(const LibraryError& error) {
  ShowDialogMessage(this, QString::fromStdString(error.Text()));
}

void CKNytaDLG::onEditFinished() {
  if (edits_.read() == nullptr) deriveAndDraw();
}

void CKNytaDLG::onPlateToggled() {
  face_.followCheckBox(edits_);
  side_.followCheckBox(edits_);
  overlap_.followCheckBox(edits_);
  edits_.readOrComplain(this);
  deriveAndDraw();
}

void CKNytaDLG::redraw() {
  edits_.readOrComplain(this);
  deriveAndDraw();
}

void CKNytaDLG::accept() {
  // A section number typed but not yet taken counts as chosen.
  chord_->applyTypedNumber();
  brace1_->applyTypedNumber();
  brace2_->applyTypedNumber();
  if (!edits_.readOrComplain(this)) return;
  takeSections();
  deriveAndDraw();
  ConfirmKn(job_);
  QDialog::accept();
}

}  // namespace traxen
