// What the joint dialogs refuse: member types other than square and rectangular hollow
// sections, numbers out of their range, section names the list does not have; and how they
// show it: marked fields, messages naming the field, a picture that says "andmed vigased",
// angle notes that turn red.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>
#include <array>
#include <memory>

#include "joint_dialog_test_support.h"
#include "model/job.h"
#include "ui/dialogs/joint_dialog_entry.h"
#include "ui/dialogs/joint_preview.h"
#include "ui/dialogs/kn_dialog.h"
#include "ui/dialogs/tyx_dialog.h"

using namespace traxen;
using namespace traxen::test;

namespace {

// Positions in the shipped list file.
constexpr int kRuuttoru = 0, kRisttoruII = 2, kYmartoru = 3, kIpe = 4, kHea = 5;

std::unique_ptr<JointDialog> OpenDialog(const QString& family, const Job& job) {
  std::unique_ptr<JointDialog> d;
  if (family == "tyx") d = std::make_unique<CXYTDlg>(job, SectionLibrary(ShippedLibraryDir()));
  else d = std::make_unique<CKNytaDLG>(job, SectionLibrary(ShippedLibraryDir()));
  if (d->initialise()) qFatal("the shipped library does not open");
  return d;
}

bool SaysInvalid(const JointDialog& dialog) {
  RecordingSurface s;
  Find<JointPreview>(const_cast<JointDialog*>(&dialog), "preview")->render(s, 400, 300);
  for (const auto& t : s.texts())
    if (t.text == kInvalidInputText) return true;
  return false;
}

bool IsMarked(const QWidget* w) { return w->styleSheet().contains(QStringLiteral("255, 220, 220")); }

}  // namespace

class JointDialogGuardsTest : public QObject {
  Q_OBJECT
 private slots:
  // The type lists offer the hollow sections only, each standing for its place in the list
  // file; the library's I-sections, channels and round tubes are not offered.
  void onlyHollowSectionTypesAreOffered() {
    for (const QString family : {"tyx", "kn"}) {
      const auto dialog = OpenDialog(family, Job{});
      const QList<QComboBox*> combos = dialog->findChildren<QComboBox*>(QRegularExpression("TypeCombo$"));
      QCOMPARE(combos.size(), family == "tyx" ? 2 : 3);
      for (QComboBox* combo : combos) {
        QStringList offered;
        for (int i = 0; i < combo->count(); ++i) {
          offered << combo->itemText(i);
          QCOMPARE(combo->itemData(i).toInt(), i);  // the shipped list begins with them
        }
        QCOMPARE(offered, (QStringList{"RUUTTORU", "RISTTORU_I", "RISTTORU_II"}));
      }
    }
  }

