// The command table against what the main window builds from it: every menu entry and
// toolbar button with the table's text, shortcuts, tips and enabled state as the shell's state
// changes, and no letter or shortcut that two commands share.
#include <QAction>
#include <QMap>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QToolBar>
#include <QUndoStack>
#include <QtTest>

#include "ui/dialogs/joint_dialog_entry.h"
#include "ui/shell/document.h"
#include "ui/shell/main_window.h"
#include "ui/shell/report_view.h"
#include "ui/shell/shell_commands.h"
#include "ui/ui_test_support.h"

using namespace traxen;

namespace {
using Kind = ShellCommand::Kind;

QChar Mnemonic(const QString& text) {
  for (qsizetype at = text.indexOf(QLatin1Char('&')); at >= 0 && at + 1 < text.size();
       at = text.indexOf(QLatin1Char('&'), at + 2))
    if (text.at(at + 1) != QLatin1Char('&')) return text.at(at + 1).toLower();
  return {};
}

QString Where(const ShellCommand& command) { return QString::fromLatin1(command.name); }

// The menu's entries as the table places them: the command names in table order, "|" for
// a line between groups; a submenu's entry by its name, the recent files as "recent".
QStringList TableLayoutOf(ShellMenu menu) {
  QStringList layout;
  std::optional<int> group;
  for (const ShellCommand& c : ShellCommands()) {
    if (c.menu != menu || c.kind == Kind::kWindowList) continue;
    if (group && *group != c.menu_group) layout << QStringLiteral("|");
    group = c.menu_group;
    layout << (c.kind == Kind::kRecentFiles ? QStringLiteral("recent") : Where(c));
  }
  return layout;
}

QStringList BuiltLayoutOf(const QMenu* menu) {
  QStringList layout;
  bool in_recent = false;
  for (QAction* a : menu->actions()) {
    const QString name = a->objectName();
    const bool recent = name.startsWith(QLatin1String("recentFile"));
    if (recent && in_recent) continue;
    in_recent = recent;
    layout << (a->isSeparator() ? QStringLiteral("|") : recent ? QStringLiteral("recent") : name);
  }
  return layout;
}
}  // namespace

