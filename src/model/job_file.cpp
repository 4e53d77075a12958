// Job files by extension, opened and confirmed through the job document.
#include "model/job_file.h"

#include <fmt/format.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>

#include "base/file_suffix.h"
#include "model/job_document.h"

namespace traxen {

LoadError ReadWholeFile(const std::string& path, std::string& content) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return {fmt::format("{}: cannot open: {}", path, std::strerror(errno))};
  std::ostringstream buffer;
  buffer << in.rdbuf();
  if (in.bad()) return {fmt::format("{}: cannot read: {}", path, std::strerror(errno))};
  content = buffer.str();
  return {};
}

LoadError LoadJobFile(const std::string& path, const std::string& library_dir, LoadedJob& out,
                      const std::string& executable_dir) {
  if (!HasFileSuffix(path, ".trx") && !HasFileSuffix(path, ".json"))
    return {fmt::format("{}: unknown job file type (expected .json or .trx)", path)};
  JobDocument doc;
  int dialog = 0;
  if (LoadError e = OpenJobDocument(doc, path, dialog)) return e;
  if (LoadError e = ConfirmJobDocument(doc, dialog, library_dir, executable_dir)) return e;
  out.job = std::move(doc.job);
  out.last_dialog = doc.last_confirmed_dialog;
  out.working = doc.working;
  return {};
}

}  // namespace traxen
