// The K/N joint dialog as a user drives it: what it shows on a new job, the derived brace 2
// force, what OK and Cancel write, the three plate rows, non-numbers and degenerate angles.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>
#include <cmath>

#include "joint_dialog_test_support.h"
#include "model/job.h"
#include "sections/section_class.h"
#include "sections/section_library.h"
#include "ui/dialogs/joint_dialog_entry.h"
#include "ui/dialogs/kn_dialog.h"

using namespace traxen;
using namespace traxen::test;

class KnDialogTest : public QObject {
  Q_OBJECT
 private slots:
  void opensOnANewJobWithItsDefaultsAndTheDerivedForce() {
    CKNytaDLG dialog(Job{}, SectionLibrary(ShippedLibraryDir()));
    QVERIFY(!dialog.initialise());
    const std::pair<const char*, const char*> shown[] = {
        {"N0Edit", "-271.6"}, {"M0Edit", "2.5"}, {"N1Edit", "-52"}, {"theta1Edit", "84.3"},
        {"theta2Edit", "48"}, {"eEdit", "0"},    {"N2Edit", "69.63"}};
    for (const auto& [name, text] : shown) QCOMPARE(Find<QLineEdit>(&dialog, name)->text(), QString::fromUtf8(text));
    QVERIFY(Find<QLineEdit>(&dialog, "N2Edit")->isReadOnly());
    const std::pair<const char*, int> positions[] = {{"chordTypeCombo", 0},   {"chordNumberCombo", 79},
                                                     {"brace1TypeCombo", 0},  {"brace1NumberCombo", 42},
                                                     {"brace2TypeCombo", 0},  {"brace2NumberCombo", 28}};
    for (const auto& [name, index] : positions) QCOMPARE(Find<QComboBox>(&dialog, name)->currentIndex(), index);
    for (const char* row : {"facePlate", "sidePlates", "overlapPlate"}) {
      QVERIFY(!dialog.findChild<QCheckBox*>(QString::fromLatin1(row) + "Check")->isChecked());
      QVERIFY(!dialog.findChild<QLineEdit*>(QString::fromLatin1(row) + "L")->isEnabled());
    }
    QVERIFY(Find<QPushButton>(&dialog, "okButton")->isDefault());
    QCOMPARE(Find<QLineEdit>(&dialog, "M0Edit")->toolTip(),
             QStringLiteral("Paindemoment vöös, + M -> vöö alumine pool tõmme"));
  }

  // Tab follows the reading order and passes over the derived N2, which is never typed.
  void tabFollowsTheReadingOrder() {
    CKNytaDLG dialog(Job{}, SectionLibrary(ShippedLibraryDir()));
    QVERIFY(!dialog.initialise());
    const QStringList expected{
        "N0Edit",           "M0Edit",          "chordTypeCombo",   "chordNumberCombo", "facePlateCheck",
        "facePlateL",       "facePlateB",      "facePlateT",       "sidePlatesCheck",  "sidePlatesL",
        "sidePlatesB",      "sidePlatesT",     "overlapPlateCheck", "overlapPlateL",   "overlapPlateB",
        "overlapPlateT",    "N1Edit",          "theta1Edit",       "brace1TypeCombo",  "brace1NumberCombo",
        "theta2Edit",       "brace2TypeCombo", "brace2NumberCombo", "eEdit",           "drawButton",
        "okButton",         "cancelButton"};
    QCOMPARE(TabChain(Find<QLineEdit>(&dialog, "N0Edit"), "cancelButton"), expected);
    QCOMPARE(Find<QLineEdit>(&dialog, "N2Edit")->accessibleName(), QStringLiteral("Sisejõud 2.vardas otsas"));
    QCOMPARE(Find<QComboBox>(&dialog, "brace2TypeCombo")->toolTip(), QStringLiteral("2. varda nelikanttoru tüüp"));
  }

