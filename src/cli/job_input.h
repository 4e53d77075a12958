// Reading the job a command names: a file, or "-" for a JSON job on standard input.
// Warnings the reading raised are printed to standard error.
#pragma once

#include <functional>
#include <string>

#include "model/job_file.h"

namespace traxen::cli {

inline constexpr const char* kStandardInput = "-";

LoadError LoadCommandJob(const std::string& name, JobLibrary& library, LoadedJob& out);

// A joint table is read up to this size: 100 000 joints of a few hundred bytes each.
inline constexpr std::size_t kMaxJointTableBytes = 64u * 1024 * 1024;

// Calls `each(label, error, job)` for every job `name` stands for: one job file, or every
// row of a joint table (*.csv), labelled "joints.csv:NAME" by the row's joint name (or
// "row N"). A bad row comes with its error and the rows after it still come.
void ForEachCommandJob(const std::string& name, JobLibrary& library,
                       const std::function<void(const std::string& label, const LoadError& error, LoadedJob& job)>& each);

// False, with a message on standard error, when writing `out` would write over the job file
// `job` being read (the same file, whatever name or link leads to it).
bool OutputSparesInput(const std::string& out, const std::string& job);

// Suffix test without regard to letter case (".PDF" is a PDF).
bool HasSuffix(const std::string& name, std::string_view lower_suffix);

}  // namespace traxen::cli
