// The joint table window as a user meets it: an imported table with a bad row shows every
// joint with the figures traxen-cli check gives and the bad row with its reason, sorts by η
// as a number, takes back a joint's changes from its document window, saves a table that
// reads back to the same jobs and exports the combined report only whole.
#include <QFile>
#include <QHeaderView>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QProgressBar>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>
#include <cmath>

#include "model/confirm_job.h"
#include "model/job_document.h"
#include "model/job_file.h"
#include "model/joint_table.h"
#include "families/dispatch.h"
#include "families/truss_summary.h"
#include "ui/shell/document.h"
#include "ui/shell/joint_table_model.h"
#include "ui/shell/joint_table_window.h"
#include "ui/shell/main_window.h"
#include "ui/shell/report_view.h"
#include "ui/ui_test_support.h"

using namespace traxen;

namespace {

const char* const kHeader =
    "joint,family,chord,brace1,brace2,tyx.N0,tyx.M0,tyx.N1,tyx.theta1,kn.N0_left,kn.M0,kn.N1,kn.theta1,kn.theta2,kn.e\n";
// η from a few hundredths to well over ten, so that sorting as text would put them wrong; a
// K joint outside the range of validity; a row whose family is unknown.
const char* const kRows =
    "T1,tyx,200x200x8,120x120x6,,-271.6,2.81,-52,84.3,,,,,,\n"
    "T2,tyx,200x200x8,120x120x6,,-271.6,2.81,-900,84.3,,,,,,\n"
    "T3,tyx,200x200x8,120x120x6,,-271.6,2.81,-5000,84.3,,,,,,\n"
    "K1,kn,160x160x8,100x100x6,100x100x5,,,,,-320,1.5,-85.5,50,45,30\n"
    "K2,kn,160x160x8,100x100x6,100x100x5,,,,,-320,1.5,-85.5,20,45,30\n"
    "B1,truss,160x160x8,100x100x6,,,,,,,,,,,\n"
    "K3,kn,160x160x8,100x100x6,100x100x5,,,,,-320,1.5,-400,50,45,30\n";

int PdfPageCount(const QString& path) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return -1;
  const QByteArray pdf = f.readAll();
  return int(pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r") + pdf.count("/Type /Page "));
}

QString Cell(JointTableWindow* w, int row, int column) {
  return w->model()->index(row, column).data().toString();
}

// What traxen-cli check says of each row of `text`: its summary line, or its error.
struct Expected {
  TrussJointLine line;
  Job job;
  std::string error;
};
std::vector<Expected> CheckedRows(const std::string& text) {
  JobLibrary library("", "");
  const JointTable table = ReadJointTable(text, "truss.csv", library);
  std::vector<Expected> out;
  for (const JointRow& row : table.rows) {
    Expected e;
    LoadedJob loaded;
    if (!row.error.empty()) e.error = row.error;
    else if (const LoadError error = LoadJsonJobText(row.json, "row", loaded)) e.error = error.message;
    if (e.error.empty()) {
      e.job = loaded.job;
      e.line = SummarizeJoint(JointLabel(row), loaded.job, CheckJob(loaded.job, loaded.working, loaded.last_dialog));
    }
    out.push_back(e);
  }
  return out;
}

}  // namespace

