// Atomic whole-file writes.
#include "model/atomic_file.h"

#include <fcntl.h>
#include <fmt/format.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

namespace traxen {

namespace fs = std::filesystem;

namespace {

struct Staged {
  std::string path;  // as given, for messages
  fs::path target;   // the file replaced (a link is followed)
  std::string temp;
};

// Writes `bytes` to a new temporary file beside the target and flushes it to disk.
LoadError Stage(const std::string& path, std::string_view bytes, Staged& staged) {
  std::error_code ec;
  fs::path target = fs::weakly_canonical(fs::path(path), ec);  // a link: replace what it points to
  if (ec || target.empty()) target = fs::path(path);
  fs::path dir = target.parent_path();
  if (dir.empty()) dir = ".";
  std::string temp = (dir / ("." + target.filename().string() + ".XXXXXX")).string();
  const int fd = ::mkstemp(temp.data());
  if (fd < 0) return {fmt::format("{}: cannot write: {}", path, std::strerror(errno))};

  struct stat old_file {};
  mode_t mode = 0;
  if (::stat(target.c_str(), &old_file) == 0) {
    mode = old_file.st_mode & 07777;
  } else {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    mode = 0666 & ~mask;
  }
  int error = 0;
  for (std::string_view rest = bytes; !rest.empty() && error == 0;) {
    const ssize_t n = ::write(fd, rest.data(), rest.size());
    if (n < 0 && errno != EINTR) error = errno;
    if (n > 0) rest.remove_prefix(static_cast<std::size_t>(n));
  }
  if (error == 0 && ::fchmod(fd, mode) != 0) error = errno;
  if (error == 0 && ::fsync(fd) != 0) error = errno;
  if (::close(fd) != 0 && error == 0) error = errno;
  if (error != 0) {
    ::unlink(temp.c_str());
    return {fmt::format("{}: cannot write: {}", path, std::strerror(error))};
  }
  staged = {path, target, temp};
  return {};
}

}  // namespace

LoadError WriteFilesAtomically(const std::vector<FileContent>& files) {
  std::vector<Staged> staged;
  for (const FileContent& f : files) {
    Staged s;
    if (LoadError e = Stage(f.path, f.bytes, s)) {
      for (const Staged& done : staged) ::unlink(done.temp.c_str());
      return e;
    }
    staged.push_back(std::move(s));
  }
  for (std::size_t i = 0; i < staged.size(); ++i) {
    if (::rename(staged[i].temp.c_str(), staged[i].target.c_str()) != 0) {
      const int error = errno;
      for (std::size_t j = i; j < staged.size(); ++j) ::unlink(staged[j].temp.c_str());
      return {fmt::format("{}: cannot write: {}", staged[i].path, std::strerror(error))};
    }
  }
  return {};
}

LoadError WriteFileAtomically(const std::string& path, std::string_view bytes) {
  return WriteFilesAtomically({{path, std::string(bytes)}});
}

}  // namespace traxen
