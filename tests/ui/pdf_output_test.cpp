// The desktop's PDF files (Ekspordi PDF and printing to a file) are written whole or not at
// all: a target that cannot be written is named with the reason in a message box, the old
// file stays as it was and no temporary file is left beside it.
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QTemporaryDir>
#include <QtTest>

#include "ui/dialogs/joint_dialog_entry.h"
#include "ui/shell/document.h"
#include "ui/shell/main_window.h"
#include "ui/shell/report_printing.h"
#include "ui/shell/report_view.h"
#include "ui/ui_test_support.h"

using namespace traxen;

namespace {

const QByteArray kOldPdf = "%PDF-1.4 the report printed yesterday\n";

// Makes the target of one case in `dir`; returns its path.
QString MakeTarget(const QTemporaryDir& dir, const QString& kind) {
  if (kind == "missing folder") return dir.filePath("gone/report.pdf");
  const QString path = dir.filePath("report.pdf");
  if (kind == "folder") {
    QDir(dir.path()).mkdir("report.pdf");
  } else if (kind == "pipe") {
    ::mkfifo(QFile::encodeName(path).constData(), 0644);
  } else {
    QFile old(path);
    old.open(QIODevice::WriteOnly);
    old.write(kOldPdf);
    old.close();
    if (kind == "read-only file") old.setPermissions(QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
  }
  return path;
}

// Only a regular file is read: a pipe would wait for a writer.
QByteArray Contents(const QString& path) {
  if (!QFileInfo(path).isFile()) return {};
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Nothing in the folder but the target itself.
QStringList Leftovers(const QTemporaryDir& dir) {
  QStringList names = QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
  names.removeAll("report.pdf");
  return names;
}

}  // namespace

class PdfOutputTest : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() {
    test::UsePrivateSettings(settings_.path());
    qputenv("TRAXEN_LIBRARY", QByteArray(TRAXEN_TEST_DIR "/../data/Profiilid"));
    SetJointDialogsInteractive(false);
  }

  void unwritableTargets_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("reason");
    QTest::newRow("read-only file") << "read-only file" << "fail on kirjutuskaitstud";
    QTest::newRow("pipe") << "pipe" << "see ei ole tavaline fail (vaid toru, seade või sokkel)";
    QTest::newRow("folder") << "folder" << "see on kaust";
    QTest::newRow("missing folder") << "missing folder" << "sellist faili ega kausta ei ole";
  }

  void unwritableTargets() {
    QFETCH(QString, kind);
    QFETCH(QString, reason);
    MainWindow w;
    w.show();
    QVERIFY(w.openFile(test::ExampleFile("tyx_windows.trx")));

    // Ekspordi PDF.
    {
      QTemporaryDir dir;
      const QString path = MakeTarget(dir, kind);
      const QByteArray before = Contents(path);
      test::MessageBoxAnswer reply;
      QVERIFY(!w.exportPdfTo(w.activeView(), path));
      QVERIFY(reply.answered());
      QCOMPARE(reply.objectName(), QStringLiteral("errorMessage"));
      QVERIFY2(reply.text().startsWith(path + ": faili ei saa kirjutada: ") && reply.text().contains(reason),
               qPrintable(reply.text()));
      QCOMPARE(Contents(path), before);
      QCOMPARE(Leftovers(dir), QStringList());
    }
    // Printing to a file goes the same way.
    {
      QTemporaryDir dir;
      const QString path = MakeTarget(dir, kind);
      const QByteArray before = Contents(path);
      QPrinter printer(QPrinter::HighResolution);
      printer.setOutputFormat(QPrinter::PdfFormat);
      printer.setOutputFileName(path);
      QVERIFY(PrintsToFile(printer));
      const ReportView* view = w.activeView();
      const LaidOutReport report = LayOutReport(view->document()->job(), view->document()->data().working, 1, 0);
      QString error;
      QVERIFY(!PrintReportToFile(printer, report, &error));
      QVERIFY2(error.startsWith(path + ": faili ei saa kirjutada: ") && error.contains(reason), qPrintable(error));
      QCOMPARE(Contents(path), before);
      QCOMPARE(Leftovers(dir), QStringList());
    }
  }

  // A writable old file is replaced by the whole new report; printing to a file keeps the
  // print dialog's page range.
  void aWritableFileIsReplacedWhole() {
    MainWindow w;
    w.show();
    QVERIFY(w.openFile(test::ExampleFile("tyx_windows.trx")));
    QTemporaryDir dir;
    const QString path = MakeTarget(dir, "old file");
    QVERIFY(w.exportPdfTo(w.activeView(), path));
    const QByteArray pdf = Contents(path);
    QVERIFY(pdf.startsWith("%PDF") && pdf != kOldPdf);
    QVERIFY(pdf.endsWith("%%EOF\n") || pdf.endsWith("%%EOF"));
    QCOMPARE(Leftovers(dir), QStringList());

    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setPrintRange(QPrinter::PageRange);
    printer.setFromTo(2, 2);
    const ReportView* view = w.activeView();
    const LaidOutReport report = LayOutReport(view->document()->job(), view->document()->data().working, 1, 0);
    QVERIFY(report.page_count >= 2);
    QString error;
    QVERIFY2(PrintReportToFile(printer, report, &error), qPrintable(error));
    QCOMPARE(Contents(path).count("/Type /Page\n") + Contents(path).count("/Type /Page "), 1);
  }

  // A report's title (the PDF's, the print job's) names the job; a job still named by a new
  // job's placeholder is named by its file, or by its window while it has none.
  void theTitleIsTheJobsNameOrItsFilesName() {
    Document document;
    document.setTitle(QStringLiteral("Nimetu 1"));
    QCOMPARE(ReportTitle(document), QStringLiteral("Nimetu 1"));
    QTemporaryDir dir;
    QString error;
    QVERIFY2(document.save(dir.filePath(QStringLiteral("k3.json")), &error), qPrintable(error));
    const QList<QPair<QString, QString>> cases = {{QStringLiteral("....(töö nimi)"), QStringLiteral("k3.json")},
                                                  {QStringLiteral("....(job name)"), QStringLiteral("k3.json")},
                                                  {QStringLiteral("Sõlm A"), QStringLiteral("Sõlm A")},
                                                  {QStringLiteral("....(töö nimi) A"), QStringLiteral("....(töö nimi) A")}};
    for (const auto& [name, title] : cases) {
      JobContent named = document.content();
      named.job.info.job_name = name.toStdString();
      document.change(named, QStringLiteral("nimi"));
      QCOMPARE(ReportTitle(document), title);
    }
  }

 private:
  QTemporaryDir settings_;
};

QTEST_MAIN(PdfOutputTest)
#include "pdf_output_test.moc"
