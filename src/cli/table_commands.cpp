// traxen-cli split and table: a truss's joint table to one JSON job per joint, and back.
#include <fmt/format.h>

#include <filesystem>
#include <iostream>
#include <map>

#include "cli/commands.h"
#include "cli/job_input.h"
#include "model/atomic_file.h"
#include "model/job_file.h"
#include "model/job_file_reader.h"
#include "model/joint_table.h"

namespace traxen::cli {

namespace {

namespace fs = std::filesystem;

// A joint's name as a file name: path separators, control characters and a leading dot
// (a hidden file) become underscores, so that every job lands in the folder asked for.
std::string FileStem(const JointRow& row) {
  std::string stem = row.joint;
  for (char& c : stem)
    if (c == '/' || c == '\\' || static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = '_';
  if (!stem.empty() && stem.front() == '.') stem.front() = '_';
  return stem.empty() ? fmt::format("row-{}", row.row) : stem;
}

}  // namespace

int RunSplit(const SplitOptions& options, const LibraryOptions& library_options) {
  std::string text;
  if (LoadError e = ReadJobFileBytes(options.table, text, kMaxJointTableBytes)) {
    std::cerr << e.message << "\n";
    return kExitError;
  }
  JobLibrary library(library_options.library_dir, library_options.executable_dir);
  const JointTable table = ReadJointTable(text, options.table, library);
  if (!table.error.empty()) {
    std::cerr << table.error << "\n";
    return kExitError;
  }
  std::error_code ec;
  fs::create_directories(options.out_dir, ec);
  if (ec || !fs::is_directory(options.out_dir)) {
    std::cerr << "traxen-cli: " << options.out_dir << ": cannot make the folder"
              << (ec ? ": " + ec.message() : std::string()) << "\n";
    return kExitError;
  }
  bool any_error = false;
  std::map<std::string, int> written;  // file stem -> row
  for (const JointRow& row : table.rows) {
    if (!row.error.empty()) {
      std::cerr << row.error << "\n";
      any_error = true;
      continue;
    }
    // A row the checks would refuse is not written as a job either.
    LoadedJob checked;
    if (LoadError e = LoadJsonJobText(row.json, fmt::format("{} row {} ({})", options.table, row.row, JointLabel(row)),
                                      checked)) {
      std::cerr << e.message << "\n";
      any_error = true;
      continue;
    }
    for (const std::string& w : checked.warnings) std::cerr << w << "\n";
    const std::string stem = FileStem(row);
    if (const auto it = written.find(stem); it != written.end()) {
      std::cerr << fmt::format("{} row {}: joint \"{}\" was already written from row {}\n", options.table, row.row,
                               row.joint, it->second);
      any_error = true;
      continue;
    }
    const std::string path = (fs::path(options.out_dir) / (stem + ".json")).string();
    if (!options.force && fs::exists(path, ec)) {
      std::cerr << "traxen-cli: " << path << ": exists; --force replaces it\n";
      any_error = true;
      continue;
    }
    if (LoadError e = WriteFileAtomically(path, row.json)) {
      std::cerr << e.message << "\n";
      any_error = true;
      continue;
    }
    written[stem] = row.row;
  }
  return any_error ? kExitError : kExitOk;
}

int RunTable(const TableOptions& options) {
  if (!HasSuffix(options.out, ".csv")) {
    std::cerr << "traxen-cli: " << options.out << ": a joint table's name ends in .csv\n";
    return kExitError;
  }
  std::error_code ec;
  if (!options.force && fs::exists(options.out, ec)) {
    std::cerr << "traxen-cli: " << options.out << ": exists; --force replaces it\n";
    return kExitError;
  }
  std::vector<TableJob> jobs;
  bool any_error = false;
  for (const std::string& path : options.jobs) {
    if (!HasSuffix(path, ".json")) {
      std::cerr << path << ": a joint table is made of JSON jobs (*.json)\n";
      any_error = true;
      continue;
    }
    if (!OutputSparesInput(options.out, path)) return kExitError;
    TableJob job{fs::path(path).stem().string(), {}, path};
    LoadedJob checked;
    LoadError e = ReadWholeFile(path, job.json);
    if (!e) e = LoadJsonJobText(job.json, path, checked);
    if (e) {
      std::cerr << e.message << "\n";
      any_error = true;
      continue;
    }
    jobs.push_back(std::move(job));
  }
  // A table with some of the jobs left out would look complete: write it only whole.
  if (any_error) {
    std::cerr << "traxen-cli: " << options.out << ": not written\n";
    return kExitError;
  }
  std::string error;
  const std::string table = WriteJointTable(jobs, error);
  if (!error.empty()) {
    std::cerr << error << "\n";
    return kExitError;
  }
  if (LoadError e = WriteFileAtomically(options.out, table)) {
    std::cerr << e.message << "\n";
    return kExitError;
  }
  return kExitOk;
}

}  // namespace traxen::cli
