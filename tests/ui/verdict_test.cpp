// The status bar's verdict of the active job: the same figures as `traxen-cli check --json`
// (which runs CheckJob), in the report's words, red when the job fails, and a click that
// brings the whole governing check into view.
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QScrollBar>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QtTest>

#include "families/dispatch.h"
#include "ui/dialogs/joint_dialog_entry.h"
#include "ui/shell/document.h"
#include "ui/shell/main_window.h"
#include "ui/shell/report_view.h"
#include "ui/shell/verdict_label.h"
#include "ui/shell/verdict_summary.h"
#include "ui/ui_test_support.h"

using namespace traxen;

namespace {
CheckSummary Check(const Document& doc) {
  return CheckJob(doc.job(), doc.data().working, doc.data().last_confirmed_dialog);
}

void Open(Document& doc, const char* file) {
  QString error;
  QVERIFY2(doc.open(test::ExampleFile(file), nullptr, &error), qPrintable(error));
}
}  // namespace

class VerdictTest : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() {
    test::UsePrivateSettings(settings_.path());
    qputenv("TRAXEN_LIBRARY", QByteArray(TRAXEN_TEST_DIR "/../data/Profiilid"));
    SetJointDialogsInteractive(false);
  }

  // The figures of `check --json` for the examples: K/N brace 1 mode 3b at 0.228, T/Y/X
  // governing at 0.258, its brace of β = 0.9 interpolated between the chord face and the chord
  // shear; a K/N job loaded twenty times over fails in red.
  void theVerdictLineHasTheCheckFigures_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<double>("force_factor");
    QTest::addColumn<double>("fy0");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<bool>("failed");
    QTest::newRow("K/N example") << "kn_windows.trx" << 1.0 << 355.0
                                 << "Korras!  η max = 0.23, varras 1, vöö teljejõud lõike korral" << false;
    QTest::newRow("T/Y/X example") << "tyx_windows.trx" << 1.0 << 355.0
                                   << "Korras!  η max = 0.26, varras 1, vöö pinna purunemine / vöö lõige (interpoleeritud)"
                                   << false;
    QTest::newRow("K/N overloaded") << "kn_windows.trx" << 5.0 << 355.0 << "" << true;
    // The chord's stress leaves no chord face resistance: η is infinite, not a number.
    QTest::newRow("K/N chord overstressed")
        << "kn_windows.trx" << 20.0 << 355.0 << "Ei rahulda!  η max = ∞, varras 1, vöö pinna purunemine" << true;
    QTest::newRow("T/Y/X, chord steel past the method's limit")
        << "tyx_windows.trx" << 1.0 << 500.0 << "Ei rahulda! eeldused pole täidetud: vöö: fy0 ≤ 460" << true;
  }
  void theVerdictLineHasTheCheckFigures() {
    QFETCH(QString, file);
    QFETCH(double, force_factor);
    QFETCH(double, fy0);
    QFETCH(QString, expected);
    QFETCH(bool, failed);
    Document doc;
    Open(doc, qPrintable(file));
    JobContent c = doc.content();
    c.job.kn.N1 *= force_factor;
    c.job.kn.N2 *= force_factor;
    c.job.kn.N0_left *= force_factor;
    c.job.kn.N0_right *= force_factor;
    c.job.steel.fy0 = fy0;
    doc.change(c, "test");

    const CheckSummary summary = Check(doc);
    const VerdictLine line = DescribeVerdict(summary);
    QCOMPARE(line.failed, failed);
    QCOMPARE(line.failed, !summary.passed());
    if (!expected.isEmpty()) QCOMPARE(line.text, expected);
    if (summary.valid) {
      // The largest utilisation, its brace and mode, exactly as the checks give them.
      const ResistanceVerdict* v = GoverningVerdict(summary);
      QVERIFY(v);
      QCOMPARE(line.governing, v);
      const double eta = Utilisation(*v);
      const QString figure = std::isfinite(eta) ? QString::number(eta, 'f', 2) : QStringLiteral("∞");
      QVERIFY2(line.text.contains(QStringLiteral("η max = %1,").arg(figure)), qPrintable(line.text));
      QVERIFY(line.text.contains(QStringLiteral("varras %1,").arg(v->brace)));
      QVERIFY(line.text.endsWith(EstonianModeName(summary, *v)));
      if (failed) QVERIFY(!(eta <= 1));
    }

    // The status bar of a window on the job shows the same line, and the window list's
    // tooltip too.
    MainWindow w;
    w.show();
    ReportView* view = w.newDocumentWindow(new Document(&w));
    view->document()->change(doc.content(), "same job");
    auto* label = w.findChild<VerdictLabel*>("verdictLabel");
    QVERIFY(label);
    QCOMPARE(label->text(), line.text);
    QCOMPARE(label->failed(), failed);
    QVERIFY(label->isVisible());
    auto* window_menu = w.findChild<QMenu*>("windowMenu");
    emit window_menu->aboutToShow();
    QAction* entry = w.findChild<QAction*>("windowList1");
    QVERIFY(entry);
    QCOMPARE(entry->toolTip(), line.text);
  }

  void aJobWithoutAJointShowsNoVerdict() {
    MainWindow w;
    w.show();
    w.newDocumentWindow();
    auto* label = w.findChild<VerdictLabel*>("verdictLabel");
    QVERIFY(label->text().isEmpty());
    QVERIFY(!label->isVisible());
    w.mdiArea()->closeAllSubWindows();
    QVERIFY(label->text().isEmpty());
  }

  void conditionNamesReadInEstonian_data() {
    QTest::addColumn<QString>("english");
    QTest::addColumn<QString>("estonian");
    QTest::newRow("chord") << "chord: h0 / t0 <= 35" << "vöö: h0 / t0 ≤ 35";
    QTest::newRow("lower brace") << "lower brace: theta2 >= 30" << "alumine varras: θ2 ≥ 30";
    QTest::newRow("brace class") << "brace 1: section class 1 or 2" << "varras 1: ristlõike klass 1 või 2";
    QTest::newRow("overlap") << "overlap: 25 % <= lambda_ov <= 100 %" << "ülekate: 25 % ≤ λov ≤ 100 %";
    QTest::newRow("plate") << "plate between the braces: thickness >= 2 t1" << "vahelapp: paksus ≥ 2 t1";
    QTest::newRow("gap") << "gap: g / b0 >= 0.5 (1 - beta)" << "vahe: g / b0 ≥ 0.5 (1 - β)";
  }
  void conditionNamesReadInEstonian() {
    QFETCH(QString, english);
    QFETCH(QString, estonian);
    QCOMPARE(EstonianConditionName(english.toStdString()), estonian);
  }

  // A click on the verdict brings the whole governing check into view, from its first line to
  // its verdict with a line of what comes before above it; a check taller than the view shows
  // its end, the verdict, at the bottom with as much above it as fits.
  void aClickShowsTheWholeGoverningCheck_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<double>("zoom");
    QTest::addColumn<QString>("inside");  // a line of the check
    QTest::addColumn<bool>("fits");
    QTest::newRow("K/N: brace 1, 3b") << "kn_windows.trx" << 1.0 << "3b. " << true;
    QTest::newRow("T/Y/X: the wide-brace procedure, taller than the view") << "tyx_windows.trx" << 1.0 << "Kui" << false;
    QTest::newRow("T/Y/X at 25 %: the whole procedure") << "tyx_windows.trx" << 0.25 << "Kui" << true;
  }
  void aClickShowsTheWholeGoverningCheck() {
    QFETCH(QString, file);
    QFETCH(double, zoom);
    QFETCH(QString, inside);
    QFETCH(bool, fits);
    MainWindow w;
    w.resize(1000, 700);
    w.show();
    QVERIFY(w.openInNewWindow(test::ExampleFile(qPrintable(file)), false));
    ReportView* view = w.activeView();
    view->zoomAbout(zoom);
    auto* label = w.findChild<VerdictLabel*>("verdictLabel");
    view->verticalScrollBar()->setValue(0);
    QTest::mouseClick(label, Qt::LeftButton);
    const auto& texts = view->report().ops.texts();
    const ReportSpan check = GoverningCheckSpan(
        CheckJob(view->document()->job(), view->document()->data().working, view->lastDialog()), texts);
    QVERIFY(check.found());
    QVERIFY(check.top < check.bottom);
    bool holds_line = false, ends_with_verdict = false;
    for (const auto& t : texts) {
      const QString text = QString::fromStdString(t.text);
      holds_line = holds_line || (t.at.y >= check.top && t.at.y <= check.bottom && text.startsWith(inside));
      ends_with_verdict = ends_with_verdict || (t.at.y == check.bottom && text.startsWith(QStringLiteral("Korras!")));
    }
    QVERIFY(holds_line);
    QVERIFY(ends_with_verdict);

    const double top = view->toReportUnits(QPointF(0, 0)).y();
    const double bottom = view->toReportUnits(QPointF(0, view->viewport()->height())).y();
    const double line = 23;
    QVERIFY2(check.bottom + line <= bottom, qPrintable(QStringLiteral("%1 %2").arg(check.bottom).arg(bottom)));
    if (fits) {
      // The first line near the top, one line of what comes before it above.
      QVERIFY2(check.top - top >= 0 && check.top - top <= 30, qPrintable(QString::number(check.top - top)));
    } else {
      QVERIFY(check.top < top);
      QVERIFY2(bottom - (check.bottom + line) <= 30, qPrintable(QString::number(bottom - check.bottom)));
    }
  }

 private:
  QTemporaryDir settings_;
};

QTEST_MAIN(VerdictTest)
#include "verdict_test.moc"
