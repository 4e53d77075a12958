// The job information, steel and member length dialogs: what they show for a new job, what
// OK and Cancel write, and how a field that is not a number is handled (the numbers
// themselves are read and shown as in dialog_numbers_test).
#include <QLabel>
#include <QLineEdit>
#include <QTextDocumentFragment>
#include <QtTest>

#include "ui/ui_test_support.h"
#include "ui/dialogs/info_dialog.h"
#include "ui/dialogs/lengths_dialog.h"
#include "ui/dialogs/steel_dialog.h"

using namespace traxen;

namespace {
QLineEdit* Field(QDialog& dialog, const QString& name) {
  auto* edit = dialog.findChild<QLineEdit*>(name);
  if (!edit) qFatal("no field %s", qPrintable(name));
  return edit;
}
}  // namespace

class DataDialogsTest : public QObject {
  Q_OBJECT
 private slots:
  void aNewJobShowsItsDefaults_data() {
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QStringList>("texts");
    QTest::newRow("steel") << "steel"
                           << QStringList{"fy0", "fu0", "fy1", "fu1", "fy2", "fu2", "E", "gamma_M0", "gamma_M1",
                                          "gamma_M2", "fy_plate"}
                           << QStringList{"355", "520", "355", "520", "355", "520", "210000", "1", "1", "1.25", "355"};
    QTest::newRow("lengths") << "lengths" << QStringList{"L0_left", "L0_right", "L1", "L2"}
                             << QStringList{"4", "4", "4", "4"};
    QTest::newRow("info") << "info" << QStringList{"job_name", "client", "calculated_by", "owner"}
                          << QStringList{QString::fromStdString(JobInfo().job_name),
                                         QString::fromStdString(JobInfo().client),
                                         QString::fromStdString(JobInfo().calculated_by),
                                         QString::fromStdString(JobInfo().owner)};
  }
  void aNewJobShowsItsDefaults() {
    QFETCH(QString, dialog);
    QFETCH(QStringList, fields);
    QFETCH(QStringList, texts);
    const Job job;
    std::unique_ptr<QDialog> d;
    if (dialog == "steel") d = std::make_unique<SteelDialog>(job.steel);
    else if (dialog == "lengths") d = std::make_unique<LengthsDialog>(job.len);
    else d = std::make_unique<InfoDialog>(job.info);
    QCOMPARE(d->findChildren<QLineEdit*>().size(), fields.size());
    for (int i = 0; i < fields.size(); ++i) {
      QLineEdit* edit = Field(*d, fields[i]);
      QCOMPARE(edit->text(), texts[i]);
      QVERIFY2(!edit->accessibleName().isEmpty(), qPrintable(fields[i]));
    }
    for (const char* button : {"ok", "cancel"}) {
      auto* b = d->findChild<QPushButton*>(QLatin1String(button));
      QVERIFY(b);
      QVERIFY(!b->accessibleName().isEmpty());
    }
  }

  void steelOkWritesEveryFieldAndCancelNothing() {
    JobSteel steel;
    SteelDialog dialog(steel);
    Field(dialog, "fy0")->setText("420");
    Field(dialog, "fu2")->setText("540,5");  // an Estonian keyboard's decimal comma
    Field(dialog, "gamma_M2")->setText("1.3");
    Field(dialog, "fy_plate")->setText("460");
    dialog.accept();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.steel().fy0, 420.0);
    QCOMPARE(dialog.steel().fu2, 540.5);
    QCOMPARE(dialog.steel().gamma_M2, 1.3);
    QCOMPARE(dialog.steel().fy_plate, 460.0);
    QCOMPARE(dialog.steel().E, 210000.0);

