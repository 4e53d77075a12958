// Job files by extension.
#include "model/job_file.h"

#include <fmt/format.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>

#include "model/confirm_job.h"
#include "model/json_job.h"
#include "model/project_file.h"
#include "sections/library_dir.h"
#include "sections/section_library.h"

namespace traxen {

namespace {
bool EndsWith(const std::string& s, std::string_view suffix) {
  if (s.size() < suffix.size()) return false;
  for (std::size_t i = 0; i < suffix.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(s[s.size() - suffix.size() + i])) != suffix[i]) return false;
  return true;
}
}  // namespace

LoadError ReadWholeFile(const std::string& path, std::string& content) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return {fmt::format("{}: cannot open: {}", path, std::strerror(errno))};
  std::ostringstream buffer;
  buffer << in.rdbuf();
  if (in.bad()) return {fmt::format("{}: cannot read: {}", path, std::strerror(errno))};
  content = buffer.str();
  return {};
}

namespace {

// A project file as File Open reads it, then its family's joint dialog confirmed.
LoadError LoadProjectJob(const std::string& path, const std::string& library_dir, const std::string& executable_dir,
                         LoadedJob& out) {
  LoadedJob loaded;
  ViewState view;
  int dialog = 0;
  if (LoadError e = ReadProjectFile(path, loaded.job, view, dialog)) return e;
  if (dialog != 0) {
    std::string dir;
    if (LibraryError e = FindLibraryDir(LibrarySearchFromEnvironment(library_dir, executable_dir), dir))
      return {fmt::format("{}: {}", path, e.Text())};
    if (LoadError e = ConfirmProjectFamily(dialog, SectionLibrary(dir), path, loaded.job, view)) return e;
  }
  loaded.last_dialog = view.last_dialog;
  out = std::move(loaded);
  return {};
}

}  // namespace

LoadError LoadJobFile(const std::string& path, const std::string& library_dir, LoadedJob& out,
                      const std::string& executable_dir) {
  if (EndsWith(path, ".trx")) return LoadProjectJob(path, library_dir, executable_dir, out);
  std::string text;
  if (LoadError e = ReadWholeFile(path, text)) return e;
  if (EndsWith(path, ".json")) {
    JsonJob parsed;
    if (LoadError e = ParseJsonJob(text, path, parsed)) return e;
    ConfirmJsonJob(parsed.job, parsed.present);
    out.job = std::move(parsed.job);
    out.last_dialog = out.job.family.is_tyx == 1 ? 1 : out.job.family.is_kn == 1 ? 2 : 0;
    return {};
  }
  return {fmt::format("{}: unknown job file type (expected .json or .trx)", path)};
}

}  // namespace traxen
