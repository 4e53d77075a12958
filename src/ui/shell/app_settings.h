// The program's per-user settings: the window appearance and the recently used files.
#pragma once

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

  static QStringList recentFiles();
  // Puts `path` first (once), keeps at most four and stores the list.
  static void addRecentFile(const QString& path);
  static void removeRecentFile(const QString& path);
  // Writes a changed recently used list now (it is also written a second after a change and
  // when the program quits).
  static void flush();
};

}  // namespace traxen
