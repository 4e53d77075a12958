// The menu bar, the three toolbars and the status bar of the main window, with the
// Estonian texts, mnemonics, shortcuts, tooltips and object names of every command.
#include <QAction>
#include <QActionGroup>
#include <QApplication>
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

#include "ui/shell/app_settings.h"
#include "ui/shell/help_window.h"
#include "ui/shell/appearance.h"
#include "ui/shell/joint_table_window.h"
#include "ui/shell/main_window.h"
#include "ui/shell/painted_icons.h"
#include "ui/shell/report_view.h"
#include "ui/shell/verdict_label.h"
#include "ui/shell/zoom_math.h"

namespace traxen {

namespace {
QString PlainText(QString text) {
  text.remove(QLatin1Char('&'));
  return text.remove(QStringLiteral("...")).trimmed();
}

QMenu* NamedMenu(QMenuBar* bar, const char* name, const QString& title) {
  QMenu* menu = bar->addMenu(title);
  menu->setObjectName(QString::fromLatin1(name));
  menu->setAccessibleName(PlainText(title));
  menu->menuAction()->setObjectName(QString::fromLatin1(name) + QStringLiteral("Action"));
  return menu;
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

void MainWindow::createActions() {
  QAction* a = nullptr;

  a = addAction("fileNew", QStringLiteral("&Uus"), QKeySequence(Qt::CTRL | Qt::Key_N));
  a->setIcon(PaintedIcon(PaintedPicture::kNewPage));
  a->setToolTip(QStringLiteral("Uus töö"));
  connect(a, &QAction::triggered, this, [this] { newDocumentWindow(); });
  a = addAction("fileOpen", QStringLiteral("&Ava..."), QKeySequence(Qt::CTRL | Qt::Key_O));
  a->setIcon(PaintedIcon(PaintedPicture::kOpenFolder));
  a->setToolTip(QStringLiteral("Ava projektifail"));
  a = addAction("fileImportJointTable", QStringLiteral("&Impordi sõlmede tabel..."));
  a->setToolTip(QStringLiteral("Sõrestiku sõlmed CSV-tabelist"));
  connect(a, &QAction::triggered, this, [this] { ImportJointTable(this); });
  // Every entry of a menu has its own mnemonic: a letter two entries share only moves the
  // highlight between them.
  a = addAction("fileClose", QStringLiteral("Su&le"));
  connect(a, &QAction::triggered, this, [this] { mdi_->closeActiveSubWindow(); });
  a = addAction("fileSave", QStringLiteral("&Salvesta"), QKeySequence(Qt::CTRL | Qt::Key_S));
  a->setIcon(PaintedIcon(PaintedPicture::kSaveDisk));
  a->setToolTip(QStringLiteral("Salvesta töö"));
  connect(a, &QAction::triggered, this, [this] { if (ReportView* v = activeView()) save(v); });
  a = addAction("fileSaveAs", QStringLiteral("Salvesta &nagu..."));
  connect(a, &QAction::triggered, this, [this] { if (ReportView* v = activeView()) saveAs(v); });
  a = addAction("filePrint", QStringLiteral("&Prindi..."), QKeySequence(Qt::CTRL | Qt::Key_P));
  a->setIcon(PaintedIcon(PaintedPicture::kPrinter));
  a->setToolTip(QStringLiteral("Prindi aruanne"));
  connect(a, &QAction::triggered, this, &MainWindow::print);
  a = addAction("filePrintPreview", QStringLiteral("Prin&timise  eelvaade..."));
  connect(a, &QAction::triggered, this, &MainWindow::printPreview);
  a = addAction("filePrintSetup", QStringLiteral("P&rinteri valik..."));
  connect(a, &QAction::triggered, this, &MainWindow::printerSetup);
  a = addAction("fileExportPdf", QStringLiteral("&Ekspordi PDF..."), QKeySequence(Qt::CTRL | Qt::Key_E));
  connect(a, &QAction::triggered, this, &MainWindow::exportPdf);
  a = addAction("fileExit", QStringLiteral("&Välju"));
  connect(a, &QAction::triggered, this, &QWidget::close);

  a = addAction("editUndo", QStringLiteral("&Võta tagasi"), QKeySequence(Qt::CTRL | Qt::Key_Z));
  connect(a, &QAction::triggered, undo_group_, &QUndoGroup::undo);
  connect(undo_group_, &QUndoGroup::canUndoChanged, a, &QAction::setEnabled);
  a->setEnabled(false);
  a = addAction("editRedo", QStringLiteral("&Tee uuesti"), QKeySequence(Qt::CTRL | Qt::Key_Y));
  connect(a, &QAction::triggered, undo_group_, &QUndoGroup::redo);
  connect(undo_group_, &QUndoGroup::canRedoChanged, a, &QAction::setEnabled);
  a->setEnabled(false);
  for (const char* name : {"editCut", "editCopy", "editPaste"}) {
    const bool cut = name == std::string_view("editCut"), copy = name == std::string_view("editCopy");
    a = addAction(name, cut ? QStringLiteral("&Lõika") : copy ? QStringLiteral("&Kopeeri") : QStringLiteral("K&leebi"));
    a->setEnabled(false);  // nothing to cut or paste; copying needs a report
  }
  a = findChild<QAction*>(QStringLiteral("editCopy"));
  a->setShortcut(QKeySequence::Copy);
  a->setToolTip(QStringLiteral("Kopeeri nähtav lehekülg pildi ja PDF-ina"));
  connect(a, &QAction::triggered, this, [this] { if (ReportView* v = activeView()) v->copyVisiblePage(); });

  a = addAction("steelData", QStringLiteral("&Terase andmed"));
  connect(a, &QAction::triggered, this, &MainWindow::editSteel);
  a = addAction("memberLengths", QStringLiteral("&Varraste pikkused"));
  connect(a, &QAction::triggered, this, &MainWindow::editLengths);
  a = addAction("jobInfo", QStringLiteral("&Info sisestamine"));
  connect(a, &QAction::triggered, this, &MainWindow::editJobInfo);
  a = addAction("tyxJoints", QStringLiteral("&X,Y ja T sõlmed"));
  connect(a, &QAction::triggered, this, [this] { editJoint(1); });
  a = addAction("knJoints", QStringLiteral("&KN  sõlmed"));
  connect(a, &QAction::triggered, this, [this] { editJoint(2); });
  // Present but without action; no underline, so X and K stay single keys in their menu.
  addAction("knReinforcedJoints", QStringLiteral("KN tugevdatud  õlmed"))->setEnabled(false);
  addAction("tyxReinforcedJoints", QStringLiteral("X,Y ja  T tugevdatud sõlmed"))->setEnabled(false);

  const struct {
    const char* name;
    const char* label;
    const char* tooltip;
    void (MainWindow::*command)();
  } job_buttons[] = {
      {"jobInfoButton", "INFO", "Ülesande andmete sisestus", &MainWindow::editJobInfo},
      {"steelDataButton", "TERAS", "Terase andmed", &MainWindow::editSteel},
      {"memberLengthsButton", "VARDAD", "Varraste pikkused", &MainWindow::editLengths},
  };
  for (const auto& b : job_buttons) {
    a = addAction(b.name, QString::fromUtf8(b.label));
    a->setToolTip(QString::fromUtf8(b.tooltip));
    a->setStatusTip(QString::fromUtf8(b.tooltip));
    connect(a, &QAction::triggered, this, b.command);
  }
  a = addAction("tyxJointsButton", QStringLiteral("X,Y ja T TRAXEN"));
  a->setToolTip(QStringLiteral("X,Y ja T sõlmede andmed"));
  connect(a, &QAction::triggered, this, [this] { editJoint(1); });
  a = addAction("knJointsButton", QStringLiteral("KN TRAXEN"));
  a->setToolTip(QStringLiteral("KN sõlmed andmed"));
  connect(a, &QAction::triggered, this, [this] { editJoint(2); });

  a = addAction("windowNew", QStringLiteral("&Uus aken"));
  connect(a, &QAction::triggered, this, &MainWindow::newWindowOnActive);
  a = addAction("windowTile", QStringLiteral("&Kõrvuti"));
  connect(a, &QAction::triggered, mdi_, &QMdiArea::tileSubWindows);
  a = addAction("windowCascade", QStringLiteral("&Astmeliselt"));
  connect(a, &QAction::triggered, this, &MainWindow::cascadeWindows);
  a = addAction("windowNext", QStringLiteral("&Järgmine aken"), QKeySequence(Qt::Key_F6));
  connect(a, &QAction::triggered, mdi_, &QMdiArea::activateNextSubWindow);
  a = addAction("windowPrevious", QStringLiteral("&Eelmine aken"), QKeySequence(Qt::SHIFT | Qt::Key_F6));
  connect(a, &QAction::triggered, mdi_, &QMdiArea::activatePreviousSubWindow);

  a = addAction("viewStatusBar", QStringLiteral("&Oleku riba"));
  a->setCheckable(true);
  a->setChecked(true);
  connect(a, &QAction::toggled, this, [this](bool on) { statusBar()->setVisible(on); });
  a = addAction("viewCaptionBar", QStringLiteral("&Pealkirja riba"));
  a->setCheckable(true);
  a->setChecked(true);
  connect(a, &QAction::toggled, this, [this](bool on) { caption_->setVisible(on); });
  a = addAction("viewBraceWelds", QStringLiteral("&Keevisõmblused aruandes"));
  a->setCheckable(true);
  a->setChecked(AppSettings::braceWelds());
  connect(a, &QAction::toggled, this, [this](bool on) {
    AppSettings::setBraceWelds(on);
    for (ReportView* view : views()) view->relayOut();
  });
  a = addAction("viewZoomIn", QStringLiteral("Suu&renda"), QKeySequence::ZoomIn);
  a->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)});
  connect(a, &QAction::triggered, this, [this] { zoomCommand(&ReportView::zoomIn); });
  a = addAction("viewZoomOut", QStringLiteral("Vä&henda"), QKeySequence(Qt::CTRL | Qt::Key_Minus));
  connect(a, &QAction::triggered, this, [this] { zoomCommand(&ReportView::zoomOut); });
  a = addAction("viewActualSize", QStringLiteral("Tegelik suurus"), QKeySequence(Qt::CTRL | Qt::Key_0));
  connect(a, &QAction::triggered, this, [this] { zoomCommand(&ReportView::zoomToActualSize); });
  a = addAction("viewFitPage", QStringLiteral("Sobita leht"));
  connect(a, &QAction::triggered, this, [this] { zoomCommand(&ReportView::fitPage); });
  a = addAction("viewFitWidth", QStringLiteral("Sobita laius"));
  connect(a, &QAction::triggered, this, [this] { zoomCommand(&ReportView::fitWidth); });

