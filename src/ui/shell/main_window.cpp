// The main window's frame, its document windows and the commands on the active job.
#include "ui/shell/main_window.h"

#include "ui/i18n/interface_language.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QMimeData>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSlider>
#include <QStatusBar>
#include <QStyle>
#include <QUndoGroup>
#include <QVBoxLayout>
#include <ctime>

#include "families/joint_family.h"
#include "model/job_family.h"
#include "ui/dialogs/info_dialog.h"
#include "ui/dialogs/joint_dialog_entry.h"
#include "ui/dialogs/lengths_dialog.h"
#include "ui/dialogs/steel_dialog.h"
#include "ui/shell/about_dialog.h"
#include "ui/shell/app_settings.h"
#include "ui/shell/appearance.h"
#include "ui/shell/document.h"
#include "ui/shell/family_texts.h"
#include "ui/shell/file_dialog_labels.h"
#include "ui/shell/help_window.h"
#include "ui/shell/joint_table_window.h"
#include "ui/shell/painted_icons.h"
#include "ui/shell/program_icon.h"
#include "ui/shell/program_style.h"
#include "ui/shell/report_printing.h"
#include "ui/shell/report_view.h"
#include "ui/shell/unsaved_prompt.h"
#include "ui/shell/verdict_label.h"
#include "ui/shell/zoom_math.h"

