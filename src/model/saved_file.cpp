// Saving a document's file in place.
#include "model/saved_file.h"

#include <fcntl.h>
#include <fmt/format.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "model/write_target.h"

namespace traxen {

namespace {

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

std::string FolderOf(const std::string& file) {
  const std::size_t slash = file.rfind('/');
  return slash == std::string::npos ? std::string(".") : slash == 0 ? std::string("/") : file.substr(0, slash);
}

}  // namespace

LoadError SaveFileContent(const std::string& path, std::string_view bytes) {
  WriteTarget target;
  if (Message why = ResolveWriteTarget(path, target); !why.empty())
    return Fail(Message(MessageId::kCannotSave, why).About(path));
  const std::string dir = FolderOf(target.file);
  std::string temp;
  const int fd = CreateTemporary(target, temp);
  if (fd < 0) return Fail(Message(MessageId::kCannotSaveCreate, dir, SystemError{errno}).About(path));

  const mode_t mode = target.exists ? (target.old.st_mode & 07777) : NewFileMode();
  int error = 0;
  if (!WriteAll(fd, bytes)) error = errno;
  // A document stays its owner's where the system permits (root, or a group of the user's);
  // where not, saving still goes on, as the user who edits it asked.
  if (error == 0) (void)KeepOwner(fd, target);
  if (error == 0 && ::fchmod(fd, mode) != 0) error = errno;
  if (error == 0 && ::fsync(fd) != 0) error = errno;
  if (::close(fd) != 0 && error == 0) error = errno;
  if (error == 0 && ::rename(temp.c_str(), target.file.c_str()) != 0) error = errno;
  if (error != 0) {
    ::unlink(temp.c_str());
    return Fail(Message(MessageId::kCannotSave, SystemError{error}).About(path));
  }
  SyncFolder(dir);  // makes the rename itself durable
  return {};
}

}  // namespace traxen
