// Layout and values of the K/N joint dialog.
#include "ui/dialogs/kn_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/number_format.h"
#include "joints/kn/kn_schematic.h"
#include "model/confirm_job.h"
#include "model/joint_sections.h"
#include "families/dispatch.h"
#include "families/rhs_families.h"
#include "ui/dialogs/joint_preview.h"
#include "ui/dialogs/section_picker.h"
#include "ui/i18n/interface_language.h"

namespace traxen {

QString FormatDerivedForce(double kn) { return QString::fromStdString(FormatNumber("%.2f", kn)); }

CKNytaDLG::CKNytaDLG(const Job& job, SectionLibrary library, QWidget* parent)
    : JointDialog(job, std::move(library), QStringLiteral("CKNytaDLG"), tr("K ja N SÕLMEDE GEOMEETRIA"),
                  parent) {
  buildLayout();
  KnJoint& k = job_.kn;
  JobPlates& p = job_.plate;
  const QString kn = QStringLiteral("kN"), degrees = QStringLiteral("°");
  edits_.add(n0_edit_, &k.N0_left, FieldOfKey("kn.N0_left", ChordLeftForceSymbol(), kn));
  edits_.add(m0_edit_, &k.M0, FieldOfKey("kn.M0", QStringLiteral("M<sub>0</sub>"), QStringLiteral("kNm")));
  bindFaceAndSidePlates();
  edits_.add(overlap_.l, &p.overlap_l, PlateRow::SizeField(overlap_.text, QStringLiteral("l")));
  edits_.add(overlap_.b, &p.overlap_b, PlateRow::SizeField(overlap_.text, QStringLiteral("b")));
  edits_.add(overlap_.t, &p.overlap_t, PlateRow::SizeField(overlap_.text, QStringLiteral("t")));
  edits_.add(n1_edit_, &k.N1, FieldOfKey("kn.N1", QStringLiteral("N<sub>1</sub>"), kn));
  edits_.add(theta1_edit_, &k.theta1, FieldOfKey("kn.theta1", QStringLiteral("θ<sub>1</sub>"), degrees));
  edits_.add(theta2_edit_, &k.theta2, FieldOfKey("kn.theta2", QStringLiteral("θ<sub>2</sub>"), degrees));
  edits_.add(e_edit_, &k.e, FieldOfKey("kn.e", QStringLiteral("e"), QStringLiteral("mm")));
  n2_edit_->setText(FormatDerivedForce(k.N2));
  face_.check->setChecked(k.face_plate == 1);
  side_.check->setChecked(k.side_plates == 1);
  overlap_.check->setChecked(k.overlap_plate == 1);
  plate_rows_ = {&face_, &side_, &overlap_};
  const double fy = kKnClassifyingStrength;
  chord_ = new SectionPicker(library_, Member::kChord, fy, chord_type_, chord_number_, chord_text_,
                             tr("Vöö"), this);
  brace1_ = new SectionPicker(library_, Member::kBrace, fy, brace1_type_, brace1_number_, brace1_text_,
                              tr("1. varras"), this);
  brace2_ = new SectionPicker(library_, Member::kBrace, fy, brace2_type_, brace2_number_, brace2_text_,
                              tr("2. varras"), this);
  pickers_ = {chord_, brace1_, brace2_};
  showAndConnect({face_.check, side_.check, overlap_.check});
  FollowAngleNote(theta1_note_, theta1_edit_, 30, 90);
  FollowAngleNote(theta2_note_, theta2_edit_, 30, 90);
}

CKNytaDLG::~CKNytaDLG() = default;

void CKNytaDLG::buildLayout() {
  // The face plate's label stands about 155 units right of the plate, the angle arcs have a
  // radius of 150 about the joint: narrower pictures cut them off.
  buildPreview({640, 470}, {620, 420});

  QVBoxLayout* right = StackBoxes({buildChordBox(), buildBrace1Box(), buildBrace2Box()});

  auto* notes = new QHBoxLayout;
  notes->addWidget(Heading(tr("MÄRKUSED")));
  theta1_note_ = StaticText(QStringLiteral("30 ° &lt;= θ<sub>1</sub> &lt;= 90 °"));
  theta1_note_->setObjectName(QStringLiteral("theta1Note"));
  theta2_note_ = StaticText(QStringLiteral("30 ° &lt;= θ<sub>2</sub> &lt;= 90 °"));
  theta2_note_->setObjectName(QStringLiteral("theta2Note"));
  notes->addWidget(theta1_note_);
  notes->addSpacing(12);
  notes->addWidget(theta2_note_);
  notes->addStretch(1);
  right->addLayout(notes);

  e_edit_ = NumberEdit(QStringLiteral("eEdit"), tr("Ekstsentrilisus e"));
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(StaticText(tr("Ekstsentrilisus e"), e_edit_));
  bottom->addWidget(e_edit_);
  bottom->addWidget(StaticText(QStringLiteral("mm")));
  bottom->addStretch(1);
  addButtons(bottom);
  right->addLayout(bottom);
  setMainLayout(right);

  SetTabChain({n0_edit_, m0_edit_, chord_type_, chord_number_, face_.check, face_.l, face_.b, face_.t, side_.check,
               side_.l, side_.b, side_.t, overlap_.check, overlap_.l, overlap_.b, overlap_.t, n1_edit_, theta1_edit_,
               brace1_type_, brace1_number_, theta2_edit_, brace2_type_, brace2_number_, e_edit_, draw_button_,
               ok_button_, cancel_button_});
}

QWidget* CKNytaDLG::buildChordBox() {
  const MemberBox m = BuildMemberBox(
      {QStringLiteral("chordBox"),
       tr("VÖÖ"),
       {QStringLiteral("N0Edit"), tr("Pikijõud vöö vasakus otsas"),
        tr("Sisejõud vöö otsas  %1").arg(ChordLeftForceSymbol()), QStringLiteral("kN")},
       {QStringLiteral("M0Edit"), tr("Paindemoment vöös, + M -> vöö alumine pool tõmme"),
        QStringLiteral("M<sub>0</sub>"), QStringLiteral("kNm")},
       QStringLiteral("chordTypeCombo"),
       tr("Vöö nelikanttoru tüüp"),
       QStringLiteral("chordNumberCombo"),
       tr("Vöö nelikanttoru number"),
       QStringLiteral("chordSectionText")});
  n0_edit_ = m.first;
  m0_edit_ = m.second;
  chord_type_ = m.type;
  chord_number_ = m.number;
  chord_text_ = m.text;

  QGridLayout* plates = AddPlateGrid(m.column);
  face_ = AddPlateRow(plates, 1, tr("Ülekatteta sõlme vöö pinnalapp"), QStringLiteral("facePlate"));
  side_ = AddPlateRow(plates, 2, tr("Ülekatteta sõlme vöö küljelapp"), QStringLiteral("sidePlates"));
  overlap_ =
      AddPlateRow(plates, 3, tr("Ülekattega sõlme varraste vahelapp"), QStringLiteral("overlapPlate"));
  return m.box;
}

QWidget* CKNytaDLG::buildBrace1Box() {
  const MemberBox m = BuildBraceBox(1, QStringLiteral("brace1"));
  n1_edit_ = m.first;
  theta1_edit_ = m.second;
  brace1_type_ = m.type;
  brace1_number_ = m.number;
  brace1_text_ = m.text;
  return m.box;
}

QWidget* CKNytaDLG::buildBrace2Box() {
  const MemberBox m = BuildBraceBox(2, QStringLiteral("brace2"));
  // N2 follows from equilibrium: shown, never typed.
  n2_edit_ = m.first;
  n2_edit_->setReadOnly(true);
  n2_edit_->setFocusPolicy(Qt::ClickFocus);
  QPalette palette = n2_edit_->palette();
  palette.setColor(QPalette::Base, QColor(240, 240, 240));
  n2_edit_->setPalette(palette);
  theta2_edit_ = m.second;
  brace2_type_ = m.type;
  brace2_number_ = m.number;
  brace2_text_ = m.text;
  return m.box;
}

std::vector<JointDialog::StoredSection> CKNytaDLG::storedSections() const {
  const KnJoint& k = job_.kn;
  return {{k.chord_type_index, k.chord_number_index},
          {k.brace1_type_index, k.brace1_number_index},
          {k.brace2_type_index, k.brace2_number_index}};
}

void CKNytaDLG::takeSections() {
  KnJoint& k = job_.kn;
  TakeSection(*chord_, {k.h0, k.b0, k.t0, k.chord_type_index, k.chord_number_index, k.chord_section_text,
                        k.chord_class});
  TakeSection(*brace1_, {k.h1, k.b1, k.t1, k.brace1_type_index, k.brace1_number_index, k.brace1_section_text,
                         k.brace1_class});
  TakeSection(*brace2_, {k.h2, k.b2, k.t2, k.brace2_type_index, k.brace2_number_index, k.brace2_section_text,
                         k.brace2_class});
  TakeChordProperties(*chord_, job_.chord);
}

void CKNytaDLG::refresh() {
  KnJoint& k = job_.kn;
  k.face_plate = face_.check->isChecked() ? 1 : 0;
  k.side_plates = side_.check->isChecked() ? 1 : 0;
  k.overlap_plate = overlap_.check->isChecked() ? 1 : 0;
  DeriveKnForces(k);
  n2_edit_->setText(FormatDerivedForce(k.N2));
  CopyKnInputs(job_, preview_values_);
  preview_->update();
}

void CKNytaDLG::confirm() { ConfirmKn(job_); }

// The schematic code of the report draws the picture; the dialog supplies its values and
// labels it in the interface's language, as the report would be by default.
void CKNytaDLG::drawPreview(DrawingSurface& surface, int width, int height) const {
  DrawKnPreview(surface, preview_values_, width, height, InterfaceReportLanguage());
}

}  // namespace traxen
