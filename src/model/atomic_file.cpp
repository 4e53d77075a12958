// Atomic whole-file writes.
#include "model/atomic_file.h"

#include <fcntl.h>
#include <fmt/format.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "model/write_target.h"

namespace traxen {

namespace {

mode_t NewFileMode() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

LoadError CannotWrite(const std::string& path, const Message& why) {
  return Fail(Message(MessageId::kCannotWrite, why).About(path));
}

std::string FolderOf(const std::string& file) {
  const std::size_t slash = file.rfind('/');
  return slash == std::string::npos ? std::string(".") : slash == 0 ? std::string("/") : file.substr(0, slash);
}

}  // namespace

struct StagedFiles::Entry {
  WriteTarget target;
  std::string temp;  // "" once put in place
};

StagedFiles::StagedFiles() = default;

StagedFiles::~StagedFiles() {
  for (const Entry& e : entries_)
    if (!e.temp.empty()) ::unlink(e.temp.c_str());
}

std::size_t StagedFiles::size() const { return entries_.size(); }

LoadError StagedFiles::Stage(const std::string& path, std::string_view bytes) {
  return StageStreamed(path, [&](int fd) -> Message {
    for (std::string_view rest = bytes; !rest.empty();) {
      const ssize_t n = ::write(fd, rest.data(), rest.size());
      if (n < 0 && errno != EINTR) return Message(MessageId::kSystemReason, SystemError{errno});
      if (n > 0) rest.remove_prefix(static_cast<std::size_t>(n));
    }
    return {};
  });
}

LoadError StagedFiles::StageStreamed(const std::string& path, const std::function<Message(int fd)>& write) {
  Entry entry;
  if (Message why = ResolveWriteTarget(path, entry.target); !why.empty()) return CannotWrite(path, why);
  const int fd = CreateTemporary(entry.target, entry.temp);
  if (fd < 0) return CannotWrite(path, Message(MessageId::kSystemReason, SystemError{errno}));
  const mode_t mode = entry.target.exists ? (entry.target.old.st_mode & 07777) : NewFileMode();
  int error = 0;
  Message why = write(fd);
  if (why.empty() && !KeepOwner(fd, entry.target))
    why = Message(MessageId::kOtherOwner, static_cast<long>(entry.target.old.st_uid));
  if (error == 0 && why.empty() && ::fchmod(fd, mode) != 0) error = errno;
  if (error == 0 && why.empty() && ::fsync(fd) != 0) error = errno;
  if (::close(fd) != 0 && error == 0) error = errno;
  if (error != 0 || !why.empty()) {
    ::unlink(entry.temp.c_str());
    return CannotWrite(path, why.empty() ? Message(MessageId::kSystemReason, SystemError{error}) : why);
  }
  entries_.push_back(std::move(entry));
  return {};
}

LoadError StagedFiles::PutInPlace(std::size_t index) {
  Entry& e = entries_.at(index);
  if (e.temp.empty()) return {};
  if (::rename(e.temp.c_str(), e.target.file.c_str()) != 0)
    return CannotWrite(e.target.path, Message(MessageId::kSystemReason, SystemError{errno}));
  e.temp.clear();
  SyncFolder(FolderOf(e.target.file));
  return {};
}

LoadError WriteFilesAtomically(const std::vector<FileContent>& files) {
  StagedFiles staged;
  for (const FileContent& f : files)
    if (LoadError e = staged.Stage(f.path, f.bytes)) return e;
  for (std::size_t i = 0; i < staged.size(); ++i)
    if (LoadError e = staged.PutInPlace(i)) return e;
  return {};
}

LoadError WriteFileAtomically(const std::string& path, std::string_view bytes) {
  return WriteFilesAtomically({{path, std::string(bytes)}});
}

}  // namespace traxen
