// Settings under the organisation "Local AppWizard-Generated Applications", application
// "TRAXEN" (set in main), as the program has always kept them. The recently used list is
// kept in memory and written shortly after it changes and when the program ends: every write
// of the settings file is flushed to disk, which would otherwise slow each open and save.
#include "ui/shell/app_settings.h"

#include "ui/i18n/interface_language.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSettings>
#include <QTimer>
#include <cmath>

#include "ui/shell/zoom_math.h"
#include <optional>

namespace traxen {

namespace {
const QString kLookKey = QStringLiteral("ApplicationLook");
const QString kRecentGroup = QStringLiteral("Recent File List");
const QString kBraceWeldsKey = QStringLiteral("BraceWeldsInReport");
const QString kReportLanguageKey = QStringLiteral("ReportLanguage");
const QString kZoomKey = QStringLiteral("ReportZoom");
const QString kGeometryKey = QStringLiteral("MainWindow/Geometry");
const QString kStateKey = QStringLiteral("MainWindow/State");

std::optional<QStringList>& Cached() {
  static std::optional<QStringList> files;
  return files;
}
bool& WritePending() {
  static bool pending = false;
  return pending;
}

QStringList ReadRecentFiles() {
  QSettings settings;
  settings.beginGroup(kRecentGroup);
  QStringList files;
  for (int i = 1; i <= kRecentFileCount; ++i) {
    const QString path = settings.value(QStringLiteral("File%1").arg(i)).toString();
    if (!path.isEmpty()) files << path;
  }
  return files;
}

void WriteRecentFiles(const QStringList& files) {
  QSettings settings;
  settings.beginGroup(kRecentGroup);
  for (int i = 1; i <= kRecentFileCount; ++i) {
    const QString key = QStringLiteral("File%1").arg(i);
    if (i <= files.size()) settings.setValue(key, files.at(i - 1));
    else settings.remove(key);
  }
}

void StoreRecentFiles(const QStringList& files) {
  Cached() = files;
  if (WritePending() || !QCoreApplication::instance()) return;
  WritePending() = true;
  static bool hooked = false;
  if (!hooked) {
    hooked = true;
    QObject::connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, [] { AppSettings::flush(); });
  }
  QTimer::singleShot(1000, QCoreApplication::instance(), [] { AppSettings::flush(); });
}
}  // namespace

bool AppSettings::braceWelds() { return QSettings().value(kBraceWeldsKey, true).toBool(); }

void AppSettings::setBraceWelds(bool on) { QSettings().setValue(kBraceWeldsKey, on); }

ReportLanguage AppSettings::reportLanguage() {
  // Until the user chooses, the report speaks the interface's language; a code no language
  // has (a newer program's, or a hand edit) counts as no choice.
  ReportLanguage language = InterfaceReportLanguage();
  ReportLanguageFromCode(QSettings().value(kReportLanguageKey).toString().toStdString(), language);
  return language;
}

void AppSettings::setReportLanguage(ReportLanguage language) {
  for (std::size_t i = 0; i < std::size(kReportLanguages); ++i)
    if (kReportLanguages[i] == language)
      QSettings().setValue(kReportLanguageKey, QString::fromLatin1(kReportLanguageCodes[i].data(),
                                                                   qsizetype(kReportLanguageCodes[i].size())));
}

double AppSettings::lastZoom() {
  bool ok = false;
  const double zoom = QSettings().value(kZoomKey, 1.0).toDouble(&ok);
  return ok && std::isfinite(zoom) ? ClampZoom(zoom) : 1.0;
}

void AppSettings::setLastZoom(double zoom) { QSettings().setValue(kZoomKey, ClampZoom(zoom)); }

QByteArray AppSettings::mainWindowGeometry() { return QSettings().value(kGeometryKey).toByteArray(); }
QByteArray AppSettings::mainWindowState() { return QSettings().value(kStateKey).toByteArray(); }

void AppSettings::setMainWindow(const QByteArray& geometry, const QByteArray& state) {
  QSettings settings;
  settings.setValue(kGeometryKey, geometry);
  settings.setValue(kStateKey, state);
}

int AppSettings::look() { return QSettings().value(kLookKey, kDefaultLook).toInt(); }

void AppSettings::setLook(int look) { QSettings().setValue(kLookKey, look); }

QStringList AppSettings::recentFiles() {
  if (!Cached()) Cached() = ReadRecentFiles();
  return *Cached();
}

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

void AppSettings::flush() {
  if (!WritePending()) return;
  WritePending() = false;
  if (Cached()) WriteRecentFiles(*Cached());
}

}  // namespace traxen
