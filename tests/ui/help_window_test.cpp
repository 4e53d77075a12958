// The user's manual: F1 opens it in the program's own help window from the copy beside the
// programs, Esc and Ctrl+W close it, and it names every keyboard shortcut the menus have.
#include <QAction>
#include <QApplication>
#include <QPointer>
#include <QTemporaryDir>
#include <QtTest>

#include "ui/dialogs/joint_dialog_entry.h"
#include "ui/shell/help_window.h"
#include "ui/shell/main_window.h"
#include "ui/ui_test_support.h"

using namespace traxen;

class HelpWindowTest : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() {
    test::UsePrivateSettings(settings_.path());
    SetJointDialogsInteractive(false);
  }

  void f1OpensTheManualOnce() {
    MainWindow w;
    w.show();
    QVERIFY(!ManualPath().isEmpty());
    auto* manual = w.findChild<QAction*>("helpManual");
    QVERIFY(manual);
    QCOMPARE(manual->text(), QStringLiteral("&Kasutusjuhend"));
    QCOMPARE(manual->shortcut(), QKeySequence(Qt::Key_F1));
    manual->trigger();
    manual->trigger();  // the open window comes to the front, no second one
    const auto windows = w.findChildren<HelpWindow*>();
    QCOMPARE(windows.size(), 1);
    HelpWindow* help = windows.first();
    QVERIFY(help->isVisible());
    QCOMPARE(help->windowTitle(), QStringLiteral("TRAXEN kasutusjuhend"));
    QVERIFY(help->loaded());
    const QString text = help->toPlainText();
    for (const char* part : {"Korras!", "Ei rahulda!", "tabel 7.12", "7.5.2.1", "*.trx", "Profiilid"})
      QVERIFY2(text.contains(QString::fromUtf8(part)), part);
  }

  // The manual's window closes with the keys of a window one reads in, also in English.
  void escAndCtrlWCloseTheManual_data() {
    QTest::addColumn<QKeySequence>("key");
    QTest::newRow("Esc") << QKeySequence(Qt::Key_Escape);
    QTest::newRow("Ctrl+W") << QKeySequence(Qt::CTRL | Qt::Key_W);
  }
  void escAndCtrlWCloseTheManual() {
    QFETCH(QKeySequence, key);
    MainWindow w;
    w.show();
    w.showManual();
    QPointer<HelpWindow> help = w.findChild<HelpWindow*>();
    QVERIFY(help);
    QVERIFY(QTest::qWaitForWindowActive(help));
    QTest::keySequence(help, key);
    QTRY_VERIFY(!help || !help->isVisible());
    QVERIFY(w.isVisible());  // the program goes on
    // The key is named in the manual beside the others.
    HelpWindow manual;
    QVERIFY(manual.toPlainText().contains(key.toString(QKeySequence::PortableText)));
  }

  void theManualNamesEveryShortcut() {
    MainWindow w;
    HelpWindow help;
    QVERIFY(help.loaded());
    const QString text = help.toPlainText();
    int checked = 0;
    for (QAction* action : w.findChildren<QAction*>()) {
      for (const QKeySequence& key : action->shortcuts()) {
        QString name = key.toString(QKeySequence::PortableText);
        name.replace(QStringLiteral("Ctrl++"), QStringLiteral("Ctrl+Pluss"))
            .replace(QStringLiteral("Ctrl+-"), QStringLiteral("Ctrl+Miinus"))
            .replace(QStringLiteral("Ctrl+="), QStringLiteral("Ctrl+Pluss"));
        QVERIFY2(text.contains(name), qPrintable(action->objectName() + ": " + name));
        ++checked;
      }
    }
    QVERIFY(checked >= 10);
  }

 private:
  QTemporaryDir settings_;
};

QTEST_MAIN(HelpWindowTest)
#include "help_window_test.moc"
