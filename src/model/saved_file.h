// Saving a document's file so that it is never lost: the bytes go to a temporary file beside
// it, are flushed to disk and renamed over it. A link is followed (the file it points to is
// replaced and the link stays), the replaced file's mode is kept and its owner where the
// system permits, and a failed save leaves neither a temporary file nor a changed file.
#pragma once

#include <string>
#include <string_view>

#include "model/load_result.h"

namespace traxen {

// The error names the file: "PATH: cannot save: REASON".
LoadError SaveFileContent(const std::string& path, std::string_view bytes);

}  // namespace traxen