  looks_ = new QActionGroup(this);
  looks_->setExclusive(true);
  for (const Appearance& look : Appearances()) {
    a = addAction(qPrintable(QStringLiteral("look%1").arg(look.id)), QString::fromUtf8(look.menu_text));
    a->setCheckable(true);
    a->setData(look.id);
    looks_->addAction(a);
    connect(a, &QAction::triggered, this, [this, id = look.id] { setAppearance(id); });
  }

  a = addAction("helpManual", QStringLiteral("&Kasutusjuhend"), QKeySequence::HelpContents);
  a->setShortcut(QKeySequence(Qt::Key_F1));
  connect(a, &QAction::triggered, this, [this] {
    // One manual window, brought to the front when it is already open.
    auto* help = findChild<HelpWindow*>(QStringLiteral("helpWindow"));
    if (!help) help = new HelpWindow(this);
    help->show();
    help->raise();
    help->activateWindow();
  });
  a = addAction("helpAbout", QStringLiteral("&TRAXEN TEAVE.."));
  a->setIcon(PaintedIcon(PaintedPicture::kQuestion));
  a->setToolTip(QStringLiteral("Programmi info"));
  connect(a, &QAction::triggered, this, &MainWindow::about);

  for (QAction* action : findChildren<QAction*>())
    if (action->statusTip().isEmpty() && !action->objectName().isEmpty())
      action->setStatusTip(PlainText(action->toolTip().isEmpty() ? action->text() : action->toolTip()));
}

