// The dialogs of round braces on a rectangular chord as a user drives them: the chord from the
// square and rectangular tubes, the braces from the round tube table, what OK and Cancel
// write, pink fields and the picture that follows the edits.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "joint_dialog_test_support.h"
#include "model/job.h"
#include "model/json_job_rc.h"
#include "report/recording_surface.h"
#include "sections/section_library.h"
#include "ui/dialogs/rc_kn_dialog.h"
#include "ui/dialogs/rc_tyx_dialog.h"

using namespace traxen;
using namespace traxen::test;

namespace {

void TypeLive(QLineEdit* edit, const QString& text) {
  edit->selectAll();
  QTest::keyClicks(edit, text);
}

bool IsPink(QWidget* w) { return w->styleSheet().contains(QStringLiteral("255, 220, 220")); }

bool PictureSays(const ChsJointDialog& dialog, const char* text) {
  RecordingSurface s;
  dialog.drawPicture(s, 500, 400);
  for (const DrawOp& op : s.ops())
    if (op.kind == DrawOp::Kind::Text && op.text == text) return true;
  return false;
}

int Select(QComboBox* combo, const QString& text) {
  const int i = combo->findText(text);
  combo->setCurrentIndex(i);
  return i;
}

}  // namespace

class RcDialogTest : public QObject {
  Q_OBJECT
 private slots:
  void opensWithTheJobsSizesFromBothTables() {
    Job job;
    RcTyxDialog dialog(job, SectionLibrary(ShippedLibraryDir()));
    QVERIFY(!dialog.initialiseAll());
    QComboBox* chord = Find<QComboBox>(&dialog, "chordSectionCombo");
    QComboBox* brace = Find<QComboBox>(&dialog, "braceSectionCombo");
    QCOMPARE(chord->currentText(), QStringLiteral("200x200x8"));
    QVERIFY(chord->findText(QStringLiteral("300x200x10")) > 0);   // rectangular tubes too
    QCOMPARE(chord->findText(QStringLiteral("114.3x5")), -1);     // no round tube for the chord
    QCOMPARE(brace->currentText(), QStringLiteral("114.3x5"));
    QCOMPARE(brace->findText(QStringLiteral("200x200x8")), -1);   // no rectangle for a brace
    QCOMPARE(Find<QLineEdit>(&dialog, "N0Edit")->text(), QStringLiteral("-271.6"));
    QVERIFY(!dialog.previewShowsInvalidInput());
    QVERIFY(PictureSays(dialog, "h0 × b0 × t0 = 200.0 × 200.0 × 8.0"));
    QVERIFY(PictureSays(dialog, "d1 × t1 = 114.3 × 5.0"));

    // A chord size no table holds leads the list as the job's own.
    job.rc_tyx.h0 = 210;
    RcTyxDialog own(job, SectionLibrary(ShippedLibraryDir()));
    QVERIFY(!own.initialiseAll());
    QCOMPARE(Find<QComboBox>(&own, "chordSectionCombo")->currentText(), QStringLiteral("210x200x8 (töö)"));
  }

