// The T/Y/X joint dialog as a user drives it: what it shows on a new job, what OK and Cancel
// write, the plate rows, non-numbers, the section lists, the preview and library failures.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "joint_dialog_test_support.h"
#include "model/job.h"
#include "sections/section_class.h"
#include "sections/section_library.h"
#include "ui/dialogs/joint_dialog_entry.h"
#include "ui/dialogs/tyx_dialog.h"

using namespace traxen;
using namespace traxen::test;

class TyxDialogTest : public QObject {
  Q_OBJECT
 private slots:
  void opensOnANewJobWithItsDefaults() {
    CXYTDlg dialog(Job{}, SectionLibrary(ShippedLibraryDir()));
    QVERIFY(!dialog.initialise());
    QCOMPARE(dialog.windowTitle(), QStringLiteral("X,Y ja T SÕLMEDE GEOMEETRIA"));
    QCOMPARE(Find<QLineEdit>(&dialog, "N0Edit")->text(), QStringLiteral("-271.6"));
    QCOMPARE(Find<QLineEdit>(&dialog, "M0Edit")->text(), QStringLiteral("2.81"));
    QCOMPARE(Find<QLineEdit>(&dialog, "N1Edit")->text(), QStringLiteral("-52"));
    QCOMPARE(Find<QLineEdit>(&dialog, "theta1Edit")->text(), QStringLiteral("84.3"));
    QCOMPARE(Find<QComboBox>(&dialog, "chordTypeCombo")->currentIndex(), 0);
    QCOMPARE(Find<QComboBox>(&dialog, "chordNumberCombo")->currentIndex(), 41);
    QCOMPARE(Find<QComboBox>(&dialog, "braceTypeCombo")->currentIndex(), 0);
    QCOMPARE(Find<QComboBox>(&dialog, "braceNumberCombo")->currentIndex(), 36);
    QCOMPARE(Find<QLabel>(&dialog, "chordSectionText")->text(), QStringLiteral("külmvormitud ruuttoru, EN 10219-2"));
    for (const char* box : {"facePlateCheck", "sidePlatesCheck", "xJointCheck"})
      QVERIFY(!Find<QCheckBox>(&dialog, box)->isChecked());
    for (const char* edit : {"facePlateL", "facePlateB", "facePlateT", "sidePlatesL", "sidePlatesB", "sidePlatesT"})
      QVERIFY(!Find<QLineEdit>(&dialog, edit)->isEnabled());
    QVERIFY(Find<QPushButton>(&dialog, "okButton")->isDefault());
    QCOMPARE(Find<QLineEdit>(&dialog, "N0Edit")->toolTip(), QStringLiteral("Sisejõud vöö vasakus otsas"));
  }

  // Tab follows the reading order: chord, its plates, the brace, the X joint, the buttons.
  void tabFollowsTheReadingOrder() {
    CXYTDlg dialog(Job{}, SectionLibrary(ShippedLibraryDir()));
    QVERIFY(!dialog.initialise());
    const QStringList expected{"N0Edit", "M0Edit", "chordTypeCombo", "chordNumberCombo", "facePlateCheck",
                               "facePlateL", "facePlateB", "facePlateT", "sidePlatesCheck", "sidePlatesL",
                               "sidePlatesB", "sidePlatesT", "N1Edit", "theta1Edit", "braceTypeCombo",
                               "braceNumberCombo", "xJointCheck", "drawButton", "okButton", "cancelButton"};
    QCOMPARE(TabChain(Find<QLineEdit>(&dialog, "N0Edit"), "cancelButton"), expected);
    QCOMPARE(Find<QLineEdit>(&dialog, "theta1Edit")->accessibleName(), QStringLiteral("1. varda kaldenurk"));
    QCOMPARE(Find<QComboBox>(&dialog, "braceNumberCombo")->toolTip(), QStringLiteral("1. varda nelikanttoru number"));
  }

