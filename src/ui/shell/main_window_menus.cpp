// The menu bar, the three toolbars and the status bar of the main window, built from the
// command table, with object names for every menu, command and button.
#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QSlider>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <QUndoGroup>
#include <algorithm>
#include <map>
#include <optional>

#include "ui/shell/app_settings.h"
#include "ui/shell/main_window.h"
#include "ui/shell/painted_icons.h"
#include "ui/shell/report_view.h"
#include "ui/shell/verdict_label.h"
#include "ui/shell/zoom_math.h"

namespace traxen {

namespace {
QMenu* NamedMenu(QMenuBar* bar, const ShellMenuInfo& info) {
  QMenu* menu = bar->addMenu(info.title);
  menu->setObjectName(QString::fromLatin1(info.name));
  menu->setAccessibleName(PlainText(info.title));
  menu->menuAction()->setObjectName(QString::fromLatin1(info.name) + QStringLiteral("Action"));
  return menu;
}

ShellMenuInfo InfoOf(ShellMenu menu) {
  for (const ShellMenuInfo& info : ShellMenus())
    if (info.menu == menu) return info;
  qFatal("a menu without its entry in the menu list");
}

// The entry names the file as its window does, "k3.trx", then the folder it is in, the
// home folder written "~": "k3.trx  [~/sõrestikud]".
QString RecentFileText(const QString& path) {
  const QFileInfo file(path);
  QString folder = QDir::cleanPath(file.absolutePath());
  const QString home = QDir::cleanPath(QDir::homePath());
  if (home.size() > 1 && (folder == home || folder.startsWith(home + QLatin1Char('/'))))
    folder = QLatin1Char('~') + folder.mid(home.size());
  // A single "&" in a name would underline the next letter instead of showing.
  QString text = file.fileName() + QStringLiteral("  [") + QDir::toNativeSeparators(folder) + QLatin1Char(']');
  return text.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

void NameToolButtons(QToolBar* bar) {
  for (QAction* action : bar->actions()) {
    if (action->isSeparator()) continue;
    if (QWidget* button = bar->widgetForAction(action)) {
      button->setObjectName(action->objectName() + QStringLiteral("Button"));
      button->setAccessibleName(PlainText(action->iconText().isEmpty() ? action->text() : action->iconText()));
    }
  }
}
}  // namespace

QAction* MainWindow::addAction(const char* name, const QString& text, const QKeySequence& shortcut) {
  auto* action = new QAction(text, this);
  action->setObjectName(QString::fromLatin1(name));
  if (!shortcut.isEmpty()) action->setShortcut(shortcut);
  return action;
}

QAction* MainWindow::commandAction(const QByteArray& name) const {
  for (std::size_t i = 0; i < commands_.size(); ++i)
    if (commands_[i].name == name) return command_actions_.at(qsizetype(i));
  return nullptr;
}

void MainWindow::createActions() {
  commands_ = ShellCommands();
  // The radio entries of a menu are one exclusive group.
  std::map<ShellMenu, QActionGroup*> radio_groups;
  for (const ShellCommand& command : commands_) {
    if (command.kind != ShellCommand::Kind::kCommand) {
      command_actions_ << nullptr;
      continue;
    }
    QAction* a = addAction(command.name.constData(), command.text);
    if (!command.shortcuts.isEmpty()) a->setShortcuts(command.shortcuts);
    if (command.icon) a->setIcon(PaintedIcon(*command.icon));
    if (!command.tooltip.isEmpty()) a->setToolTip(command.tooltip);
    a->setStatusTip(StatusTipOf(command));
    if (command.data.isValid()) a->setData(command.data);
    a->setCheckable(command.checkable);
    // Checked before the toggle is connected: the state at start is no user's choice to store.
    if (command.checked_at_start) a->setChecked(command.checked_at_start());
    if (command.radio) {
      QActionGroup*& group = radio_groups[command.menu];
      if (!group) {
        group = new QActionGroup(this);
        group->setExclusive(true);
      }
      group->addAction(a);
    }
    if (command.run) connect(a, &QAction::triggered, this, [this, run = command.run] { run(*this); });
    if (command.toggle)
      connect(a, &QAction::toggled, this, [this, toggle = command.toggle](bool on) { toggle(*this, on); });
    command_actions_ << a;
  }
  looks_ = radio_groups[ShellMenu::kAppearance];
}

QMenu* MainWindow::addSubmenu(QMenu* parent, ShellMenu which) {
  const ShellMenuInfo info = InfoOf(which);
  QMenu* menu = parent->addMenu(info.title);
  menu->setObjectName(QString::fromLatin1(info.name));
  menu->menuAction()->setObjectName(QString::fromLatin1(info.action_name));
  fillMenu(menu, which);
  return menu;
}

// The menu's entries in table order, a line between two groups.
void MainWindow::fillMenu(QMenu* menu, ShellMenu which) {
  std::optional<int> group;
  for (std::size_t i = 0; i < commands_.size(); ++i) {
    const ShellCommand& command = commands_[i];
    if (command.menu != which) continue;
    const bool separate = group && *group != command.menu_group;
    group = command.menu_group;
    if (command.kind == ShellCommand::Kind::kWindowList) {
      addWindowList(menu, separate);
      continue;
    }
    if (separate) menu->addSeparator();
    switch (command.kind) {
      case ShellCommand::Kind::kCommand:
        menu->addAction(command_actions_.at(qsizetype(i)));
        break;
      case ShellCommand::Kind::kSubmenu:
        if (QMenu* submenu = addSubmenu(menu, command.submenu); command.submenu == ShellMenu::kToolbars)
          toolbar_menu_ = submenu;
        break;
      case ShellCommand::Kind::kRecentFiles:
        recent_placeholder_ = addAction("recentFilesEmpty", tr("Hiljutised failid"));
        recent_placeholder_->setEnabled(false);
        menu->addAction(recent_placeholder_);
        for (int n = 0; n < kRecentFileCount; ++n) {
          QAction* recent = addAction(qPrintable(QStringLiteral("recentFile%1").arg(n + 1)), {});
          connect(recent, &QAction::triggered, this, [this, recent] { openFile(recent->data().toString(), true); });
          recent_actions_ << recent;
          menu->addAction(recent);
        }
        break;
      case ShellCommand::Kind::kWindowList:
        break;
    }
  }
}

void MainWindow::createMenus() {
  QMenuBar* bar = menuBar();
  bar->setObjectName(QStringLiteral("menuBar"));
  for (const ShellMenuInfo& info : ShellMenus()) {
    if (info.parent != ShellMenu::kNone) continue;
    QMenu* menu = NamedMenu(bar, info);
    if (info.menu != ShellMenu::kWindow) {
      fillMenu(menu, info.menu);
      continue;
    }
    // Built again each time it opens, with the document windows as they are then.
    window_menu_ = menu;
    connect(window_menu_, &QMenu::aboutToShow, this, &MainWindow::rebuildWindowMenu);
    window_menu_->setToolTipsVisible(true);  // each window's verdict
    rebuildWindowMenu();
  }
  rebuildRecentFiles();
}

// The toolbar's commands by group, in table order within a group, a line between groups.
void MainWindow::addCommands(QToolBar* toolbar, ShellToolBar which) {
  std::vector<std::size_t> rows;
  for (std::size_t i = 0; i < commands_.size(); ++i)
    if (commands_[i].toolbar == which) rows.push_back(i);
  std::stable_sort(rows.begin(), rows.end(), [this](std::size_t a, std::size_t b) {
    return commands_[a].toolbar_group < commands_[b].toolbar_group;
  });
  for (std::size_t n = 0; n < rows.size(); ++n) {
    if (n > 0 && commands_[rows[n]].toolbar_group != commands_[rows[n - 1]].toolbar_group) toolbar->addSeparator();
    toolbar->addAction(command_actions_.at(qsizetype(rows[n])));
  }
}

void MainWindow::createToolBars() {
  QToolBar* standard = addToolBar(tr("Standard"));
  standard->setObjectName(QStringLiteral("standardToolBar"));
  addCommands(standard, ShellToolBar::kStandard);
  NameToolButtons(standard);

  // The job toolbar has a row of its own: with a button per joint family it is wider than the
  // standard one leaves room for, and a button behind the toolbar's overflow arrow is one a
  // user does not find.
  addToolBarBreak();
  QToolBar* job = addToolBar(tr("Ülesanne"));
  job->setObjectName(QStringLiteral("jobToolBar"));
  job->setToolButtonStyle(Qt::ToolButtonTextOnly);
  addCommands(job, ShellToolBar::kJob);
  NameToolButtons(job);

  QToolBar* zoom = new QToolBar(tr("Suurendus"), this);
  zoom->setObjectName(QStringLiteral("zoomToolBar"));
  addToolBar(Qt::BottomToolBarArea, zoom);
  zoom_slider_ = new QSlider(Qt::Horizontal, zoom);
  zoom_slider_->setObjectName(QStringLiteral("zoomSlider"));
  zoom_slider_->setAccessibleName(tr("Suurendus"));
  zoom_slider_->setToolTip(tr("Suurendus"));
  zoom_slider_->setRange(kSliderMin, kSliderMax);
  zoom_slider_->setValue(kSliderStart);
  zoom_slider_->setPageStep(1);
  zoom_slider_->setTickPosition(QSlider::TicksBelow);
  zoom_slider_->setFixedWidth(208);
  zoom->addWidget(zoom_slider_);
  connect(zoom_slider_, &QSlider::valueChanged, this, &MainWindow::setZoomFromSlider);

  for (QToolBar* toolbar : {standard, job, zoom}) {
    QAction* toggle = toolbar->toggleViewAction();
    toggle->setObjectName(toolbar->objectName() + QStringLiteral("Toggle"));
    toolbar_menu_->addAction(toggle);
  }

  statusBar()->setObjectName(QStringLiteral("statusBar"));
  zoom_label_ = new QLabel(statusBar());
  zoom_label_->setObjectName(QStringLiteral("zoomLabel"));
  zoom_label_->setAccessibleName(tr("Suurendus"));
  verdict_ = new VerdictLabel(statusBar());
  statusBar()->addPermanentWidget(verdict_);
  statusBar()->addPermanentWidget(zoom_label_);
  statusBar()->showMessage(tr("Valmis"));
}

void MainWindow::rebuildWindowMenu() {
  window_menu_->clear();
  fillMenu(window_menu_, ShellMenu::kWindow);
}

void MainWindow::addWindowList(QMenu* menu, bool separate) {
  const QList<QMdiSubWindow*> windows = mdi_->subWindowList();
  if (separate && !windows.isEmpty()) menu->addSeparator();
  for (int i = 0; i < windows.size(); ++i) {
    QMdiSubWindow* window = windows.at(i);
    QString title = window->windowTitle();
    if (title.isEmpty()) title = tr("(nimetu)");
    title.replace(QLatin1Char('&'), QStringLiteral("&&"));  // shown, not a mnemonic
    const QString text = i < 9 ? QStringLiteral("&%1 %2").arg(i + 1).arg(title) : title;
    QAction* entry = menu->addAction(text);
    entry->setObjectName(QStringLiteral("windowList%1").arg(i + 1));
    entry->setCheckable(true);
    entry->setChecked(window == mdi_->activeSubWindow());
    entry->setToolTip(VerdictTextOf(qobject_cast<ReportView*>(window->widget())));
    connect(entry, &QAction::triggered, this, [this, window] { mdi_->setActiveSubWindow(window); });
  }
}

void MainWindow::rebuildRecentFiles() {
  const QStringList files = AppSettings::recentFiles();
  for (int i = 0; i < recent_actions_.size(); ++i) {
    QAction* action = recent_actions_.at(i);
    const bool used = i < files.size();
    action->setVisible(used);
    if (!used) continue;
    action->setData(files.at(i));
    action->setText(QStringLiteral("&%1 %2").arg(i + 1).arg(RecentFileText(files.at(i))));
    action->setStatusTip(QDir::toNativeSeparators(files.at(i)));
  }
  recent_placeholder_->setVisible(files.isEmpty());
}

}  // namespace traxen
