// The program's per-user settings: the window appearance, the recently used files, and where
// the main window and the report's zoom were left.
#pragma once

#include "report/report_language.h"

#include <QByteArray>
#include <QStringList>

namespace traxen {

inline constexpr int kDefaultLook = 210;
inline constexpr int kRecentFileCount = 4;

class AppSettings {
 public:
  static int look();
  static void setLook(int look);

  // Whether reports end with the section of full-strength brace welds (default on).
  static bool braceWelds();
  static void setBraceWelds(bool on);

  // The language reports are shown, printed and exported in (the interface's unless chosen); kept
  // in the settings only, never in a job, so any job prints in the chosen language.
  static ReportLanguage reportLanguage();
  static void setReportLanguage(ReportLanguage language);

  // The zoom of the last active report, for the first window of the next start (1.0 when
  // none is stored or the stored one is not a usable zoom).
  static double lastZoom();
  static void setLastZoom(double zoom);
  // The main window's geometry (size, position, maximised) and toolbar layout as Qt saves them.
  static QByteArray mainWindowGeometry();
  static QByteArray mainWindowState();
  static void setMainWindow(const QByteArray& geometry, const QByteArray& state);

  static QStringList recentFiles();
  // Puts `path` first (once), keeps at most four and stores the list.
  static void addRecentFile(const QString& path);
  static void removeRecentFile(const QString& path);
  // Writes a changed recently used list now (it is also written a second after a change and
  // when the program quits).
  static void flush();
};

}  // namespace traxen
