// Saving a document's file in place.
#include "model/saved_file.h"

#include <fcntl.h>
#include <fmt/format.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

namespace traxen {

namespace {

namespace fs = std::filesystem;

std::string SystemReason(int error) { return std::strerror(error); }

bool WriteAll(int fd, std::string_view data) {
  while (!data.empty()) {
    const ssize_t n = ::write(fd, data.data(), data.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    data.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

// Permissions of a new file under the process's umask.
mode_t NewFileMode() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

}  // namespace

LoadError SaveFileContent(const std::string& path, std::string_view bytes) {

  // A link is followed: the file it points to is the one replaced.
  std::error_code ec;
  fs::path target = fs::weakly_canonical(fs::path(path), ec);
  if (ec || target.empty()) target = fs::path(path);
  fs::path dir = target.parent_path();
  if (dir.empty()) dir = ".";

  std::string temp = (dir / ("." + target.filename().string() + ".XXXXXX")).string();
  const int fd = ::mkstemp(temp.data());
  if (fd < 0) return {fmt::format("{}: cannot save: cannot create a file in {}: {}", path, dir.string(), SystemReason(errno))};

  struct stat old_file {};
  const bool replaces = ::stat(target.c_str(), &old_file) == 0;
  const mode_t mode = replaces ? (old_file.st_mode & 07777) : NewFileMode();
  int error = 0;
  if (!WriteAll(fd, bytes)) error = errno;
  // The replaced file's owner and group stay where permitted (root, or a group of the user's).
  if (error == 0 && replaces && ::fchown(fd, old_file.st_uid, old_file.st_gid) != 0) {
  }
  if (error == 0 && ::fchmod(fd, mode) != 0) error = errno;
  if (error == 0 && ::fsync(fd) != 0) error = errno;
  if (::close(fd) != 0 && error == 0) error = errno;
  if (error == 0 && ::rename(temp.c_str(), target.c_str()) != 0) error = errno;
  if (error != 0) {
    ::unlink(temp.c_str());
    return {fmt::format("{}: cannot save: {}", path, SystemReason(error))};
  }
  // Make the rename itself durable.
  if (const int dir_fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY); dir_fd >= 0) {
    ::fsync(dir_fd);
    ::close(dir_fd);
  }
  return {};
}

}  // namespace traxen
