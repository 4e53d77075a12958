// The targets and temporaries of whole-file writes.
#include "model/write_target.h"

#include <dirent.h>
#include <fcntl.h>
#include <fmt/format.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <ctime>

namespace traxen {

namespace {

constexpr std::string_view kTempMark = ".traxen-tmp.";
constexpr int kMaxLinks = 40;              // as the system follows them
constexpr std::time_t kStaleSeconds = 60;  // a write takes far less
// A temporary's name must fit the folder's limit of 255 bytes with its mark, a PID and the
// random part; a longer file name is cut for it.
constexpr std::size_t kTempNameRoom = 255 - 1 - kTempMark.size() - 10 - 7;

std::string FolderOf(const std::string& file) {
  const std::size_t slash = file.rfind('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return file.substr(0, slash);
}

std::string NameOf(const std::string& file) {
  const std::size_t slash = file.rfind('/');
  return slash == std::string::npos ? file : file.substr(slash + 1);
}

// The part of a temporary's name that names its file.
std::string TempStem(const std::string& name) { return name.substr(0, std::min(name.size(), kTempNameRoom)); }

// Where the link `link` leads: its target, relative to the link's own folder.
bool ReadLink(const std::string& link, std::string& target) {
  std::string buffer(PATH_MAX, '\0');
  const ssize_t n = ::readlink(link.c_str(), buffer.data(), buffer.size());
  if (n < 0 || static_cast<std::size_t>(n) >= buffer.size()) return false;
  buffer.resize(static_cast<std::size_t>(n));
  target = !buffer.empty() && buffer[0] == '/' ? buffer : FolderOf(link) + "/" + buffer;
  return true;
}

bool IsFolder(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool IsReadOnly(const std::string& file, const struct stat& info) {
  return (info.st_mode & 0222) == 0 || ::faccessat(AT_FDCWD, file.c_str(), W_OK, AT_EACCESS) != 0;
}

// The file a temporary named `name` belongs to (cut as TempStem cuts it) and its writer's
// PID; false for any other name.
bool ParseTemporary(std::string_view name, std::string_view& file, long& pid) {
  if (name.size() < 2 || name[0] != '.') return false;
  const std::size_t mark = name.rfind(kTempMark);
  if (mark == std::string_view::npos || mark < 2) return false;
  const std::string_view rest = name.substr(mark + kTempMark.size());  // PID.XXXXXX
  const std::size_t dot = rest.find('.');
  if (dot == 0 || dot == std::string_view::npos || rest.size() - dot - 1 != 6) return false;
  long value = 0;
  for (char c : rest.substr(0, dot)) {
    if (c < '0' || c > '9' || value > 99999999) return false;
    value = value * 10 + (c - '0');
  }
  file = name.substr(1, mark - 1);
  pid = value;
  return true;
}

bool ProcessRuns(long pid) {
  if (pid <= 0) return false;
  return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
}

}  // namespace

Message ResolveWriteTarget(const std::string& path, WriteTarget& target) {
  target = WriteTarget{};
  target.path = path;
  std::string current = path;
  for (int links = 0;; ++links) {
    struct stat info {};
    if (::lstat(current.c_str(), &info) != 0) {
      const int error = errno;
      if (error != ENOENT) return Message(MessageId::kSystemReason, SystemError{error});
      // Not there: a new file, where its folder is.
      if (links > 0 && !IsFolder(FolderOf(current)))
        return Message(MessageId::kLinkFolderMissing, current);
      target.file = current;
      return {};
    }
    if (S_ISLNK(info.st_mode)) {
      if (links == kMaxLinks) return Message(MessageId::kLinkLoop);
      std::string next;
      if (!ReadLink(current, next)) return Message(MessageId::kLinkUnreadable, SystemError{errno});
      current = next;
      continue;
    }
    if (S_ISDIR(info.st_mode))
      return links == 0 ? Message(MessageId::kIsFolder) : Message(MessageId::kLinkToFolder, current);
    if (!S_ISREG(info.st_mode))
      return links == 0 ? Message(MessageId::kNotRegular) : Message(MessageId::kLinkToNotRegular, current);
    if (IsReadOnly(current, info)) return Message(MessageId::kReadOnly);
    target.file = current;
    target.exists = true;
    target.old = info;
    return {};
  }
}

void RemoveStaleTemporaries(const std::string& dir, const std::function<bool(std::string_view)>& belongs) {
  DIR* folder = ::opendir(dir.c_str());
  if (!folder) return;
  const std::time_t now = std::time(nullptr);
  while (const dirent* entry = ::readdir(folder)) {
    const std::string_view name = entry->d_name;
    std::string_view file;
    long pid = 0;
    if (!ParseTemporary(name, file, pid) || !belongs(file) || ProcessRuns(pid)) continue;
    const std::string full = dir + "/" + std::string(name);
    struct stat info {};
    if (::lstat(full.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) continue;
    if (now - info.st_mtime < kStaleSeconds) continue;
    ::unlink(full.c_str());
  }
  ::closedir(folder);
}

bool IsWriteTemporary(std::string_view name) {
  std::string_view file;
  long pid = 0;
  return ParseTemporary(name, file, pid);
}

int CreateTemporary(const WriteTarget& target, std::string& temp) {
  const std::string dir = FolderOf(target.file);
  const std::string stem = TempStem(NameOf(target.file));
  RemoveStaleTemporaries(dir, [&](std::string_view file) { return file == stem; });
  std::string name = fmt::format("{}/.{}{}{}.XXXXXX", dir, stem, kTempMark, static_cast<long>(::getpid()));
  const int fd = ::mkostemp(name.data(), O_CLOEXEC);
  if (fd >= 0) temp = std::move(name);
  return fd;
}

bool KeepOwner(int fd, const WriteTarget& target) {
  if (!target.exists) return true;
  struct stat now {};
  if (::fstat(fd, &now) != 0) return false;
  if (now.st_uid == target.old.st_uid && now.st_gid == target.old.st_gid) return true;
  if (::fchown(fd, target.old.st_uid, target.old.st_gid) == 0) return true;
  // The owner stays ours; the group is kept where this user belongs to it.
  if (now.st_uid != target.old.st_uid) return false;
  (void)::fchown(fd, static_cast<uid_t>(-1), target.old.st_gid);
  return true;
}

std::string WritingOverInput(const std::string& out, const std::string& in) {
  struct stat out_info {}, in_info {};
  if (::stat(out.c_str(), &out_info) != 0 || ::stat(in.c_str(), &in_info) != 0) return {};
  if (out_info.st_dev != in_info.st_dev || out_info.st_ino != in_info.st_ino) return {};
  return fmt::format("it is the job file being read ({})", in);
}

void SyncFolder(const std::string& dir) {
  if (const int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC); fd >= 0) {
    ::fsync(fd);
    ::close(fd);
  }
}

}  // namespace traxen
