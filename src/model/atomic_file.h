// Writing a whole file so that it is either the new content or the old one: the bytes go to
// a temporary file beside the target, are flushed to disk and renamed over it. Where a write
// may go (links, folders, pipes and devices, read-only files) and how its temporary is named
// and cleaned up after a killed writer is model/write_target.h. A replaced file keeps its
// mode and its owner; one whose owner this user cannot keep (another user's file in a folder
// this user may write) is refused rather than taken over.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "model/load_result.h"

namespace traxen {

// The error names the file and the reason ("No space left on device", "it is a folder").
LoadError WriteFileAtomically(const std::string& path, std::string_view bytes);

struct FileContent {
  std::string path;
  std::string bytes;
};

// A set of files written together (the pages of a report as images): every file is written
// to its temporary file first; only when all are on disk are they renamed into place.
LoadError WriteFilesAtomically(const std::vector<FileContent>& files);

// Files written to their temporaries now and put in place one by one later, for a caller
// that orders the renames itself. Whatever is not put in place is removed with the object.
class StagedFiles {
 public:
  StagedFiles();
  ~StagedFiles();
  StagedFiles(const StagedFiles&) = delete;
  StagedFiles& operator=(const StagedFiles&) = delete;

  // Resolves `path`, writes `bytes` to its temporary and flushes them to disk.
  LoadError Stage(const std::string& path, std::string_view bytes);
  // The same for content too large to hold in memory: `write` writes it into the open
  // temporary file `fd` as it is made, and returns no message or the reason it failed.
  LoadError StageStreamed(const std::string& path, const std::function<Message(int fd)>& write);
  // Renames the file staged `index`-th (from 0) over its target.
  LoadError PutInPlace(std::size_t index);
  std::size_t size() const;

 private:
  struct Entry;
  std::vector<Entry> entries_;
};

}  // namespace traxen
