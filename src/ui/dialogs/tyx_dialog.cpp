// Layout and values of the T/Y/X joint dialog.
#include "ui/dialogs/tyx_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "joints/tyx/tyx_schematic.h"
#include "model/confirm_job.h"
#include "families/dispatch.h"
#include "families/rhs_families.h"
#include "ui/dialogs/joint_preview.h"
#include "ui/dialogs/section_picker.h"
#include "ui/i18n/interface_language.h"

namespace traxen {

CXYTDlg::CXYTDlg(const Job& job, SectionLibrary library, QWidget* parent)
    : JointDialog(job, std::move(library), QStringLiteral("CXYTDlg"), tr("X,Y ja T SÕLMEDE GEOMEETRIA"),
                  parent) {
  buildLayout();
  TyxJoint& t = job_.tyx;
  edits_.add(n0_edit_, &t.N0, FieldOfKey("tyx.N0", ChordLeftForceSymbol(), QStringLiteral("kN")));
  edits_.add(m0_edit_, &t.M0, FieldOfKey("tyx.M0", QStringLiteral("M<sub>0</sub>"), QStringLiteral("kNm")));
  bindFaceAndSidePlates();
  edits_.add(n1_edit_, &t.N1, FieldOfKey("tyx.N1", QStringLiteral("N<sub>1</sub>"), QStringLiteral("kN")));
  edits_.add(theta1_edit_, &t.theta1, FieldOfKey("tyx.theta1", QStringLiteral("θ<sub>1</sub>"), QStringLiteral("°")));
  face_.check->setChecked(t.face_plate == 1);
  side_.check->setChecked(t.side_plates == 1);
  x_joint_->setChecked(t.x_joint == 1);
  plate_rows_ = {&face_, &side_};
  chord_ = new SectionPicker(library_, Member::kChord, t.fy_class_chord, chord_type_, chord_number_, chord_text_,
                             tr("Vöö"), this);
  brace_ = new SectionPicker(library_, Member::kBrace, t.fy_class_brace, brace_type_, brace_number_, brace_text_,
                             tr("1. varras"), this);
  pickers_ = {chord_, brace_};
  showAndConnect({face_.check, side_.check, x_joint_});
  FollowAngleNote(theta1_note_, theta1_edit_, 30, 150);
}

CXYTDlg::~CXYTDlg() = default;

void CXYTDlg::buildLayout() {
  // The sketch's labels stand at fixed distances beside the chord (the middle 60 % of the
  // width), the face plate's up to about 130 units to the right of the joint; the lower
  // brace of an X joint reaches about 200 units below the chord axis.
  buildPreview({520, 460}, {470, 430});

  QVBoxLayout* right = StackBoxes({buildChordBox(), buildBraceBox(), buildLowerBraceBox()});

  auto* notes = new QHBoxLayout;
  notes->addWidget(Heading(tr("MÄRKUS")));
  theta1_note_ = StaticText(QStringLiteral("30 ° &lt;= θ<sub>1</sub> &lt;= 150 °"));
  theta1_note_->setObjectName(QStringLiteral("theta1Note"));
  notes->addWidget(theta1_note_);
  notes->addStretch(1);
  addButtons(notes);
  right->addLayout(notes);
  setMainLayout(right);

  SetTabChain({n0_edit_, m0_edit_, chord_type_, chord_number_, face_.check, face_.l, face_.b, face_.t, side_.check,
               side_.l, side_.b, side_.t, n1_edit_, theta1_edit_, brace_type_, brace_number_, x_joint_, draw_button_,
               ok_button_, cancel_button_});
}

QWidget* CXYTDlg::buildChordBox() {
  const MemberBox m = BuildMemberBox(
      {QStringLiteral("chordBox"),
       tr("VÖÖ"),
       {QStringLiteral("N0Edit"), tr("Sisejõud vöö vasakus otsas"),
        tr("Sisejõud vöö otstes  %1").arg(ChordLeftForceSymbol()), QStringLiteral("kN")},
       {QStringLiteral("M0Edit"), tr("Paindemoment sõlmes"), QStringLiteral("M<sub>0</sub>"),
        QStringLiteral("kNm")},
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
  face_ = AddPlateRow(plates, 1, tr("Pinna tugevdus"), QStringLiteral("facePlate"),
                      {tr("Vöö pealmispinna tugevduslapi pikkus"),
                       tr("Vöö pealmispinna tugevduslapi laius"),
                       tr("Vöö pealmispinna tugevduslapi paksus")});
  side_ = AddPlateRow(plates, 2, tr("Külje tugevdus"), QStringLiteral("sidePlates"),
                      {tr("Vöö külgpinna tugevduslapi pikkus"),
                       tr("Vöö külgpinna tugevduslapi laius"),
                       tr("Vöö külgpinna tugevduslapi paksus")});
  return m.box;
}

QWidget* CXYTDlg::buildBraceBox() {
  const MemberBox m = BuildBraceBox(1, QStringLiteral("brace"));
  n1_edit_ = m.first;
  theta1_edit_ = m.second;
  brace_type_ = m.type;
  brace_number_ = m.number;
  brace_text_ = m.text;
  return m.box;
}

QWidget* CXYTDlg::buildLowerBraceBox() {
  auto* box = new QGroupBox;
  box->setObjectName(QStringLiteral("lowerBraceBox"));
  auto* h = new QHBoxLayout(box);
  h->addWidget(Heading(tr("2. VARRAS")));
  x_joint_ = new QCheckBox(tr("X sõlm"));
  x_joint_->setObjectName(QStringLiteral("xJointCheck"));
  QPalette palette = x_joint_->palette();
  palette.setColor(QPalette::WindowText, QColor(0, 0, 255));
  x_joint_->setPalette(palette);
  h->addSpacing(24);
  h->addWidget(x_joint_);
  h->addStretch(1);
  return box;
}

std::vector<JointDialog::StoredSection> CXYTDlg::storedSections() const {
  const TyxJoint& t = job_.tyx;
  return {{t.chord_type_index, t.chord_number_index}, {t.brace1_type_index, t.brace1_number_index}};
}

void CXYTDlg::takeSections() {
  TyxJoint& t = job_.tyx;
  TakeSection(*chord_, {t.h0, t.b0, t.t0, t.chord_type_index, t.chord_number_index, t.chord_section_text,
                        t.chord_class});
  TakeSection(*brace_, {t.h1, t.b1, t.t1, t.brace1_type_index, t.brace1_number_index, t.brace_section_text,
                        t.brace_class});
  TakeChordProperties(*chord_, job_.chord);
}

void CXYTDlg::refresh() {
  TyxJoint& t = job_.tyx;
  t.face_plate = face_.check->isChecked() ? 1 : 0;
  t.side_plates = side_.check->isChecked() ? 1 : 0;
  t.x_joint = x_joint_->isChecked() ? 1 : 0;
  MirrorTyxBrace2(t);
  CopyTyxInputs(job_, preview_values_);
  preview_->update();
}

void CXYTDlg::confirm() { ConfirmTyx(job_); }

// The schematic code of the report draws the picture; the dialog supplies its values and
// labels it in the interface's language, as the report would be by default.
void CXYTDlg::drawPreview(DrawingSurface& surface, int width, int height) const {
  DrawTyxPreview(surface, preview_values_, width, height, InterfaceReportLanguage());
}

}  // namespace traxen