namespace traxen {

namespace {
QStringList ProjectFilters() {
  return MainWindow::tr("TRAXEN failid (*.trx *.json);;Kõik failid (*.*)").split(QStringLiteral(";;"));
}
}  // namespace

MainWindow::MainWindow() {
  InstallProgramStyle();
  setObjectName(QStringLiteral("mainWindow"));
  title_ = MainWindowTitle(QString());
  setWindowTitle(title_);
  setAccessibleName(title_);
  setWindowIcon(ProgramIcon());
  setAcceptDrops(true);

  mdi_ = new QMdiArea;
  mdi_->setObjectName(QStringLiteral("mdiArea"));
  mdi_->setAccessibleName(tr("Dokumendiaknad"));
  mdi_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  mdi_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  caption_ = new QLabel;
  caption_->setObjectName(QStringLiteral("captionBar"));
  caption_->setAccessibleName(tr("Pealkirja riba"));
  caption_->setContentsMargins(8, 3, 8, 3);
  caption_->setAutoFillBackground(true);
  caption_->setBackgroundRole(QPalette::AlternateBase);
  auto* central = new QWidget;
  auto* layout = new QVBoxLayout(central);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(caption_);
  layout->addWidget(mdi_, 1);
  setCentralWidget(central);

  undo_group_ = new QUndoGroup(this);
  createActions();
  createMenus();
  createToolBars();
  // Window navigation also works while the menus are being rebuilt.
  QWidget::addActions({commandAction("windowNext"), commandAction("windowPrevious")});

  connect(undo_group_, &QUndoGroup::canUndoChanged, this, &MainWindow::updateCommands);
  connect(undo_group_, &QUndoGroup::canRedoChanged, this, &MainWindow::updateCommands);
  connect(mdi_, &QMdiArea::subWindowActivated, this, &MainWindow::activeWindowChanged);

  int look = AppSettings::look();
  if (!IsKnownAppearance(look)) look = kDefaultLook;
  showAppearance(look);
  updateCommands();
  updateCaption();
  resize(1100, 900);
  // Where the user left the window, maximised or not, and the zoom the last report had.
  restoreGeometry(AppSettings::mainWindowGeometry());
  restoreState(AppSettings::mainWindowState());
  last_zoom_ = AppSettings::lastZoom();
}

MainWindow::~MainWindow() {
  closing_ = true;
  // The undo group and the document area go with this window's children, after the window
  // and its commands: what they report then has nothing left to update.
  undo_group_->disconnect(this);
  mdi_->disconnect(this);
  // The documents go after this window's parts: their undo stacks report "clean" as they go.
  for (Document* document : findChildren<Document*>(Qt::FindDirectChildrenOnly)) document->disconnect(this);
  AppSettings::flush();
}

ReportView* MainWindow::newDocumentWindow(Document* document) {
  if (!document) document = new Document(this);
  auto* view = new ReportView(document);
  view->setCloseGuard([this](ReportView* v) { return confirmClose(v); });
  undo_group_->addStack(document->undoStack());
  QMdiSubWindow* window = mdi_->addSubWindow(view);
  window->setObjectName(QStringLiteral("documentWindow"));
  window->setAttribute(Qt::WA_DeleteOnClose);
  window->setWindowIcon(windowIcon().isNull() ? PaintedIcon(PaintedPicture::kNewPage) : windowIcon());

  if (document->title().isEmpty())
    document->setTitle(document->path().isEmpty() ? tr("Nimetu %1").arg(++untitled_count_)
                                                  : QFileInfo(document->path()).fileName());
  retitleWindows(document);
  // Once per document (a second window shares the first one's connection).
  if (viewsOf(document).size() == 1)
    connect(document, &Document::modifiedChanged, this, [this, document] { retitleWindows(document); });
  connect(document, &Document::pathChanged, view, [this, document] {
    setDocumentTitle(document, QFileInfo(document->path()).fileName());
  });
  connect(document, &Document::changed, this, &MainWindow::updateCaption);
  connect(view, &ReportView::zoomChanged, this, [this, view](double zoom) {
    if (view != activeView()) return;
    last_zoom_ = zoom;
    const QSignalBlocker block(zoom_slider_);
    zoom_slider_->setValue(SliderPosition(zoom));
    zoom_label_->setText(QStringLiteral("%1 %").arg(qRound(zoom * 100)));
  });
  // The last window of a document takes the document with it.
  connect(view, &QObject::destroyed, this, [this, document] {
    if (closing_) return;  // the documents go with the main window
    if (viewsOf(document).isEmpty()) {
      undo_group_->removeStack(document->undoStack());
      document->deleteLater();
    } else {
      retitleWindows(document);
    }
    updateCommands();
  });
  // A new window opens at the zoom of the report the user last looked at.
  view->zoomAbout(last_zoom_);
  // Each new window opens a title bar's height below and to the right of the one before, as
  // windows cascade, and inside the area (Qt would look for a free spot, which is often
  // off the edge).
  const int step = 28 * int((mdi_->subWindowList().size() - 1) % 6);
  window->resize(std::max(400, std::min(mdi_->width() - 20 - step, 960)), std::max(300, mdi_->height() - 40 - step));
  window->move(step, step);
  // A lone document window fills the area; later ones cascade over it.
  if (mdi_->subWindowList().size() == 1) window->showMaximized();
  else window->show();
  mdi_->setActiveSubWindow(window);
  updateCommands();
  return view;
}

ReportView* MainWindow::activeView() const {
  QMdiSubWindow* window = mdi_->activeSubWindow();
  if (!window) window = mdi_->currentSubWindow();
  return window ? qobject_cast<ReportView*>(window->widget()) : nullptr;
}

QList<ReportView*> MainWindow::views() const {
  QList<ReportView*> list;
  for (QMdiSubWindow* window : mdi_->subWindowList())
    if (auto* view = qobject_cast<ReportView*>(window->widget())) list << view;
  return list;
}

QList<ReportView*> MainWindow::viewsOf(const Document* document) const {
  QList<ReportView*> list;
  for (ReportView* view : views())
    if (view->document() == document) list << view;
  return list;
}

void MainWindow::setDocumentTitle(Document* document, const QString& title) {
  document->setTitle(title);
  retitleWindows(document);
}

// Several windows on one job are told apart as "name:1", "name:2", … in the order they were
// opened; a lone window shows the name alone. A "*" follows the name exactly while the job has
// unsaved changes. The title is written out rather than left to Qt's "[*]" placeholder, which
// a maximised document window would hand on to the main window's title as it stands.
void MainWindow::retitleWindows(Document* document) {
  const QList<ReportView*> windows = viewsOf(document);
  const QString modified = document->isModified() ? QStringLiteral("*") : QString();
  for (int i = 0; i < windows.size(); ++i) {
    QString title = document->title();
    if (windows.size() > 1) title += QStringLiteral(":%1").arg(i + 1);
    windows.at(i)->setWindowTitle(title + modified);
  }
  updateCaption();
  updateTitle();
}

QString MainWindowTitle(const QString& active_window) {
  const QString program = QStringLiteral("TRAXEN");
  return active_window.isEmpty() ? program : active_window + QStringLiteral(" — ") + program;
}

// A job is named without the ":2" of a second window on it; a table window by its own title.
void MainWindow::updateTitle() {
  QMdiSubWindow* window = mdi_->activeSubWindow();
  if (!window) window = mdi_->currentSubWindow();
  QString active;
  if (window) {
    const auto* view = qobject_cast<ReportView*>(window->widget());
    if (view && view->document())
      active = view->document()->title() + (view->document()->isModified() ? QStringLiteral("*") : QString());
    else if (window->widget())
      active = window->widget()->windowTitle();
  }
  title_ = MainWindowTitle(active);
  if (windowTitle() != title_) setWindowTitle(title_);
}

void MainWindow::activeWindowChanged(QMdiSubWindow* window) {
  // A window that is no job's (the joint table) names itself: its title changes with its "*".
  if (window)
    connect(window, &QWidget::windowTitleChanged, this, &MainWindow::updateTitle, Qt::UniqueConnection);
  ReportView* view = activeView();
  if (view) {
    undo_group_->setActiveStack(view->document()->undoStack());
    const QSignalBlocker block(zoom_slider_);
    zoom_slider_->setValue(SliderPosition(view->zoom()));
    zoom_label_->setText(QStringLiteral("%1 %").arg(qRound(view->zoom() * 100)));
    last_zoom_ = view->zoom();
  } else {
    undo_group_->setActiveStack(nullptr);
    zoom_label_->clear();
  }
  verdict_->follow(view);
  updateCommands();
  updateCaption();
  updateTitle();
}

ShellState MainWindow::shellState() const {
  return {.document_active = activeView() != nullptr,
          .can_undo = undo_group_->canUndo(),
          .can_redo = undo_group_->canRedo()};
}

void MainWindow::updateCommands() {
  const ShellState state = shellState();
  for (std::size_t i = 0; i < commands_.size(); ++i)
    if (QAction* action = command_actions_.at(qsizetype(i))) action->setEnabled(commands_[i].enabled(state));
  zoom_slider_->setEnabled(state.document_active);
}

void MainWindow::askAndOpenFile() {
  const QString start = activeView() && !activeView()->document()->path().isEmpty()
                            ? QFileInfo(activeView()->document()->path()).absolutePath()
                            : QString();
  QFileDialog dialog(this, tr("Ava"), start);
  dialog.setObjectName(QStringLiteral("openDialog"));
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setNameFilters(ProjectFilters());
  SetFileDialogLabels(dialog, tr("Ava"));
  if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()) openFile(dialog.selectedFiles().first());
}