  // A job whose stored type is no hollow section (as a project file may hold): the dialog
  // opens with the type box marked and naming the type, nothing drawn, OK refused until a
  // hollow section is chosen.
  void aStoredTypeOfAnotherKindMustBeReplaced_data() {
    QTest::addColumn<QString>("family");
    QTest::addColumn<int>("member");  // 0 chord, 1 brace 1, 2 brace 2
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("combo");
    QTest::addColumn<QString>("message");
    QTest::newRow("T/Y/X chord HEA") << "tyx" << 0 << kHea << "chordTypeCombo"
                                     << "Vöö profiili tüüp HEA ei ole nelikanttoru. Vali RUUTTORU, RISTTORU_I või "
                                        "RISTTORU_II.";
    QTest::newRow("T/Y/X brace IPE") << "tyx" << 1 << kIpe << "braceTypeCombo"
                                     << "1. varras profiili tüüp IPE ei ole nelikanttoru. Vali RUUTTORU, RISTTORU_I "
                                        "või RISTTORU_II.";
    QTest::newRow("K/N brace 2 round tube") << "kn" << 2 << kYmartoru << "brace2TypeCombo"
                                            << "2. varras profiili tüüp YMARTORU ei ole nelikanttoru. Vali RUUTTORU, "
                                               "RISTTORU_I või RISTTORU_II.";
  }
  void aStoredTypeOfAnotherKindMustBeReplaced() {
    QFETCH(QString, family);
    QFETCH(int, member);
    QFETCH(int, type);
    QFETCH(QString, combo);
    QFETCH(QString, message);
    Job job;
    int* types[2][3] = {{&job.tyx.chord_type_index, &job.tyx.brace1_type_index, &job.tyx.brace2_type_index},
                        {&job.kn.chord_type_index, &job.kn.brace1_type_index, &job.kn.brace2_type_index}};
    *types[family == "tyx" ? 0 : 1][member] = type;
    const auto dialog = OpenDialog(family, job);
    dialog->setSourceFile(QStringLiteral("katus.trx"));
    QCOMPARE(dialog->sectionTypeProblems(), QStringLiteral("katus.trx:\n") + message);

    auto* box = dialog->findChild<QComboBox*>(combo);
    QCOMPARE(box->currentIndex(), -1);
    QVERIFY(message.contains(" " + box->placeholderText() + " ei ole"));  // the stored type is named in the box
    QCOMPARE(Find<QComboBox>(dialog.get(), qPrintable(QString(combo).replace("Type", "Number")))->count(), 0);
    QVERIFY(IsMarked(box));
    QCOMPARE(box->toolTip(), message);
    QVERIFY(SaysInvalid(*dialog));

    // On screen, the message is said once over the dialog; OK says it again and waits.
    MessageBoxCatcher opening;
    opening.arm();
    QVERIFY(ShowExposed(*dialog));
    QTRY_COMPARE(opening.texts, QStringList{QStringLiteral("katus.trx:\n") + message});
    MessageBoxCatcher refused;
    refused.arm();
    Find<QPushButton>(dialog.get(), "okButton")->click();
    QCOMPARE(refused.texts, QStringList{message});
    QVERIFY(dialog->isVisible());
    QCOMPARE(dialog->focusWidget(), box);
    QCOMPARE(dialog->job().family.is_tyx + dialog->job().family.is_kn, 0);

    // A hollow section chosen, everything is as usual.
    box->setCurrentIndex(kRisttoruII);
    emit box->activated(kRisttoruII);
    QVERIFY(!IsMarked(box));
    QVERIFY(!SaysInvalid(*dialog));
    QVERIFY(dialog->sectionTypeProblems().isEmpty());
    Find<QPushButton>(dialog.get(), "okButton")->click();
    QCOMPARE(dialog->result(), int(QDialog::Accepted));
    const Job& out = dialog->job();
    const int stored = family == "tyx" ? std::array{out.tyx.chord_type_index, out.tyx.brace1_type_index, 0}[member]
                                       : std::array{out.kn.chord_type_index, out.kn.brace1_type_index,
                                                    out.kn.brace2_type_index}[member];
    QCOMPARE(stored, kRisttoruII);
  }