  void okWritesTheGroupTheChordAndTheFamily() {
    Job job;
    job.family.is_chs_kn = 1;
    RcTyxDialog dialog(job, SectionLibrary(ShippedLibraryDir()));
    QVERIFY(!dialog.initialiseAll());
    QVERIFY(ShowExposed(dialog));
    QVERIFY(Select(Find<QComboBox>(&dialog, "chordSectionCombo"), QStringLiteral("250x150x8")) >= 0);
    QVERIFY(Select(Find<QComboBox>(&dialog, "braceSectionCombo"), QStringLiteral("88.9x4")) >= 0);
    TypeLive(Find<QLineEdit>(&dialog, "theta1Edit"), QStringLiteral("60,5"));
    Find<QCheckBox>(&dialog, "xJointCheck")->setChecked(true);
    QVERIFY(PictureSays(dialog, "  X - SÕLM "));
    QTest::mouseClick(Find<QPushButton>(&dialog, "okButton"), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    const Job& out = dialog.job();
    QCOMPARE(out.family.is_rc_tyx, 1);
    QCOMPARE(out.family.is_chs_kn, 0);
    QCOMPARE(out.rc_tyx.h0, 250.0);
    QCOMPARE(out.rc_tyx.b0, 150.0);
    QCOMPARE(out.rc_tyx.t0, 8.0);
    QCOMPARE(out.rc_tyx.d1, 88.9);
    QCOMPARE(out.rc_tyx.t1, 4.0);
    QCOMPARE(out.rc_tyx.theta1, 60.5);
    QCOMPARE(out.rc_tyx.x_joint, 1);
    // The library row's own area and modulus.
    QVERIFY(std::abs(out.chord.A0 - RcChordArea(250, 150, 8)) < 0.01 * out.chord.A0);
    QVERIFY(out.chord.Wel0 > 0);
  }

  void badFieldsArePinkAndRefused() {
    RcTyxDialog dialog(Job{}, SectionLibrary(ShippedLibraryDir()));
    QVERIFY(!dialog.initialiseAll());
    QVERIFY(ShowExposed(dialog));
    QLineEdit* theta = Find<QLineEdit>(&dialog, "theta1Edit");
    TypeLive(theta, QStringLiteral("190"));
    QVERIFY(IsPink(theta));
    QVERIFY(dialog.previewShowsInvalidInput());
    MessageBoxCatcher catcher;
    catcher.arm();
    QTest::mouseClick(Find<QPushButton>(&dialog, "okButton"), Qt::LeftButton);
    QTRY_COMPARE(catcher.texts.size(), 1);
    QVERIFY(dialog.isVisible());
    QVERIFY(dialog.job().family.is_rc_tyx != 1);
    TypeLive(theta, QStringLiteral("45"));
    QVERIFY(!IsPink(theta));
    QVERIFY(PictureSays(dialog, "θ1 = 45.0°"));
    QTest::mouseClick(Find<QPushButton>(&dialog, "cancelButton"), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
  }

  // The K/N dialog shows the forces equilibrium gives as the user types, and the gap or
  // overlap in its picture; OK writes them.
  void knDialogDerivesForcesAndDrawsTheOverlap() {
    RcKnDialog dialog(Job{}, SectionLibrary(ShippedLibraryDir()));
    QVERIFY(!dialog.initialiseAll());
    QVERIFY(ShowExposed(dialog));
    QCOMPARE(Find<QComboBox>(&dialog, "chordSectionCombo")->currentText(), QStringLiteral("200x200x8"));
    QCOMPARE(Find<QComboBox>(&dialog, "brace2SectionCombo")->currentText(), QStringLiteral("114.3x5"));
    QVERIFY(PictureSays(dialog, "  KN ÜLEKATTETA - SÕLM "));
    TypeLive(Find<QLineEdit>(&dialog, "N1Edit"), QStringLiteral("-300"));
    QVERIFY(Find<QLabel>(&dialog, "derivedForces")->text().contains(QStringLiteral("= 300.0 kN")));
    QVERIFY(PictureSays(dialog, "N2 = 300.0 kN"));
    TypeLive(Find<QLineEdit>(&dialog, "eEdit"), QStringLiteral("-50"));
    QVERIFY(PictureSays(dialog, "  KN ÜLEKATTEGA - SÕLM "));
    QVERIFY(Select(Find<QComboBox>(&dialog, "brace2SectionCombo"), QStringLiteral("101.6x5")) >= 0);
    QTest::mouseClick(Find<QPushButton>(&dialog, "okButton"), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    const Job& out = dialog.job();
    QCOMPARE(out.family.is_rc_kn, 1);
    QCOMPARE(out.rc_kn.N1, -300.0);
    QCOMPARE(out.rc_kn.N2, 300.0);
    QCOMPARE(out.rc_kn.e, -50.0);
    QCOMPARE(out.rc_kn.d2, 101.6);
    QVERIFY(out.chord.A0 > 0);
  }

  void aLibraryWithoutTheTablesCannotOpenTheDialog() {
    TinyLibrary library;
    library.write(QStringLiteral("profdeftraxen.txt"), "YMARTORU\n");
    RcKnDialog dialog(Job{}, SectionLibrary(library.dir()));
    QVERIFY(dialog.initialiseAll());
  }
};

QTEST_MAIN(RcDialogTest)
#include "rc_dialog_test.moc"