void MainWindow::showCaptionBar(bool on) { caption_->setVisible(on); }

void MainWindow::showBraceWelds(bool on) {
  AppSettings::setBraceWelds(on);
  for (ReportView* view : views()) view->relayOut();
}

void MainWindow::setReportLanguage(ReportLanguage language) {
  AppSettings::setReportLanguage(language);
  // The two entries of "Aruande keel" act as one choice.
  if (QAction* a = commandAction("viewReportEstonian")) a->setChecked(language == ReportLanguage::kEstonian);
  if (QAction* a = commandAction("viewReportEnglish")) a->setChecked(language == ReportLanguage::kEnglish);
  for (ReportView* view : views()) view->relayOut();
}

void MainWindow::showManual() {
  auto* help = findChild<HelpWindow*>(QStringLiteral("helpWindow"));
  if (!help) help = new HelpWindow(this);
  help->show();
  help->raise();
  help->activateWindow();
}

void MainWindow::updateCaption() {
  ReportView* view = activeView();
  if (!view) {
    caption_->setText(tr("Ühtegi tööd pole avatud"));
    return;
  }
  const QString path = view->document()->path();
  const QString job = QString::fromStdString(view->document()->job().info.job_name);
  caption_->setText(path.isEmpty() ? tr("TÖÖ: %1   (salvestamata)").arg(job)
                                   : tr("TÖÖ: %1   %2").arg(job, QDir::toNativeSeparators(path)));
}

void MainWindow::showMessage(QMessageBox::Icon icon, const char* name, const QString& message) {
  QMessageBox box(icon, QStringLiteral("TRAXEN"), message, QMessageBox::Ok, this);
  box.setObjectName(QLatin1String(name));
  box.exec();
}

void MainWindow::showError(const QString& message) { showMessage(QMessageBox::Warning, "errorMessage", message); }

