// Writing a whole file so that it is either the new content or the old one: the bytes go to
// a temporary file beside the target, are flushed to disk and renamed over it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "model/load_result.h"

namespace traxen {

// The error names the file and the system's reason ("No space left on device").
LoadError WriteFileAtomically(const std::string& path, std::string_view bytes);

struct FileContent {
  std::string path;
  std::string bytes;
};

// A set of files written together (the pages of a report as images): every file is written
// to its temporary file first; only when all are on disk are they renamed into place.
LoadError WriteFilesAtomically(const std::vector<FileContent>& files);

}  // namespace traxen