  // OK on the defaults: N2 and N0,p from equilibrium, the three sections with their classes
  // (the K/N report checks them), the chord properties in mm units and the family flags.
  void okStoresTheDerivedForcesAndTheThreeClasses() {
    Job before;
    before.family.is_tyx = 1;
    CKNytaDLG dialog(before, SectionLibrary(ShippedLibraryDir()));
    QVERIFY(!dialog.initialise());
    Find<QPushButton>(&dialog, "okButton")->click();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    const Job& job = dialog.job();
    QVERIFY(std::abs(job.kn.N2 - 69.63) < 0.005);
    QVERIFY(std::abs(job.kn.N0_right - -323.35) < 0.005);
    QCOMPARE(job.family.is_tyx, 0);
    QCOMPARE(job.family.is_kn, 1);
    const SectionProperties chord = LibraryRow("RUUTTORU", 79);
    const SectionProperties brace1 = LibraryRow("RUUTTORU", 42);
    const SectionProperties brace2 = LibraryRow("RUUTTORU", 28);
    QCOMPARE(job.kn.h0, chord.h);
    QCOMPARE(job.kn.b1, brace1.b);
    QCOMPARE(job.kn.t2, brace2.t);
    QCOMPARE(job.chord.A0, chord.A * 100);
    QCOMPARE(job.chord.Wel0, chord.Wy * 1000);
    QCOMPARE(job.kn.chord_class, LibrarySectionClass(SectionKind::kSquareHollow, chord, 355.0));
    QCOMPARE(job.kn.brace1_class, LibrarySectionClass(SectionKind::kSquareHollow, brace1, 355.0));
    QCOMPARE(job.kn.brace2_class, LibrarySectionClass(SectionKind::kSquareHollow, brace2, 355.0));
    for (int c : {job.kn.chord_class, job.kn.brace1_class, job.kn.brace2_class}) QVERIFY(c >= 1 && c <= 4);
    QCOMPARE(job.kn.reserved, before.kn.reserved);
    QCOMPARE(job.tyx.N0, before.tyx.N0);
  }

  void tickingAPlateEnablesItsEditsAndUntickingKeepsTheirValues_data() {
    QTest::addColumn<QString>("row");
    QTest::newRow("face plate") << "facePlate";
    QTest::newRow("side plates") << "sidePlates";
    QTest::newRow("overlap plate") << "overlapPlate";
  }
  void tickingAPlateEnablesItsEditsAndUntickingKeepsTheirValues() {
    QFETCH(QString, row);
    CKNytaDLG dialog(Job{}, SectionLibrary(ShippedLibraryDir()));
    QVERIFY(!dialog.initialise());
    auto* box = dialog.findChild<QCheckBox*>(row + "Check");
    auto* b = dialog.findChild<QLineEdit*>(row + "B");
    box->click();
    QVERIFY(b->isEnabled());
    QCOMPARE(row == "facePlate" ? dialog.previewValues().kn_face_plate
             : row == "sidePlates" ? dialog.previewValues().kn_side_plates
                                   : dialog.previewValues().kn_overlap_plate,
             1);
    TypeInto(b, QStringLiteral("123,5"));
    box->click();
    QVERIFY(!b->isEnabled());
    Find<QPushButton>(&dialog, "okButton")->click();
    const JobPlates& p = dialog.job().plate;
    QCOMPARE(row == "facePlate" ? p.face_b : row == "sidePlates" ? p.side_b : p.overlap_b, 123.5);
    const KnJoint& k = dialog.job().kn;
    QCOMPARE(k.face_plate + k.side_plates + k.overlap_plate, 0);
  }

  // N2 is shown again after every derivation; the smallest angle a project file keeps gives
  // a huge force, shown as the report prints it, and the dialog goes on working (0° itself is
  // out of the angle's range and refused).
  void theDerivedForceFollowsTheAnglesAndSurvivesDegenerateOnes_data() {
    QTest::addColumn<QString>("theta2");
    QTest::addColumn<QString>("shown");
    QTest::newRow("45 degrees") << "45" << "73.18";
    QTest::newRow("90 degrees") << "90" << "51.74";
    QTest::newRow("a millionth of a degree")
        << "0.000001" << FormatDerivedForce(52 * std::sin(84.3 * 0.0174532925) / std::sin(1e-6 * 0.0174532925));
  }
  void theDerivedForceFollowsTheAnglesAndSurvivesDegenerateOnes() {
    QFETCH(QString, theta2);
    QFETCH(QString, shown);
    CKNytaDLG dialog(Job{}, SectionLibrary(ShippedLibraryDir()));
    QVERIFY(!dialog.initialise());
    TypeInto(Find<QLineEdit>(&dialog, "theta2Edit"), theta2);
    QCOMPARE(Find<QLineEdit>(&dialog, "N2Edit")->text(), shown);
    Find<QPushButton>(&dialog, "drawButton")->click();
    QCOMPARE(Find<QLineEdit>(&dialog, "N2Edit")->text(), shown);
    QImage image(500, 420, QImage::Format_RGB32);
    Find<QWidget>(&dialog, "preview")->render(&image);
    Find<QPushButton>(&dialog, "okButton")->click();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(FormatDerivedForce(dialog.job().kn.N2), shown);
  }