// A JSON job whose given values were replaced by derived ones opens, and says which: the
// report shows the derived values, not the typed ones.
void MainWindow::showOpenWarnings(const QStringList& warnings) {
  if (!warnings.isEmpty()) showMessage(QMessageBox::Information, "openWarnings", warnings.join(QLatin1Char('\n')));
}

// A job with unsaved changes is never replaced by a file read into its window: the file opens
// in a window of its own instead, and the changed job stays as it was, "*" and all, to be
// saved or discarded when its window closes. An unmodified job is replaced as the file
// commands always did (one undo step, so even that is not lost).
bool MainWindow::openFile(const QString& path, bool recent) {
  if (ReportView* open = windowOfFile(path)) return bringToFront(open, path);
  ReportView* view = activeView();
  if (!view || view->document()->isModified()) return openInNewWindow(path, false, recent);
  Document* document = view->document();
  QString error;
  QStringList warnings;
  if (!document->open(path, confirmOpenedFile(), &error, &warnings)) {
    forgetMissingRecentFile(path, recent);
    showError(error);
    return false;
  }
  fileOpened(document, path, warnings);
  return true;
}

bool MainWindow::openInNewWindow(const QString& path, bool keep_on_failure, bool recent) {
  if (ReportView* open = windowOfFile(path)) return bringToFront(open, path);
  // The file is read before the window exists, so the report is laid out once.
  auto* document = new Document(this);
  QString error;
  QStringList warnings;
  if (!document->open(path, confirmOpenedFile(), &error, &warnings)) {
    if (keep_on_failure) newDocumentWindow(document);
    else delete document;
    forgetMissingRecentFile(path, recent);
    showError(error);
    return false;
  }
  newDocumentWindow(document);
  fileOpened(document, path, warnings);
  return true;
}

// The joint dialog that confirms an opened file opens over this window.
Document::OpenConfirmation MainWindow::confirmOpenedFile() {
  return [this](JobDocument& read, int dialog, QString* error) { return ConfirmOpenedJob(this, read, dialog, error); };
}

void MainWindow::forgetMissingRecentFile(const QString& path, bool recent) {
  if (!recent || QFileInfo::exists(path)) return;
  AppSettings::removeRecentFile(path);
  rebuildRecentFiles();
}

namespace {
// One file by any of its names (a link, "..", a relative path); a file that has gone is
// compared by its absolute name.
bool SameFile(const QString& a, const QString& b) {
  const QFileInfo left(a), right(b);
  const QString l = left.canonicalFilePath(), r = right.canonicalFilePath();
  if (!l.isEmpty() && !r.isEmpty()) return l == r;
  return QDir::cleanPath(left.absoluteFilePath()) == QDir::cleanPath(right.absoluteFilePath());
}
}  // namespace

ReportView* MainWindow::windowOfFile(const QString& path) const {
  for (ReportView* view : views())
    if (view->document() && !view->document()->path().isEmpty() && SameFile(view->document()->path(), path))
      return view;
  return nullptr;
}

// The job read from the file keeps what the user did to it since: the file is not read again.
bool MainWindow::bringToFront(ReportView* view, const QString& path) {
  auto* window = qobject_cast<QMdiSubWindow*>(view->parentWidget());
  if (window && window->isMinimized()) window->showNormal();
  mdi_->setActiveSubWindow(window);
  view->setFocus();
  AppSettings::addRecentFile(view->document()->path());
  rebuildRecentFiles();
  statusBar()->showMessage(tr("Juba avatud: %1").arg(QDir::toNativeSeparators(view->document()->path())), 5000);
  return true;
}

// The window names the file as the recent files and the window list do: with its extension.
void MainWindow::fileOpened(Document* document, const QString& path, const QStringList& warnings) {
  const QFileInfo info(path);
  setDocumentTitle(document, info.fileName());
  AppSettings::addRecentFile(path);
  rebuildRecentFiles();
  statusBar()->showMessage(tr("Avatud: %1").arg(QDir::toNativeSeparators(path)), 5000);
  showOpenWarnings(warnings);
}

