// Page file names of a report set, and removing the pages an earlier set left behind.
#include "model/page_files.h"

#include <fmt/format.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstring>
#include <string_view>

#include "model/atomic_file.h"
#include "model/write_target.h"

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

// Whether `name` (a file name without folders) is a page of the set written to `path`:
// the plain name or NAME-<number>.SUFFIX.
bool IsPageOfSet(const std::string& path, std::string_view name) {
  const std::size_t slash = path.rfind('/');
  const std::string plain = slash == std::string::npos ? path : path.substr(slash + 1);
  if (name == plain) return true;
  const SplitName parts = Split(plain);
  const std::string prefix = parts.stem + "-";
  if (!name.starts_with(prefix) || !name.ends_with(parts.suffix)) return false;
  const std::string_view number = name.substr(prefix.size(), name.size() - prefix.size() - parts.suffix.size());
  return !number.empty() && number.find_first_not_of("0123456789") == std::string_view::npos;
}

std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? std::string(".") : slash == 0 ? std::string("/") : path.substr(0, slash);
}

// The last page of a run of numbered names from NAME-`first` (a name that is there but cannot
// be removed still counts; the run ends before the first name that is not there); first - 1
// when NAME-`first` is not there.
int LastOfRun(const std::string& path, int first) {
  int page = first;
  for (struct stat info {}; page < INT_MAX && ::lstat(NumberedName(path, page).c_str(), &info) == 0;) ++page;
  return page - 1;
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

LoadError WritePageFiles(const std::string& path, const std::vector<std::string>& pages,
                         std::vector<LeftoverPage>& leftovers) {
  leftovers.clear();
  const int count = static_cast<int>(pages.size());
  if (count < 1) return {};
  RemoveStaleTemporaries(FolderOf(path), [&](std::string_view name) { return IsPageOfSet(path, name); });
  StagedFiles staged;
  for (int page = 1; page <= count; ++page)
    if (LoadError e = staged.Stage(PageFileName(path, page, count), pages[static_cast<std::size_t>(page - 1)])) return e;

  // The earlier set goes first, its last page first, so that the names never hold its pages
  // beside new ones. A page this set replaces is removed without a word; a link under such a
  // name stays, since the new page is written through it.
  const int first_leftover = count == 1 ? 1 : count + 1;
  std::vector<LeftoverPage> numbered;
  for (int page = LastOfRun(path, first_leftover); page >= first_leftover; --page)
    RemoveIfRegularFile(NumberedName(path, page), numbered);
  leftovers.assign(numbered.rbegin(), numbered.rend());  // in page order, as RemoveLeftoverPages gives them
  if (count > 1) {
    for (int page = count; page >= 1; --page) {
      const std::string name = NumberedName(path, page);
      struct stat info {};
      if (::lstat(name.c_str(), &info) == 0 && S_ISREG(info.st_mode)) ::unlink(name.c_str());
    }
    RemoveIfRegularFile(path, leftovers);
  }

  for (std::size_t i = 0; i < staged.size(); ++i) {
    if (LoadError e = staged.PutInPlace(i)) {
      if (i == 0) return e;
      return {fmt::format("{}; pages 1 to {} of the new report are in place, the later ones are missing", e.message,
                          i),
              {}};
    }
  }
  return {};
}

}  // namespace traxen
