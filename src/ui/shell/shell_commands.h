// The desktop shell's commands as one table: for each its object name, text with its mnemonic
// (in the interface's language), shortcuts, picture, tips, its place in a menu and on a
// toolbar, when it is enabled and what it runs. The main window builds its menus and toolbars from this table and
// nothing else, so a command is added, moved or renamed on one line.
#pragma once

#include <QByteArray>
#include <QKeySequence>
#include <QList>
#include <QString>
#include <QVariant>
#include <functional>
#include <optional>
#include <vector>

#include "ui/shell/painted_icons.h"

namespace traxen {

class MainWindow;

// What a command's enabled state depends on, read from the main window.
struct ShellState {
  bool document_active = false;  // a document window is the active one
  bool can_undo = false;         // of the active document
  bool can_redo = false;
};

using EnabledWhen = bool (*)(const ShellState&);
bool Always(const ShellState&);
bool Never(const ShellState&);  // shown, but with nothing behind it yet
bool DocumentActive(const ShellState&);
bool CanUndo(const ShellState&);
bool CanRedo(const ShellState&);

// The menus in menu-bar order; the two submenus sit in the Vaade menu.
enum class ShellMenu {
  kNone, kFile, kEdit, kMaterial, kJobInfo, kJoints, kView, kToolbars, kAppearance, kReportLanguage, kWindow, kHelp
};
enum class ShellToolBar { kNone, kStandard, kJob };

struct ShellMenuInfo {
  ShellMenu menu;
  const char* name;  // object name; a top-level menu's action adds "Action"
  QString title;
  ShellMenu parent = ShellMenu::kNone;  // a submenu's menu
  const char* action_name = nullptr;    // a submenu's entry in its parent
};
// The menu bar's in order, then the submenus, titled in the interface's language.
std::vector<ShellMenuInfo> ShellMenus();

struct ShellCommand {
  // What fills the entry's place: a command, or a part of a menu built by the window.
  enum class Kind { kCommand, kSubmenu, kRecentFiles, kWindowList };

  Kind kind = Kind::kCommand;
  QByteArray name;  // the action's object name
  QString text;
  QList<QKeySequence> shortcuts;
  std::optional<PaintedPicture> icon;
  QString tooltip;

  // Entries of one group follow each other in table order; groups are parted by a line.
  ShellMenu menu = ShellMenu::kNone;
  int menu_group = 0;
  ShellMenu submenu = ShellMenu::kNone;  // for a kSubmenu entry
  ShellToolBar toolbar = ShellToolBar::kNone;
  int toolbar_group = 0;

  EnabledWhen enabled = Always;
  bool checkable = false;
  // One of the checkable entries of its menu of which exactly one is checked, shown as a radio
  // item; checking it unchecks the others.
  bool radio = false;
  bool (*checked_at_start)() = nullptr;
  QVariant data;  // an appearance's identifier

  std::function<void(MainWindow&)> run;           // on triggered
  std::function<void(MainWindow&, bool)> toggle;  // on toggled, for a checkable entry
};

// A joint family's entries under "Sõlmede tüübid" and its button on the job toolbar.
struct JointFamilyCommands {
  const char* name;    // "tyx": the entries are "tyxJoints" and "tyxJointsButton"
  int dialog;          // the joint dialog it opens; 0: present but without action
  QString menu_text;
  QString button_text;  // "" for no toolbar button
  QString button_tooltip;
  int button_group = 0;  // its group on the job toolbar
};
// The rows of `families`, in their order, for the joints menu and the job toolbar.
void AppendJointFamilyCommands(std::vector<ShellCommand>& table, const std::vector<JointFamilyCommands>& families);

// Every command of the shell, in menu order, its texts in the interface's language.
std::vector<ShellCommand> ShellCommands();

// The text a command shows in the status bar: its tooltip, else its text, without the
// mnemonic and the dots.
QString StatusTipOf(const ShellCommand& command);

// The text without its mnemonic "&" and trailing dots ("Salvesta &nagu..." is "Salvesta nagu").
QString PlainText(QString text);

}  // namespace traxen