  void aNonNumberKeepsTheDialogOpenAndWritesNothing() {
    CKNytaDLG dialog(Job{}, SectionLibrary(ShippedLibraryDir()));
    QVERIFY(!dialog.initialise());
    QVERIFY(ShowExposed(dialog));
    auto* e = Find<QLineEdit>(&dialog, "eEdit");
    Find<QLineEdit>(&dialog, "N1Edit")->setText(QStringLiteral("-60"));
    e->setText(QStringLiteral("12 mm"));
    MessageBoxCatcher catcher;
    catcher.arm();
    Find<QPushButton>(&dialog, "okButton")->click();
    QCOMPARE(catcher.texts, QStringList{QStringLiteral("Sisesta arv: e (mm).")});
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.focusWidget(), e);
    QCOMPARE(dialog.job().kn.N1, -52.0);
    QCOMPARE(dialog.job().family.is_kn, 0);
    // Corrected, OK goes through with both values.
    e->setText(QStringLiteral("-12,5"));
    Find<QPushButton>(&dialog, "okButton")->click();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.job().kn.e, -12.5);
    QCOMPARE(dialog.job().kn.N1, -60.0);
  }

  // Every action that reads the edits names a non-number, leaves its text for correction
  // and puts the focus there; the action itself still happens, and the picture says that it
  // cannot be drawn from what the fields hold.
  void everyActionThatReadsTheEditsNamesANonNumber_data() {
    QTest::addColumn<QString>("action");
    QTest::newRow("JOONISTA") << "draw";
    QTest::newRow("plate check box") << "plate";
    QTest::newRow("section choice") << "section";
  }
  void everyActionThatReadsTheEditsNamesANonNumber() {
    QFETCH(QString, action);
    CKNytaDLG dialog(Job{}, SectionLibrary(ShippedLibraryDir()));
    QVERIFY(!dialog.initialise());
    QVERIFY(ShowExposed(dialog));
    auto* theta1 = Find<QLineEdit>(&dialog, "theta1Edit");
    theta1->setText(QStringLiteral("6O"));
    MessageBoxCatcher catcher;
    catcher.arm();
    if (action == "draw") {
      Find<QPushButton>(&dialog, "drawButton")->click();
    } else if (action == "plate") {
      Find<QCheckBox>(&dialog, "facePlateCheck")->click();
      QVERIFY(Find<QLineEdit>(&dialog, "facePlateL")->isEnabled());
    } else {
      auto* number = Find<QComboBox>(&dialog, "brace1NumberCombo");
      number->setCurrentIndex(10);
      emit number->activated(10);
      QCOMPARE(dialog.job().kn.brace1_number_index, 10);
    }
    QCOMPARE(catcher.texts, QStringList{QStringLiteral("Sisesta arv: θ<sub>1</sub> (°).")});
    QCOMPARE(theta1->text(), QStringLiteral("6O"));
    QCOMPARE(dialog.focusWidget(), theta1);
    QCOMPARE(dialog.previewValues().theta1, 84.3);
    QVERIFY(dialog.previewShowsInvalidInput());
  }

  // A brace section chosen in the list takes its dimensions and class at once and redraws.
  void aSectionChoiceTakesItsRowAndClass() {
    CKNytaDLG dialog(Job{}, SectionLibrary(ShippedLibraryDir()));
    QVERIFY(!dialog.initialise());
    auto* number = Find<QComboBox>(&dialog, "brace2NumberCombo");
    number->setCurrentIndex(74);
    emit number->activated(74);
    QCOMPARE(dialog.previewValues().h2, 200.0);
    QCOMPARE(dialog.previewValues().t2, 8.0);
    Find<QPushButton>(&dialog, "okButton")->click();
    QCOMPARE(dialog.job().kn.brace2_number_index, 74);
    QCOMPARE(dialog.job().kn.brace2_class,
             LibrarySectionClass(SectionKind::kSquareHollow, LibraryRow("RUUTTORU", 74), 355.0));
  }

  // The picture of the dialog's values, as a 400 × 300 preview: the chord from 80 to 320
  // and 40 units deep, both braces standing on its top face, the title and the gap line.
  void thePreviewDrawsTheJointWhereThePictureFramePutsIt() {
    CKNytaDLG dialog(Job{}, SectionLibrary(ShippedLibraryDir()));
    QVERIFY(!dialog.initialise());
    TypeInto(Find<QLineEdit>(&dialog, "theta1Edit"), QStringLiteral("45"));
    TypeInto(Find<QLineEdit>(&dialog, "theta2Edit"), QStringLiteral("45"));
    RecordingSurface s;
    dialog.drawPreview(s, 400, 300);
    const auto rects = OpsOf(s, DrawOp::Kind::Rect, &kOutlinePen);
    QVERIFY(rects.size() >= 2);
    QCOMPARE(rects[0].op.a, (Point{0, 0}));
    QCOMPARE(rects[0].op.b, (Point{400, 300}));
    QCOMPARE(rects[1].op.a, (Point{80, 130}));
    QCOMPARE(rects[1].op.b, (Point{320, 170}));
    const auto outlines = OpsOf(s, DrawOp::Kind::Polyline, &kOutlinePen);
    QCOMPARE(outlines.size(), std::size_t(2));
    for (const auto& o : outlines) {
      QCOMPARE(o.op.points.front().y, 130);
      QCOMPARE(o.op.points.back().y, 130);
    }
    // Brace 1 on the left of the joint, brace 2 on its right, a gap between them.
    QVERIFY(outlines[0].op.points.back().x < 200 && outlines[1].op.points.front().x > 200);
    bool title = false, gap = false;
    for (const auto& t : s.texts()) {
      title = title || t.text == "  KN ÜLEKATTETA - SÕLM ";
      gap = gap || t.text.rfind(" Varraste otste vahe g = ", 0) == 0;
    }
    QVERIFY(title);
    QVERIFY(gap);
  }

  // After File Open the K/N dialog confirms the read job; Cancel keeps the read values.
  void anOpenedJobIsConfirmedByTheDialog() {
    qputenv("TRAXEN_LIBRARY", QByteArray::fromStdString(ShippedLibraryDir()));
    JobDocument doc;
    doc.job.kn.N1 = -40;
    WhenModalShown<CKNytaDLG>([](CKNytaDLG* d) { d->findChild<QPushButton*>("cancelButton")->click(); });
    QString error;
    QVERIFY(!ConfirmOpenedJob(nullptr, doc, 2, &error));
    QVERIFY(error.isEmpty());
    QCOMPARE(doc.job.family.is_kn, 0);
    QCOMPARE(doc.last_confirmed_dialog, 0);

    WhenModalShown<CKNytaDLG>([](CKNytaDLG* d) { d->findChild<QPushButton*>("okButton")->click(); });
    QVERIFY(ConfirmOpenedJob(nullptr, doc, 2, &error));
    QCOMPARE(doc.job.family.is_kn, 1);
    QCOMPARE(doc.last_confirmed_dialog, 2);
    QVERIFY(std::abs(doc.job.kn.N2 - 40 * std::sin(84.3 * 0.0174532925) / std::sin(48 * 0.0174532925)) < 1e-9);
    QVERIFY(doc.job.kn.chord_class >= 1);

    // A type file the stored positions need but that cannot be opened: nothing opens, the
    // message names the file, the document stays as it was.
    TinyLibrary lib;
    lib.write("profdeftraxen.txt", "L\n1\nRUUTTORU a\n");
    qputenv("TRAXEN_LIBRARY", QByteArray::fromStdString(lib.dir()));
    doc.path = "kn.trx";
    const Job kept = doc.job;
    QVERIFY(!ConfirmOpenedJob(nullptr, doc, 2, &error));
    QVERIFY2(error.startsWith(QStringLiteral("kn.trx: Ei saa avadaa faili .prf")), qPrintable(error));
    QVERIFY(error.contains(QStringLiteral("ruuttoru.prf")));
    QCOMPARE(doc.job.kn.N2, kept.kn.N2);
    Job job;
    MessageBoxCatcher catcher;
    catcher.arm();
    QVERIFY(!ExecJointDialog(nullptr, 2, job));
    QCOMPARE(catcher.texts.size(), 1);
    QVERIFY(catcher.texts[0].startsWith(QStringLiteral("Ei saa avadaa faili .prf")));
    QVERIFY(catcher.texts[0].contains(QStringLiteral("ruuttoru.prf")));
    QCOMPARE(job.family.is_kn, 0);
    qunsetenv("TRAXEN_LIBRARY");
  }
};

QTEST_MAIN(KnDialogTest)
#include "kn_dialog_test.moc"