  // A number out of its range is refused as a non-number is, naming the field and the range;
  // a plate's sizes count only while the plate is on.
  void aNumberOutOfItsRangeIsRefused_data() {
    QTest::addColumn<QString>("family");
    QTest::addColumn<QString>("edit");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("plate");  // the plate row switched on first, if any
    QTest::addColumn<QString>("message");
    QTest::newRow("T/Y/X angle 0") << "tyx" << "theta1Edit" << "0" << ""
                                   << "θ<sub>1</sub> peab olema vahemikus (0°, 180°).";
    QTest::newRow("T/Y/X angle 180") << "tyx" << "theta1Edit" << "180" << ""
                                     << "θ<sub>1</sub> peab olema vahemikus (0°, 180°).";
    QTest::newRow("T/Y/X angle that six decimals make 180")
        << "tyx" << "theta1Edit" << "179.9999999" << ""
        << "θ<sub>1</sub> peab olema vahemikus (0°, 180°); kuue komakohaga on see 180.000000.";
    QTest::newRow("T/Y/X side plate thickness 0") << "tyx" << "sidePlatesT" << "0" << "sidePlates"
                                                  << "Külje tugevdus t peab olema &gt; 0 mm.";
    QTest::newRow("K/N brace 2 angle negative") << "kn" << "theta2Edit" << "-48" << ""
                                                << "θ<sub>2</sub> peab olema vahemikus (0°, 180°).";
    QTest::newRow("K/N overlap plate length negative")
        << "kn" << "overlapPlateL" << "-160" << "overlapPlate"
        << "Ülekattega sõlme varraste vahelapp l peab olema &gt; 0 mm.";
  }
  void aNumberOutOfItsRangeIsRefused() {
    QFETCH(QString, family);
    QFETCH(QString, edit);
    QFETCH(QString, text);
    QFETCH(QString, plate);
    QFETCH(QString, message);
    const auto dialog = OpenDialog(family, Job{});
    QVERIFY(ShowExposed(*dialog));
    if (!plate.isEmpty()) Find<QCheckBox>(dialog.get(), qPrintable(plate + "Check"))->click();
    auto* bad = dialog->findChild<QLineEdit*>(edit);
    TypeInto(bad, text);
    QVERIFY(IsMarked(bad));
    QCOMPARE(bad->toolTip(), message);
    QVERIFY(SaysInvalid(*dialog));
    MessageBoxCatcher catcher;
    catcher.arm();
    Find<QPushButton>(dialog.get(), "okButton")->click();
    QCOMPARE(catcher.texts, QStringList{message});
    QVERIFY(dialog->isVisible());
    QCOMPARE(dialog->focusWidget(), bad);
    QCOMPARE(bad->selectedText(), text);
    QCOMPARE(dialog->job().family.is_tyx + dialog->job().family.is_kn, 0);

    if (!plate.isEmpty()) {
      // Switched off, the plate's sizes are not checked: the value is kept and OK goes through.
      Find<QCheckBox>(dialog.get(), qPrintable(plate + "Check"))->click();
      QVERIFY(!IsMarked(bad));
      QVERIFY(!SaysInvalid(*dialog));
      Find<QPushButton>(dialog.get(), "okButton")->click();
      QCOMPARE(dialog->result(), int(QDialog::Accepted));
      QCOMPARE(bad->text(), text);
      return;
    }
    TypeInto(bad, QStringLiteral("45"));
    QVERIFY(!IsMarked(bad));
    QVERIFY(!SaysInvalid(*dialog));
    Find<QPushButton>(dialog.get(), "okButton")->click();
    QCOMPARE(dialog->result(), int(QDialog::Accepted));
  }

  // A section name the list does not have: Enter marks the box and keeps the dialog open
  // with the previous section untouched, OK is refused the same way, a known name goes.
  void anUnknownSectionNameIsRefused_data() {
    QTest::addColumn<QString>("family");
    QTest::addColumn<QString>("combo");
    QTest::addColumn<QString>("member");
    QTest::newRow("T/Y/X brace") << "tyx" << "braceNumberCombo" << "1. varras";
    QTest::newRow("K/N chord") << "kn" << "chordNumberCombo" << "Vöö";
  }
  void anUnknownSectionNameIsRefused() {
    QFETCH(QString, family);
    QFETCH(QString, combo);
    QFETCH(QString, member);
    const auto dialog = OpenDialog(family, Job{});
    QVERIFY(ShowExposed(*dialog));
    auto* box = dialog->findChild<QComboBox*>(combo);
    const int before = box->currentIndex();
    const QString message = member + QStringLiteral(": profiili „250x250x99” ei ole loendis. Vali profiil loendist.");
    QLineEdit* typed = box->lineEdit();
    typed->setFocus();
    typed->selectAll();
    MessageBoxCatcher on_enter;
    on_enter.arm();
    QTest::keyClicks(typed, QStringLiteral("250x250x99"));
    QTest::keyClick(typed, Qt::Key_Return);
    QCOMPARE(on_enter.texts, QStringList{message});
    QVERIFY(dialog->isVisible());
    QVERIFY(dialog->result() != QDialog::Accepted);
    QCOMPARE(box->currentIndex(), before);
    QCOMPARE(box->currentText(), QStringLiteral("250x250x99"));
    QVERIFY(IsMarked(box));
    QCOMPARE(box->toolTip(), message);
    QVERIFY(SaysInvalid(*dialog));

    MessageBoxCatcher on_ok;
    on_ok.arm();
    Find<QPushButton>(dialog.get(), "okButton")->click();
    QCOMPARE(on_ok.texts, QStringList{message});
    QVERIFY(dialog->result() != QDialog::Accepted);
    QCOMPARE(dialog->focusWidget(), box);
    QCOMPARE(typed->selectedText(), QStringLiteral("250x250x99"));

    box->setEditText(QStringLiteral("150x150x6"));
    Find<QPushButton>(dialog.get(), "okButton")->click();
    QCOMPARE(dialog->result(), int(QDialog::Accepted));
    QCOMPARE(family == "tyx" ? dialog->job().tyx.h1 : dialog->job().kn.h0, 150.0);
  }