QString MainWindow::askSavePath(ReportView* view) {
  QFileDialog dialog(this, tr("Salvesta nagu"));
  dialog.setObjectName(QStringLiteral("saveDialog"));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  // A circular joint has no room in a project file: its job is offered as JSON only.
  const bool json_only = !FitsProjectFile(view->document()->job());
  dialog.setNameFilters(json_only ? QStringList{tr("JSON tööd (*.json)")}
                                  : ProjectFilters());
  dialog.setDefaultSuffix(json_only ? QStringLiteral("json") : QStringLiteral("trx"));
  SetFileDialogLabels(dialog, tr("Salvesta"));
  const QString current = view->document()->path();
  if (!current.isEmpty()) {
    dialog.selectFile(current);
  } else {
    // A job still named by the new job's placeholder, "....(töö nimi)", is offered its window's name.
    const std::string& job = view->document()->job().info.job_name;
    const QString name = IsPlaceholderJobName(job) ? QString() : QString::fromStdString(job);
    QString suggested = SuggestedFileName(name, view->document()->title());
    if (json_only) suggested.replace(suggested.size() - 4, 4, QStringLiteral(".json"));
    dialog.selectFile(suggested);
  }
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().first();
}

bool MainWindow::writeFile(ReportView* view, const QString& path) {
  QString error;
  if (!view->document()->save(path, &error)) {
    showError(error);
    return false;
  }
  setDocumentTitle(view->document(), QFileInfo(path).fileName());
  AppSettings::addRecentFile(path);
  rebuildRecentFiles();
  statusBar()->showMessage(tr("Salvestatud: %1").arg(QDir::toNativeSeparators(path)), 5000);
  return true;
}

bool MainWindow::save(ReportView* view) {
  const QString current = view->document()->path();
  if (current.isEmpty()) return saveAs(view);
  return writeFile(view, current);
}

bool MainWindow::saveAs(ReportView* view) {
  const QString path = askSavePath(view);
  if (path.isEmpty()) return false;
  return writeFile(view, path);
}

bool MainWindow::confirmClose(ReportView* view) {
  Document* document = view->document();
  if (quit_answered_ || !document || !document->isModified() || viewsOf(document).size() > 1) return true;
  return askToSave(view);
}

// The question about the view's job, over its window; true when the window may close.
bool MainWindow::askToSave(ReportView* view) {
  Document* document = view->document();
  const QString name = document->path().isEmpty() ? document->title() : QFileInfo(document->path()).fileName();
  mdi_->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(view->parentWidget()));
  const UnsavedAnswer answer = AskAboutUnsavedChanges(this, tr("Kas salvestada töö „%1“ muudatused?").arg(name));
  if (answer == UnsavedAnswer::kSave) return save(view);
  return answer == UnsavedAnswer::kDiscard;
}

bool MainWindow::answerEveryUnsavedWindow() {
  QMdiSubWindow* was_active = mdi_->activeSubWindow();
  QList<const Document*> asked;
  QList<JointTableWindow*> discarded_tables;
  for (QMdiSubWindow* window : mdi_->subWindowList()) {
    bool may_close = true;
    if (auto* view = qobject_cast<ReportView*>(window->widget())) {
      Document* document = view->document();
      if (!document || !document->isModified() || asked.contains(document)) continue;
      asked << document;
      may_close = askToSave(view);
    } else if (auto* table = qobject_cast<JointTableWindow*>(window->widget())) {
      if (!table->isModified()) continue;
      mdi_->setActiveSubWindow(window);
      // The table window's own question, in its words.
      const UnsavedAnswer answer = AskAboutUnsavedChanges(
          this, JointTableWindow::tr("Kas salvestada %1 muudatused?").arg(QFileInfo(table->path()).fileName()));
      may_close = answer == UnsavedAnswer::kDiscard || (answer == UnsavedAnswer::kSave && table->save());
      if (answer == UnsavedAnswer::kDiscard) discarded_tables << table;
    }
    if (!may_close) {
      if (was_active) mdi_->setActiveSubWindow(was_active);
      return false;
    }
  }
  // Every answer is in: a table the user let go no longer asks as it closes.
  for (JointTableWindow* table : discarded_tables) table->setWindowModified(false);
  return true;
}

void MainWindow::closeEvent(QCloseEvent* event) {
  // One Loobu keeps every window as it was: nothing closes before every question is answered.
  if (!answerEveryUnsavedWindow()) {
    event->ignore();
    return;
  }
  quit_answered_ = true;
  mdi_->closeAllSubWindows();
  quit_answered_ = false;
  if (!mdi_->subWindowList().isEmpty()) {
    event->ignore();
    return;
  }
  AppSettings::setMainWindow(saveGeometry(), saveState());
  AppSettings::setLastZoom(last_zoom_);
  event->accept();
}

