// Layout and values of the dialog of a T, Y or X joint of a round brace on a rectangular chord.
#include "ui/dialogs/rc_tyx_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "joints/rc/rc_schematic.h"
#include "model/json_job_rc.h"
#include "ui/dialogs/dialog_widgets.h"
#include "ui/i18n/interface_language.h"

namespace traxen {

RcTyxDialog::RcTyxDialog(const Job& job, SectionLibrary library, QWidget* parent)
    : RcJointDialog(job, std::move(library), QStringLiteral("RcTyxDialog"),
                    tr("NELIKANTTORUVÖÖ JA ÜMARTORUVARRASTEGA X, Y ja T SÕLME GEOMEETRIA"), parent) {
  auto* right = new QVBoxLayout;
  QGroupBox* chord = memberBox(
      QStringLiteral("chordBox"), tr("VÖÖ"),
      {{QStringLiteral("N0Edit"), tr("Sisejõud vöö otstes N<sub>0</sub>"), QStringLiteral("kN"),
        tr("Vöö pikijõud, tõmme positiivne"), &n0_},
       {QStringLiteral("M0Edit"), tr("Paindemoment M<sub>0</sub>"), QStringLiteral("kNm"),
        tr("Paindemoment sõlmes"), &m0_},
       {QStringLiteral("fy0Edit"), tr("Voolavuspiir f<sub>y0</sub>"), QStringLiteral("MPa"),
        tr("Vöö teras"), &fy0_}},
      QString(), QString(), nullptr);
  addChordChoice(chord);
  right->addWidget(chord);
  right->addWidget(memberBox(
      QStringLiteral("braceBox"), tr("1. VARRAS"),
      {{QStringLiteral("N1Edit"), tr("Pikijõud N<sub>1</sub>"), QStringLiteral("kN"),
        tr("Varda pikijõud, tõmme positiivne"), &n1_},
       {QStringLiteral("theta1Edit"), tr("Kaldenurk θ<sub>1</sub>"), QStringLiteral("°"),
        tr("Varda ja vöö vaheline nurk"), &theta1_},
       {QStringLiteral("fy1Edit"), tr("Voolavuspiir f<sub>y1</sub>"), QStringLiteral("MPa"),
        tr("Varda teras"), &fy1_}},
      QStringLiteral("braceSectionCombo"), tr("1. varda ümartoru"), &brace_));
  x_joint_ = new QCheckBox(tr("X sõlm (2. varras vastaspoolel)"));
  x_joint_->setObjectName(QStringLiteral("xJointCheck"));
  x_joint_->setChecked(job_.rc_tyx.x_joint == 1);
  right->addWidget(x_joint_);
  auto* note = StaticText(QStringLiteral("30 ° &lt;= θ<sub>1</sub> &lt;= 150 °"));
  note->setObjectName(QStringLiteral("theta1Note"));
  right->addWidget(note);
  finishLayout(right);

  RcTyxJoint& x = job_.rc_tyx;
  edits_.add(n0_, &x.N0, FieldOfKey("rc_tyx.N0", QStringLiteral("N<sub>0</sub>"), QStringLiteral("kN")));
  edits_.add(m0_, &x.M0, FieldOfKey("rc_tyx.M0", QStringLiteral("M<sub>0</sub>"), QStringLiteral("kNm")));
  edits_.add(fy0_, &job_.steel.fy0, FieldOfKey("steel.fy0", QStringLiteral("f<sub>y0</sub>"), QStringLiteral("MPa")));
  edits_.add(n1_, &x.N1, FieldOfKey("rc_tyx.N1", QStringLiteral("N<sub>1</sub>"), QStringLiteral("kN")));
  edits_.add(theta1_, &x.theta1, FieldOfKey("rc_tyx.theta1", QStringLiteral("θ<sub>1</sub>"), QStringLiteral("°")));
  edits_.add(fy1_, &job_.steel.fy1, FieldOfKey("steel.fy1", QStringLiteral("f<sub>y1</sub>"), QStringLiteral("MPa")));
  FollowAngleNote(note, theta1_, 30, 150);
  connectEdits();
  connect(x_joint_, &QCheckBox::toggled, this, &ChsJointDialog::redraw);
  SetTabChain({n0_, m0_, fy0_, chord_choice_->combo(), n1_, theta1_, fy1_, brace_->combo(), x_joint_, draw_button_,
               ok_button_, cancel_button_});
}

std::vector<std::pair<double, double>> RcTyxDialog::memberSizes() const {
  const RcTyxJoint& x = job_.rc_tyx;
  return {{x.d1, x.t1}};
}

void RcTyxDialog::chordSize(double& h, double& b, double& t) const {
  const RcTyxJoint& x = job_.rc_tyx;
  h = x.h0, b = x.b0, t = x.t0;
}

void RcTyxDialog::takeSections() {
  RcTyxJoint& x = job_.rc_tyx;
  chord_choice_->chosen(x.h0, x.b0, x.t0);
  brace_->chosen(x.d1, x.t1);
  x.x_joint = x_joint_->isChecked() ? 1 : 0;
}

void RcTyxDialog::drawJoint(DrawingSurface& surface, int width, int height) const {
  DrawRcTyxPreview(surface, job_.rc_tyx, width, height, InterfaceReportLanguage());
}

void RcTyxDialog::confirm() {
  ConfirmRcTyx(job_);
  takeChordProperties();
}

}  // namespace traxen
