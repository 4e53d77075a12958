// The main window in English as a user outside Estonia meets it: every menu, toolbar, tip,
// status text, the joint table window, the About box, the unsaved-changes question, the file
// dialogs' labels, the report's context menu and the messages of the job files read in English;
// every menu's mnemonics stay unique; and with the scope gone the same widgets are Estonian again.
// The joint families' entries, buttons and tips come from the registry's English forms.
#include <QAbstractButton>
#include <QAction>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QScrollBar>
#include <QSet>
#include <QSlider>
#include <QStatusBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QToolBar>
#include <QtTest>

#include "families/dispatch.h"
#include "ui/dialogs/joint_dialog_entry.h"
#include "ui/interface_language_support.h"
#include "ui/shell/about_dialog.h"
#include "ui/shell/document.h"
#include "ui/shell/file_dialog_labels.h"
#include "ui/shell/help_window.h"
#include "ui/shell/joint_table_model.h"
#include "ui/shell/joint_table_window.h"
#include "ui/shell/main_window.h"
#include "ui/shell/report_view.h"
#include "ui/shell/unsaved_prompt.h"
#include "ui/shell/verdict_label.h"
#include "ui/shell/verdict_summary.h"
#include "ui/ui_test_support.h"

using namespace traxen;

namespace {

// Every text `root` shows a user: window titles, menu titles and entries with their tips,
// toolbar titles, labels, buttons, tooltips and accessible names, each with where it is.
using Texts = QList<QPair<QString, QString>>;  // where, text

Texts ShownTexts(QWidget* root) {
  Texts texts;
  const auto add = [&texts](const QObject* o, const char* what, const QString& text) {
    if (!text.trimmed().isEmpty()) texts.append({o->objectName() + QLatin1Char('.') + QLatin1String(what), text});
  };
  QList<QWidget*> widgets = root->findChildren<QWidget*>();
  widgets.prepend(root);
  for (QWidget* w : widgets) {
    add(w, "windowTitle", w->windowTitle());
    add(w, "toolTip", w->toolTip());
    add(w, "accessibleName", w->accessibleName());
    if (auto* label = qobject_cast<QLabel*>(w)) add(w, "text", label->text());
    if (auto* button = qobject_cast<QAbstractButton*>(w)) add(w, "text", button->text());
    if (auto* menu = qobject_cast<QMenu*>(w)) add(w, "title", menu->title());
    if (auto* table = qobject_cast<QTableView*>(w))
      for (int c = 0; c < table->model()->columnCount(); ++c)
        add(w, "header", table->model()->headerData(c, Qt::Horizontal).toString());
  }
  for (QAction* a : root->findChildren<QAction*>()) {
    // The recent files and the window list name files and jobs, not the program.
    if (a->objectName().startsWith(QLatin1String("recentFile")) || a->objectName().startsWith(QLatin1String("windowList")))
      continue;
    add(a, "text", a->text());
    add(a, "toolTip", a->toolTip());
    add(a, "statusTip", a->statusTip());
  }
  return texts;
}

QStringList EstonianAmong(const Texts& texts) {
  // Qt's own entry of a document window's menu, English with an "on".
  static const QSet<QString> allowed{QStringLiteral("Stay on &Top"), QStringLiteral("Stay on Top")};
  QStringList estonian;
  for (const auto& [where, text] : texts)
    if (test::LooksEstonian(text) && !allowed.contains(text)) estonian << where + QStringLiteral(": ") + text;
  return estonian;
}

QChar Mnemonic(const QString& text) {
  for (qsizetype i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != QLatin1Char('&')) continue;
    if (text[i + 1] != QLatin1Char('&')) return text[i + 1].toLower();
    ++i;
  }
  return {};
}

// Two entries of one menu (or of the menu bar) that share an underlined letter.
QStringList SharedMnemonics(const QList<QAction*>& actions) {
  QMap<QChar, QString> taken;
  QStringList shared;
  for (QAction* a : actions) {
    if (a->isSeparator() || !a->isVisible()) continue;
    const QChar key = Mnemonic(a->text());
    if (key.isNull()) continue;
    if (taken.contains(key)) shared << QStringLiteral("%1 / %2 (%3)").arg(taken.value(key), a->text(), key);
    taken.insert(key, a->text());
  }
  return shared;
}

// Opens the example in a window of its own and waits for its report.
ReportView* OpenExample(MainWindow& w, const char* file) {
  if (!w.openInNewWindow(test::ExampleFile(file), false)) return nullptr;
  return w.activeView();
}