void MainWindow::changeEvent(QEvent* event) {
  // A maximised document window would add its name in brackets: the title stays as it is made.
  if (event->type() == QEvent::WindowTitleChange && !title_.isEmpty() && windowTitle() != title_)
    setWindowTitle(title_);
  QMainWindow::changeEvent(event);
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
  if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
  for (const QUrl& url : event->mimeData()->urls())
    if (url.isLocalFile()) openInNewWindow(url.toLocalFile(), false);
  event->acceptProposedAction();
}

namespace {
// Runs a data dialog on a copy of the view's job; OK is one undo step.
template <typename Edit>
void RunDataDialog(MainWindow* window, ReportView* view, Edit edit, const QString& step) {
  if (!view) return;
  Document* document = view->document();
  JobContent after = document->content();
  if (edit(window, after.job)) document->change(after, step);
}
}  // namespace

void MainWindow::editJobInfo() { RunDataDialog(this, activeView(), EditJobInfo, tr("Töö andmed")); }
void MainWindow::editSteel() { RunDataDialog(this, activeView(), EditSteel, tr("Terase andmed")); }
void MainWindow::editLengths() {
  RunDataDialog(this, activeView(), EditLengths, tr("Varraste pikkused"));
}

void MainWindow::editJoint(int family) {
  ReportView* view = activeView();
  if (!view) return;
  Document* document = view->document();
  // The view's marker drops to 0 while the dialog is open and only OK sets it again, so a
  // cancelled T/Y/X dialog leaves the report without its schematic until the next OK or
  // File Open; the job itself is not touched by Cancel.
  view->setLastDialog(0);
  JobContent after = document->content();
  if (ExecJointDialog(this, family, after.job)) {
    after.last_confirmed_dialog = family;
    const JointFamily* joint = JointFamilyOfDialog(family);
    // A change lays the report out once, through the document; OK without one gives the
    // view back the marker the open dialog took away.
    if (!document->change(after, joint ? DesktopTextsOf(*joint).undo : QString()))
      view->setLastDialog(family);
  }
}

namespace {
LaidOutReport FreshReport(ReportView* view) {
  const JobDocument& data = view->document()->data();
  return LayOutReport(data.job, data.working, view->lastDialog(), std::time(nullptr), AppSettings::braceWelds(), 1, 0,
                      AppSettings::reportLanguage());
}
}  // namespace

void MainWindow::print() {
  ReportView* view = activeView();
  if (!view) return;
  const LaidOutReport report = FreshReport(view);
  printer().setDocName(QString::fromStdString(view->document()->job().info.job_name));
  QPrintDialog dialog(&printer(), this);
  dialog.setObjectName(QStringLiteral("printDialog"));
  dialog.setMinMax(1, report.page_count);
  dialog.setFromTo(1, report.page_count);
  if (dialog.exec() != QDialog::Accepted) return;
  if (PrintsToFile(printer())) {
    QString error;
    if (!PrintReportToFile(printer(), report, &error)) showError(error);
    else statusBar()->showMessage(tr("PDF kirjutatud: %1").arg(QDir::toNativeSeparators(printer().outputFileName())), 5000);
    return;
  }
  if (!PrintReport(printer(), report)) showError(tr("Printer ei ole kasutatav: %1").arg(printer().printerName()));
}

void MainWindow::printPreview() {
  ReportView* view = activeView();
  if (!view) return;
  const LaidOutReport report = FreshReport(view);
  printer().setPrintRange(QPrinter::AllPages);
  printer().setDocName(QString::fromStdString(view->document()->job().info.job_name));
  QPrintPreviewDialog preview(&printer(), this);
  preview.setObjectName(QStringLiteral("printPreview"));
  preview.setWindowTitle(tr("Printimise eelvaade"));
  connect(&preview, &QPrintPreviewDialog::paintRequested, this,
          [&report](QPrinter* printer) { PrintReport(*printer, report); });
  preview.resize(std::max(900, width() - 100), std::max(700, height() - 100));
  preview.exec();
}

