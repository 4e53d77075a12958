// Where the running program lies: the installed section library is looked for beside it
// (../share/traxen/Profiilid), and traxen-cli finds the program it hands a render to there.
#pragma once

#include <string>

namespace traxen::cli {

// The directory of this program: from /proc/self/exe, else from argv[0] when it holds a path;
// "" when neither tells (a program found on PATH without /proc).
std::string ProgramDir(const char* argv0);

}  // namespace traxen::cli