  // OK on the defaults: the sections of the stored positions, the chord properties in mm
  // units, the classes, brace 2 mirrored and the family flags.
  void okStoresTheChosenSectionsAndTheFamily() {
    Job before;
    before.family.is_kn = 1;
    CXYTDlg dialog(before, SectionLibrary(ShippedLibraryDir()));
    QVERIFY(!dialog.initialise());
    Find<QPushButton>(&dialog, "okButton")->click();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    const Job& job = dialog.job();
    const SectionProperties chord = LibraryRow("RUUTTORU", 41);
    const SectionProperties brace = LibraryRow("RUUTTORU", 36);
    QCOMPARE(job.family.is_tyx, 1);
    QCOMPARE(job.family.is_kn, 0);
    QCOMPARE(job.tyx.h0, chord.h);
    QCOMPARE(job.tyx.t0, chord.t);
    QCOMPARE(job.tyx.b1, brace.b);
    QCOMPARE(job.chord.A0, chord.A * 100);
    QCOMPARE(job.chord.Wel0, chord.Wy * 1000);
    QCOMPARE(job.tyx.chord_class, LibrarySectionClass(SectionKind::kSquareHollow, chord, 355.0));
    QCOMPARE(job.tyx.brace_class, LibrarySectionClass(SectionKind::kSquareHollow, brace, 355.0));
    QVERIFY(job.tyx.chord_class >= 1 && job.tyx.brace_class >= 1);
    QCOMPARE(job.tyx.h2, brace.h);
    QCOMPARE(job.tyx.N2, -52.0);
    QCOMPARE(job.tyx.theta2, 84.3);
    QCOMPARE(job.tyx.chord_number_index, 41);
    QCOMPARE(job.tyx.brace1_number_index, 36);
    // The project file's word for the standard stays the job's, whatever the dialog shows.
    QCOMPARE(job.tyx.chord_section_text, std::string("NORM:_SFS_200_DIN_17100"));
    // Values the dialog carries through unchanged.
    QCOMPARE(job.tyx.reserved, before.tyx.reserved);
    QCOMPARE(job.kn.N0_left, before.kn.N0_left);
    QCOMPARE(job.plate.overlap_l, before.plate.overlap_l);
  }

  // The line under a section names the tube and its product standard: a rectangular hollow
  // section of either list is told apart by it.
  void theSectionLineNamesTheTubeAndItsStandard_data() {
    QTest::addColumn<int>("type");  // the position in the list file
    QTest::addColumn<QString>("line");
    QTest::newRow("RUUTTORU") << 0 << "külmvormitud ruuttoru, EN 10219-2";
    QTest::newRow("RISTTORU_I") << 1 << "külmvormitud ristkülikutoru, EN 10219-2";
    QTest::newRow("RISTTORU_II") << 2 << "kuumviimistletud ristkülikutoru, EN 10210-2";
  }
  void theSectionLineNamesTheTubeAndItsStandard() {
    QFETCH(int, type);
    QFETCH(QString, line);
    Job job;
    job.tyx.brace1_type_index = type;
    job.tyx.brace1_number_index = 3;
    CXYTDlg dialog(job, SectionLibrary(ShippedLibraryDir()));
    QVERIFY(!dialog.initialise());
    QCOMPARE(Find<QLabel>(&dialog, "braceSectionText")->text(), line);
    QCOMPARE(Find<QComboBox>(&dialog, "braceTypeCombo")->currentText(),
             QString::fromLatin1(QList<const char*>{"RUUTTORU", "RISTTORU_I", "RISTTORU_II"}.at(type)));
  }

  void tickingAPlateEnablesItsEditsAndUntickingKeepsTheirValues_data() {
    QTest::addColumn<QString>("row");
    QTest::newRow("face plate") << "facePlate";
    QTest::newRow("side plates") << "sidePlates";
  }
  void tickingAPlateEnablesItsEditsAndUntickingKeepsTheirValues() {
    QFETCH(QString, row);
    CXYTDlg dialog(Job{}, SectionLibrary(ShippedLibraryDir()));
    QVERIFY(!dialog.initialise());
    auto* box = dialog.findChild<QCheckBox*>(row + "Check");
    auto* l = dialog.findChild<QLineEdit*>(row + "L");
    auto* t = dialog.findChild<QLineEdit*>(row + "T");
    box->click();
    QVERIFY(l->isEnabled() && t->isEnabled());
    TypeInto(l, QStringLiteral("500"));
    TypeInto(t, QStringLiteral("12,5"));
    box->click();
    QVERIFY(!l->isEnabled() && !t->isEnabled());
    QCOMPARE(l->text(), QStringLiteral("500"));
    Find<QPushButton>(&dialog, "okButton")->click();
    const Job& job = dialog.job();
    const bool face = row == "facePlate";
    QCOMPARE(face ? job.plate.face_l : job.plate.side_l, 500.0);
    QCOMPARE(face ? job.plate.face_t : job.plate.side_t, 12.5);
    QCOMPARE(job.tyx.face_plate + job.tyx.side_plates, 0);
  }

