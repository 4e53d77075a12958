// Settings under the organisation "Local AppWizard-Generated Applications", application
// "TRAXEN" (set in main), as the program has always kept them.
#include "ui/shell/app_settings.h"

#include <QFileInfo>
#include <QSettings>

namespace traxen {

namespace {
const QString kLookKey = QStringLiteral("ApplicationLook");
const QString kRecentGroup = QStringLiteral("Recent File List");
}  // namespace

int AppSettings::look() { return QSettings().value(kLookKey, kDefaultLook).toInt(); }

void AppSettings::setLook(int look) { QSettings().setValue(kLookKey, look); }

QStringList AppSettings::recentFiles() {
  QSettings settings;
  settings.beginGroup(kRecentGroup);
  QStringList files;
  for (int i = 1; i <= kRecentFileCount; ++i) {
    const QString path = settings.value(QStringLiteral("File%1").arg(i)).toString();
    if (!path.isEmpty()) files << path;
  }
  return files;
}

namespace {
void StoreRecentFiles(const QStringList& files) {
  QSettings settings;
  settings.beginGroup(kRecentGroup);
  for (int i = 1; i <= kRecentFileCount; ++i) {
    const QString key = QStringLiteral("File%1").arg(i);
    if (i <= files.size()) settings.setValue(key, files.at(i - 1));
    else settings.remove(key);
  }
}
}  // namespace

void AppSettings::addRecentFile(const QString& path) {
  const QString absolute = QFileInfo(path).absoluteFilePath();
  QStringList files = recentFiles();
  files.removeAll(absolute);
  files.prepend(absolute);
  while (files.size() > kRecentFileCount) files.removeLast();
  StoreRecentFiles(files);
}

void AppSettings::removeRecentFile(const QString& path) {
  QStringList files = recentFiles();
  files.removeAll(path);
  StoreRecentFiles(files);
}

}  // namespace traxen
