// Layout and values of the dialog of a K or N joint of round braces on a rectangular chord.
#include "ui/dialogs/rc_kn_dialog.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/number_format.h"
#include "joints/rc/rc_schematic.h"
#include "model/json_job_rc.h"
#include "ui/dialogs/dialog_widgets.h"
#include "ui/i18n/interface_language.h"

namespace traxen {

RcKnDialog::RcKnDialog(const Job& job, SectionLibrary library, QWidget* parent)
    : RcJointDialog(job, std::move(library), QStringLiteral("RcKnDialog"),
                    tr("NELIKANTTORUVÖÖ JA ÜMARTORUVARRASTEGA K ja N SÕLME GEOMEETRIA"), parent) {
  auto* right = new QVBoxLayout;
  QGroupBox* chord = memberBox(
      QStringLiteral("chordBox"), tr("VÖÖ"),
      {{QStringLiteral("N0Edit"), tr("Sisejõud vöö vasakus otsas N<sub>0,v</sub>"), QStringLiteral("kN"),
        tr("Vöö pikijõud sõlmest vasakul, tõmme positiivne"), &n0_},
       {QStringLiteral("M0Edit"), tr("Paindemoment M<sub>0</sub>"), QStringLiteral("kNm"),
        tr("Paindemoment sõlmes"), &m0_},
       {QStringLiteral("eEdit"), tr("Ekstsentrilisus e"), QStringLiteral("mm"),
        tr("Varraste telgede lõikepunkt vöö teljest, + varrastest eemale"), &e_},
       {QStringLiteral("fy0Edit"), tr("Voolavuspiir f<sub>y0</sub>"), QStringLiteral("MPa"),
        tr("Vöö teras"), &fy0_}},
      QString(), QString(), nullptr);
  addChordChoice(chord);
  right->addWidget(chord);
  right->addWidget(memberBox(
      QStringLiteral("brace1Box"), tr("1. VARRAS (vasakul)"),
      {{QStringLiteral("N1Edit"), tr("Pikijõud N<sub>1</sub>"), QStringLiteral("kN"),
        tr("1. varda pikijõud, tõmme positiivne"), &n1_},
       {QStringLiteral("theta1Edit"), tr("Kaldenurk θ<sub>1</sub>"), QStringLiteral("°"),
        tr("1. varda ja vöö vaheline nurk"), &theta1_},
       {QStringLiteral("fy1Edit"), tr("Voolavuspiir f<sub>y1</sub>"), QStringLiteral("MPa"),
        tr("1. varda teras"), &fy1_}},
      QStringLiteral("brace1SectionCombo"), tr("1. varda ümartoru"), &brace1_));
  right->addWidget(memberBox(
      QStringLiteral("brace2Box"), tr("2. VARRAS (paremal)"),
      {{QStringLiteral("theta2Edit"), tr("Kaldenurk θ<sub>2</sub>"), QStringLiteral("°"),
        tr("2. varda ja vöö vaheline nurk"), &theta2_},
       {QStringLiteral("fy2Edit"), tr("Voolavuspiir f<sub>y2</sub>"), QStringLiteral("MPa"),
        tr("2. varda teras"), &fy2_}},
      QStringLiteral("brace2SectionCombo"), tr("2. varda ümartoru"), &brace2_));
  derived_ = StaticText(QString());
  derived_->setObjectName(QStringLiteral("derivedForces"));
  right->addWidget(derived_);
  auto* note = StaticText(QStringLiteral("30 ° &lt;= θ<sub>1</sub>, θ<sub>2</sub> &lt;= 150 °"));
  note->setObjectName(QStringLiteral("thetaNote"));
  right->addWidget(note);
  finishLayout(right);

  RcKnJoint& k = job_.rc_kn;
  edits_.add(n0_, &k.N0_left, FieldOfKey("rc_kn.N0_left", QStringLiteral("N<sub>0,v</sub>"), QStringLiteral("kN")));
  edits_.add(m0_, &k.M0, FieldOfKey("rc_kn.M0", QStringLiteral("M<sub>0</sub>"), QStringLiteral("kNm")));
  edits_.add(e_, &k.e, FieldOfKey("rc_kn.e", QStringLiteral("e"), QStringLiteral("mm")));
  edits_.add(fy0_, &job_.steel.fy0, FieldOfKey("steel.fy0", QStringLiteral("f<sub>y0</sub>"), QStringLiteral("MPa")));
  edits_.add(n1_, &k.N1, FieldOfKey("rc_kn.N1", QStringLiteral("N<sub>1</sub>"), QStringLiteral("kN")));
  edits_.add(theta1_, &k.theta1, FieldOfKey("rc_kn.theta1", QStringLiteral("θ<sub>1</sub>"), QStringLiteral("°")));
  edits_.add(fy1_, &job_.steel.fy1, FieldOfKey("steel.fy1", QStringLiteral("f<sub>y1</sub>"), QStringLiteral("MPa")));
  edits_.add(theta2_, &k.theta2, FieldOfKey("rc_kn.theta2", QStringLiteral("θ<sub>2</sub>"), QStringLiteral("°")));
  edits_.add(fy2_, &job_.steel.fy2, FieldOfKey("steel.fy2", QStringLiteral("f<sub>y2</sub>"), QStringLiteral("MPa")));
  connectEdits();
  SetTabChain({n0_, m0_, e_, fy0_, chord_choice_->combo(), n1_, theta1_, fy1_, brace1_->combo(), theta2_, fy2_,
               brace2_->combo(), draw_button_, ok_button_, cancel_button_});
}

std::vector<std::pair<double, double>> RcKnDialog::memberSizes() const {
  const RcKnJoint& k = job_.rc_kn;
  return {{k.d1, k.t1}, {k.d2, k.t2}};
}

void RcKnDialog::chordSize(double& h, double& b, double& t) const {
  const RcKnJoint& k = job_.rc_kn;
  h = k.h0, b = k.b0, t = k.t0;
}

void RcKnDialog::takeSections() {
  RcKnJoint& k = job_.rc_kn;
  chord_choice_->chosen(k.h0, k.b0, k.t0);
  brace1_->chosen(k.d1, k.t1);
  brace2_->chosen(k.d2, k.t2);
}

void RcKnDialog::showDerived() {
  DeriveRcKnForces(job_.rc_kn);
  const RcKnJoint& k = job_.rc_kn;
  derived_->setText(QString::fromStdString(FormatNumber("N<sub>2</sub> = %.1f kN,   ", k.N2)) +
                    ChordRightForceSymbol() + QString::fromStdString(FormatNumber(" = %.1f kN", k.N0_right)));
}

void RcKnDialog::drawJoint(DrawingSurface& surface, int width, int height) const {
  DrawRcKnPreview(surface, job_.rc_kn, width, height, InterfaceReportLanguage());
}

void RcKnDialog::confirm() {
  ConfirmRcKn(job_);
  takeChordProperties();
}

}  // namespace traxen
