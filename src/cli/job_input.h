// Reading the job a command names: a file, or "-" for a JSON job on standard input.
// Warnings the reading raised are printed to standard error.
#pragma once

#include <string>

#include "model/job_file.h"

namespace traxen::cli {

inline constexpr const char* kStandardInput = "-";

LoadError LoadCommandJob(const std::string& name, JobLibrary& library, LoadedJob& out);

// Suffix test without regard to letter case (".PDF" is a PDF).
bool HasSuffix(const std::string& name, std::string_view lower_suffix);

}  // namespace traxen::cli
