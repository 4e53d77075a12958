// A document's file commands and undo steps: opening, saving and saving under a new name
// with temporary files; failures that name the file and change nothing; saving that never
// loses a file (read-only, links, modes, no temporary files left).
#include <QFile>
#include <QFileInfo>
#include <QApplication>
#include <QDialog>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTimer>
#include <QTemporaryDir>
#include <QtTest>
#include <sys/stat.h>
#include <unistd.h>

#include "model/job_document.h"
#include "families/laid_out_report.h"
#include "sections/section_library.h"
#include "ui/dialogs/joint_dialog_entry.h"
#include "ui/ui_test_support.h"
#include "ui/shell/document.h"

using namespace traxen;

namespace {
QByteArray Contents(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void Write(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
  f.write(bytes);
}

JobContent WithSteel(const Document& doc, double fy0) {
  JobContent c = doc.content();
  c.job.steel.fy0 = fy0;
  return c;
}

QStringList Entries(const QString& dir) {
  return QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}
}  // namespace

class DocumentTest : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() {
    qputenv("TRAXEN_LIBRARY", QByteArray(TRAXEN_TEST_DIR "/../data/Profiilid"));
    SetJointDialogsInteractive(false);  // opened files are confirmed without a dialog
  }

  // A JSON job names its sections by size; opened, it gets their list places, so that its
  // joint dialog shows (and its OK keeps) the job's own sections, not the lists' first ones.
  void anOpenedJsonJobGetsTheListPlacesOfItsSections() {
    QTemporaryDir dir;
    const QString file = dir.filePath("k.json");
    Write(file, R"({"family": {"is_kn": 1},
      "kn": {"h0": 160, "b0": 160, "t0": 8, "h1": 100, "b1": 100, "t1": 6, "h2": 120, "b2": 80, "t2": 5,
             "N0_left": -320, "M0": 1.5, "N1": -85.5, "theta1": 50, "theta2": 45, "e": 30}})");
    Document doc;
    QString error;
    QStringList warnings;
    QVERIFY2(doc.open(file, nullptr, &error, &warnings), qPrintable(error));
    QVERIFY2(warnings.isEmpty(), qPrintable(warnings.join('\n')));
    const SectionLibrary library(TRAXEN_TEST_DIR "/../data/Profiilid");
    std::vector<std::string> types;
    QVERIFY(!library.LoadTypeList(types));
    const KnJoint& k = doc.content().job.kn;
    const struct {
      int type, number;
      double h, b, t;
    } members[] = {{k.chord_type_index, k.chord_number_index, 160, 160, 8},
                   {k.brace1_type_index, k.brace1_number_index, 100, 100, 6},
                   {k.brace2_type_index, k.brace2_number_index, 120, 80, 5}};
    for (const auto& m : members) {
      SectionTable table;
      QVERIFY(!library.ReadTable(types.at(static_cast<std::size_t>(m.type)), table));
      const SectionProperties& row = table.at(static_cast<std::size_t>(m.number));
      QCOMPARE(row.h, m.h);
      QCOMPARE(row.b, m.b);
      QCOMPARE(row.t, m.t);
    }
    // A size the library does not hold is said, not hidden.
    Write(file, R"({"family": {"is_tyx": 1},
      "tyx": {"h0": 201, "b0": 200, "t0": 8, "h1": 120, "b1": 120, "t1": 6, "N0": -271.6, "M0": 2.81, "N1": -52,
              "theta1": 84.3}})");
    Document odd;
    warnings.clear();
    QVERIFY2(odd.open(file, nullptr, &error, &warnings), qPrintable(error));
    QCOMPARE(warnings.size(), 1);
    QVERIFY2(warnings.front().contains("201"), qPrintable(warnings.front()));
  }

  void openReadsTheFileAsOneStepAndSaveAsWritesIt() {
    QTemporaryDir dir;
    Document doc;
    QSignalSpy changed(&doc, &Document::changed);
    QString error;
    QVERIFY2(doc.open(test::ExampleFile("kn_windows.trx"), nullptr, &error), qPrintable(error));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(doc.job().family.is_kn, 1);
    QCOMPARE(doc.data().last_confirmed_dialog, 2);
    QCOMPARE(QFileInfo(doc.path()).fileName(), QStringLiteral("kn_windows.trx"));
    QVERIFY(!doc.isModified());
    QCOMPARE(doc.undoStack()->count(), 1);

    const QString copy = dir.filePath("copy.trx");
    QVERIFY2(doc.save(copy, &error), qPrintable(error));
    QCOMPARE(doc.path(), copy);
    QVERIFY(!doc.isModified());

    // The copy reads back into a fresh document as the same job.
    Document again;
    QVERIFY2(again.open(copy, nullptr, &error), qPrintable(error));
    QVERIFY(SameJob(again.job(), doc.job()));

    // Undoing the open brings the new job back, and the file name it had.
    doc.undoStack()->undo();
    QCOMPARE(doc.job().family.is_kn, 0);
    QVERIFY(doc.isModified());
  }

  // Cancel in the joint dialog that confirms an opened file: the file's values are the job, and
  // the report shows it as the confirmation without a window (traxen-cli's) does, never an
  // empty page. A JSON job, which needs no confirming dialog, shows its report the same way.
  void cancellingTheConfirmationAfterOpenShowsTheFilesReport_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("family");
    QTest::newRow("T/Y/X") << test::ExampleFile("tyx_windows.trx") << 1;
    QTest::newRow("K/N") << test::ExampleFile("kn_windows.trx") << 2;
  }
  void cancellingTheConfirmationAfterOpenShowsTheFilesReport() {
    QFETCH(QString, file);
    QFETCH(int, family);
    QString error;
    Document confirmed;
    QVERIFY2(confirmed.open(file, nullptr, &error), qPrintable(error));

    SetJointDialogsInteractive(true);
    const auto headless_again = qScopeGuard([] { SetJointDialogsInteractive(false); });
    Document cancelled;
    bool dialog_shown = false;
    QTimer poll;
    poll.setInterval(10);
    connect(&poll, &QTimer::timeout, [&] {
      if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
        dialog_shown = true;
        dialog->reject();
      }
    });
    const auto by_dialog = [](JobDocument& read, int dialog, QString* e) {
      return ConfirmOpenedJob(nullptr, read, dialog, e);
    };
    poll.start();
    QVERIFY2(cancelled.open(file, by_dialog, &error), qPrintable(error));
    poll.stop();
    QVERIFY(dialog_shown);

    // Without a confirmation the document asks nothing and opens the file as Cancel does.
    Document unasked;
    dialog_shown = false;
    poll.start();
    QVERIFY2(unasked.open(file, nullptr, &error), qPrintable(error));
    poll.stop();
    QVERIFY(!dialog_shown);
    QVERIFY(SameJob(unasked.job(), cancelled.job()));
    QCOMPARE(unasked.data().last_confirmed_dialog, family);
    QVERIFY(SameJob(cancelled.job(), confirmed.job()));
    QCOMPARE(cancelled.data().last_confirmed_dialog, family);
    QCOMPARE(family == 1 ? cancelled.job().family.is_tyx : cancelled.job().family.is_kn, 1);
    QVERIFY(!cancelled.isModified());

    const auto texts = [](const Document& doc) {
      const LaidOutReport report = LayOutReport(doc.job(), doc.data().working, doc.data().last_confirmed_dialog, 0);
      QStringList list;
      for (const auto& t : report.ops.texts()) list << QString::fromStdString(t.text);
      return list;
    };
    const QStringList shown = texts(cancelled);
    QVERIFY(shown.join("").contains("Korras"));
    QCOMPARE(shown, texts(confirmed));

    // The same job as JSON opens with no dialog and the same report.
    QTemporaryDir dir;
    const QString json = dir.filePath("job.json");
    QVERIFY2(confirmed.save(json, &error), qPrintable(error));
    Document from_json;
    dialog_shown = false;
    poll.start();
    QVERIFY2(from_json.open(json, nullptr, &error), qPrintable(error));
    poll.stop();
    QVERIFY(!dialog_shown);
    QCOMPARE(texts(from_json), shown);
  }

  void aFailingOpenNamesTheFileAndChangesNothing_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("reason");
    QTest::newRow("missing") << QByteArray() << "faili ei saa avada: sellist faili ega kausta ei ole";
    QTest::newRow("not a project file") << QByteArray("hello\n") << "rida 2 puudub";
    QTest::newRow("lines missing") << QByteArray("1 0 4 4 \n") << "rida 2 puudub";
  }
  void aFailingOpenNamesTheFileAndChangesNothing() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    const QString path = dir.filePath("broken.trx");
    if (!bytes.isEmpty()) Write(path, bytes);

    Document doc;
    doc.change(WithSteel(doc, 420), "steel");
    const Job before = doc.job();
    const int steps = doc.undoStack()->count();
    QSignalSpy changed(&doc, &Document::changed);
    QString error;
    QVERIFY(!doc.open(path, nullptr, &error));
    QVERIFY2(error.contains(path), qPrintable(error));
    QVERIFY2(error.contains(reason), qPrintable(error));
    QVERIFY(SameJob(doc.job(), before));
    QCOMPARE(doc.path(), QString());
    QCOMPARE(doc.undoStack()->count(), steps);
    QCOMPARE(changed.count(), 0);
    QVERIFY(doc.isModified());
  }

  void aDialogChangeIsOneUndoStepAndAnUnchangedOkNone() {
    Document doc;
    QSignalSpy changed(&doc, &Document::changed);
    QSignalSpy modified(&doc, &Document::modifiedChanged);
    doc.change(WithSteel(doc, 420), "steel");
    QCOMPARE(doc.job().steel.fy0, 420.0);
    QVERIFY(doc.isModified());
    QCOMPARE(modified.count(), 1);

    doc.change(doc.content(), "unchanged");  // OK without edits
    QCOMPARE(doc.undoStack()->count(), 1);

    doc.undoStack()->undo();
    QCOMPARE(doc.job().steel.fy0, 355.0);
    QVERIFY(!doc.isModified());
    doc.undoStack()->redo();
    QCOMPARE(doc.job().steel.fy0, 420.0);
    QCOMPARE(changed.count(), 3);  // change, undo, redo: each repaints the views
  }

  void saveKeepsTheDocumentsFileName() {
    QTemporaryDir dir;
    Document doc;
    doc.change(WithSteel(doc, 420), "steel");
    QString error;
    QVERIFY(doc.save(dir.filePath("a.trx"), &error));
    doc.change(WithSteel(doc, 460), "steel");
    QVERIFY(doc.isModified());
    // Undoing past the save does not take the file name back.
    doc.undoStack()->undo();
    QCOMPARE(QFileInfo(doc.path()).fileName(), QStringLiteral("a.trx"));
    QVERIFY(!doc.isModified());
    doc.undoStack()->undo();
    QVERIFY(doc.isModified());
    QCOMPARE(QFileInfo(doc.path()).fileName(), QStringLiteral("a.trx"));
  }

  void aReadOnlyFileIsRefusedAndLeftAsItWas() {
    QTemporaryDir dir;
    const QString path = dir.filePath("locked.trx");
    Write(path, "old contents\n");
    QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadGroup));
    Document doc;
    doc.change(WithSteel(doc, 420), "steel");
    QString error;
    QVERIFY(!doc.save(path, &error));
    QCOMPARE(error, path + ": faili ei saa salvestada: fail on kirjutuskaitstud");
    QCOMPARE(Contents(path), QByteArray("old contents\n"));
    QVERIFY(doc.isModified());
    QCOMPARE(Entries(dir.path()), QStringList{"locked.trx"});
  }

  void saveTargetsThatAreRefused_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("mode");  // -1: no such file
    QTest::addColumn<bool>("refused");
    QTest::newRow("new file") << "new.trx" << -1 << false;
    QTest::newRow("writable file") << "old.trx" << 0644 << false;
    QTest::newRow("read-only file") << "old.trx" << 0444 << true;  // also for root
    QTest::newRow("owner may not write") << "old.trx" << 0464 << true;
  }
  void saveTargetsThatAreRefused() {
    QFETCH(QString, name);
    QFETCH(int, mode);
    QFETCH(bool, refused);
    QTemporaryDir dir;
    const QString path = dir.filePath(name);
    if (mode >= 0) {
      Write(path, "x");
      ::chmod(QFile::encodeName(path).constData(), mode_t(mode));
    }
    const QString message = CheckSaveTarget(path);
    QCOMPARE(!message.isEmpty(), refused);
    if (refused) QVERIFY(message.contains(path));
    QCOMPARE(CheckSaveTarget(dir.path()), dir.path() + ": faili ei saa salvestada: see on kaust");
  }

  void savingThroughALinkWritesItsTargetAndKeepsTheMode() {
    QTemporaryDir dir;
    const QString target = dir.filePath("real.trx");
    const QString link = dir.filePath("link.trx");
    Write(target, "old\n");
    ::chmod(QFile::encodeName(target).constData(), 0640);
    QVERIFY(QFile::link(target, link));

    Document doc;
    doc.change(WithSteel(doc, 420), "steel");
    QString error;
    QVERIFY2(doc.save(link, &error), qPrintable(error));
    QVERIFY(QFileInfo(link).isSymLink());
    QVERIFY(Contents(target).startsWith("0 0 "));
    struct stat st {};
    QCOMPARE(::stat(QFile::encodeName(target).constData(), &st), 0);
    QCOMPARE(int(st.st_mode & 07777), 0640);
    QCOMPARE(Entries(dir.path()), (QStringList{"link.trx", "real.trx"}));  // no temporary file left
  }

  void savingKeepsTheOwnerWherePermitted() {
    if (::geteuid() != 0) QSKIP("only root may give a file to another user");
    QTemporaryDir dir;
    const QString path = dir.filePath("shared.trx");
    Write(path, "old\n");
    QCOMPARE(::chown(QFile::encodeName(path).constData(), 12345, 23456), 0);
    Document doc;
    QString error;
    QVERIFY2(doc.save(path, &error), qPrintable(error));
    struct stat st {};
    QCOMPARE(::stat(QFile::encodeName(path).constData(), &st), 0);
    QCOMPARE(int(st.st_uid), 12345);
    QCOMPARE(int(st.st_gid), 23456);
  }

  void aFailedSaveLeavesNoTemporaryFile() {
    QTemporaryDir dir;
    const QString missing_folder = dir.filePath("no/such/folder/job.trx");
    Document doc;
    QString error;
    QVERIFY(!doc.save(missing_folder, &error));
    QVERIFY2(error.contains(missing_folder), qPrintable(error));
    QCOMPARE(doc.path(), QString());
    QVERIFY(Entries(dir.path()).isEmpty());

    // A save that fails after its temporary file was written (the name is taken by a folder,
    // so the final rename fails) removes that temporary file.
    QVERIFY(QDir(dir.path()).mkpath("taken/inner"));
    JobDocument raw;
    const LoadError e = SaveJobDocument(raw, dir.filePath("taken").toStdString());
    QVERIFY(e);
    QCOMPARE(Entries(dir.path()), QStringList{"taken"});
  }
};

QTEST_MAIN(DocumentTest)
#include "document_test.moc"