  // The notes on the angles turn red while an angle lies outside them, blue again inside.
  void theAngleNotesTurnRedOutsideTheirRange_data() {
    QTest::addColumn<QString>("family");
    QTest::addColumn<QString>("edit");
    QTest::addColumn<QString>("note");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("red");
    QTest::newRow("T/Y/X 30 is inside") << "tyx" << "theta1Edit" << "theta1Note" << "30" << false;
    QTest::newRow("T/Y/X 150 is inside") << "tyx" << "theta1Edit" << "theta1Note" << "150" << false;
    QTest::newRow("T/Y/X 29.9") << "tyx" << "theta1Edit" << "theta1Note" << "29,9" << true;
    QTest::newRow("T/Y/X 151") << "tyx" << "theta1Edit" << "theta1Note" << "151" << true;
    QTest::newRow("T/Y/X not yet a number") << "tyx" << "theta1Edit" << "theta1Note" << "-" << false;
    QTest::newRow("K/N brace 1 at 90") << "kn" << "theta1Edit" << "theta1Note" << "90" << false;
    QTest::newRow("K/N brace 1 at 100") << "kn" << "theta1Edit" << "theta1Note" << "100" << true;
    QTest::newRow("K/N brace 2 at 20") << "kn" << "theta2Edit" << "theta2Note" << "20" << true;
  }
  void theAngleNotesTurnRedOutsideTheirRange() {
    QFETCH(QString, family);
    QFETCH(QString, edit);
    QFETCH(QString, note);
    QFETCH(QString, text);
    QFETCH(bool, red);
    const auto dialog = OpenDialog(family, Job{});
    auto* label = dialog->findChild<QLabel*>(note);
    QVERIFY(!NoteIsRed(label));
    dialog->findChild<QLineEdit*>(edit)->setText(text);
    QCOMPARE(NoteIsRed(label), red);
    QCOMPARE(label->palette().color(QPalette::WindowText) == QColor(255, 0, 0), red);
    dialog->findChild<QLineEdit*>(edit)->setText(QStringLiteral("60"));
    QVERIFY(!NoteIsRed(label));
  }

  void theButtonsSayLoobu() {
    for (const QString family : {"tyx", "kn"}) {
      const auto dialog = OpenDialog(family, Job{});
      QCOMPARE(Find<QPushButton>(dialog.get(), "cancelButton")->text(), QStringLiteral("Loobu"));
      QCOMPARE(Find<QPushButton>(dialog.get(), "okButton")->text(), QStringLiteral("OK"));
    }
  }

  // Without a user at the screen an opened job with such a type is refused as traxen-cli
  // refuses it, and the document stays as it was.
  void anOpenedJobWithoutAUserIsRefused() {
    qputenv("TRAXEN_LIBRARY", QByteArray::fromStdString(ShippedLibraryDir()));
    SetJointDialogsInteractive(false);
    JobDocument doc;
    doc.path = "katus.trx";
    doc.job.tyx.chord_type_index = kHea;
    QString error;
    QVERIFY(!ConfirmOpenedJob(nullptr, doc, 1, &error));
    QVERIFY2(error.startsWith(QStringLiteral("katus.trx: the sections cannot be restored: the chord's section type HEA")),
             qPrintable(error));
    QCOMPARE(doc.job.family.is_tyx, 0);
    doc.job.tyx.chord_type_index = kRuuttoru;
    QVERIFY(ConfirmOpenedJob(nullptr, doc, 1, &error));
    QCOMPARE(doc.job.family.is_tyx, 1);
    SetJointDialogsInteractive(true);
    qunsetenv("TRAXEN_LIBRARY");
  }
};

QTEST_MAIN(JointDialogGuardsTest)
#include "joint_dialog_guards_test.moc"