class ShellCommandsTest : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() {
    test::UsePrivateSettings(settings_.path());
    SetJointDialogsInteractive(false);
  }

  // Each menu holds the table's entries in the table's order and groups, and each entry has
  // the table's text, shortcuts, tips and enabled state, with no document, with one, with a
  // change to undo, with one to redo and with the windows closed again.
  void theBuiltMenusAndToolbarsFollowTheTable() {
    MainWindow w;
    w.show();
    const std::vector<ShellCommand> table = ShellCommands();
    QCOMPARE(int(w.commands().size()), int(table.size()));

    for (const ShellMenuInfo& info : ShellMenus()) {
      auto* menu = w.findChild<QMenu*>(QString::fromLatin1(info.name));
      QVERIFY2(menu, info.name);
      QCOMPARE(menu->title(), info.title);
      if (info.menu == ShellMenu::kToolbars) continue;  // the toolbars' own show/hide entries
      if (info.menu == ShellMenu::kWindow) emit menu->aboutToShow();
      QCOMPARE(BuiltLayoutOf(menu), TableLayoutOf(info.menu));
    }
    QStringList bar;
    for (QAction* a : w.menuBar()->actions()) bar << a->text();
    QStringList top;
    for (const ShellMenuInfo& info : ShellMenus())
      if (info.parent == ShellMenu::kNone) top << info.title;
    QCOMPARE(bar, top);

    for (const auto& [toolbar, name] : {std::pair{ShellToolBar::kStandard, "standardToolBar"},
                                        std::pair{ShellToolBar::kJob, "jobToolBar"}}) {
      std::vector<const ShellCommand*> rows;
      for (const ShellCommand& c : table)
        if (c.toolbar == toolbar) rows.push_back(&c);
      std::stable_sort(rows.begin(), rows.end(), [](const ShellCommand* a, const ShellCommand* b) {
        return a->toolbar_group < b->toolbar_group;
      });
      QStringList expected;
      for (std::size_t i = 0; i < rows.size(); ++i) {
        if (i > 0 && rows[i]->toolbar_group != rows[i - 1]->toolbar_group) expected << QStringLiteral("|");
        expected << Where(*rows[i]);
      }
      QStringList built;
      for (QAction* a : w.findChild<QToolBar*>(QLatin1String(name))->actions())
        built << (a->isSeparator() ? QStringLiteral("|") : a->objectName());
      QCOMPARE(built, expected);
    }

    const auto compare = [&](const char* state, const ShellState& expected) {
      const ShellState s = w.shellState();
      QVERIFY2(s.document_active == expected.document_active && s.can_undo == expected.can_undo &&
                   s.can_redo == expected.can_redo,
               state);
      for (const ShellCommand& c : table) {
        if (c.kind != Kind::kCommand) continue;
        QAction* a = w.findChild<QAction*>(QString::fromLatin1(c.name));
        QVERIFY2(a, c.name.constData());
        QVERIFY2(a == w.commandAction(c.name), c.name.constData());
        const QString where = QStringLiteral("%1 (%2)").arg(Where(c), QLatin1String(state));
        QCOMPARE(a->text(), c.text);
        QCOMPARE(a->shortcuts(), c.shortcuts);
        QCOMPARE(a->statusTip(), StatusTipOf(c));
        if (!c.tooltip.isEmpty()) QCOMPARE(a->toolTip(), c.tooltip);
        QCOMPARE(a->icon().isNull(), !c.icon.has_value());
        QCOMPARE(a->isCheckable(), c.checkable);
        QVERIFY2(a->isEnabled() == c.enabled(expected), qPrintable(where));
      }
    };
    compare("no document", {});
    ReportView* view = w.newDocumentWindow();
    compare("a document", {.document_active = true});
    JobContent renamed = view->document()->content();
    renamed.job.info.job_name = "Sõlm K7";
    view->document()->change(renamed, QStringLiteral("rename"));
    compare("a change", {.document_active = true, .can_undo = true});
    view->document()->undoStack()->undo();
    compare("undone", {.document_active = true, .can_redo = true});
    w.mdiArea()->closeAllSubWindows();
    QTRY_VERIFY(w.mdiArea()->subWindowList().isEmpty());
    compare("closed", {});
  }

  // A letter underlined twice in one menu only moves the highlight, and a shortcut given
  // twice runs neither command: checked on the table, so a new row cannot bring either.
  void noMenuSharesAMnemonicAndNoCommandsShareAShortcut() {
    const std::vector<ShellCommand> table = ShellCommands();
    QMap<QString, QString> keys;
    QMap<ShellMenu, QMap<QChar, QString>> letters;
    for (const ShellMenuInfo& info : ShellMenus()) {
      const QString name = QString::fromLatin1(info.name);
      if (const QChar key = Mnemonic(info.title); !key.isNull()) {
        QVERIFY2(!letters[info.parent].contains(key),
                 qPrintable(QStringLiteral("%1 and %2 share %3").arg(letters[info.parent].value(key), name, key)));
        letters[info.parent].insert(key, name);
      }
    }
    for (const ShellCommand& c : table) {
      if (c.kind != Kind::kCommand) continue;
      for (const QKeySequence& k : c.shortcuts) {
        const QString key = k.toString(QKeySequence::PortableText);
        QVERIFY2(!keys.contains(key),
                 qPrintable(QStringLiteral("%1 and %2 share %3").arg(keys.value(key), Where(c), key)));
        keys.insert(key, Where(c));
      }
      if (c.menu == ShellMenu::kNone) continue;
      if (const QChar key = Mnemonic(c.text); !key.isNull()) {
        auto& taken = letters[c.menu];
        QVERIFY2(!taken.contains(key),
                 qPrintable(QStringLiteral("%1 and %2 share %3").arg(taken.value(key), Where(c), key)));
        taken.insert(key, Where(c));
      }
    }
    // The recent files and the window list take the digits of their menus.
    for (const ShellCommand& c : table)
      if (c.kind == Kind::kRecentFiles || c.kind == Kind::kWindowList)
        for (QChar digit = QLatin1Char('1'); digit <= QLatin1Char('9'); digit = QChar(digit.unicode() + 1))
          QVERIFY2(!letters[c.menu].contains(digit), qPrintable(letters[c.menu].value(digit)));
  }

  // A family's rows: its entry under "Sõlmede tüübid" and, with a button text, its button on
  // the job toolbar, both running its dialog once a document is open; a family without a
  // dialog is shown and never enabled.
  void aJointFamilyGivesItsEntryAndItsButton() {
    std::vector<ShellCommand> table;
    AppendJointFamilyCommands(table, {{"chs", 3, QStringLiteral("&CHS sõlmed"), QStringLiteral("CHS TRAXEN"),
                                       QStringLiteral("CHS sõlmede andmed"), 4},
                                      {"later", 0, QStringLiteral("Tulevased sõlmed"), {}, {}}});
    QCOMPARE(int(table.size()), 3);
    const ShellCommand &entry = table[0], &button = table[1], &later = table[2];
    QCOMPARE(entry.name, QByteArray("chsJoints"));
    QCOMPARE(entry.menu, ShellMenu::kJoints);
    QCOMPARE(entry.toolbar, ShellToolBar::kNone);
    QCOMPARE(button.name, QByteArray("chsJointsButton"));
    QCOMPARE(button.text, QStringLiteral("CHS TRAXEN"));
    QCOMPARE(button.tooltip, QStringLiteral("CHS sõlmede andmed"));
    QCOMPARE(button.menu, ShellMenu::kNone);
    QCOMPARE(button.toolbar, ShellToolBar::kJob);
    QCOMPARE(button.toolbar_group, 4);
    for (const ShellCommand* c : {&entry, &button}) {
      QVERIFY(!c->enabled(ShellState{}));
      QVERIFY(c->enabled(ShellState{.document_active = true}));
      QVERIFY(c->run);
    }
    QCOMPARE(later.name, QByteArray("laterJoints"));
    QVERIFY(!later.enabled(ShellState{.document_active = true}));
    QVERIFY(!later.run);
  }

 private:
  QTemporaryDir settings_;
};

QTEST_MAIN(ShellCommandsTest)
#include "shell_commands_test.moc"