// A table of three joints: one passing, one failing, one outside the range of validity, and a
// row that cannot be read.
QString WriteTable(const QTemporaryDir& dir) {
  const QString path = dir.filePath(QStringLiteral("truss.csv"));
  QFile f(path);
  if (!f.open(QIODevice::WriteOnly)) return {};
  f.write("joint,family,chord,brace1,brace2,tyx.N0,tyx.M0,tyx.N1,tyx.theta1,kn.N0_left,kn.M0,kn.N1,kn.theta1,"
          "kn.theta2,kn.e\n"
          "T1,tyx,200x200x8,120x120x6,,-271.6,2.81,-52,84.3,,,,,,\n"
          "T3,tyx,200x200x8,120x120x6,,-271.6,2.81,-5000,84.3,,,,,,\n"
          "K2,kn,160x160x8,100x100x6,100x100x5,,,,,-320,1.5,-85.5,20,45,30\n"
          "B1,truss,160x160x8,100x100x6,,,,,,,,,,,\n");
  return path;
}

QStringList TableCells(JointTableWindow* table) {
  QStringList cells;
  const QAbstractItemModel* model = table->model();
  for (int r = 0; r < model->rowCount(); ++r)
    for (int c = JointTableModel::kGoverning; c < JointTableModel::kError; ++c) {
      cells << model->index(r, c).data().toString();
      cells << model->index(r, c).data(Qt::ToolTipRole).toString();
    }
  return cells;
}

}  // namespace

class EnglishShellTest : public QObject {
  Q_OBJECT
  QTemporaryDir settings_;

 private slots:
  void initTestCase() {
    test::UsePrivateSettings(settings_.path());
    SetJointDialogsInteractive(false);
  }

  // Menus, toolbars, status bar, caption and verdict of a window on a job, in English; a letter
  // underlined twice in one menu would only move the highlight between its entries.
  void theMainWindowReadsInEnglishWithOwnMnemonics() {
    test::InterfaceLanguageScope english(InterfaceLanguage::kEnglish);
    QVERIFY(english.loaded());
    MainWindow w;
    w.show();
    QVERIFY(OpenExample(w, "kn_windows.trx"));
    w.newDocumentWindow();
    auto* window_menu = w.findChild<QMenu*>(QStringLiteral("windowMenu"));
    emit window_menu->aboutToShow();

    Texts texts = ShownTexts(&w);
    // The caption names the job, whose new name is the job's own: it is checked by itself.
    texts.removeIf([](const auto& t) { return t.first == QLatin1String("captionBar.text"); });
    const QStringList estonian = EstonianAmong(texts);
    QVERIFY2(estonian.isEmpty(), qPrintable(estonian.join(QLatin1Char('\n'))));
    QVERIFY2(w.statusBar()->currentMessage().startsWith(QStringLiteral("Opened: ")), qPrintable(w.statusBar()->currentMessage()));
    QCOMPARE(w.menuBar()->actions().first()->text(), QStringLiteral("&File"));
    // The new job's caption: its placeholder name is the job's own, the rest the program's.
    auto* caption = w.findChild<QLabel*>(QStringLiteral("captionBar"));
    QVERIFY2(caption->text().startsWith(QStringLiteral("JOB: ")) && caption->text().endsWith(QStringLiteral("(not saved)")),
             qPrintable(caption->text()));

    QStringList shared = SharedMnemonics(w.menuBar()->actions());
    for (QMenu* menu : w.findChildren<QMenu*>()) shared << SharedMnemonics(menu->actions());
    QVERIFY2(shared.isEmpty(), qPrintable(shared.join(QLatin1Char('\n'))));
  }

