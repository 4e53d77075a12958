// Reading the job a command names: a file, or "-" for a JSON job on standard input.
// Warnings the reading raised are printed to standard error.
#pragma once

#include <string>

#include "model/job_file.h"

namespace traxen::cli {

inline constexpr const char* kStandardInput = "-";

LoadError LoadCommandJob(const std::string& name, JobLibrary& library, LoadedJob& out);

// False, with a message on standard error, when writing `out` would write over the job file
// `job` being read (the same file, whatever name or link leads to it).
bool OutputSparesInput(const std::string& out, const std::string& job);

// Suffix test without regard to letter case (".PDF" is a PDF).
bool HasSuffix(const std::string& name, std::string_view lower_suffix);

}  // namespace traxen::cli
