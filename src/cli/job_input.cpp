// Job input of the commands.
#include "cli/job_input.h"

#include <fmt/format.h>

#include <cstdio>
#include <iostream>

#include "model/job_file_reader.h"
#include "model/joint_table.h"
#include "model/write_target.h"

namespace traxen::cli {

bool HasSuffix(const std::string& name, std::string_view suffix) {
  if (name.size() < suffix.size()) return false;
  for (std::size_t i = 0; i < suffix.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(name[name.size() - suffix.size() + i])) != suffix[i]) return false;
  return true;
}

LoadError LoadCommandJob(const std::string& name, JobLibrary& library, LoadedJob& out) {
  LoadError error;
  if (name == kStandardInput) {
    std::string text;
    error = ReadJobStream(stdin, "standard input", text);
    if (!error) error = LoadJsonJobText(text, "standard input", out);
  } else {
    error = LoadJobFile(name, library, out);
  }
  if (!error)
    for (const std::string& w : out.warnings) std::cerr << w << "\n";
  return error;
}

void ForEachCommandJob(const std::string& name, JobLibrary& library,
                       const std::function<void(const std::string&, const LoadError&, LoadedJob&)>& each) {
  LoadedJob loaded;
  if (!HasSuffix(name, ".csv")) {
    const LoadError error = LoadCommandJob(name, library, loaded);
    each(name, error, loaded);
    return;
  }
  std::string text;
  if (LoadError e = ReadJobFileBytes(name, text, kMaxJointTableBytes)) {
    each(name, e, loaded);
    return;
  }
  const JointTable table = ReadJointTable(text, name, library);
  if (!table.error.empty()) {
    each(name, {table.error}, loaded);
    return;
  }
  for (const JointRow& row : table.rows) {
    const std::string label = name + ":" + JointLabel(row);
    LoadedJob job;
    LoadError error{row.error};
    // Messages name the row as a spreadsheet shows it; results carry the joint's name.
    if (!error) error = LoadJsonJobText(row.json, fmt::format("{} row {} ({})", name, row.row, JointLabel(row)), job);
    if (!error)
      for (const std::string& w : job.warnings) std::cerr << w << "\n";
    each(label, error, job);
  }
}

bool OutputSparesInput(const std::string& out, const std::string& job) {
  if (job == kStandardInput) return true;
  if (const std::string why = WritingOverInput(out, job); !why.empty()) {
    std::cerr << out << ": cannot write: " << why << "\n";
    return false;
  }
  return true;
}

}  // namespace traxen::cli
