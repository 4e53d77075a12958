// Saving a document's file so that it is never lost: the bytes go to a temporary file beside
// it, are flushed to disk and renamed over it. Where a save may go (links, folders, pipes
// and devices, read-only files) and how its temporary is named and cleaned up after a killed
// writer is model/write_target.h. The replaced file's mode is kept and its owner where the
// system permits, and a failed save leaves neither a temporary file nor a changed file.
#pragma once

#include <string>
#include <string_view>

#include "model/load_result.h"

namespace traxen {

// The error names the file: "PATH: cannot save: REASON".
LoadError SaveFileContent(const std::string& path, std::string_view bytes);

}  // namespace traxen