    // EditSteel on a job: Cancel (Escape on the open dialog) leaves the job as it was.
    Job job;
    QTimer::singleShot(50, [] {
      auto* open = qobject_cast<SteelDialog*>(QApplication::activeModalWidget());
      QVERIFY(open);
      open->findChild<QLineEdit*>("fy0")->setText("999");
      open->reject();
    });
    QVERIFY(!EditSteel(nullptr, job));
    QCOMPARE(job.steel.fy0, 355.0);
  }

  void aFieldThatIsNotANumberKeepsTheDialogOpenAndWritesNothing_data() {
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QString>("good_field");
    QTest::addColumn<QString>("bad_field");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("good");       // what the good field holds, within its range
    QTest::addColumn<QString>("corrected");  // what the bad field is corrected to
    QTest::newRow("steel, a later field bad") << "steel" << "fy0" << "gamma_M1"
                                              << "Sisesta arv: Osavarutegurid <i>γ</i><sub>M1</sub>." << "275"
                                              << "1,5";
    QTest::newRow("steel, plate field bad") << "steel" << "E" << "fy_plate"
                                            << "Sisesta arv: Tugevduslapp <i>f</i><sub>ykt</sub> (MPa)." << "200000"
                                            << "235,5";
    QTest::newRow("lengths, last field bad") << "lengths" << "L0_left" << "L2" << "Sisesta arv: <i>L</i><sub>2</sub> (m)."
                                             << "7" << "1,5";
    QTest::newRow("lengths, first field bad") << "lengths" << "L1" << "L0_left"
                                              << "Sisesta arv: <i>L</i><sub>0.V</sub> (m)." << "7" << "1,5";
  }
  void aFieldThatIsNotANumberKeepsTheDialogOpenAndWritesNothing() {
    QFETCH(QString, dialog);
    QFETCH(QString, good_field);
    QFETCH(QString, bad_field);
    QFETCH(QString, message);
    QFETCH(QString, good);
    QFETCH(QString, corrected);
    const Job job;
    std::unique_ptr<QDialog> d;
    if (dialog == "steel") d = std::make_unique<SteelDialog>(job.steel);
    else d = std::make_unique<LengthsDialog>(job.len);
    d->show();
    Field(*d, good_field)->setText(good);
    Field(*d, bad_field)->setText("12 m");
    test::MessageBoxAnswer answer;
    d->accept();
    QVERIFY(answer.answered());
    QCOMPARE(answer.text(), message);
    QCOMPARE(d->result(), int(QDialog::Rejected));
    QVERIFY(d->isVisible());
    QCOMPARE(Field(*d, bad_field)->selectedText(), QStringLiteral("12 m"));
    // Nothing was written, not even the good field before the bad one.
    if (auto* s = dynamic_cast<SteelDialog*>(d.get())) {
      QCOMPARE(s->steel().fy0, 355.0);
      QCOMPARE(s->steel().E, 210000.0);
    } else {
      auto* l = dynamic_cast<LengthsDialog*>(d.get());
      QCOMPARE(l->lengths().L0_left, 4.0);
      QCOMPARE(l->lengths().L1, 4.0);
    }
    // Corrected, the same dialog accepts.
    Field(*d, bad_field)->setText(corrected);
    d->accept();
    QCOMPARE(d->result(), int(QDialog::Accepted));
  }

  // A number outside its range is refused as a non-number is: the message names the field
  // and its range, the dialog stays open with the field selected, and nothing is written.
  void aNumberOutOfItsRangeIsRefused_data() {
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("edge");  // the nearest value the range holds
    QTest::newRow("negative length") << "lengths" << "L1" << "-3" << "<i>L</i><sub>1</sub> peab olema &gt; 0 m."
                                     << "0.000001";
    QTest::newRow("zero length") << "lengths" << "L0_right" << "0" << "<i>L</i><sub>0.P</sub> peab olema &gt; 0 m."
                                 << "0.000001";
    QTest::newRow("length lost in six decimals")
        << "lengths" << "L2" << "1e-7" << "<i>L</i><sub>2</sub> peab olema &gt; 0 m; kuue komakohaga on see 0.000000."
        << "0.000001";
    QTest::newRow("zero strength") << "steel" << "fu1" << "0"
                                   << "Varras 1 <i>f</i><sub>uk</sub> peab olema vahemikus [100, 1000] MPa." << "100";
    QTest::newRow("strength in GPa") << "steel" << "fy0" << "0,355"
                                     << "Vöö <i>f</i><sub>yk</sub> peab olema vahemikus [100, 1000] MPa." << "100";
    QTest::newRow("strength a digit too long")
        << "steel" << "fu2" << "5100" << "Varras 2 <i>f</i><sub>uk</sub> peab olema vahemikus [100, 1000] MPa."
        << "1000";
    QTest::newRow("plate strength") << "steel" << "fy_plate" << "99,9"
                                    << "Tugevduslapp <i>f</i><sub>ykt</sub> peab olema vahemikus [100, 1000] MPa."
                                    << "100";
    QTest::newRow("negative modulus") << "steel" << "E" << "-210000"
                                      << "Elastsusmoodul <i>E</i><sub>s</sub> peab olema vahemikus [150000, 250000] MPa."
                                      << "150000";
    QTest::newRow("modulus in GPa") << "steel" << "E" << "210"
                                    << "Elastsusmoodul <i>E</i><sub>s</sub> peab olema vahemikus [150000, 250000] MPa."
                                    << "250000";
    QTest::newRow("partial factor below 1") << "steel" << "gamma_M0" << "0,99"
                                            << "Osavarutegurid <i>γ</i><sub>M0</sub> peab olema ≥ 1,0." << "1";
  }
  void aNumberOutOfItsRangeIsRefused() {
    QFETCH(QString, dialog);
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QString, message);
    QFETCH(QString, edge);
    const Job job;
    std::unique_ptr<QDialog> d;
    if (dialog == "steel") d = std::make_unique<SteelDialog>(job.steel);
    else d = std::make_unique<LengthsDialog>(job.len);
    d->show();
    QLineEdit* edit = Field(*d, field);
    edit->setText(text);
    test::MessageBoxAnswer answer;
    d->accept();
    QVERIFY(answer.answered());
    QCOMPARE(answer.text(), message);
    QVERIFY(d->isVisible());
    QCOMPARE(d->result(), int(QDialog::Rejected));
    QCOMPARE(edit->selectedText(), text);
    QCOMPARE(edit->toolTip(), message);
    if (auto* l = dynamic_cast<LengthsDialog*>(d.get())) QCOMPARE(l->lengths().L1, 4.0);
    else QCOMPARE(dynamic_cast<SteelDialog*>(d.get())->steel().gamma_M0, 1.0);
    // The edge of each range is inside it.
    edit->setText(edge);
    d->accept();
    QCOMPARE(d->result(), int(QDialog::Accepted));
  }

  // A field left with something it cannot take turns pink at once, with the reason as its
  // tooltip; corrected, it gets its own look and tooltip back while still being typed in.
  void aBadFieldIsMarkedOnLeavingIt() {
    LengthsDialog dialog(JobLengths{});
    QLineEdit* l1 = Field(dialog, "L1");
    const QString own_tip = l1->toolTip();
    l1->setText("-3");
    QVERIFY(l1->styleSheet().isEmpty());  // not while typing
    emit l1->editingFinished();
    QVERIFY(l1->styleSheet().contains("255, 220, 220"));
    QCOMPARE(l1->toolTip(), QStringLiteral("<i>L</i><sub>1</sub> peab olema &gt; 0 m."));
    l1->setText("x");
    emit l1->editingFinished();
    QCOMPARE(l1->toolTip(), QStringLiteral("Sisesta arv: <i>L</i><sub>1</sub> (m)."));
    l1->setText("3");
    QVERIFY(l1->styleSheet().isEmpty());
    QCOMPARE(l1->toolTip(), own_tip);

    SteelDialog steel(JobSteel{});
    QLineEdit* gamma = Field(steel, "gamma_M2");
    gamma->setText("0");
    emit gamma->editingFinished();
    QVERIFY(!gamma->styleSheet().isEmpty());
    QCOMPARE(steel.findChild<QPushButton*>("cancel")->text(), QStringLiteral("Loobu"));
  }

  // f_u below 1.10 f_y is a warning in yellow, not a refusal: a line naming the member under
  // the fields and the member's f_u field in yellow, both gone once the pair is sound again.
  // A quotient of exactly 1.10 (390.5 over 355 MPa) is sound.
  void aLowUltimateStrengthIsWarnedAboutNotRefused_data() {
    QTest::addColumn<QString>("fy");
    QTest::addColumn<QString>("fy_text");
    QTest::addColumn<QString>("fu");
    QTest::addColumn<QString>("fu_text");
    QTest::addColumn<bool>("warned");
    QTest::addColumn<QString>("line");
    QTest::newRow("chord at the limit") << "fy0" << "355" << "fu0" << "390,5" << false << "";
    QTest::newRow("chord just below") << "fy0" << "355" << "fu0" << "390.4" << true
                                      << "Vöö: fu = 390.4 MPa < 1,10 × fy = 390.5 MPa (EN 1993-1-1 3.2.2)";
    QTest::newRow("brace 2 in S460") << "fy2" << "460" << "fu2" << "500" << true
                                     << "Varras 2: fu = 500 MPa < 1,10 × fy = 506.0 MPa (EN 1993-1-1 3.2.2)";
    QTest::newRow("brace 1, its yield raised") << "fy1" << "480" << "fu1" << "520" << true
                                               << "Varras 1: fu = 520 MPa < 1,10 × fy = 528.0 MPa (EN 1993-1-1 3.2.2)";
    QTest::newRow("a refused strength is not judged") << "fy0" << "355" << "fu0" << "39" << false << "";
  }
  void aLowUltimateStrengthIsWarnedAboutNotRefused() {
    QFETCH(QString, fy);
    QFETCH(QString, fy_text);
    QFETCH(QString, fu);
    QFETCH(QString, fu_text);
    QFETCH(bool, warned);
    QFETCH(QString, line);
    SteelDialog dialog(JobSteel{});
    dialog.show();
    auto* warning = dialog.findChild<QLabel*>("ductilityWarning");
    QVERIFY(warning);
    QVERIFY(!warning->isVisibleTo(&dialog));  // the defaults, 355 and 520 MPa, are sound
    Field(dialog, fy)->setText(fy_text);
    Field(dialog, fu)->setText(fu_text);
    QCOMPARE(warning->isVisibleTo(&dialog), warned);
    QString plain = QTextDocumentFragment::fromHtml(warning->text()).toPlainText();
    plain.replace(QChar::LineSeparator, QLatin1Char('\n'));
    if (warned) {
      QCOMPARE(plain, "Hoiatus:\n" + line);
      QVERIFY(Field(dialog, fu)->styleSheet().contains("255, 245, 170"));
    }
    // The other members are not warned about.
    for (const char* other : {"fu0", "fu1", "fu2"})
      if (fu != other) QVERIFY(!Field(dialog, other)->styleSheet().contains("255, 245, 170"));
    if (fu_text == "39") {  // refused by its range, not by this rule
      QVERIFY(!Field(dialog, fu)->styleSheet().contains("255, 245, 170"));
      return;
    }
    dialog.accept();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    // Sound again: the warning goes.
    Field(dialog, fu)->setText("1000");
    QVERIFY(!warning->isVisibleTo(&dialog));
    QVERIFY(Field(dialog, fu)->styleSheet().isEmpty());
  }

  void lengthsOkWritesAllFour() {
    LengthsDialog dialog(JobLengths{});
    Field(dialog, "L0_left")->setText("3");
    Field(dialog, "L0_right")->setText("3,5");
    Field(dialog, "L1")->setText("0.5");
    Field(dialog, "L2")->setText("2.75");
    dialog.accept();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    const JobLengths l = dialog.lengths();
    QCOMPARE(l.L0_left, 3.0);
    QCOMPARE(l.L0_right, 3.5);
    QCOMPARE(l.L1, 0.5);
    QCOMPARE(l.L2, 2.75);
  }

  void infoKeepsTextsAsTyped() {
    InfoDialog dialog(JobInfo{});
    Field(dialog, "job_name")->setText("");  // an empty job name is accepted
    Field(dialog, "client")->setText("Tellija O'Brien OÜ");
    Field(dialog, "calculated_by")->setText(QString(300, QLatin1Char('x')));
    dialog.accept();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    const JobInfo info = dialog.info();
    QCOMPARE(info.job_name, std::string());
    QCOMPARE(QString::fromStdString(info.client), QStringLiteral("Tellija O'Brien OÜ"));
    QCOMPARE(info.calculated_by.size(), std::size_t(300));
    QCOMPARE(info.owner, JobInfo().owner);
  }
};

QTEST_MAIN(DataDialogsTest)
#include "data_dialogs_test.moc"
