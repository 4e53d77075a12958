// Where the section library is: the directory holding profdeftraxen.txt, searched in order
// (1) the directory named on the command line, (2) the environment variable TRAXEN_LIBRARY,
// (3) "Profiilid" below the working directory, (4) the user's own copy,
// $XDG_DATA_HOME/traxen/Profiilid (~/.local/share when unset), (5) the copy installed with
// the program, share/traxen/Profiilid below the installation prefix (the parent of the
// executable's directory), (6) traxen/Profiilid below each of $XDG_DATA_DIRS
// (/usr/local/share:/usr/share when unset). A directory named by (1) or (2) is used without
// falling back to the others.
#pragma once

#include <string>
#include <vector>

#include "sections/library_error.h"

namespace traxen {

inline constexpr const char* kLibraryEnvironmentVariable = "TRAXEN_LIBRARY";

struct LibrarySearch {
  std::string explicit_dir;            // --library DIR ("" = not given)
  std::string env_dir;                 // TRAXEN_LIBRARY ("" = not set)
  std::string working_dir;             // the process's working directory
  std::string executable_dir;          // the directory of the running program ("" = unknown)
  std::string data_home;               // the user's XDG data directory ("" = none)
  std::vector<std::string> data_dirs;  // the system's XDG data directories, most important first
};

// The XDG base directories for data, from the values of XDG_DATA_HOME, HOME and XDG_DATA_DIRS
// (nullptr = not set). Unset or empty variables take their defaults; relative paths are
// ignored (a relative XDG_DATA_HOME gives the default), as the XDG base directory rules say.
struct XdgDataDirs {
  std::string home;               // "" when neither XDG_DATA_HOME nor HOME gives one
  std::vector<std::string> dirs;  // in the variable's order
};
XdgDataDirs XdgDataDirsFrom(const char* xdg_data_home, const char* home, const char* xdg_data_dirs);

// The search of this process: TRAXEN_LIBRARY, the XDG directories and the working directory
// from the system.
LibrarySearch LibrarySearchFromEnvironment(std::string explicit_dir, std::string executable_dir);

// The first directory of the search order; the error names every place looked at.
LibraryError FindLibraryDir(const LibrarySearch& search, std::string& dir);

}  // namespace traxen
