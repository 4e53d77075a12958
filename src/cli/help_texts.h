// The texts the help of several commands shares: the exit codes, the section library, the
// units and the joint table, each a paragraph of a command's footer.
#pragma once

#include <initializer_list>
#include <string>

namespace traxen::cli {

inline constexpr const char* kExitCodes =
    "Exit codes: 0 done (check: every job passed), 1 a check did not pass (a failed\n"
    "resistance or an invalid joint), 2 an error: bad arguments, a job that cannot be read\n"
    "(the message names the file and the key or line), a file that cannot be written.";

inline constexpr const char* kLibraryNote =
    "Section library (needed for .trx project files only): --library DIR, else the\n"
    "environment variable TRAXEN_LIBRARY, else ./Profiilid, else the copy installed with\n"
    "the program (../share/traxen/Profiilid beside its bin directory).";

inline constexpr const char* kUnits =
    "Units: mm for sections and plates, m for member lengths, kN for forces (tension\n"
    "positive, compression negative), kNm for moments, MPa for strengths, degrees for angles.";

inline constexpr const char* kJointTable =
    "A joint table holds a truss's joints, one per row, after a header row of job keys as\n"
    "'traxen-cli keys' lists them (tyx.N1, kn.theta1, steel.fy0, ...) and the columns joint\n"
    "(the joint's name, the job name when info.job_name is not given), family (tyx, x, kn,\n"
    "chs_tyx, chs_x, chs_kn, rc_tyx, rc_x or rc_kn) and chord, brace1, brace2 (a hollow\n"
    "section by name, such as 160x160x8, looked up in the section library for its h, b and t,\n"
    "or for a circular member a tube such as 88.9x5 for its d and t). An empty cell keeps\n"
    "the default. Comma or semicolon separated, UTF-8 with or without a byte order mark; with\n"
    "semicolons a decimal comma is read as a decimal point. 'traxen-cli new table' writes one\n"
    "to start from.";

// The paragraphs as a command's footer: each after a blank line.
inline std::string Footer(std::initializer_list<const char*> parts) {
  std::string text;
  for (const char* p : parts) text += std::string("\n") + p + "\n";
  return text;
}

}  // namespace traxen::cli
