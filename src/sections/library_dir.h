// Where the section library is: the directory holding profdeftraxen.txt, searched in order
// (1) the directory named on the command line, (2) the environment variable TRAXEN_LIBRARY,
// (3) "Profiilid" below the working directory, (4) the copy installed with the program,
// share/traxen/Profiilid below the installation prefix (the parent of the executable's
// directory). A directory named by (1) or (2) is used without falling back to the others.
#pragma once

#include <string>

#include "sections/library_error.h"

namespace traxen {

inline constexpr const char* kLibraryEnvironmentVariable = "TRAXEN_LIBRARY";

struct LibrarySearch {
  std::string explicit_dir;    // --library DIR ("" = not given)
  std::string env_dir;         // TRAXEN_LIBRARY ("" = not set)
  std::string working_dir;     // the process's working directory
  std::string executable_dir;  // the directory of the running program ("" = unknown)
};

// The search of this process: TRAXEN_LIBRARY and the working directory from the system.
LibrarySearch LibrarySearchFromEnvironment(std::string explicit_dir, std::string executable_dir);

// The first directory of the search order; the error names every place looked at.
LibraryError FindLibraryDir(const LibrarySearch& search, std::string& dir);

}  // namespace traxen
