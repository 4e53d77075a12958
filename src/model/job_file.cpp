// Job files by extension.
#include "model/job_file.h"

#include <fmt/format.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>

#include "model/confirm_job.h"
#include "model/json_job.h"

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

LoadError LoadJobFile(const std::string& path, const std::string& /*library_dir*/, LoadedJob& out) {
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
  if (EndsWith(path, ".trx")) return {fmt::format("{}: project files cannot be read yet", path)};
  return {fmt::format("{}: unknown job file type (expected .json or .trx)", path)};
}

}  // namespace traxen