void MainWindow::createMenus() {
  const auto act = [this](const char* name) { return findChild<QAction*>(QString::fromLatin1(name)); };
  QMenuBar* bar = menuBar();
  bar->setObjectName(QStringLiteral("menuBar"));

  file_menu_ = NamedMenu(bar, "fileMenu", QStringLiteral("&Fail"));
  file_menu_->addActions({act("fileNew"), act("fileOpen"), act("fileImportJointTable"), act("fileClose")});
  file_menu_->addSeparator();
  file_menu_->addActions({act("fileSave"), act("fileSaveAs"), act("fileExportPdf")});
  file_menu_->addSeparator();
  file_menu_->addActions({act("filePrint"), act("filePrintPreview"), act("filePrintSetup")});
  recent_separator_ = file_menu_->addSeparator();
  recent_placeholder_ = addAction("recentFilesEmpty", QStringLiteral("Hiljutised failid"));
  recent_placeholder_->setEnabled(false);
  file_menu_->addAction(recent_placeholder_);
  for (int i = 0; i < kRecentFileCount; ++i) {
    QAction* recent = addAction(qPrintable(QStringLiteral("recentFile%1").arg(i + 1)), {});
    connect(recent, &QAction::triggered, this, [this, recent] { openFile(recent->data().toString(), true); });
    recent_actions_ << recent;
    file_menu_->addAction(recent);
  }
  file_menu_->addSeparator();
  file_menu_->addAction(act("fileExit"));

  QMenu* edit = NamedMenu(bar, "editMenu", QStringLiteral("&Muuda"));
  edit->addActions({act("editUndo"), act("editRedo")});
  edit->addSeparator();
  edit->addAction(act("editCopy"));

  QMenu* material = NamedMenu(bar, "materialMenu", QStringLiteral("Ma&terjal"));
  material->addActions({act("steelData"), act("memberLengths")});

  QMenu* info = NamedMenu(bar, "jobInfoMenu", QStringLiteral("Ülesande &info"));
  info->addAction(act("jobInfo"));

  QMenu* joints = NamedMenu(bar, "jointsMenu", QStringLiteral("&Sõlmede tüübid"));
  joints->addActions({act("tyxJoints"), act("knJoints"), act("knReinforcedJoints"), act("tyxReinforcedJoints")});

  QMenu* view = NamedMenu(bar, "viewMenu", QStringLiteral("&Vaade"));
  toolbar_menu_ = view->addMenu(QStringLiteral("&Tööriista riba ja akende dokkimine"));
  toolbar_menu_->setObjectName(QStringLiteral("toolbarMenu"));
  toolbar_menu_->menuAction()->setObjectName(QStringLiteral("viewToolbars"));
  view->addActions({act("viewStatusBar"), act("viewCaptionBar"), act("viewBraceWelds")});
  view->addSeparator();
  view->addActions({act("viewZoomIn"), act("viewZoomOut"), act("viewActualSize"), act("viewFitPage"),
                    act("viewFitWidth")});
  view->addSeparator();
  QMenu* looks = view->addMenu(QStringLiteral("Programmi k&ujundus"));
  looks->setObjectName(QStringLiteral("appearanceMenu"));
  looks->menuAction()->setObjectName(QStringLiteral("viewAppearance"));
  looks->addActions(looks_->actions());

  window_menu_ = NamedMenu(bar, "windowMenu", QStringLiteral("&Aken"));
  connect(window_menu_, &QMenu::aboutToShow, this, &MainWindow::rebuildWindowMenu);
  window_menu_->setToolTipsVisible(true);  // each window's verdict
  rebuildWindowMenu();

  QMenu* help = NamedMenu(bar, "helpMenu", QStringLiteral("A&bi"));
  help->addActions({act("helpManual"), act("helpAbout")});
  rebuildRecentFiles();
}

