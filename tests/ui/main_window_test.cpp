// The main window as a user meets it: the title that names the active job, the menus with their
// texts, mnemonics and shortcuts, names for screen readers, a second window on the same job, a
// file opened once, the prompt for unsaved changes and a quit that one Loobu stops, and printing
// one report page per sheet.
#include <QAction>
#include <QActionGroup>
#include <QFileDialog>
#include <QLabel>
#include <QMap>
#include <QSet>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPrinter>
#include <QPushButton>
#include <QSlider>
#include <QLabel>
#include <QScopeGuard>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>

#include "families/dispatch.h"
#include "ui/dialogs/joint_dialog_entry.h"
#include "ui/shell/about_dialog.h"
#include "ui/shell/app_settings.h"
#include "ui/shell/document.h"
#include "ui/shell/joint_table_window.h"
#include "ui/shell/main_window.h"
#include "ui/shell/report_printing.h"
#include "ui/shell/report_view.h"
#include "ui/ui_test_support.h"
#include "version.h"

using namespace traxen;

namespace {
QAction* Action(MainWindow& w, const char* name) {
  auto* a = w.findChild<QAction*>(QLatin1String(name));
  if (!a) qFatal("no action %s", name);
  return a;
}

int PdfPageCount(const QString& path) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return -1;
  const QByteArray pdf = f.readAll();
  return int(pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r") + pdf.count("/Type /Page "));
}

JobContent Renamed(const Document& doc, const char* name) {
  JobContent c = doc.content();
  c.job.info.job_name = name;
  return c;
}
}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() {
    test::UsePrivateSettings(settings_.path());
    qputenv("TRAXEN_LIBRARY", QByteArray(TRAXEN_TEST_DIR "/../data/Profiilid"));
    SetJointDialogsInteractive(false);  // opened files are confirmed without a dialog
  }

  void menusHoldEveryCommandInOrder() {
    MainWindow w;
    QStringList titles;
    for (QAction* a : w.menuBar()->actions()) titles << a->text();
    QCOMPARE(titles, (QStringList{"&Fail", "&Muuda", "Ma&terjal", "Ülesande &info", "&Sõlmede tüübid", "&Vaade",
                                  "&Aken", "A&bi"}));
    QCOMPARE(w.windowTitle(), QStringLiteral("TRAXEN"));  // no job yet
  }

  void commandsHaveTheirTextsAndShortcuts_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shortcut");
    QTest::newRow("new") << "fileNew" << "&Uus" << "Ctrl+N";
    QTest::newRow("open") << "fileOpen" << "&Ava..." << "Ctrl+O";
    QTest::newRow("close") << "fileClose" << "Su&le" << "";
    QTest::newRow("save") << "fileSave" << "&Salvesta" << "Ctrl+S";
    QTest::newRow("save as") << "fileSaveAs" << "Salvesta &nagu..." << "";
    QTest::newRow("print") << "filePrint" << "&Prindi..." << "Ctrl+P";
    QTest::newRow("preview") << "filePrintPreview" << "Prin&timise eelvaade..." << "";
    QTest::newRow("printer setup") << "filePrintSetup" << "P&rinteri valik..." << "";
    QTest::newRow("export") << "fileExportPdf" << "&Ekspordi PDF..." << "Ctrl+E";
    QTest::newRow("exit") << "fileExit" << "&Välju" << "Ctrl+Q";
    QTest::newRow("undo") << "editUndo" << "&Võta tagasi" << "Ctrl+Z";
    QTest::newRow("redo") << "editRedo" << "&Tee uuesti" << "Ctrl+Y";
    QTest::newRow("steel") << "steelData" << "&Terase andmed" << "";
    QTest::newRow("lengths") << "memberLengths" << "&Varraste pikkused" << "";
    QTest::newRow("info") << "jobInfo" << "&Info sisestamine" << "";
    QTest::newRow("tyx") << "tyxJoints" << "&X,Y ja T sõlmed" << "";
    QTest::newRow("kn") << "knJoints" << "&KN sõlmed" << "";
    QTest::newRow("new window") << "windowNew" << "&Uus aken" << "";
    QTest::newRow("next window") << "windowNext" << "&Järgmine aken" << "F6";
    QTest::newRow("previous window") << "windowPrevious" << "&Eelmine aken" << "Shift+F6";
    QTest::newRow("status bar") << "viewStatusBar" << "&Oleku riba" << "";
    QTest::newRow("caption bar") << "viewCaptionBar" << "&Pealkirja riba" << "";
    QTest::newRow("brace welds") << "viewBraceWelds" << "&Keevisõmblused aruandes" << "";
    QTest::newRow("zoom in") << "viewZoomIn" << "Suu&renda" << "Ctrl++";
    QTest::newRow("zoom out") << "viewZoomOut" << "Vä&henda" << "Ctrl+-";
    QTest::newRow("about") << "helpAbout" << "&TRAXEN TEAVE.." << "";
  }
  void commandsHaveTheirTextsAndShortcuts() {
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QString, shortcut);
    MainWindow w;
    QAction* a = Action(w, qPrintable(name));
    QCOMPARE(a->text(), text);
    QCOMPARE(a->shortcut().toString(QKeySequence::PortableText), shortcut);
  }

  void reinforcedJointEntriesArePresentAndDisabled() {
    MainWindow w;
    auto* joints = w.findChild<QMenu*>("jointsMenu");
    QStringList texts;
    QStringList mnemonics;
    for (QAction* a : joints->actions()) {
      texts << a->text();
      const int amp = a->text().indexOf(QLatin1Char('&'));
      if (amp >= 0) mnemonics << a->text().mid(amp + 1, 1).toLower();
    }
    QCOMPARE(texts, (QStringList{"&X,Y ja T sõlmed", "&KN sõlmed", "KN tugevdatud sõlmed", "X,Y ja T tugevdatud sõlmed",
                                 "&Ümartoru T, Y ja X sõlmed", "Ümartoru K ja N sõ&lmed",
                                 "Nelikanttoru&vöö ja ümartoruvarrastega X, Y ja T sõlmed",
                                 "Nelikanttoruvöö ja ümartoruvarrastega K ja N sõlme&d"}));
    QVERIFY(!Action(w, "knReinforcedJoints")->isEnabled());
    QVERIFY(!Action(w, "tyxReinforcedJoints")->isEnabled());
    // Alt+S, X and Alt+S, K run their dialog at once: each letter is used once in the menu.
    QCOMPARE(mnemonics, (QStringList{"x", "k", "ü", "l", "v", "d"}));
  }

  // Alt and a letter runs the entry at once only when no other entry of its menu has that
  // letter: checked in the menu bar and every menu and submenu, with recent files and a window
  // list shown.
  void noMenuHasTwoEntriesWithOneMnemonic() {
    QTemporaryDir dir;
    for (int i = 1; i <= 4; ++i) {
      const QString copy = dir.filePath(QStringLiteral("sõlm %1.trx").arg(i));
      QVERIFY(QFile::copy(test::ExampleFile("kn_windows.trx"), copy));
      AppSettings::addRecentFile(copy);
    }
    MainWindow w;
    w.show();
    for (int i = 0; i < 3; ++i) w.newDocumentWindow();
    const auto mnemonic = [](const QString& text) {
      for (int at = text.indexOf(QLatin1Char('&')); at >= 0 && at + 1 < text.size();
           at = text.indexOf(QLatin1Char('&'), at + 2))
        if (text.at(at + 1) != QLatin1Char('&')) return text.at(at + 1).toLower();
      return QChar();
    };
    const auto check = [&](const QString& where, const QList<QAction*>& actions) {
      QMap<QChar, QString> taken;
      int with_mnemonic = 0;
      for (QAction* a : actions) {
        if (a->isSeparator() || !a->isVisible()) continue;
        const QChar key = mnemonic(a->text());
        if (key.isNull()) continue;
        ++with_mnemonic;
        QVERIFY2(!taken.contains(key), qPrintable(QStringLiteral("%1: \"%2\" and \"%3\" share %4")
                                                      .arg(where, taken.value(key), a->text(), key)));
        taken.insert(key, a->text());
      }
      QVERIFY2(with_mnemonic > 0, qPrintable(where));
    };
    check(QStringLiteral("menu bar"), w.menuBar()->actions());
    auto* window_menu = w.findChild<QMenu*>("windowMenu");
    emit window_menu->aboutToShow();
    QVERIFY(Action(w, "recentFile4")->isVisible());
    QVERIFY(w.findChild<QAction*>("windowList3"));
    for (QMenu* menu : w.findChildren<QMenu*>()) {
      if (menu->actions().isEmpty() || menu->objectName() == "toolbarMenu") continue;  // toolbar names only
      check(menu->objectName(), menu->actions());
    }
    for (const char* entry : {"viewBraceWelds", "fileClose", "fileSaveAs", "filePrintPreview"})
      QVERIFY(!mnemonic(Action(w, entry)->text()).isNull());
    for (const QString& file : AppSettings::recentFiles()) AppSettings::removeRecentFile(file);
  }

  void cascadedWindowsTakeTwoThirdsOfTheArea() {
    MainWindow w;
    w.show();
    QList<ReportView*> views;
    for (int i = 0; i < 3; ++i) views << w.newDocumentWindow();
    views.first()->parentWidget()->showMaximized();
    Action(w, "windowCascade")->trigger();
    const QSize area = w.mdiArea()->viewport()->size();
    QSet<int> lefts;
    for (ReportView* view : views) {
      QWidget* window = view->parentWidget();
      QVERIFY(!window->isMaximized());
      QVERIFY2(std::abs(window->width() - area.width() * 2 / 3) <= 2, qPrintable(QString::number(window->width())));
      QVERIFY(std::abs(window->height() - area.height() * 2 / 3) <= 2);
      QVERIFY(QRect(QPoint(0, 0), area).contains(window->geometry()));
      lefts << window->x();
    }
    QCOMPARE(lefts.size(), 3);  // each a step further in
  }

  // The Open dialog offers both job files; Save As offers the job name as the file name.
  void fileDialogsOfferJobFilesAndTheJobName() {
    MainWindow w;
    w.show();
    w.newDocumentWindow();
    QStringList filters;
    QTimer::singleShot(50, [&filters] {
      if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
        filters = dialog->nameFilters();
        dialog->reject();
      }
    });
    Action(w, "fileOpen")->trigger();
    QCOMPARE(filters.value(0), QStringLiteral("TRAXEN failid (*.trx *.json)"));

    const auto offered = [&w] {
      QString name;
      QTimer::singleShot(50, [&name] {
        if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
          name = QFileInfo(dialog->selectedFiles().value(0)).fileName();
          dialog->reject();
        }
      });
      Action(w, "fileSaveAs")->trigger();
      return name;
    };
    QCOMPARE(offered(), QStringLiteral("Nimetu 1.trx"));  // the new job's placeholder name is no file name
    Document* doc = w.activeView()->document();
    doc->change(Renamed(*doc, "Spordihall, sõlm K7"), "info");
    QCOMPARE(offered(), QStringLiteral("Spordihall, sõlm K7.trx"));
  }

  void suggestedFileNames_data() {
    QTest::addColumn<QString>("job");
    QTest::addColumn<QString>("file");
    QTest::newRow("job name") << "Spordihall, sõlm K7" << "Spordihall, sõlm K7.trx";
    QTest::newRow("no path, no drive") << " ../Sõlm K7: vöö/diagonaal\\x " << "_Sõlm K7_ vöö_diagonaal_x.trx";
    QTest::newRow("control characters") << "a\tb\nc*?" << "a_b_c__.trx";
    QTest::newRow("empty job name") << "  " << "Nimetu 3.trx";
    QTest::newRow("only dots") << "..." << "Nimetu 3.trx";
  }
  void suggestedFileNames() {
    QFETCH(QString, job);
    QFETCH(QString, file);
    QCOMPARE(SuggestedFileName(job, QStringLiteral("Nimetu 3")), file);
  }

  void theAboutBoxShowsOneVersion() {
    AboutDialog about;
    QString all;
    for (QLabel* label : about.findChildren<QLabel*>()) all += label->text() + QLatin1Char('\n');
    QCOMPARE(all.count(QStringLiteral("Versioon")), 1);
    QCOMPARE(all.count(QStringLiteral(TRAXEN_VERSION)), 1);
    QVERIFY2(all.contains(QStringLiteral("Versioon " TRAXEN_VERSION "\n")), qPrintable(all));
    QVERIFY(!all.contains(QStringLiteral("2.0")) || QStringLiteral(TRAXEN_VERSION).contains(QStringLiteral("2.0")));
  }

  void toolbarsHoldTheirButtonsWithNames() {
    MainWindow w;
    w.newDocumentWindow();
    auto* job = w.findChild<QToolBar*>("jobToolBar");
    QStringList labels, tooltips;
    for (QAction* a : job->actions()) {
      if (a->isSeparator()) {
        labels << "|";
        continue;
      }
      labels << a->text();
      tooltips << a->toolTip();
    }
    QCOMPARE(labels, (QStringList{"INFO", "TERAS", "VARDAD", "|", "X,Y ja T TRAXEN", "|", "KN TRAXEN", "|",
                                  "Ümartoru X,Y ja T", "|", "Ümartoru KN", "|", "RHS/CHS X,Y ja T", "|", "RHS/CHS KN"}));
    QCOMPARE(tooltips, (QStringList{"Ülesande andmete sisestus", "Terase andmed", "Varraste pikkused",
                                    "X,Y ja T sõlmede andmed", "KN sõlmed andmed", "Ümartoru T, Y ja X sõlmede andmed",
                                    "Ümartoru K ja N sõlmede andmed",
                                    "Nelikanttoruvöö ja ümartoruvarrastega T, Y ja X sõlmede andmed",
                                    "Nelikanttoruvöö ja ümartoruvarrastega K ja N sõlmede andmed"}));
    for (const char* disabled : {"editCut", "editPaste"}) QVERIFY(!Action(w, disabled)->isEnabled());
    QVERIFY(Action(w, "editCopy")->isEnabled());  // the report's visible page
    QSlider* slider = w.zoomSlider();
    QCOMPARE(slider->minimum(), 1);
    QCOMPARE(slider->maximum(), 10);
    QCOMPARE(slider->value(), 5);
    QCOMPARE(w.toolBarArea(w.findChild<QToolBar*>("zoomToolBar")), Qt::BottomToolBarArea);

    // Every command, button and menu can be found by name.
    for (QToolBar* bar : w.findChildren<QToolBar*>())
      for (QAction* a : bar->actions()) {
        if (a->isSeparator() || !bar->widgetForAction(a)) continue;
        QWidget* button = bar->widgetForAction(a);
        QVERIFY2(!button->objectName().isEmpty() && !button->accessibleName().isEmpty(), qPrintable(a->text()));
      }
    for (QMenu* menu : w.menuBar()->findChildren<QMenu*>())
      for (QAction* a : menu->actions())
        if (!a->isSeparator()) QVERIFY2(!a->objectName().isEmpty(), qPrintable(a->text()));
  }

  void appearanceEntriesStoreTheirIdentifier() {
    MainWindow w;
    QAction* black = Action(w, "look216");
    black->trigger();
    QVERIFY(black->isChecked());
    QVERIFY(!Action(w, "look210")->isChecked());
    MainWindow again;  // a new start reads the stored appearance
    QVERIFY(Action(again, "look216")->isChecked());
    Action(again, "look210")->trigger();
  }

  void aNewWindowShowsTheSameJobAndFollowsItsChanges() {
    MainWindow w;
    w.show();
    ReportView* first = w.newDocumentWindow();
    Action(w, "windowNew")->trigger();
    QCOMPARE(w.views().size(), 2);
    ReportView* second = w.activeView();
    QVERIFY(second != first);
    QCOMPARE(second->document(), first->document());
    first->document()->change(Renamed(*first->document(), "Teine aken"), "info");
    for (ReportView* view : {first, second}) {
      bool shown = false;
      for (const auto& t : view->report().ops.texts()) shown = shown || t.text == "Teine aken";
      QVERIFY(shown);
    }
    // Closing one of the two windows asks nothing: the job stays open in the other.
    test::MessageBoxAnswer none("cancel");
    second->parentWidget()->close();
    QTest::qWait(30);
    QVERIFY(!none.answered());
    QCOMPARE(w.views().size(), 1);
  }

  void windowsOfOneNamedJobAreNumbered() {
    MainWindow w;
    w.show();
    QVERIFY(w.openInNewWindow(test::ExampleFile("kn_windows.trx"), false));
    ReportView* first = w.activeView();
    QCOMPARE(first->windowTitle(), QStringLiteral("kn_windows.trx"));
    Action(w, "windowNew")->trigger();
    ReportView* second = w.activeView();
    QCOMPARE(first->windowTitle(), QStringLiteral("kn_windows.trx:1"));
    QCOMPARE(second->windowTitle(), QStringLiteral("kn_windows.trx:2"));
    first->parentWidget()->close();
    QTest::qWait(30);
    QCOMPARE(second->windowTitle(), QStringLiteral("kn_windows.trx"));
  }

  // The JSON job names a force that is derived from the others: the job opens with the derived
  // value, and the user is told which value was replaced. Saved, it stays a JSON job.
  void aJsonJobOpensWithItsReplacedValuesNamedAndSavesAsJson() {
    QTemporaryDir dir;
    QFile source(test::SourceDir() + QStringLiteral("/bench/jobs/kn_gap.json"));
    QVERIFY(source.open(QIODevice::ReadOnly));
    QByteArray json = source.readAll();
    json.insert(json.indexOf('{', json.indexOf("\"kn\"")) + 1, "\"N2\": 100,");
    const QString path = dir.filePath(QStringLiteral("n2.json"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(json);
    file.close();

    MainWindow w;
    w.show();
    {
      test::MessageBoxAnswer reply;
      QVERIFY(w.openInNewWindow(path, false));
      QVERIFY(reply.answered());
      QCOMPARE(reply.objectName(), QStringLiteral("openWarnings"));
      QVERIFY2(reply.text().contains(QStringLiteral("hoiatus: võti \"kn.N2\": antud väärtus 100 asendati tuletatud väärtusega")),
               qPrintable(reply.text()));
    }
    ReportView* view = w.activeView();
    QVERIFY(view->document()->job().kn.N2 != 100);

    QString error;
    QVERIFY2(view->document()->save(path, &error), qPrintable(error));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.peek(1), QByteArray("{"));
    file.close();
    test::MessageBoxAnswer none;
    QVERIFY(w.openInNewWindow(path, false));
    QTest::qWait(30);
    QVERIFY2(!none.answered(), qPrintable(none.text()));  // the saved values need no replacing
  }

  // Quitting asks about every job with unsaved changes before any window closes, each job
  // once (two windows on one job too), in the order of their windows; one Loobu keeps every
  // window as it was, the active one still active.
  void oneLoobuKeepsEveryWindowWhenQuitting_data() {
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<bool>("quit");
    QTest::addColumn<bool>("first_saved");
    QTest::newRow("Loobu at the first") << QStringList{"cancel"} << false << false;
    QTest::newRow("Ära salvesta, then Loobu") << QStringList{"discard", "cancel"} << false << false;
    QTest::newRow("Salvesta, Ära salvesta, then Loobu") << QStringList{"save", "discard", "cancel"} << false << true;
    QTest::newRow("every job let go") << QStringList{"discard", "discard", "discard"} << true << false;
    QTest::newRow("saved and let go") << QStringList{"save", "discard", "discard"} << true << true;
  }
  void oneLoobuKeepsEveryWindowWhenQuitting() {
    QFETCH(QStringList, answers);
    QFETCH(bool, quit);
    QFETCH(bool, first_saved);
    QTemporaryDir dir;
    const QString path = dir.filePath("eka.trx");
    MainWindow w;
    w.show();
    QList<ReportView*> jobs;
    for (int i = 0; i < 3; ++i) jobs << w.newDocumentWindow();
    QString error;
    QVERIFY(jobs[0]->document()->save(path, &error));
    for (ReportView* view : jobs) view->document()->change(Renamed(*view->document(), "Muudetud"), "info");
    const auto window_of = [](ReportView* view) { return qobject_cast<QMdiSubWindow*>(view->parentWidget()); };
    w.mdiArea()->setActiveSubWindow(window_of(jobs[1]));
    Action(w, "windowNew")->trigger();  // a second window on the second job
    w.mdiArea()->setActiveSubWindow(window_of(jobs[2]));
    const QList<ReportView*> windows = w.views();
    QCOMPARE(windows.size(), 4);

    {
      test::MessageBoxAnswers replies(answers);
      QCOMPARE(w.close(), quit);
      QCOMPARE(replies.texts().size(), answers.size());
      const QStringList named{"eka.trx", "Nimetu 2", "Nimetu 3"};
      for (int i = 0; i < replies.texts().size(); ++i)
        QVERIFY2(replies.texts().at(i).contains(named.at(i)), qPrintable(replies.texts().at(i)));
    }
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll().contains("Muudetud"), first_saved);
    if (quit) {
      QVERIFY(w.views().isEmpty());
      return;
    }
    QCOMPARE(w.views(), windows);
    QCOMPARE(w.activeView(), jobs[2]);
    QCOMPARE(jobs[0]->document()->isModified(), !first_saved);
    for (ReportView* view : {jobs[1], jobs[2]}) {
      QVERIFY(view->document()->isModified());
      QCOMPARE(view->document()->job().info.job_name, std::string("Muudetud"));
    }
    test::MessageBoxAnswers let_go({"discard", "discard", "discard"});
    QVERIFY(w.close());
  }

  // A joint table with unsaved changes is asked about with the jobs, before anything closes:
  // Loobu keeps it and its joint's window, Ära salvesta lets it close without a second question.
  void aQuitAsksAboutAnUnsavedJointTableFirst() {
    QTemporaryDir dir;
    const QString table_path = dir.filePath("sõrestik.csv");
    QFile csv(table_path);
    QVERIFY(csv.open(QIODevice::WriteOnly));
    csv.write("joint,family,chord,brace1,tyx.N0,tyx.M0,tyx.N1,tyx.theta1\n"
              "T1,tyx,200x200x8,120x120x6,-271.6,2.81,-52,84.3\n");
    csv.close();
    MainWindow w;
    w.show();
    ReportView* job = w.newDocumentWindow();
    job->document()->change(Renamed(*job->document(), "Muudetud"), "info");
    JointTableWindow* table = OpenJointTable(&w, table_path);
    QVERIFY(table);
    Document* joint = table->openJoint(0);
    QVERIFY(joint);
    joint->change(Renamed(*joint, "Sõlm T1 muudetud"), "info");
    QVERIFY(table->isModified());
    const int windows = w.mdiArea()->subWindowList().size();
    QCOMPARE(windows, 3);
    {
      test::MessageBoxAnswers replies({"discard", "cancel"});
      QVERIFY(!w.close());
      QCOMPARE(replies.texts().size(), 2);
      QVERIFY2(replies.texts().at(1).contains(QStringLiteral("sõrestik.csv")), qPrintable(replies.texts().at(1)));
      QCOMPARE(w.mdiArea()->subWindowList().size(), windows);
      QVERIFY(table->isModified());
      QVERIFY(job->document()->isModified());
    }
    test::MessageBoxAnswers replies({"discard", "discard"});
    QVERIFY(w.close());
    QCOMPARE(replies.texts().size(), 2);
    QFile unchanged(table_path);
    QVERIFY(unchanged.open(QIODevice::ReadOnly));
    QVERIFY(!unchanged.readAll().contains("muudetud"));
  }

  // The title names the active window's job as task bars and window switchers show it, the "*"
  // while it has unsaved changes; a second window on a job names the job alone, and a maximised
  // document window adds nothing.
  void theTitleNamesTheActiveJob() {
    MainWindow w;
    w.show();
    QCOMPARE(w.windowTitle(), QStringLiteral("TRAXEN"));
    ReportView* first = w.newDocumentWindow();
    QCOMPARE(w.windowTitle(), QStringLiteral("Nimetu 1 — TRAXEN"));
    first->document()->change(Renamed(*first->document(), "Muudetud"), "info");
    QCOMPARE(w.windowTitle(), QStringLiteral("Nimetu 1* — TRAXEN"));
    QVERIFY(w.openInNewWindow(test::ExampleFile("kn_windows.trx"), false));
    QCOMPARE(w.windowTitle(), QStringLiteral("kn_windows.trx — TRAXEN"));
    Action(w, "windowNew")->trigger();
    QCOMPARE(w.activeView()->windowTitle(), QStringLiteral("kn_windows.trx:2"));
    QCOMPARE(w.windowTitle(), QStringLiteral("kn_windows.trx — TRAXEN"));
    w.mdiArea()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(first->parentWidget()));
    first->parentWidget()->showMaximized();
    QTest::qWait(20);
    QCOMPARE(w.windowTitle(), QStringLiteral("Nimetu 1* — TRAXEN"));
    first->document()->undoStack()->undo();
    QCOMPARE(w.windowTitle(), QStringLiteral("Nimetu 1 — TRAXEN"));
    w.mdiArea()->closeAllSubWindows();
    QCOMPARE(w.windowTitle(), QStringLiteral("TRAXEN"));
  }

  // A file already open is not read a second time, whichever way it is opened again (by
  // another name too): its window comes to the front, with what the user changed in it.
  void aFileIsOpenedOnce_data() {
    QTest::addColumn<QString>("route");
    QTest::newRow("File Open") << "open";
    QTest::newRow("recent file") << "recent";
    QTest::newRow("command line, dropped file") << "new window";
    QTest::newRow("another name of the file") << "other name";
  }
  void aFileIsOpenedOnce() {
    QFETCH(QString, route);
    QTemporaryDir dir;
    const QString path = dir.filePath("k3.trx");
    QVERIFY(QFile::copy(test::ExampleFile("kn_windows.trx"), path));
    MainWindow w;
    w.show();
    QVERIFY(w.openInNewWindow(path, false));
    ReportView* opened = w.activeView();
    opened->document()->change(Renamed(*opened->document(), "Muudetud"), "info");
    ReportView* other = w.newDocumentWindow();
    QCOMPARE(w.activeView(), other);

    bool done = false;
    if (route == "open") done = w.openFile(path);
    else if (route == "recent") done = w.openFile(path, true);
    else if (route == "new window") done = w.openInNewWindow(path, false);
    else {
      const QString link = dir.filePath("linkki.trx");
      QVERIFY(QFile::link(path, link));
      done = w.openFile(link);
    }
    QVERIFY(done);
    QCOMPARE(w.views().size(), 2);
    QCOMPARE(w.activeView(), opened);
    QCOMPARE(opened->document()->job().info.job_name, std::string("Muudetud"));
    QVERIFY(opened->document()->isModified());
    QCOMPARE(AppSettings::recentFiles().value(0), QFileInfo(path).absoluteFilePath());
    test::MessageBoxAnswers let_go({"discard"});
    QVERIFY(w.close());
  }

  // The keys people expect of a program: Ctrl+Q quits (asking about unsaved work first).
  void ctrlQQuits() {
    MainWindow w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    ReportView* view = w.newDocumentWindow();
    view->document()->change(Renamed(*view->document(), "Muudetud"), "info");
    {
      test::MessageBoxAnswer reply("cancel");
      QTest::keyClick(&w, Qt::Key_Q, Qt::ControlModifier);
      QVERIFY(reply.answered());
      QVERIFY(w.isVisible());
    }
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    test::MessageBoxAnswer discard("discard");
    QTest::keyClick(&w, Qt::Key_Q, Qt::ControlModifier);
    QVERIFY(discard.answered());
    QVERIFY(!w.isVisible());
  }

  // A choice of one among several is a set of radio items: checking one unchecks the others.
  void choicesOfOneAreRadioItems_data() {
    QTest::addColumn<QStringList>("entries");
    QTest::newRow("report language") << QStringList{"viewReportEstonian", "viewReportEnglish"};
    QTest::newRow("appearance") << QStringList{"look205", "look210", "look216"};
  }
  void choicesOfOneAreRadioItems() {
    QFETCH(QStringList, entries);
    MainWindow w;
    QActionGroup* group = Action(w, qPrintable(entries.first()))->actionGroup();
    QVERIFY(group);
    QVERIFY(group->isExclusive());
    for (const QString& entry : entries) QCOMPARE(Action(w, qPrintable(entry))->actionGroup(), group);
  }

  void closingWithUnsavedChangesAsks_data() {
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("closed");
    QTest::addColumn<bool>("written");
    QTest::newRow("cancel keeps the window") << "cancel" << false << false;
    QTest::newRow("discard closes") << "discard" << true << false;
    QTest::newRow("save writes and closes") << "save" << true << true;
  }
  void closingWithUnsavedChangesAsks() {
    QFETCH(QString, answer);
    QFETCH(bool, closed);
    QFETCH(bool, written);
    QTemporaryDir dir;
    const QString path = dir.filePath("job.trx");
    MainWindow w;
    w.show();
    ReportView* view = w.newDocumentWindow();
    Document* doc = view->document();
    QString error;
    QVERIFY(doc->save(path, &error));
    const QDateTime saved = QFileInfo(path).lastModified();
    QTest::qWait(20);
    doc->change(Renamed(*doc, "Muudetud"), "info");
    QCOMPARE(view->windowTitle(), QStringLiteral("job.trx*"));

    test::MessageBoxAnswer reply(answer);
    view->parentWidget()->close();
    QTest::qWait(30);
    QVERIFY(reply.answered());
    QCOMPARE(reply.objectName(), QStringLiteral("unsavedChanges"));
    QCOMPARE(w.views().isEmpty(), closed);
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll().contains("Muudetud"), written);
  }

  void quittingWithUnsavedChangesCanBeCancelled() {
    MainWindow w;
    w.show();
    ReportView* view = w.newDocumentWindow();
    view->document()->change(Renamed(*view->document(), "Muudetud"), "info");
    test::MessageBoxAnswer reply("cancel");
    QVERIFY(!w.close());
    QVERIFY(reply.answered());
    QCOMPARE(w.views().size(), 1);
    test::MessageBoxAnswer discard("discard");
    QVERIFY(w.close());
  }

  // Ctrl+O or a recent file over a job with unsaved changes opens the file in a window of its
  // own; the changed job keeps its changes and its "*", and quitting still asks about it, also
  // after the first answer was Loobu.
  void openingOverUnsavedChangesKeepsThem_data() {
    QTest::addColumn<bool>("recent");
    QTest::newRow("File Open") << false;
    QTest::newRow("recent file") << true;
  }
  void openingOverUnsavedChangesKeepsThem() {
    QFETCH(bool, recent);
    MainWindow w;
    w.show();
    ReportView* typed = w.newDocumentWindow();
    Document* job = typed->document();
    job->change(Renamed(*job, "Sisestatud töö"), "info");
    QCOMPARE(typed->windowTitle(), QStringLiteral("Nimetu 1*"));

    QVERIFY(w.openFile(test::ExampleFile("kn_windows.trx"), recent));
    QCOMPARE(w.views().size(), 2);
    ReportView* opened = w.activeView();
    QVERIFY(opened != typed);
    QCOMPARE(opened->windowTitle(), QStringLiteral("kn_windows.trx"));  // as the recent list names it
    QCOMPARE(opened->document()->job().family.is_kn, 1);
    QCOMPARE(job->job().info.job_name, std::string("Sisestatud töö"));
    QVERIFY(job->isModified());
    QCOMPARE(typed->windowTitle(), QStringLiteral("Nimetu 1*"));

    for (int attempt = 0; attempt < 2; ++attempt) {  // Välju, Loobu, and Välju again
      test::MessageBoxAnswer reply("cancel");
      QVERIFY(!w.close());
      QVERIFY(reply.answered());
      QCOMPARE(reply.objectName(), QStringLiteral("unsavedChanges"));
      QVERIFY2(reply.text().contains(QStringLiteral("Nimetu 1")), qPrintable(reply.text()));
      QVERIFY(job->isModified());
      QCOMPARE(typed->windowTitle(), QStringLiteral("Nimetu 1*"));
      QCOMPARE(job->job().info.job_name, std::string("Sisestatud töö"));
    }
    test::MessageBoxAnswer discard("discard");
    QVERIFY(w.close());
  }

  // New jobs are numbered; the "*" comes and goes with the unsaved changes (undo back to the
  // saved state clears it), and no title, the main window's included with a maximised
  // document window, ever shows Qt's "[*]" placeholder.
  void titlesNumberNewJobsAndFollowTheModifiedState() {
    QTemporaryDir dir;
    MainWindow w;
    w.show();
    ReportView* first = w.newDocumentWindow();
    ReportView* second = w.newDocumentWindow();
    QCOMPARE(first->windowTitle(), QStringLiteral("Nimetu 1"));
    QCOMPARE(second->windowTitle(), QStringLiteral("Nimetu 2"));
    Document* doc = second->document();
    doc->change(Renamed(*doc, "Muudetud"), "info");
    QCOMPARE(second->windowTitle(), QStringLiteral("Nimetu 2*"));
    Action(w, "windowNew")->trigger();
    QCOMPARE(w.activeView()->windowTitle(), QStringLiteral("Nimetu 2:2*"));
    w.activeView()->parentWidget()->close();  // a second window closes without asking
    QTest::qWait(20);
    doc->undoStack()->undo();
    QCOMPARE(second->windowTitle(), QStringLiteral("Nimetu 2"));
    doc->undoStack()->redo();
    QString error;
    QVERIFY(doc->save(dir.filePath("k.trx"), &error));
    QCOMPARE(second->windowTitle(), QStringLiteral("k.trx"));
    doc->change(Renamed(*doc, "Veel"), "info");
    second->parentWidget()->showMaximized();
    QTest::qWait(20);
    const QStringList titles{w.windowTitle(), second->parentWidget()->windowTitle(), second->windowTitle()};
    for (const QString& title : titles) QVERIFY2(!title.contains(QStringLiteral("[*]")), qPrintable(title));
    QCOMPARE(second->parentWidget()->windowTitle(), QStringLiteral("k.trx*"));
    test::MessageBoxAnswer discard("discard");
    QVERIFY(w.close());
  }

  void aFileThatCannotBeOpenedIsNamedAndTheJobStays() {
    MainWindow w;
    w.show();
    ReportView* view = w.newDocumentWindow();
    view->document()->change(Renamed(*view->document(), "Enne"), "info");
    test::MessageBoxAnswer reply;
    QVERIFY(!w.openFile("/nonexistent/folder/job.trx"));
    QVERIFY(reply.answered());
    QVERIFY2(reply.text().contains("/nonexistent/folder/job.trx"), qPrintable(reply.text()));
    QCOMPARE(view->document()->job().info.job_name, std::string("Enne"));
    QCOMPARE(w.views().size(), 1);
  }

  void openingTitlesTheWindowAndIsUndone() {
    MainWindow w;
    w.show();
    ReportView* view = w.newDocumentWindow();
    QCOMPARE(view->windowTitle(), QStringLiteral("Nimetu 1"));  // until a file names it
    QVERIFY(!Action(w, "editUndo")->isEnabled());
    QVERIFY(!Action(w, "editRedo")->isEnabled());
    QVERIFY(w.openFile(test::ExampleFile("kn_windows.trx")));
    QCOMPARE(view->windowTitle(), QStringLiteral("kn_windows.trx"));
    QCOMPARE(w.windowTitle(), QStringLiteral("kn_windows.trx — TRAXEN"));
    QCOMPARE(view->document()->job().family.is_kn, 1);
    QVERIFY(Action(w, "editUndo")->isEnabled());
    Action(w, "editUndo")->trigger();
    QCOMPARE(view->document()->job().family.is_kn, 0);
    Action(w, "editRedo")->trigger();
    QCOMPARE(view->document()->job().family.is_kn, 1);
  }

  // A recent entry names the file as its window does, with its extension, and the folder
  // after it; chosen, it reads the file into the active window under that name.
  void recentFilesReopenUnderTheirFileName() {
    QTemporaryDir dir;
    const QString copy = dir.filePath("sõlm K7.trx");
    QVERIFY(QFile::copy(test::ExampleFile("kn_windows.trx"), copy));
    MainWindow w;
    w.show();
    ReportView* view = w.newDocumentWindow();
    QVERIFY(w.openFile(copy));
    QVERIFY(w.openFile(test::ExampleFile("tyx_windows.trx")));  // into the same, unchanged window
    QCOMPARE(w.views().size(), 1);
    QAction* second = Action(w, "recentFile2");
    QVERIFY(second->isVisible());
    QCOMPARE(second->data().toString(), QFileInfo(copy).absoluteFilePath());
    QVERIFY2(second->text().startsWith(QStringLiteral("&2 sõlm K7.trx  [")), qPrintable(second->text()));
    QVERIFY(!Action(w, "recentFilesEmpty")->isVisible());

    second->trigger();
    QCOMPARE(view->windowTitle(), QStringLiteral("sõlm K7.trx"));
    QCOMPARE(view->document()->job().info.job_name, std::string("Spordihalli 'Kalev' sõrestik, sõlm K7"));
    auto* window_menu = w.findChild<QMenu*>("windowMenu");
    emit window_menu->aboutToShow();
    QCOMPARE(Action(w, "windowList1")->text(), QStringLiteral("&1 sõlm K7.trx"));

    // A remembered file that has gone is reported and leaves the list.
    QVERIFY(w.openFile(test::ExampleFile("tyx_windows.trx")));
    QCOMPARE(Action(w, "recentFile2")->data().toString(), QFileInfo(copy).absoluteFilePath());
    QVERIFY(QFile::remove(copy));
    test::MessageBoxAnswer reply;
    Action(w, "recentFile2")->trigger();
    QVERIFY(reply.text().contains(copy));
    QVERIFY(!AppSettings::recentFiles().contains(QFileInfo(copy).absoluteFilePath()));
  }

  void aFileNamedAtStartThatCannotBeReadLeavesANewJob() {
    MainWindow w;
    w.show();
    test::MessageBoxAnswer reply;
    QVERIFY(!w.openInNewWindow("/nonexistent/start.trx", true));
    QVERIFY(reply.text().contains("/nonexistent/start.trx"));
    QCOMPARE(w.views().size(), 1);
    QCOMPARE(w.views().first()->document()->job().family.is_kn, 0);
    // A dropped file that cannot be read leaves no empty window behind.
    test::MessageBoxAnswer second;
    QVERIFY(!w.openInNewWindow("/nonexistent/dropped.trx", false));
    QTest::qWait(20);
    QCOMPARE(w.views().size(), 1);
  }

  void aCancelledJointDialogChangesNothing() {
    MainWindow w;
    w.show();
    ReportView* view = w.newDocumentWindow();
    QVERIFY(w.openFile(test::ExampleFile("tyx_windows.trx")));
    const int steps = view->document()->undoStack()->count();
    QCOMPARE(view->lastDialog(), 1);
    SetJointDialogsInteractive(true);
    const auto headless_again = qScopeGuard([] { SetJointDialogsInteractive(false); });
    for (const char* command : {"tyxJoints", "knJoints", "tyxJointsButton", "knJointsButton"}) {
      // Closes the joint dialog, if one opens, with Cancel.
      QTimer::singleShot(50, [] { if (QWidget* d = QApplication::activeModalWidget()) d->close(); });
      Action(w, command)->trigger();
      QCOMPARE(view->lastDialog(), 0);  // the schematic waits for the next OK
      QCOMPARE(view->document()->undoStack()->count(), steps);
      QVERIFY(!view->document()->isModified());
    }
  }

  // The joint dialog that confirms an opened file is the main window's, over it; Cancel in
  // it still opens the file, confirmed as the command line confirms it.
  void theWindowConfirmsAnOpenedFile() {
    MainWindow w;
    w.show();
    SetJointDialogsInteractive(true);
    const auto headless_again = qScopeGuard([] { SetJointDialogsInteractive(false); });
    QWidget* shown_over = nullptr;
    QTimer::singleShot(50, [&shown_over] {
      if (auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
        shown_over = d->parentWidget();
        d->reject();
      }
    });
    QVERIFY(w.openFile(test::ExampleFile("kn_windows.trx")));
    QCOMPARE(shown_over, &w);
    ReportView* view = w.activeView();
    QVERIFY(view);
    QCOMPARE(view->document()->job().family.is_kn, 1);
    QVERIFY(!view->document()->isModified());
  }

  // The joint dialog that opens with a file says that it confirms the file's values, in its
  // title and in a line; its cancel button reads "Ava muutmata" and opens the file as it was
  // read. The same dialog from the menu keeps its Loobu and says nothing of a file.
  void theDialogOfAnOpenedFileSaysWhatItConfirms_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("command");
    QTest::newRow("T/Y/X project file") << "tyx_windows.trx" << "tyxJoints";
    QTest::newRow("K/N project file") << "kn_windows.trx" << "knJoints";
  }
  void theDialogOfAnOpenedFileSaysWhatItConfirms() {
    QFETCH(QString, file);
    QFETCH(QString, command);
    const QString path = test::ExampleFile(qPrintable(file));
    MainWindow w;
    w.show();
    SetJointDialogsInteractive(true);
    const auto headless_again = qScopeGuard([] { SetJointDialogsInteractive(false); });
    struct Seen {
      QString title, note, cancel;
      bool note_shown = false;
      int width = 0;
    };
    // Reads the joint dialog once it is up and presses its cancel button.
    const auto cancel_when_shown = [](Seen& seen) {
      auto* timer = new QTimer;
      timer->setInterval(20);
      QObject::connect(timer, &QTimer::timeout, [timer, &seen] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog) return;
        timer->deleteLater();
        timer->stop();
        seen.title = dialog->windowTitle();
        seen.width = dialog->width();
        if (auto* note = dialog->findChild<QLabel*>("openConfirmationNote")) {
          seen.note = note->text();
          seen.note_shown = note->isVisible();
        }
        auto* cancel = dialog->findChild<QPushButton*>("cancelButton");
        seen.cancel = cancel->text();
        cancel->click();
      });
      timer->start();
    };
    Seen opening;
    cancel_when_shown(opening);
    QVERIFY(w.openFile(path));
    const QString name = QFileInfo(path).fileName();
    QVERIFY2(opening.title.contains(QStringLiteral("Faili %1 väärtuste kinnitamine").arg(name)), qPrintable(opening.title));
    QVERIFY(opening.note_shown);
    QVERIFY2(opening.note.contains(name) && opening.note.contains(QStringLiteral("„Ava muutmata“")),
             qPrintable(opening.note));
    QCOMPARE(opening.cancel, QStringLiteral("Ava muutmata"));
    QVERIFY2(opening.width <= w.width(), qPrintable(QStringLiteral("%1 %2").arg(opening.width).arg(w.width())));
    ReportView* view = w.activeView();
    QCOMPARE(view->windowTitle(), name);
    QVERIFY(!view->document()->isModified());
    QVERIFY(view->document()->job().info.job_name != JobInfo{}.job_name);  // the file's, as read
    QVERIFY(CheckJob(view->document()->job(), view->document()->data().working, view->document()->data().last_confirmed_dialog)
                .family != "none");

    Seen from_menu;
    cancel_when_shown(from_menu);
    Action(w, qPrintable(command))->trigger();
    QCOMPARE(from_menu.cancel, QStringLiteral("Loobu"));
    QVERIFY(!from_menu.note_shown);
    QVERIFY2(!from_menu.title.contains(name), qPrintable(from_menu.title));
  }

  // OK in a joint dialog makes the job that family's, marks the view and is one undo step.
  void aConfirmedJointDialogIsOneUndoStep() {
    MainWindow w;
    w.show();
    ReportView* view = w.newDocumentWindow();
    SetJointDialogsInteractive(true);
    const auto headless_again = qScopeGuard([] { SetJointDialogsInteractive(false); });
    QTimer::singleShot(50, [] {
      if (auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget())) d->accept();
    });
    Action(w, "knJoints")->trigger();
    QCOMPARE(view->lastDialog(), 2);
    QCOMPARE(view->document()->job().family.is_kn, 1);
    QCOMPARE(view->document()->undoStack()->count(), 1);
    view->document()->undoStack()->undo();
    QCOMPARE(view->document()->job().family.is_kn, 0);
  }

  void theSliderZoomsTheActiveView() {
    MainWindow w;
    w.show();
    ReportView* view = w.newDocumentWindow();
    w.zoomSlider()->setValue(1);
    QCOMPARE(view->zoom(), 0.2);
    w.zoomSlider()->setValue(10);
    QCOMPARE(view->zoom(), 2.0);
    Action(w, "viewZoomIn")->trigger();
    QCOMPARE(view->zoom(), 3.0);  // the next step of the zoom ladder
    QCOMPARE(w.findChild<QLabel*>("zoomLabel")->text(), QStringLiteral("300 %"));
    Action(w, "viewActualSize")->trigger();
    QCOMPARE(view->zoom(), 1.0);
    QCOMPARE(w.zoomSlider()->value(), 5);
    Action(w, "viewZoomOut")->trigger();
    QCOMPARE(view->zoom(), 0.9);
    QCOMPARE(w.findChild<QLabel*>("zoomLabel")->text(), QStringLiteral("90 %"));
    // A second window opens at the zoom the user last chose.
    QCOMPARE(w.newDocumentWindow()->zoom(), 0.9);
  }

  void theZoomCommandsNeedADocument() {
    MainWindow w;
    w.show();
    QVERIFY(!w.zoomSlider()->isEnabled());
    for (const char* name : {"viewZoomIn", "viewZoomOut", "viewActualSize", "viewFitPage", "viewFitWidth"})
      QVERIFY2(!Action(w, name)->isEnabled(), name);
    w.newDocumentWindow();
    QVERIFY(w.zoomSlider()->isEnabled());
    for (const char* name : {"viewZoomIn", "viewZoomOut", "viewActualSize", "viewFitPage", "viewFitWidth"})
      QVERIFY2(Action(w, name)->isEnabled(), name);
    QCOMPARE(Action(w, "viewActualSize")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_0));
    // The only document window fills the area.
    QVERIFY(w.mdiArea()->subWindowList().first()->isMaximized());
  }

  // The report language is one choice of two, applies to every open report at once and is
  // kept for the next start; the job itself does not change.
  void theReportLanguageIsOneChoiceForEveryReport() {
    const auto forget = qScopeGuard([] { QSettings().remove(QStringLiteral("ReportLanguage")); });
    const auto shows = [](ReportView* view, const std::string& word) {
      for (const auto& t : view->report().ops.texts())
        if (t.text.find(word) != std::string::npos) return true;
      return false;
    };
    {
      MainWindow w;
      ReportView* first = w.newDocumentWindow();
      ReportView* second = w.newDocumentWindow();
      QVERIFY(Action(w, "viewReportEstonian")->isChecked());
      QVERIFY(!Action(w, "viewReportEnglish")->isChecked());
      QVERIFY(shows(first, "KANDEVÕIME"));
      Action(w, "viewReportEnglish")->trigger();
      QVERIFY(!Action(w, "viewReportEstonian")->isChecked());
      for (ReportView* view : {first, second}) {
        QVERIFY(shows(view, "RESISTANCE OF WELDED HOLLOW"));
        QVERIFY(!shows(view, "KANDEVÕIME"));
        QVERIFY(!view->document()->isModified());
      }
      Action(w, "viewReportEnglish")->trigger();  // unchecking the chosen one keeps it
      QVERIFY(Action(w, "viewReportEnglish")->isChecked());
    }
    MainWindow next;
    QVERIFY(Action(next, "viewReportEnglish")->isChecked());
    Action(next, "viewReportEstonian")->trigger();
    QVERIFY(shows(next.newDocumentWindow(), "KANDEVÕIME"));
  }

  void theNextStartRestoresTheWindowAndTheZoom() {
    const auto forget = qScopeGuard([] {
      QSettings settings;
      settings.remove(QStringLiteral("MainWindow"));
      settings.remove(QStringLiteral("ReportZoom"));
    });
    QRect geometry;
    {
      MainWindow first;
      first.show();
      QVERIFY(QTest::qWaitForWindowExposed(&first));
      first.resize(900, 640);
      first.move(40, 50);
      geometry = first.geometry();
      first.newDocumentWindow()->zoomAbout(1.5);
      QVERIFY(first.close());
    }
    MainWindow second;
    QCOMPARE(second.geometry().size(), geometry.size());
    second.show();
    QCOMPARE(second.newDocumentWindow()->zoom(), 1.5);
    QVERIFY(second.close());

    {
      MainWindow maximised;
      maximised.showMaximized();
      QVERIFY(QTest::qWaitForWindowExposed(&maximised));
      QVERIFY(maximised.close());
    }
    MainWindow third;
    third.show();
    QVERIFY(third.isMaximized());
  }

  void printingGivesOneSheetPerReportPage_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("paper");
    QTest::addColumn<int>("pages");
    QTest::newRow("T/Y/X, three pages on A4") << "tyx_windows.trx" << int(QPageSize::A4) << 3;
    QTest::newRow("T/Y/X on legal, narrower than a page") << "tyx_windows.trx" << int(QPageSize::Legal) << 3;
    QTest::newRow("K/N, four pages on letter") << "kn_windows.trx" << int(QPageSize::Letter) << 4;
  }
  void printingGivesOneSheetPerReportPage() {
    QFETCH(QString, file);
    QFETCH(int, paper);
    QFETCH(int, pages);
    Document doc;
    QString error;
    QVERIFY2(doc.open(test::ExampleFile(qPrintable(file)), nullptr, &error), qPrintable(error));
    const LaidOutReport report = LayOutReport(doc.job(), doc.data().working, doc.data().last_confirmed_dialog, 0);
    QCOMPARE(report.page_count, pages);
    QTemporaryDir dir;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath("out.pdf"));
    printer.setPageSize(QPageSize(QPageSize::PageSizeId(paper)));
    QVERIFY(PrintReport(printer, report));
    QCOMPARE(PdfPageCount(dir.filePath("out.pdf")), report.page_count);

    // The exported PDF has the same pages and the job's name as its title.
    QVERIFY(ExportReportPdf(report, dir.filePath("export.pdf"), QStringLiteral("Sõlm K7"), &error));
    QCOMPARE(PdfPageCount(dir.filePath("export.pdf")), report.page_count);
    QFile exported(dir.filePath("export.pdf"));
    QVERIFY(exported.open(QIODevice::ReadOnly));
    QVERIFY(exported.readAll().contains("/Title"));
    QVERIFY(!ExportReportPdf(report, "/nonexistent/folder/x.pdf", "x", &error));
    QVERIFY(error.contains("/nonexistent/folder/x.pdf"));
  }

 private:
  QTemporaryDir settings_;
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
