// Finding and showing the manual.
#include "ui/shell/help_window.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QUrl>

namespace traxen {

QString ManualPath() {
  const QString beside = QDir(QCoreApplication::applicationDirPath())
                             .absoluteFilePath(QStringLiteral("../share/traxen/") + QLatin1String(kManualFileName));
  if (QFileInfo::exists(beside)) return QDir::cleanPath(beside);
  return QStandardPaths::locate(QStandardPaths::GenericDataLocation,
                                QStringLiteral("traxen/") + QLatin1String(kManualFileName));
}

HelpWindow::HelpWindow(QWidget* parent) : QTextBrowser(parent) {
  setObjectName(QStringLiteral("helpWindow"));
  setWindowFlag(Qt::Window);
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(QString::fromUtf8(kHelpWindowTitle));
  setAccessibleName(windowTitle());
  setOpenExternalLinks(true);
  const QString path = ManualPath();
  if (!path.isEmpty()) {
    setSource(QUrl::fromLocalFile(path));
    loaded_ = !toPlainText().isEmpty();
  }
  if (!loaded_)
    setPlainText(QStringLiteral("Kasutusjuhendit ei leitud: %1 puudub kaustast %2 ja andmekaustadest.")
                     .arg(QLatin1String(kManualFileName),
                          QDir::toNativeSeparators(QDir::cleanPath(QCoreApplication::applicationDirPath() +
                                                                   QStringLiteral("/../share/traxen")))));
  resize(760, 820);
}

}  // namespace traxen