QPrinter& MainWindow::printer() {
  if (!printer_) printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
  return *printer_;
}

void MainWindow::printerSetup() {
  QPageSetupDialog dialog(&printer(), this);
  dialog.setObjectName(QStringLiteral("printerSetup"));
  dialog.exec();
}

void MainWindow::exportPdf() {
  ReportView* view = activeView();
  if (!view) return;
  const QString current = view->document()->path();
  const QString suggested = current.isEmpty() ? tr("aruanne.pdf")
                                              : QFileInfo(current).path() + QLatin1Char('/') +
                                                    QFileInfo(current).completeBaseName() + QStringLiteral(".pdf");
  QFileDialog dialog(this, tr("Ekspordi PDF"));
  dialog.setObjectName(QStringLiteral("exportPdfDialog"));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setNameFilters({tr("PDF failid (*.pdf)"), tr("Kõik failid (*.*)")});
  dialog.setDefaultSuffix(QStringLiteral("pdf"));
  SetFileDialogLabels(dialog, tr("Ekspordi"));
  dialog.selectFile(suggested);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
  exportPdfTo(view, dialog.selectedFiles().first());
}

bool MainWindow::exportPdfTo(ReportView* view, const QString& path) {
  QString error;
  const QString title = QString::fromStdString(view->document()->job().info.job_name);
  if (!ExportReportPdf(FreshReport(view), path, title, &error)) {
    showError(error);
    return false;
  }
  statusBar()->showMessage(tr("PDF kirjutatud: %1").arg(QDir::toNativeSeparators(path)), 5000);
  return true;
}

// Windows of about two thirds of the area, each a title bar's height below and to the right
// of the one before, the active one in front; a cascade that would leave the area starts
// again at the top left.
void MainWindow::cascadeWindows() {
  const QList<QMdiSubWindow*> windows = mdi_->subWindowList(QMdiArea::StackingOrder);
  const QSize area = mdi_->viewport()->size();
  const QSize size(std::max(200, area.width() * 2 / 3), std::max(150, area.height() * 2 / 3));
  const int step = std::max(20, style()->pixelMetric(QStyle::PM_TitleBarHeight) + 4);
  const int steps = std::max(1, std::min(area.width() - size.width(), area.height() - size.height()) / step + 1);
  int i = 0;
  for (QMdiSubWindow* window : windows) {
    if (window->isMinimized() || window->isMaximized()) window->showNormal();
    window->resize(size);
    const int offset = step * (i++ % steps);
    window->move(offset, offset);
    window->raise();
  }
}

QString SuggestedFileName(const QString& job_name, const QString& fallback) {
  QString name;
  for (const QChar c : job_name.trimmed()) {
    // Characters no file system takes, or that would make the name a path.
    const bool refused = c.unicode() < 0x20 || c == QChar(0x7f) || QStringLiteral("/\\:*?\"<>|").contains(c);
    name += refused ? QLatin1Char('_') : c;
  }
  while (name.startsWith(QLatin1Char('.'))) name.remove(0, 1);
  name = name.trimmed().left(120);
  if (name.isEmpty()) name = fallback.trimmed();
  if (name.isEmpty()) name = MainWindow::tr("Nimetu");
  return name + QStringLiteral(".trx");
}

void MainWindow::newWindowOnActive() {
  ReportView* view = activeView();
  if (!view) return;
  ReportView* second = newDocumentWindow(view->document());
  second->setLastDialog(view->lastDialog());
}

void MainWindow::about() {
  AboutDialog dialog(this);
  dialog.setWindowIcon(windowIcon());
  dialog.exec();
}

void MainWindow::setAppearance(int id) {
  AppSettings::setLook(id);
  showAppearance(id);
}

void MainWindow::showAppearance(int id) {
  ApplyAppearance(id);
  for (QAction* action : looks_->actions()) action->setChecked(action->data().toInt() == id);
  update();
}

void MainWindow::setZoomFromSlider(int position) {
  if (ReportView* view = activeView()) view->zoomAbout(SliderZoom(position));
}

void MainWindow::zoomCommand(void (ReportView::*command)()) {
  if (ReportView* view = activeView()) (view->*command)();
}

void MainWindow::zoomBy(double factor) {
  if (ReportView* view = activeView()) view->zoomAbout(view->zoom() * factor);
}

}  // namespace traxen