void MainWindow::createToolBars() {
  const auto act = [this](const char* name) { return findChild<QAction*>(QString::fromLatin1(name)); };

  QToolBar* standard = addToolBar(QStringLiteral("Standard"));
  standard->setObjectName(QStringLiteral("standardToolBar"));
  standard->addActions({act("fileNew"), act("fileOpen"), act("fileSave")});
  standard->addSeparator();
  standard->addActions({act("editCut"), act("editCopy"), act("editPaste")});
  standard->addSeparator();
  standard->addAction(act("filePrint"));
  standard->addSeparator();
  standard->addAction(act("helpAbout"));
  NameToolButtons(standard);

  QToolBar* job = addToolBar(QStringLiteral("Ülesanne"));
  job->setObjectName(QStringLiteral("jobToolBar"));
  job->setToolButtonStyle(Qt::ToolButtonTextOnly);
  job->addActions({act("jobInfoButton"), act("steelDataButton"), act("memberLengthsButton")});
  job->addSeparator();
  job->addAction(act("tyxJointsButton"));
  job->addSeparator();
  job->addAction(act("knJointsButton"));
  NameToolButtons(job);

  QToolBar* zoom = new QToolBar(QStringLiteral("Suurendus"), this);
  zoom->setObjectName(QStringLiteral("zoomToolBar"));
  addToolBar(Qt::BottomToolBarArea, zoom);
  zoom_slider_ = new QSlider(Qt::Horizontal, zoom);
  zoom_slider_->setObjectName(QStringLiteral("zoomSlider"));
  zoom_slider_->setAccessibleName(QStringLiteral("Suurendus"));
  zoom_slider_->setToolTip(QStringLiteral("Suurendus"));
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
  zoom_label_->setAccessibleName(QStringLiteral("Suurendus"));
  verdict_ = new VerdictLabel(statusBar());
  statusBar()->addPermanentWidget(verdict_);
  statusBar()->addPermanentWidget(zoom_label_);
  statusBar()->showMessage(QStringLiteral("Valmis"));
}

void MainWindow::rebuildWindowMenu() {
  const auto act = [this](const char* name) { return findChild<QAction*>(QString::fromLatin1(name)); };
  window_menu_->clear();
  window_menu_->addActions({act("windowNew"), act("windowTile"), act("windowCascade")});
  window_menu_->addSeparator();
  window_menu_->addActions({act("windowNext"), act("windowPrevious")});
  const QList<QMdiSubWindow*> windows = mdi_->subWindowList();
  if (!windows.isEmpty()) window_menu_->addSeparator();
  for (int i = 0; i < windows.size(); ++i) {
    QMdiSubWindow* window = windows.at(i);
    QString title = window->windowTitle();
    if (title.isEmpty()) title = QStringLiteral("(nimetu)");
    const QString text = i < 9 ? QStringLiteral("&%1 %2").arg(i + 1).arg(title) : title;
    QAction* entry = window_menu_->addAction(text);
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
    action->setText(QStringLiteral("&%1 %2").arg(i + 1).arg(files.at(i)));
    action->setStatusTip(files.at(i));
  }
  recent_placeholder_->setVisible(files.isEmpty());
}

}  // namespace traxen
