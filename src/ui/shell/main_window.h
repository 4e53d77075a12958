// The main window: document windows in an MDI area, the menus, toolbars and status bar, and
// the commands they run on the active document window's job.
#pragma once

#include <QCoreApplication>
#include <QList>
#include <QMainWindow>
#include <QMessageBox>
#include <functional>
#include <memory>
#include <vector>

#include "report/report_language.h"
#include "ui/shell/shell_commands.h"

class QActionGroup;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QPrinter;
class QSlider;
class QToolBar;
class QUndoGroup;

namespace traxen {

class Document;
struct JobDocument;
class ReportView;
class VerdictLabel;

// The main window's title: the active window's job or table, "k3.trx* — TRAXEN" (the "*"
// while it has unsaved changes), so that a task bar and a window switcher tell jobs apart;
// "TRAXEN" alone while no window is open.
QString MainWindowTitle(const QString& active_window);

class MainWindow : public QMainWindow {
  Q_OBJECT
 public:
  MainWindow();
  ~MainWindow() override;

  // A document window on `document`, or on a new job when null.
  ReportView* newDocumentWindow(Document* document = nullptr);
  ReportView* activeView() const;
  QList<ReportView*> views() const;
  QList<ReportView*> viewsOf(const Document* document) const;
  QMdiArea* mdiArea() const { return mdi_; }
  QUndoGroup* undoGroup() const { return undo_group_; }
  QSlider* zoomSlider() const { return zoom_slider_; }
  // Created on first use: setting up the print system costs more than the rest of start-up.
  QPrinter& printer();

  // Reads `path` into the active window's job; into a new window when none is open or the
  // active job has unsaved changes, which are never dropped. A file already open is not read
  // again: its window comes to the front. A failure is shown in a message box and changes
  // nothing; `recent` (an entry of the recent files) forgets a file that has gone.
  bool openFile(const QString& path, bool recent = false);
  // Opens `path` in a new document window (command line, dropped files), or brings the window
  // that has it open to the front. When it cannot be read the message names the file and the
  // reason, and the new window keeps a new job (`keep_on_failure`) or closes.
  bool openInNewWindow(const QString& path, bool keep_on_failure, bool recent = false);
  // The first window on the job read from `path` (the same file by another name too), or null.
  ReportView* windowOfFile(const QString& path) const;

  bool save(ReportView* view);
  bool saveAs(ReportView* view);
  // Save, Discard or Cancel for a modified document whose last window closes; true when
  // closing may go on.
  bool confirmClose(ReportView* view);
  // Quitting: the question for every job and table with unsaved changes, in the order of their
  // windows, before any window closes. False at the first Loobu (or a save that did not
  // happen): then no window has closed and the one that was active is again.
  bool answerEveryUnsavedWindow();

  // What the commands' enabled states follow.
  ShellState shellState() const;
  // The commands as built, each with its action (null for a row that is a part of a menu).
  const std::vector<ShellCommand>& commands() const { return commands_; }
  QAction* commandAction(const QByteArray& name) const;

  // File Open: asks for a project file and opens it.
  void askAndOpenFile();
  void showCaptionBar(bool on);
  // Whether reports draw the brace welds; stored, and every report lays out again.
  void showBraceWelds(bool on);
  // Every report shown, printed and exported from now on is in `language`.
  void setReportLanguage(ReportLanguage language);
  // The one manual window, brought to the front when it is already open.
  void showManual();

  // Commands of the active view.
  void editJobInfo();
  void editSteel();
  void editLengths();
  void editJoint(int family);
  void print();
  void printPreview();
  void printerSetup();
  void exportPdf();
  // Writes the view's report to `path` whole or not at all; a failure is shown in a message
  // box naming the file and the reason, and the old file stays.
  bool exportPdfTo(ReportView* view, const QString& path);
  void newWindowOnActive();
  void cascadeWindows();
  void about();
  void setAppearance(int id);  // applies and stores it
  void showAppearance(int id);  // applies it
  void setZoomFromSlider(int position);
  void zoomBy(double factor);
  // The zoom commands of the Vaade menu on the active view.
  void zoomCommand(void (ReportView::*command)());

 protected:
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void createActions();
  void createMenus();
  void createToolBars();
  QAction* addAction(const char* name, const QString& text, const QKeySequence& shortcut = {});
  QMenu* addSubmenu(QMenu* parent, ShellMenu which);
  void fillMenu(QMenu* menu, ShellMenu which);
  void addWindowList(QMenu* menu, bool separate);
  void addCommands(QToolBar* toolbar, ShellToolBar which);
  void rebuildRecentFiles();
  void rebuildWindowMenu();
  void updateCommands();
  void updateCaption();
  void updateTitle();
  bool askToSave(ReportView* view);
  bool bringToFront(ReportView* view, const QString& path);
  void setDocumentTitle(Document* document, const QString& title);
  void retitleWindows(Document* document);
  void activeWindowChanged(QMdiSubWindow* window);
  bool writeFile(ReportView* view, const QString& path);
  QString askSavePath(ReportView* view);
  void showMessage(QMessageBox::Icon icon, const char* name, const QString& message);
  void showError(const QString& message);
  void showOpenWarnings(const QStringList& warnings);
  std::function<bool(JobDocument&, int, QString*)> confirmOpenedFile();
  void forgetMissingRecentFile(const QString& path, bool recent);
  void fileOpened(Document* document, const QString& path, const QStringList& warnings);

  QMdiArea* mdi_ = nullptr;
  QUndoGroup* undo_group_ = nullptr;
  QSlider* zoom_slider_ = nullptr;
  QLabel* caption_ = nullptr;
  QLabel* zoom_label_ = nullptr;
  VerdictLabel* verdict_ = nullptr;
  std::vector<ShellCommand> commands_;
  QList<QAction*> command_actions_;  // the action of each row of commands_, or null
  QMenu* window_menu_ = nullptr;
  QMenu* toolbar_menu_ = nullptr;
  QAction* recent_placeholder_ = nullptr;
  QList<QAction*> recent_actions_;
  QActionGroup* looks_ = nullptr;
  std::unique_ptr<QPrinter> printer_;
  bool closing_ = false;
  // Every question of a quit is answered: the windows close without asking again.
  bool quit_answered_ = false;
  QString title_;  // the title the window keeps, whatever a maximised document window sets
  int untitled_count_ = 0;  // new jobs are "Nimetu 1", "Nimetu 2", …
  double last_zoom_ = 1.0;  // of the last active report: new windows open at it
};

// The file name Save As offers a job not yet saved: its job name made a valid file name
// ("Sõlm K7: vöö/diagonaal" gives "Sõlm K7_ vöö_diagonaal.trx"), else `fallback` ("Nimetu 1").
QString SuggestedFileName(const QString& job_name, const QString& fallback);

}  // namespace traxen