  // A non-number in any edit keeps the dialog open on OK, names the problem, puts the focus
  // on that edit and takes none of the edits, also not the good ones typed before it.
  void aNonNumberKeepsTheDialogOpenAndWritesNothing_data() {
    QTest::addColumn<QString>("edit");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::newRow("brace force") << "N1Edit" << "abc" << "Sisesta arv: N<sub>1</sub> (kN).";
    QTest::newRow("angle empty") << "theta1Edit" << "" << "Sisesta arv: θ<sub>1</sub> (°).";
    QTest::newRow("chord moment") << "M0Edit" << "2.8.1" << "Sisesta arv: M<sub>0</sub> (kNm).";
    QTest::newRow("plate width overflowing") << "facePlateB" << "1e999" << "Sisesta arv: Pinna tugevdus b (mm).";
  }
  void aNonNumberKeepsTheDialogOpenAndWritesNothing() {
    QFETCH(QString, edit);
    QFETCH(QString, text);
    QFETCH(QString, message);
    CXYTDlg dialog(Job{}, SectionLibrary(ShippedLibraryDir()));
    QVERIFY(!dialog.initialise());
    QVERIFY(ShowExposed(dialog));
    Find<QCheckBox>(&dialog, "facePlateCheck")->click();
    Find<QLineEdit>(&dialog, "N0Edit")->setText(QStringLiteral("-100"));
    auto* bad = dialog.findChild<QLineEdit*>(edit);
    bad->setText(text);
    MessageBoxCatcher catcher;
    catcher.arm();
    Find<QPushButton>(&dialog, "okButton")->click();
    QCOMPARE(catcher.texts, QStringList{message});
    QVERIFY(dialog.isVisible());
    QVERIFY(dialog.result() != QDialog::Accepted);
    QCOMPARE(dialog.focusWidget(), bad);
    QCOMPARE(bad->toolTip(), message);
    QCOMPARE(dialog.job().tyx.N0, -271.6);
    QCOMPARE(dialog.job().family.is_tyx, 0);
  }