  // The verdict names its failure mode or condition as the English report does, and a click
  // on it still finds the governing check in the English report.
  void theVerdictSpeaksTheInterfacesLanguage_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<double>("fy0");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("heading");
    QTest::newRow("K/N passing") << "kn_windows.trx" << 0.0 << QString() << "3b. ";
    QTest::newRow("T/Y/X passing, the governing comparison") << "tyx_windows.trx" << 0.0 << QString() << "OK";
    QTest::newRow("T/Y/X, chord steel past the method's limit")
        << "tyx_windows.trx" << 500.0 << "NOT OK: outside the range of validity: chord: fy0 ≤ 460" << QString();
  }
  void theVerdictSpeaksTheInterfacesLanguage() {
    QFETCH(QString, file);
    QFETCH(double, fy0);
    QFETCH(QString, expected);
    QFETCH(QString, heading);
    test::InterfaceLanguageScope english(InterfaceLanguage::kEnglish);
    MainWindow w;
    w.resize(1000, 700);
    w.show();
    ReportView* view = OpenExample(w, qPrintable(file));
    QVERIFY(view);
    if (fy0 > 0) {
      JobContent c = view->document()->content();
      c.job.steel.fy0 = fy0;
      view->document()->change(c, QStringLiteral("test"));
    }
    auto* label = w.findChild<VerdictLabel*>(QStringLiteral("verdictLabel"));
    const CheckSummary summary = CheckJob(view->document()->job(), view->document()->data().working, view->lastDialog());
    if (!expected.isEmpty()) QCOMPARE(label->text(), expected);
    if (const ResistanceVerdict* v = GoverningVerdict(summary)) {
      QVERIFY2(label->text().contains(QStringLiteral(", brace %1, ").arg(v->brace)), qPrintable(label->text()));
      QVERIFY(label->text().endsWith(ModeName(summary, *v, ReportLanguage::kEnglish)));
      QVERIFY(label->text().startsWith(QStringLiteral("OK  η max = ")));
    }
    QVERIFY2(!test::LooksEstonian(label->text()), qPrintable(label->text()));
    if (heading.isEmpty()) return;

    view->verticalScrollBar()->setValue(0);
    QVERIFY(label->showGoverningCheck());
    const ReportSpan check = GoverningCheckSpan(summary, view->report().ops.texts());
    bool heading_there = false;
    for (const auto& t : view->report().ops.texts())
      heading_there = heading_there || ((t.at.y == check.top || t.at.y == check.bottom) &&
                                        QString::fromStdString(t.text).startsWith(heading));
    QVERIFY2(heading_there, qPrintable(QStringLiteral("%1 %2").arg(check.top).arg(check.bottom)));
  }

  // The table window: buttons, headers, status, outcomes and tips, and the governing check
  // named in English.
  void theJointTableReadsInEnglish() {
    QTemporaryDir dir;
    const QString path = WriteTable(dir);
    test::InterfaceLanguageScope english(InterfaceLanguage::kEnglish);
    MainWindow w;
    w.show();
    JointTableWindow* table = OpenJointTable(&w, path);
    QVERIFY(table);
    QTRY_VERIFY(table->model()->rowCount() == 4 && table->model()->allChecked());
    Texts texts = ShownTexts(table);
    for (const QString& cell : TableCells(table)) texts.append({QStringLiteral("cell"), cell});
    const QStringList estonian = EstonianAmong(texts);
    QVERIFY2(estonian.isEmpty(), qPrintable(estonian.join(QLatin1Char('\n'))));
    const QStringList outcomes = {table->model()->index(0, JointTableModel::kOutcome).data().toString(),
                                  table->model()->index(1, JointTableModel::kOutcome).data().toString(),
                                  table->model()->index(2, JointTableModel::kOutcome).data().toString(),
                                  table->model()->index(3, JointTableModel::kOutcome).data().toString()};
    QCOMPARE(outcomes, (QStringList{QStringLiteral("OK"), QStringLiteral("NOT OK"),
                                    QStringLiteral("NOT OK (range of validity)"), QStringLiteral("Bad row")}));
    QCOMPARE(table->findChild<QLabel*>(QStringLiteral("tableStatus"))->text(),
             QStringLiteral("Joints: 4, NOT OK: 2, bad rows: 1"));
  }

  // The boxes and dialogs the shell opens itself, and the messages of the job files.
  void theShellsDialogsAndMessagesReadInEnglish() {
    test::InterfaceLanguageScope english(InterfaceLanguage::kEnglish);
    Texts texts;
    {
      AboutDialog about;
      texts << ShownTexts(&about);
      HelpWindow help;
      texts.append({QStringLiteral("help.windowTitle"), help.windowTitle()});
      QFileDialog files;
      files.setOption(QFileDialog::DontUseNativeDialog);
      SetFileDialogLabels(files, QStringLiteral("Open"));
      for (const auto label : {QFileDialog::LookIn, QFileDialog::FileName, QFileDialog::FileType, QFileDialog::Reject})
        texts.append({QStringLiteral("fileDialog"), files.labelText(label)});
    }
    // The unsaved-changes question: its buttons, each with its own letter.
    QStringList buttons;
    QTimer::singleShot(0, [&buttons] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      QTRY_VERIFY(box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()));
      for (const char* name : {"save", "discard", "cancel"})
        buttons << box->findChild<QAbstractButton*>(QLatin1String(name))->text();
      box->escapeButton()->click();
    });
    QCOMPARE(AskAboutUnsavedChanges(nullptr, QStringLiteral("?")), UnsavedAnswer::kCancel);
    QCOMPARE(buttons, (QStringList{QStringLiteral("&Save"), QStringLiteral("Do&n't Save"), QStringLiteral("&Cancel")}));

    // A file that cannot be read, and a folder that cannot be saved over.
    Document document;
    QString error;
    QVERIFY(!document.open(settings_.filePath(QStringLiteral("missing.trx")), {}, &error));
    texts.append({QStringLiteral("open error"), error});
    QVERIFY(!document.save(settings_.path(), &error));
    texts.append({QStringLiteral("save error"), error});
    QVERIFY2(error.contains(QStringLiteral("folder")), qPrintable(error));

    const QStringList estonian = EstonianAmong(texts);
    QVERIFY2(estonian.isEmpty(), qPrintable(estonian.join(QLatin1Char('\n'))));
  }

  // A new job's header names are placeholders in the interface's language, and an unchanged
  // English placeholder still counts as no name when Save As suggests one.
  void aNewJobsPlaceholdersFollowTheInterface() {
    {
      test::InterfaceLanguageScope english(InterfaceLanguage::kEnglish);
      Document document;
      QVERIFY(!document.isModified());
      QCOMPARE(document.job().info.job_name, std::string("....(job name)"));
      QCOMPARE(document.job().info.client, std::string("....(client)"));
      QVERIFY(!test::LooksEstonian(QString::fromStdString(document.job().info.calculated_by + " " +
                                                          document.job().info.owner)));
      QVERIFY(IsPlaceholderJobName(document.job().info.job_name));
    }
    Document document;
    QCOMPARE(document.job().info.job_name, JobInfo{}.job_name);
    QVERIFY(IsPlaceholderJobName(document.job().info.job_name));
    QVERIFY(!IsPlaceholderJobName("Sõlm A"));
  }

  // The report's context menu, opened as a right click would.
  void theReportsContextMenuReadsInEnglish() {
    test::InterfaceLanguageScope english(InterfaceLanguage::kEnglish);
    MainWindow w;
    w.show();
    ReportView* view = w.newDocumentWindow();
    QStringList entries;
    QTimer::singleShot(0, [&entries] {
      QMenu* menu = nullptr;
      QTRY_VERIFY(menu = qobject_cast<QMenu*>(QApplication::activePopupWidget()));
      for (QAction* a : menu->actions())
        if (!a->isSeparator()) entries << a->text();
      menu->close();
    });
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), view->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(view->viewport(), &event);
    QCOMPARE(entries, (QStringList{QStringLiteral("Cut"), QStringLiteral("Copy"), QStringLiteral("Paste")}));
  }

  // Without the English scope the same windows are the Estonian program's.
  void afterwardsTheShellIsEstonianAgain() {
    {
      test::InterfaceLanguageScope english(InterfaceLanguage::kEnglish);
      MainWindow w;
    }
    MainWindow w;
    w.show();
    w.newDocumentWindow();
    QCOMPARE(w.menuBar()->actions().first()->text(), QStringLiteral("&Fail"));
    QCOMPARE(w.windowTitle(), QStringLiteral("Nimetu 1 — TRAXEN"));
    QCOMPARE(w.statusBar()->currentMessage(), QStringLiteral("Valmis"));
    QCOMPARE(w.findChild<QAction*>(QStringLiteral("helpAbout"))->text(), QStringLiteral("&TRAXEN TEAVE.."));
    QCOMPARE(w.findChild<QAction*>(QStringLiteral("fileSaveAs"))->text(), QStringLiteral("Salvesta &nagu..."));
    QCOMPARE(w.findChild<QToolBar*>(QStringLiteral("jobToolBar"))->windowTitle(), QStringLiteral("Ülesanne"));
    QCOMPARE(w.findChild<QLabel*>(QStringLiteral("captionBar"))->text().left(5), QStringLiteral("TÖÖ: "));
    JointTableModel model;
    QCOMPARE(model.headerData(JointTableModel::kGoverning, Qt::Horizontal, Qt::DisplayRole).toString(),
             QStringLiteral("Määrav kontroll"));
    QCOMPARE(CheckSaveTarget(settings_.path()), settings_.path() + QStringLiteral(": faili ei saa salvestada: see on kaust"));
  }
};

QTEST_MAIN(EnglishShellTest)
#include "english_shell_test.moc"
