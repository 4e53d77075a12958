// Finding and showing the manual.
#include "ui/shell/help_window.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QUrl>

#include "ui/i18n/interface_language.h"

namespace traxen {

namespace {
QString FindManual(const char* file_name) {
  const QString beside = QDir(QCoreApplication::applicationDirPath())
                             .absoluteFilePath(QStringLiteral("../share/traxen/") + QLatin1String(file_name));
  if (QFileInfo::exists(beside)) return QDir::cleanPath(beside);
  return QStandardPaths::locate(QStandardPaths::GenericDataLocation, QStringLiteral("traxen/") + QLatin1String(file_name));
}
}  // namespace

QString ManualPath() {
  // An installation without the English manual still has help to show.
  if (CurrentInterfaceLanguage() == InterfaceLanguage::kEnglish)
    if (const QString english = FindManual(kEnglishManualFileName); !english.isEmpty()) return english;
  return FindManual(kManualFileName);
}

HelpWindow::HelpWindow(QWidget* parent) : QTextBrowser(parent) {
  setObjectName(QStringLiteral("helpWindow"));
  setWindowFlag(Qt::Window);
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(tr(kHelpWindowTitle));
  setAccessibleName(windowTitle());
  setOpenExternalLinks(true);
  const QString path = ManualPath();
  if (!path.isEmpty()) {
    setSource(QUrl::fromLocalFile(path));
    loaded_ = !toPlainText().isEmpty();
  }
  if (!loaded_)
    setPlainText(tr("Kasutusjuhendit ei leitud: %1 puudub kaustast %2 ja andmekaustadest.")
                     .arg(QLatin1String(kManualFileName),
                          QDir::toNativeSeparators(QDir::cleanPath(QCoreApplication::applicationDirPath() +
                                                                   QStringLiteral("/../share/traxen")))));
  resize(760, 820);
  // A window of its own closes as windows of reading do: Esc or Ctrl+W.
  auto* close_window = new QAction(this);
  close_window->setObjectName(QStringLiteral("closeManual"));
  close_window->setShortcuts({QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)});
  close_window->setShortcutContext(Qt::WindowShortcut);
  connect(close_window, &QAction::triggered, this, &QWidget::close);
  addAction(close_window);
}

}  // namespace traxen
