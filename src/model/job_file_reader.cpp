// Guarded reads of job files.
#include "model/job_file_reader.h"

#include <fcntl.h>
#include <fmt/format.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace traxen {

namespace {

LoadError TooLarge(const std::string& name, std::size_t limit) {
  return Fail(Message(MessageId::kTooLarge, limit / 1024).About(name));
}

}  // namespace

LoadError ReadJobFileBytes(const std::string& path, std::string& content, std::size_t limit) {
  // O_NONBLOCK: opening a FIFO without a writer must not wait; it is refused below anyway.
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return Fail(Message(MessageId::kCannotOpen, SystemError{errno}).About(path));
  struct FdCloser {
    int fd;
    ~FdCloser() { ::close(fd); }
  } closer{fd};
  struct stat info {};
  if (::fstat(fd, &info) != 0) return Fail(Message(MessageId::kCannotRead, SystemError{errno}).About(path));
  if (S_ISDIR(info.st_mode)) return Fail(Message(MessageId::kIsDirectory).About(path));
  if (!S_ISREG(info.st_mode)) return Fail(Message(MessageId::kNotRegularJobFile).About(path));
  if (static_cast<std::size_t>(info.st_size) > limit) return TooLarge(path, limit);
  std::string bytes;
  bytes.resize(static_cast<std::size_t>(info.st_size) + 1);
  std::size_t used = 0;
  for (;;) {
    if (used == bytes.size()) {
      if (bytes.size() > limit) return TooLarge(path, limit);  // grew while being read
      bytes.resize(std::min(bytes.size() * 2, limit + 1));
    }
    const ssize_t n = ::read(fd, bytes.data() + used, bytes.size() - used);
    if (n < 0) {
      if (errno == EINTR) continue;
      return Fail(Message(MessageId::kCannotRead, SystemError{errno}).About(path));
    }
    if (n == 0) break;
    used += static_cast<std::size_t>(n);
    // A read that comes short just as the file holds the size it was found with has met its
    // end: asking again would only cost a batch of jobs a system call per file.
    if (used == static_cast<std::size_t>(info.st_size) && used < bytes.size()) break;
  }
  if (used > limit) return TooLarge(path, limit);
  bytes.resize(used);
  content = std::move(bytes);
  return {};
}

LoadError ReadJobStream(std::FILE* stream, const std::string& name, std::string& content, std::size_t limit) {
  std::string bytes;
  char buffer[65536];
  for (;;) {
    const std::size_t n = std::fread(buffer, 1, sizeof buffer, stream);
    bytes.append(buffer, n);
    if (bytes.size() > limit) return TooLarge(name, limit);
    if (n < sizeof buffer) break;
  }
  if (std::ferror(stream)) return Fail(Message(MessageId::kCannotRead, SystemError{errno}).About(name));
  content = std::move(bytes);
  return {};
}

}  // namespace traxen
