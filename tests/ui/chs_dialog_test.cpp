// The circular hollow section joint dialogs as a user drives them: what they show for a job,
// the sections from the circular hollow section table, what OK and Cancel write, pink fields
// and the picture that follows the edits.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "joint_dialog_test_support.h"
#include "model/chs_ring.h"
#include "model/job.h"
#include "report/recording_surface.h"
#include "sections/section_library.h"
#include "ui/dialogs/chs_kn_dialog.h"
#include "ui/dialogs/chs_tyx_dialog.h"
#include "ui/dialogs/joint_dialog_common.h"

using namespace traxen;
using namespace traxen::test;

namespace {

// Types into an edit as a user does, key by key; the picture follows each.
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

class ChsDialogTest : public QObject {
  Q_OBJECT
 private slots:
  // A size the table lacks leads the list as the job's own, so OK keeps it.
  void opensWithTheJobsValuesAndSizes() {
    Job job;
    ChsTyxDialog dialog(job, SectionLibrary(ShippedLibraryDir()));
    QVERIFY(!dialog.initialise());
    QCOMPARE(Find<QLineEdit>(&dialog, "N0Edit")->text(), QStringLiteral("-112"));
    QCOMPARE(Find<QLineEdit>(&dialog, "N1Edit")->text(), QStringLiteral("-79.5"));
    QCOMPARE(Find<QLineEdit>(&dialog, "theta1Edit")->text(), QStringLiteral("90"));
    QComboBox* chord = Find<QComboBox>(&dialog, "chordSectionCombo");
    QCOMPARE(chord->currentText(), QStringLiteral("89x5 (töö)"));
    QVERIFY(chord->findText(QStringLiteral("88.9x5")) > 0);
    QVERIFY(chord->findText(QStringLiteral("219.1x12.5")) > 0);
    QVERIFY(!Find<QCheckBox>(&dialog, "xJointCheck")->isChecked());
    QVERIFY(!dialog.previewShowsInvalidInput());

    job.chs_tyx.d0 = 88.9;
    ChsTyxDialog listed(job, SectionLibrary(ShippedLibraryDir()));
    QVERIFY(!listed.initialise());
    QCOMPARE(Find<QComboBox>(&listed, "chordSectionCombo")->currentText(), QStringLiteral("88.9x5"));
    QCOMPARE(Find<QComboBox>(&listed, "chordSectionCombo")->findText(QStringLiteral("89x5 (töö)")), -1);
  }

