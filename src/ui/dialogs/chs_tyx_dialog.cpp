// Layout and values of the circular hollow section T/Y/X joint dialog.
#include "ui/dialogs/chs_tyx_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "joints/chs/chs_schematic.h"
#include "model/json_job_chs.h"
#include "ui/dialogs/dialog_widgets.h"
#include "ui/i18n/interface_language.h"

namespace traxen {

ChsTyxDialog::ChsTyxDialog(const Job& job, SectionLibrary library, QWidget* parent)
    : ChsJointDialog(job, std::move(library), QStringLiteral("ChsTyxDialog"),
                     tr("ÜMARTORUDEST X, Y ja T SÕLME GEOMEETRIA"), parent) {
  auto* right = new QVBoxLayout;
  right->addWidget(memberBox(
      QStringLiteral("chordBox"), tr("VÖÖ"),
      {{QStringLiteral("N0Edit"), tr("Vöö eelpinge N<sub>0</sub>"), QStringLiteral("kN"),
        tr("Vöö pikijõud sõlme kõrval ilma varda komponendita"), &n0_},
       {QStringLiteral("M0Edit"), tr("Paindemoment M<sub>0</sub>"), QStringLiteral("kNm"),
        tr("Paindemoment sõlmes"), &m0_},
       {QStringLiteral("fy0Edit"), tr("Voolavuspiir f<sub>y0</sub>"), QStringLiteral("MPa"),
        tr("Vöö teras"), &fy0_}},
      QStringLiteral("chordSectionCombo"), tr("Vöö ümartoru"), &chord_));
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
  x_joint_->setChecked(job_.chs_tyx.x_joint == 1);
  right->addWidget(x_joint_);
  auto* note = StaticText(QStringLiteral("30 ° &lt;= θ<sub>1</sub> &lt;= 150 °"));
  note->setObjectName(QStringLiteral("theta1Note"));
  right->addWidget(note);
  finishLayout(right);

  ChsTyxJoint& x = job_.chs_tyx;
  edits_.add(n0_, &x.N0, FieldOfKey("chs_tyx.N0", QStringLiteral("N<sub>0</sub>"), QStringLiteral("kN")));
  edits_.add(m0_, &x.M0, FieldOfKey("chs_tyx.M0", QStringLiteral("M<sub>0</sub>"), QStringLiteral("kNm")));
  edits_.add(fy0_, &job_.steel.fy0, FieldOfKey("steel.fy0", QStringLiteral("f<sub>y0</sub>"), QStringLiteral("MPa")));
  edits_.add(n1_, &x.N1, FieldOfKey("chs_tyx.N1", QStringLiteral("N<sub>1</sub>"), QStringLiteral("kN")));
  edits_.add(theta1_, &x.theta1, FieldOfKey("chs_tyx.theta1", QStringLiteral("θ<sub>1</sub>"), QStringLiteral("°")));
  edits_.add(fy1_, &job_.steel.fy1, FieldOfKey("steel.fy1", QStringLiteral("f<sub>y1</sub>"), QStringLiteral("MPa")));
  FollowAngleNote(note, theta1_, 30, 150);
  connectEdits();
  connect(x_joint_, &QCheckBox::toggled, this, &ChsJointDialog::redraw);
  SetTabChain({n0_, m0_, fy0_, chord_->combo(), n1_, theta1_, fy1_, brace_->combo(), x_joint_, draw_button_,
               ok_button_, cancel_button_});
}

std::vector<std::pair<double, double>> ChsTyxDialog::memberSizes() const {
  const ChsTyxJoint& x = job_.chs_tyx;
  return {{x.d0, x.t0}, {x.d1, x.t1}};
}

void ChsTyxDialog::takeSections() {
  ChsTyxJoint& x = job_.chs_tyx;
  chord_->chosen(x.d0, x.t0);
  brace_->chosen(x.d1, x.t1);
  x.x_joint = x_joint_->isChecked() ? 1 : 0;
}

void ChsTyxDialog::drawJoint(DrawingSurface& surface, int width, int height) const {
  DrawChsTyxPreview(surface, job_.chs_tyx, width, height, InterfaceReportLanguage());
}

// The X joint's lower brace is brace 1 mirrored, its steel too.
void ChsTyxDialog::confirm() {
  job_.steel.fy2 = job_.steel.fy1;
  ConfirmChsTyx(job_);
}

}  // namespace traxen