class JointTableWindowTest : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() {
    test::UsePrivateSettings(settings_.path());
    qputenv("TRAXEN_LIBRARY", QByteArray(TRAXEN_TEST_DIR "/../data/Profiilid"));
  }

  void init() {
    QVERIFY(dir_.isValid());
    table_ = dir_.filePath(QStringLiteral("truss.csv"));
    QFile f(table_);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(QByteArray(kHeader) + kRows);
  }

  void everyRowShowsTheFiguresOfTheCheckAndABadRowItsReason() {
    MainWindow w;
    w.show();
    JointTableWindow* t = OpenJointTable(&w, table_);
    QVERIFY(t);
    auto* progress = t->findChild<QProgressBar*>(QStringLiteral("checkProgress"));
    QCOMPARE(progress->maximum(), 7);
    QTRY_VERIFY(t->model()->allChecked());
    QVERIFY(!progress->isVisible());

    const std::vector<Expected> expected = CheckedRows(std::string(kHeader) + kRows);
    QCOMPARE(t->model()->size(), int(expected.size()));
    for (int i = 0; i < t->model()->size(); ++i) {
      const Expected& e = expected[i];
      QCOMPARE(Cell(t, i, JointTableModel::kNumber), QString::number(i + 1));
      if (!e.error.empty()) {
        QCOMPARE(Cell(t, i, JointTableModel::kOutcome), QStringLiteral("Vigane rida"));
        QCOMPARE(Cell(t, i, JointTableModel::kError), QString::fromStdString(e.error));
        QVERIFY(Cell(t, i, JointTableModel::kError).contains(QStringLiteral("row 7, column family")));
        continue;
      }
      QCOMPARE(Cell(t, i, JointTableModel::kFamily), QString::fromStdString(e.line.family));
      QCOMPARE(Cell(t, i, JointTableModel::kSections), QString::fromStdString(e.line.sections));
      QCOMPARE(Cell(t, i, JointTableModel::kEta), QString::fromStdString(UtilisationText(e.line.eta)));
      const QString governing = QString::fromStdString(e.line.governing);
      QVERIFY2(Cell(t, i, JointTableModel::kGoverning).endsWith(governing), qPrintable(governing));
      const char* outcome = e.line.outcome == JointOutcome::kPassed   ? "Korras!"
                            : e.line.outcome == JointOutcome::kFailed ? "Ei rahulda!"
                                                                      : "Ei rahulda! (eeldused)";
      QCOMPARE(Cell(t, i, JointTableModel::kOutcome), QString::fromUtf8(outcome));
      const QVariant color = t->model()->index(i, JointTableModel::kOutcome).data(Qt::ForegroundRole);
      QCOMPARE(color.isValid(), e.line.outcome != JointOutcome::kPassed);
    }
    QCOMPARE(Cell(t, 4, JointTableModel::kOutcome), QStringLiteral("Ei rahulda! (eeldused)"));
    QVERIFY(Cell(t, 4, JointTableModel::kGoverning).startsWith(QStringLiteral("eeldused pole täidetud")));
    QCOMPARE(Cell(t, 0, JointTableModel::kOutcome), QStringLiteral("Korras!"));
    QVERIFY(!QApplication::activeModalWidget());  // no message box for the bad row
  }

  void rowsAreCheckedAFewAtATime() {
    JointTableModel model;
    JobLibrary library("", "");
    model.setTable(ReadJointTable(std::string(kHeader) + kRows, "truss.csv", library), "truss.csv");
    QCOMPARE(model.checkedCount(), 0);
    QVERIFY(!model.checkSome(std::chrono::milliseconds(0)));
    QCOMPARE(model.checkedCount(), 1);
    QCOMPARE(model.index(1, JointTableModel::kOutcome).data().toString(), QStringLiteral("…"));
    model.checkAll();
    QCOMPARE(model.checkedCount(), 7);
  }

  void sortingByEtaIsByTheNumberWorstFirst() {
    MainWindow w;
    JointTableWindow* t = OpenJointTable(&w, table_);
    QTRY_VERIFY(t->model()->allChecked());
    t->view()->horizontalHeader()->setSortIndicator(JointTableModel::kEta, Qt::DescendingOrder);
    QAbstractItemModel* shown = t->view()->model();
    std::vector<double> etas;
    QStringList names;
    for (int r = 0; r < shown->rowCount(); ++r) {
      names << shown->index(r, JointTableModel::kJoint).data().toString();
      const QString eta = shown->index(r, JointTableModel::kEta).data().toString();
      if (!eta.isEmpty() && eta != QStringLiteral("–")) etas.push_back(eta.toDouble());
    }
    // The rows without a figure (outside validity, the bad row) first, then the figures down.
    QCOMPARE(QSet<QString>(names.begin(), names.begin() + 2), (QSet<QString>{"K2", "B1"}));
    QCOMPARE(int(etas.size()), 5);
    QVERIFY(std::is_sorted(etas.rbegin(), etas.rend()));
    QVERIFY2(etas.front() >= 10, "a figure of two digits before those of one");
    QCOMPARE(names.at(2), QStringLiteral("T3"));
  }

  void aChangeInTheJointsWindowUpdatesItsRow() {
    MainWindow w;
    w.show();
    JointTableWindow* t = OpenJointTable(&w, table_);
    QTRY_VERIFY(t->model()->allChecked());
    // Sorted so that view rows and table rows differ: the double-click opens the right joint.
    t->view()->sortByColumn(JointTableModel::kEta, Qt::DescendingOrder);
    QModelIndex k1;
    for (int r = 0; r < t->view()->model()->rowCount(); ++r)
      if (t->view()->model()->index(r, JointTableModel::kJoint).data() == QStringLiteral("K1"))
        k1 = t->view()->model()->index(r, JointTableModel::kJoint);
    QVERIFY(k1.isValid());
    emit t->view()->doubleClicked(k1);
    QCOMPARE(w.views().size(), 1);
    Document* document = w.views().first()->document();
    QCOMPARE(QString::fromStdString(document->job().info.job_name), QStringLiteral("K1"));
    QVERIFY(document->title().startsWith(QStringLiteral("K1")));
    QCOMPARE(t->openJoint(3), document);  // once open, the same window comes forward
    QCOMPARE(w.views().size(), 1);

    JobContent changed = document->content();
    changed.job.kn.h1 = changed.job.kn.b1 = 120;  // a heavier brace
    changed.job.kn.t1 = 8;
    document->change(changed, QStringLiteral("KN sõlm"));
    const TrussJointLine expected = SummarizeJoint(
        "K1", changed.job, CheckJob(changed.job, changed.working, changed.last_confirmed_dialog));
    QCOMPARE(Cell(t, 3, JointTableModel::kEta), QString::fromStdString(UtilisationText(expected.eta)));
    QCOMPARE(Cell(t, 3, JointTableModel::kSections), QString::fromStdString(expected.sections));
    QVERIFY(Cell(t, 3, JointTableModel::kSections).contains(QStringLiteral("120×120×8")));
    QCOMPARE(Cell(t, 3, JointTableModel::kJoint), QStringLiteral("K1 *"));
    QVERIFY(t->isModified());
    QVERIFY(!document->isModified());  // the table keeps the change; the joint's window asks nothing
    document->undoStack()->undo();  // undone there, undone in the row
    QCOMPARE(Cell(t, 3, JointTableModel::kEta),
             QString::fromStdString(UtilisationText(CheckedRows(std::string(kHeader) + kRows)[3].line.eta)));
  }

  void anOpenedJointKeepsItsSectionsThroughItsDialog() {
    MainWindow w;
    JointTableWindow* t = OpenJointTable(&w, table_);
    QTRY_VERIFY(t->model()->allChecked());
    for (int row : {0, 3}) {
      Document* document = t->openJoint(row);
      // Confirming the joint restores its sections from their places in the library's lists,
      // as the dialog's OK does: the sizes must come back as the table gave them.
      JobDocument confirmed = document->data();
      const int dialog = confirmed.job.family.is_kn == 1 ? 2 : 1;
      const LoadError e = ConfirmJobDocument(confirmed, dialog, TRAXEN_TEST_DIR "/../data/Profiilid");
      QVERIFY2(!e, e.message.c_str());
      const TrussJointLine before = t->model()->joint(row).line;
      const TrussJointLine after = SummarizeJoint(before.joint, confirmed.job, CheckJob(confirmed.job, confirmed.working, dialog));
      QCOMPARE(QString::fromStdString(after.sections), QString::fromStdString(before.sections));
    }
  }

  void aSavedTableReadsBackToTheSameJobsAndKeepsItsBadRow() {
    MainWindow w;
    JointTableWindow* t = OpenJointTable(&w, table_);
    QTRY_VERIFY(t->model()->allChecked());
    Document* document = t->openJoint(0);
    JobContent changed = document->content();
    changed.job.tyx.N1 = -700;
    changed.job.steel.fy0 = 420;
    ConfirmTyx(changed.job);  // as the dialog's OK does
    document->change(changed, QStringLiteral("X,Y ja T sõlm"));

    const QString saved = dir_.filePath(QStringLiteral("saved.csv"));
    QString error;
    QVERIFY2(t->saveTo(saved, &error), qPrintable(error));
    QVERIFY(!t->isModified());
    QCOMPARE(Cell(t, 0, JointTableModel::kJoint), QStringLiteral("T1"));
    QFile f(saved);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const std::string text = f.readAll().toStdString();
    QVERIFY2(text.find("steel.fy0") != std::string::npos, text.c_str());
    QVERIFY2(text.find("len.") == std::string::npos, "only keys that differ from a new job's");

    const std::vector<Expected> back = CheckedRows(text);
    QCOMPARE(int(back.size()), t->model()->size());
    for (int i = 0; i < t->model()->size(); ++i) {
      const TableJoint& j = t->model()->joint(i);
      if (!j.error.isEmpty()) {
        QVERIFY2(!back[i].error.empty(), "the bad row stays as it was");
        QVERIFY(QString::fromStdString(back[i].error).contains(QStringLiteral("unknown family \"truss\"")));
        continue;
      }
      QVERIFY2(SameJob(back[i].job, j.joint.job), qPrintable(j.name));
    }
    QCOMPARE(back[0].job.steel.fy0, 420.0);
    QCOMPARE(t->path(), saved);
  }

  void theCombinedReportListsABadRowAndHoldsEveryOtherJoint() {
    MainWindow w;
    JointTableWindow* t = OpenJointTable(&w, table_);
    QTRY_VERIFY(t->model()->allChecked());
    const QString pdf = dir_.filePath(QStringLiteral("truss.pdf"));
    QString error;
    // The bad row is a line of the summary, with its reason and no report.
    QVERIFY2(t->exportPdf(pdf, &error), qPrintable(error));
    int with_bad_row = TrussSummaryPageCount(t->model()->size());
    for (int i = 0; i < t->model()->size(); ++i) {
      const TableJoint& j = t->model()->joint(i);
      if (j.error.isEmpty()) with_bad_row += LayOutReport(j.joint.job, j.joint.working, j.joint.last_dialog, 0).page_count;
    }
    QCOMPARE(PdfPageCount(pdf), with_bad_row);
    QFile::remove(pdf);

    // Without the bad row: the summary's pages and every joint's report.
    QFile f(table_);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QByteArray rows(kRows);
    rows.replace("B1,truss,160x160x8,100x100x6,,,,,,,,,,,\n", "");
    f.write(QByteArray(kHeader) + rows);
    f.close();
    JointTableWindow* whole = OpenJointTable(&w, table_);
    QTRY_VERIFY(whole->model()->allChecked());
    QVERIFY2(whole->exportPdf(pdf, &error), qPrintable(error));
    int pages = TrussSummaryPageCount(whole->model()->size());
    for (int i = 0; i < whole->model()->size(); ++i) {
      const TrussJoint& j = whole->model()->joint(i).joint;
      pages += LayOutReport(j.job, j.working, j.last_dialog, 0).page_count;
    }
    QCOMPARE(PdfPageCount(pdf), pages);
  }

  void closingAModifiedTableAsksAndTakesItsJointsWindowsAlong() {
    MainWindow w;
    w.show();
    JointTableWindow* t = OpenJointTable(&w, table_);
    QTRY_VERIFY(t->model()->allChecked());
    Document* document = t->openJoint(1);
    JobContent changed = document->content();
    changed.job.tyx.N1 = -100;
    document->change(changed, QStringLiteral("X,Y ja T sõlm"));
    QCOMPARE(w.mdiArea()->subWindowList().size(), 2);
    QPointer<JointTableWindow> table(t);
    {
      test::MessageBoxAnswer cancel(QStringLiteral("cancel"));
      t->parentWidget()->close();
      QVERIFY(cancel.answered());
      QCOMPARE(cancel.objectName(), QStringLiteral("unsavedChanges"));
    }
    QVERIFY(table);
    {
      test::MessageBoxAnswer discard(QStringLiteral("discard"));
      t->parentWidget()->close();
      QVERIFY(discard.answered());
    }
    QTRY_COMPARE(w.mdiArea()->subWindowList().size(), 0);
    QTRY_VERIFY(!table);
    QFile f(table_);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), QByteArray(kHeader) + kRows);  // discarded: the file as it was
  }

 private:
  QTemporaryDir settings_, dir_;
  QString table_;
};

QTEST_MAIN(JointTableWindowTest)
#include "joint_table_window_test.moc"