  void okWritesTheGroupTheRingAndTheFamily() {
    Job job;
    job.family.is_kn = 1;
    ChsTyxDialog dialog(job, SectionLibrary(ShippedLibraryDir()));
    QVERIFY(!dialog.initialise());
    QVERIFY(ShowExposed(dialog));
    QVERIFY(Select(Find<QComboBox>(&dialog, "chordSectionCombo"), QStringLiteral("168.3x8")) >= 0);
    QVERIFY(Select(Find<QComboBox>(&dialog, "braceSectionCombo"), QStringLiteral("88.9x4")) >= 0);
    TypeLive(Find<QLineEdit>(&dialog, "theta1Edit"), QStringLiteral("60,5"));
    TypeLive(Find<QLineEdit>(&dialog, "fy1Edit"), QStringLiteral("420"));
    Find<QCheckBox>(&dialog, "xJointCheck")->setChecked(true);
    QTest::mouseClick(Find<QPushButton>(&dialog, "okButton"), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    const Job& out = dialog.job();
    QCOMPARE(out.family.is_chs_tyx, 1);
    QCOMPARE(out.family.is_kn, 0);
    QCOMPARE(out.chs_tyx.d0, 168.3);
    QCOMPARE(out.chs_tyx.t0, 8.0);
    QCOMPARE(out.chs_tyx.d1, 88.9);
    QCOMPARE(out.chs_tyx.t1, 4.0);
    QCOMPARE(out.chs_tyx.theta1, 60.5);
    QCOMPARE(out.chs_tyx.x_joint, 1);
    QCOMPARE(out.steel.fy1, 420.0);
    QCOMPARE(out.steel.fy2, 420.0);  // the lower brace is brace 1 mirrored
    QCOMPARE(out.chord.A0, RingArea(168.3, 8));
    QCOMPARE(out.chord.Wel0, RingModulus(168.3, 8));
  }

  // A field that cannot be taken turns pink as it is typed, the picture says so, and OK is
  // refused with the field named; the job stays as it was.
  void badFieldsArePinkAndRefused() {
    const Job job;
    ChsTyxDialog dialog(job, SectionLibrary(ShippedLibraryDir()));
    QVERIFY(!dialog.initialise());
    QVERIFY(ShowExposed(dialog));
    QLineEdit* theta = Find<QLineEdit>(&dialog, "theta1Edit");
    TypeLive(theta, QStringLiteral("190"));
    QVERIFY(IsPink(theta));
    QVERIFY(dialog.previewShowsInvalidInput());
    QVERIFY(PictureSays(dialog, kInvalidInputText));
    MessageBoxCatcher catcher;
    catcher.arm();
    QTest::mouseClick(Find<QPushButton>(&dialog, "okButton"), Qt::LeftButton);
    QTRY_COMPARE(catcher.texts.size(), 1);
    QVERIFY(catcher.texts[0].contains(QStringLiteral("θ")));
    QVERIFY(dialog.isVisible());
    QVERIFY(dialog.result() != QDialog::Accepted);
    QVERIFY(dialog.job().family.is_chs_tyx != 1);
    TypeLive(theta, QStringLiteral("45"));
    QVERIFY(!IsPink(theta));
    QVERIFY(!dialog.previewShowsInvalidInput());
    QVERIFY(PictureSays(dialog, "θ1 = 45.0°"));
  }

  void cancelLeavesTheJob() {
    Job job;
    ChsTyxDialog dialog(job, SectionLibrary(ShippedLibraryDir()));
    QVERIFY(!dialog.initialise());
    QVERIFY(ShowExposed(dialog));
    TypeLive(Find<QLineEdit>(&dialog, "N1Edit"), QStringLiteral("12"));
    QTest::mouseClick(Find<QPushButton>(&dialog, "cancelButton"), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
  }

  // The K/N dialog shows the forces equilibrium gives as the user types, and OK writes them.
  void knDialogDerivesForcesAndKeepsSizesTheTableLacks() {
    Job job;
    ChsKnDialog dialog(job, SectionLibrary(ShippedLibraryDir()));
    QVERIFY(!dialog.initialise());
    QVERIFY(ShowExposed(dialog));
    QCOMPARE(Find<QComboBox>(&dialog, "chordSectionCombo")->currentText(), QStringLiteral("219.1x12.5"));
    QCOMPARE(Find<QComboBox>(&dialog, "brace2SectionCombo")->currentText(), QStringLiteral("114.3x3.6 (töö)"));
    QVERIFY(Find<QLabel>(&dialog, "derivedForces")->text().contains(QStringLiteral("= 500.0 kN")));
    TypeLive(Find<QLineEdit>(&dialog, "N1Edit"), QStringLiteral("-300"));
    QVERIFY(Find<QLabel>(&dialog, "derivedForces")->text().contains(QStringLiteral("= 300.0 kN")));
    QVERIFY(PictureSays(dialog, "N2 = 300.0 kN"));
    QTest::mouseClick(Find<QPushButton>(&dialog, "okButton"), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    const Job& out = dialog.job();
    QCOMPARE(out.family.is_chs_kn, 1);
    QCOMPARE(out.family.is_chs_tyx, 0);
    QCOMPARE(out.chs_kn.N1, -300.0);
    QCOMPARE(out.chs_kn.N2, 300.0);
    QCOMPARE(out.chs_kn.d2, 114.3);
    QCOMPARE(out.chs_kn.t2, 3.6);
    QCOMPARE(out.chord.A0, RingArea(219.1, 12.5));
  }

  void aLibraryWithoutTheTableCannotOpenTheDialog() {
    TinyLibrary library;
    library.write(QStringLiteral("profdeftraxen.txt"), "RUUTTORU\n");
    ChsTyxDialog dialog(Job{}, SectionLibrary(library.dir()));
    QVERIFY(dialog.initialise());
  }
};

QTEST_MAIN(ChsDialogTest)
#include "chs_dialog_test.moc"