  // Switching a plate row off brings back the value of an edit left holding no number: a
  // disabled edit could not be corrected.
  void aPlateRowSwitchedOffForgetsOnlyItsNonNumbers() {
    CXYTDlg dialog(Job{}, SectionLibrary(ShippedLibraryDir()));
    QVERIFY(!dialog.initialise());
    Find<QCheckBox>(&dialog, "sidePlatesCheck")->click();
    Find<QLineEdit>(&dialog, "sidePlatesL")->setText(QStringLiteral("x"));
    Find<QLineEdit>(&dialog, "sidePlatesT")->setText(QStringLiteral("9"));
    Find<QCheckBox>(&dialog, "sidePlatesCheck")->click();
    QCOMPARE(Find<QLineEdit>(&dialog, "sidePlatesL")->text(), QStringLiteral("450"));
    QCOMPARE(Find<QLineEdit>(&dialog, "sidePlatesT")->text(), QStringLiteral("9"));
    Find<QPushButton>(&dialog, "okButton")->click();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.job().plate.side_t, 9.0);
  }

  // A type change keeps the list position, moving 0 to 1 and a position past the end of
  // the new list to its last row; a single-row list takes row 0.
  void aTypeChangeKeepsThePositionWithinTheNewList_data() {
    QTest::addColumn<int>("before");
    QTest::addColumn<int>("newType");
    QTest::addColumn<int>("after");
    QTest::addColumn<QString>("label");
    QTest::newRow("0 moves to 1") << 0 << 1 << 1 << "  60x40x3";
    QTest::newRow("inside the list") << 2 << 1 << 2 << "  80x40x3";
    QTest::newRow("past the end") << 4 << 1 << 3 << "  100x50x4";
    QTest::newRow("single row") << 3 << 2 << 0 << "  120x60x5";
  }
  void aTypeChangeKeepsThePositionWithinTheNewList() {
    QFETCH(int, before);
    QFETCH(int, newType);
    QFETCH(int, after);
    QFETCH(QString, label);
    TinyLibrary lib;
    lib.write("profdeftraxen.txt", "L\n3\nRUUTTORU a\nRISTTORU_I b\nRISTTORU_II c\n");
    lib.write("ruuttoru.prf",
              "5\n40x40x3 40 40 3 4.2 9.8 4.9 6 0 16 0\n50x50x3 50 50 3 5.4 20 8 9.4 0 33 0\n"
              "60x60x4 60 60 4 8.8 44 14.7 17.6 0 72 0\n70x70x4 70 70 4 10.4 73 20.8 24.6 0 118 0\n"
              "80x80x5 80 80 5 14.7 136 34 40.5 0 222 0\n");
    lib.write("risttoru.prf",
              "4\n50x30x3 50 30 3 4.2 13 5.2 6.5 0 5.7 3.8 4.5 0 13 0\n60x40x3 60 40 3 5.4 26 8.7 10.7 0 14 6.9 "
              "8.2 0 29 0\n80x40x3 80 40 3 6.6 53 13 16.5 0 18 9 10.5 0 45 0\n100x50x4 100 50 4 10.9 136 27 "
              "34 0 46 18 21 0 116 0\n");
    lib.write("risttoruII.prf", "1\n120x60x5 120 60 5 16.4 300 50 61 0 100 33 38 0 250 0\n");
    Job job;
    job.tyx.chord_number_index = before;
    CXYTDlg dialog(job, SectionLibrary(lib.dir()));
    QVERIFY(!dialog.initialise());
    auto* type = Find<QComboBox>(&dialog, "chordTypeCombo");
    auto* number = Find<QComboBox>(&dialog, "chordNumberCombo");
    QCOMPARE(number->currentIndex(), before);
    type->setCurrentIndex(newType);
    emit type->activated(newType);
    QCOMPARE(number->currentIndex(), after);
    QCOMPARE(number->currentText(), label);
    Find<QPushButton>(&dialog, "okButton")->click();
    QCOMPARE(dialog.job().tyx.chord_type_index, newType);
    QCOMPARE(dialog.job().tyx.chord_number_index, after);
  }

  // Enter confirms from a force edit and from the section-number combo, with what was typed.
  void enterConfirmsWithWhatWasTyped_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("text");
    QTest::newRow("force edit") << "N1Edit" << "-61,5";
    QTest::newRow("section number") << "braceNumberCombo" << "200x200x8";
  }
  void enterConfirmsWithWhatWasTyped() {
    QFETCH(QString, control);
    QFETCH(QString, text);
    CXYTDlg dialog(Job{}, SectionLibrary(ShippedLibraryDir()));
    QVERIFY(!dialog.initialise());
    QVERIFY(ShowExposed(dialog));
    QLineEdit* edit = dialog.findChild<QLineEdit*>(control);
    if (!edit) edit = dialog.findChild<QComboBox*>(control)->lineEdit();
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, text);
    QTest::keyClick(edit, Qt::Key_Return);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    if (control == "N1Edit") QCOMPARE(dialog.job().tyx.N1, -61.5);
    else QCOMPARE(dialog.job().tyx.h1, 200.0);
  }

  void typingADesignationSelectsThatSection() {
    CXYTDlg dialog(Job{}, SectionLibrary(ShippedLibraryDir()));
    QVERIFY(!dialog.initialise());
    auto* number = Find<QComboBox>(&dialog, "chordNumberCombo");
    number->setEditText(QStringLiteral("200x200x8"));
    emit number->lineEdit()->editingFinished();
    QCOMPARE(number->currentIndex(), 74);
    QCOMPARE(dialog.previewValues().h0, 200.0);
    QCOMPARE(dialog.previewValues().t0, 8.0);
    // A text that names no section leaves the choice as it was, and stays to be corrected
    // in a marked box.
    number->setEditText(QStringLiteral("999x999"));
    emit number->lineEdit()->editingFinished();
    QCOMPARE(number->currentIndex(), 74);
    QCOMPARE(number->currentText(), QStringLiteral("999x999"));
    QCOMPARE(number->toolTip(), QStringLiteral("Vöö: profiili „999x999” ei ole loendis. Vali profiil loendist."));
    QVERIFY(dialog.previewShowsInvalidInput());
    number->setEditText(QStringLiteral("200x200x8"));
    emit number->lineEdit()->editingFinished();
    QCOMPARE(number->toolTip(), QStringLiteral("Vöö nelikanttoru number"));
    QVERIFY(!dialog.previewShowsInvalidInput());
  }

  // The picture follows a force or angle as soon as its field is left, with the lower brace
  // and the right chord end mirrored, and follows the check boxes.
  void thePreviewFollowsTheEditsAndTheCheckBoxes() {
    CXYTDlg dialog(Job{}, SectionLibrary(ShippedLibraryDir()));
    QVERIFY(!dialog.initialise());
    TypeInto(Find<QLineEdit>(&dialog, "theta1Edit"), QStringLiteral("60"));
    TypeInto(Find<QLineEdit>(&dialog, "N1Edit"), QStringLiteral("-80"));
    TypeInto(Find<QLineEdit>(&dialog, "N0Edit"), QStringLiteral("-300"));
    const ReportInputs& v = dialog.previewValues();
    QCOMPARE(v.theta1, 60.0);
    QCOMPARE(v.theta2, 60.0);
    QCOMPARE(v.N2, -80.0);
    QCOMPARE(v.N0_right, -300.0);
    QCOMPARE(v.h2, v.h1);
    Find<QCheckBox>(&dialog, "xJointCheck")->click();
    QCOMPARE(dialog.previewValues().tyx_x_joint, 1);
    // A field left holding no number changes nothing and asks nothing.
    TypeInto(Find<QLineEdit>(&dialog, "theta1Edit"), QStringLiteral("6O"));
    QCOMPARE(dialog.previewValues().theta1, 60.0);
  }

  // The picture of the dialog's values, as a 400 × 300 preview: J = (200, 150), the chord
  // from 80 to 320 and 40 units deep (100 mm: 2.5 mm per unit), the 90 mm brace standing on
  // its top face, the plates centred under it with their fill.
  void thePreviewDrawsTheJointWhereThePictureFramePutsIt() {
    auto near = [](Point p, Point q) { return std::abs(p.x - q.x) <= 1 && std::abs(p.y - q.y) <= 1; };
    CXYTDlg dialog(Job{}, SectionLibrary(ShippedLibraryDir()));
    QVERIFY(!dialog.initialise());
    TypeInto(Find<QLineEdit>(&dialog, "theta1Edit"), QStringLiteral("90"));
    Find<QCheckBox>(&dialog, "facePlateCheck")->click();
    Find<QCheckBox>(&dialog, "sidePlatesCheck")->click();
    RecordingSurface s;
    dialog.drawPreview(s, 400, 300);

    const auto rects = OpsOf(s, DrawOp::Kind::Rect);
    QVERIFY(!rects.empty());
    QCOMPARE(rects.front().op.a, (Point{0, 0}));
    QCOMPARE(rects.front().op.b, (Point{400, 300}));
    const auto outlines = OpsOf(s, DrawOp::Kind::Polyline, &kOutlinePen);
    QVERIFY(!outlines.empty());
    const std::vector<Point> chord{{80, 170}, {320, 170}, {320, 130}, {80, 130}, {80, 170}};
    QCOMPARE(outlines.front().op.points, chord);
    int braces = 0;
    for (const auto& o : outlines) {
      if (o.op.points.size() != 4) continue;
      ++braces;
      // 36 units wide, centred on J (the footprint's middle is truncated: 199).
      const Point left = o.op.points.front(), right = o.op.points.back();
      QCOMPARE(left.y, 130);
      QCOMPARE(right.y, 130);
      QCOMPARE(right.x - left.x, 36);
      QVERIFY(std::abs((left.x + right.x) / 2 - 200) <= 1);
    }
    QCOMPARE(braces, 1);
    std::vector<std::pair<Point, Point>> plates;
    for (const auto& r : rects)
      if (r.brush == kPlateFill) plates.emplace_back(r.op.a, r.op.b);
    QCOMPARE(plates.size(), std::size_t(2));
    // Side plate 450 × 100 centred on J; face plate 450 long and 10 thick on the top face.
    QVERIFY(near(plates[0].first, {110, 129}) && near(plates[0].second, {290, 171}));
    // (its middle follows the footprint's truncated middle, 199, and is truncated again).
    const auto [face_from, face_to] = plates[1];
    QCOMPARE(face_from.y, 126);
    QCOMPARE(face_to.y, 131);
    QCOMPARE(face_to.x - face_from.x, 181);
    QVERIFY(std::abs((face_from.x + face_to.x) / 2 - 200) <= 2);

    // With the X joint ticked the lower brace stands on the bottom face.
    Find<QCheckBox>(&dialog, "xJointCheck")->click();
    RecordingSurface x;
    dialog.drawPreview(x, 400, 300);
    std::vector<std::vector<Point>> lower;
    for (const auto& o : OpsOf(x, DrawOp::Kind::Polyline, &kOutlinePen))
      if (o.op.points.size() == 4 && o.op.points.front().y == 170) lower.push_back(o.op.points);
    QCOMPARE(lower.size(), std::size_t(1));
  }

  // A type file that cannot be opened is reported with its path; the dialog stays open with
  // the previous section, so nothing typed is lost.
  void aMissingTypeFileIsReportedAndThePreviousSectionKept() {
    TinyLibrary lib;
    lib.write("profdeftraxen.txt", "L\n2\nRUUTTORU a\nRISTTORU_I b\n");
    lib.write("ruuttoru.prf", "1\n40x40x3 40 40 3 4.2 9.8 4.9 6 0 16 0\n");
    CXYTDlg dialog(Job{}, SectionLibrary(lib.dir()));
    QVERIFY(!dialog.initialise());
    TypeInto(Find<QLineEdit>(&dialog, "N1Edit"), QStringLiteral("-77"));
    auto* type = Find<QComboBox>(&dialog, "braceTypeCombo");
    MessageBoxCatcher catcher;
    catcher.arm();
    type->setCurrentIndex(1);
    emit type->activated(1);
    QCOMPARE(catcher.texts.size(), 1);
    QVERIFY(catcher.texts[0].startsWith(QStringLiteral("Ei saa avadaa faili .prf")));
    QVERIFY(catcher.texts[0].contains(QStringLiteral("risttoru.prf")));
    QCOMPARE(type->currentIndex(), 0);
    QCOMPARE(Find<QLineEdit>(&dialog, "N1Edit")->text(), QStringLiteral("-77"));
    Find<QPushButton>(&dialog, "okButton")->click();
    QCOMPARE(dialog.job().tyx.h1, 40.0);
    QCOMPARE(dialog.job().tyx.N1, -77.0);
  }

  // Through the shell's entry: OK hands the job back, Cancel and a missing library leave it.
  void theShellEntryConfirmsCancelsAndReportsAMissingLibrary() {
    qputenv("TRAXEN_LIBRARY", QByteArray::fromStdString(ShippedLibraryDir()));
    Job job;
    WhenModalShown<CXYTDlg>([](CXYTDlg* d) {
      TypeInto(d->findChild<QLineEdit*>("N1Edit"), "-10");
      d->findChild<QPushButton*>("cancelButton")->click();
    });
    QVERIFY(!ExecJointDialog(nullptr, 1, job));
    QCOMPARE(job.tyx.N1, -52.0);
    QCOMPARE(job.family.is_tyx, 0);

    WhenModalShown<CXYTDlg>([](CXYTDlg* d) {
      TypeInto(d->findChild<QLineEdit*>("N1Edit"), "-10");
      d->findChild<QPushButton*>("okButton")->click();
    });
    QVERIFY(ExecJointDialog(nullptr, 1, job));
    QCOMPARE(job.tyx.N1, -10.0);
    QCOMPARE(job.tyx.N2, -10.0);
    QCOMPARE(job.family.is_tyx, 1);

    QTemporaryDir empty;
    qputenv("TRAXEN_LIBRARY", empty.path().toUtf8());
    const Job kept = job;
    MessageBoxCatcher catcher;
    catcher.arm();
    QVERIFY(!ExecJointDialog(nullptr, 1, job));
    QCOMPARE(catcher.texts.size(), 1);
    QVERIFY(catcher.texts[0].startsWith(QStringLiteral("profdeftraxen.txt ei leidnud!")));
    QCOMPARE(job.tyx.N1, kept.tyx.N1);

    JobDocument doc;
    doc.path = "joint.trx";
    QString error;
    QVERIFY(!ConfirmOpenedJob(nullptr, doc, 1, &error));
    QVERIFY(error.startsWith(QStringLiteral("joint.trx: profdeftraxen.txt ei leidnud!")));
    QCOMPARE(doc.job.family.is_tyx, 0);
    qunsetenv("TRAXEN_LIBRARY");
  }
};

QTEST_MAIN(TyxDialogTest)
#include "tyx_dialog_test.moc"
