// Page file names of a report set, and removing the pages an earlier set left behind.
#include "model/page_files.h"

#include <fmt/format.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstring>

namespace traxen {

namespace {

// NAME and .SUFFIX of `path`: the suffix starts at the last dot of the file name itself,
// never at a dot of a directory name.
struct SplitName {
  std::string stem;    // everything before the suffix, directories included
  std::string suffix;  // ".png" as spelt in `path`, or empty
};

SplitName Split(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  const std::size_t name_start = slash == std::string::npos ? 0 : slash + 1;
  const std::size_t dot = path.rfind('.');
  if (dot == std::string::npos || dot < name_start) return {path, {}};
  return {path.substr(0, dot), path.substr(dot)};
}

std::string NumberedName(const std::string& path, int page) {
  const SplitName name = Split(path);
  return fmt::format("{}-{}{}", name.stem, page, name.suffix);
}

enum class Found {
  kNothing,    // no such file
  kRemoved,
  kLeftAlone,  // there, but not a regular file or not removable
  kUnknown,    // cannot even be looked at: whether it exists is not known
};

// Removes `name` when it is a regular file; anything else under that name is reported and
// left as it is. A name that does not exist reports nothing.
Found RemoveIfRegularFile(const std::string& name, std::vector<LeftoverPage>& leftovers) {
  struct stat info {};
  if (::lstat(name.c_str(), &info) != 0) {
    if (errno == ENOENT || errno == ENOTDIR) return Found::kNothing;
    leftovers.push_back({name, false, std::strerror(errno)});
    return Found::kUnknown;
  }
  if (S_ISLNK(info.st_mode)) {
    leftovers.push_back({name, false, "a symbolic link is left alone"});
    return Found::kLeftAlone;
  }
  if (!S_ISREG(info.st_mode)) {
    leftovers.push_back({name, false, "not a regular file, left alone"});
    return Found::kLeftAlone;
  }
  // unlink, not remove: it never takes a directory that appeared under the name meanwhile.
  if (::unlink(name.c_str()) != 0) {
    if (errno == ENOENT) return Found::kNothing;
    leftovers.push_back({name, false, std::strerror(errno)});
    return Found::kLeftAlone;
  }
  leftovers.push_back({name, true, {}});
  return Found::kRemoved;
}

// NAME-first, NAME-(first+1), ... until the first name that does not exist (or cannot be
// looked at). Something that is there but left alone does not end the run: the pages after
// it are still the earlier set's.
void RemoveNumberedRun(const std::string& path, int first, std::vector<LeftoverPage>& leftovers) {
  for (int page = first; page > 0 && page < INT_MAX; ++page) {
    const Found found = RemoveIfRegularFile(NumberedName(path, page), leftovers);
    if (found == Found::kNothing || found == Found::kUnknown) return;
  }
}

}  // namespace

std::string PageFileName(const std::string& path, int page, int page_count) {
  return page_count == 1 ? path : NumberedName(path, page);
}

std::vector<LeftoverPage> RemoveLeftoverPages(const std::string& path, int page_count) {
  std::vector<LeftoverPage> leftovers;
  if (page_count < 1) return leftovers;  // nothing was written, so nothing was replaced
  if (page_count == 1) {
    RemoveNumberedRun(path, 1, leftovers);
  } else {
    RemoveNumberedRun(path, page_count + 1, leftovers);
    RemoveIfRegularFile(path, leftovers);
  }
  return leftovers;
}

}  // namespace traxen
