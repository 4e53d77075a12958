// The file names of a report written as one file per page (PNG images), and the clean-up
// after a new set: no page of an earlier report may stay beside the new pages under the same
// name, or someone printing "all of NAME-*.png" would sign pages of a different job.
#pragma once

#include <string>
#include <vector>

namespace traxen {

// The file of page `page` (from 1) of a set of `page_count` pages written to `path`: `path`
// itself for a one-page set, else NAME-1.SUFFIX, NAME-2.SUFFIX, ... beside it, with the
// suffix spelt as in `path` (a name without a suffix gets none: NAME-1, NAME-2, ...).
std::string PageFileName(const std::string& path, int page, int page_count);

// A page of an earlier set that the new set did not replace.
struct LeftoverPage {
  std::string path;     // as built from the `path` given, for messages
  bool removed = false;
  std::string reason;   // why it is still there: the system's reason, or what kind of file it is
};

// Call only once a set of `page_count` (at least 1) pages has been written whole to `path`.
// Removes what is left of an earlier set of the same name: the pages after the new last one
// (NAME-(n+1).SUFFIX, ... up to the first name that does not exist), and for a one-page set
// an earlier NAME-1.SUFFIX, NAME-2.SUFFIX, ... set, for a set of several pages an earlier
// plain `path`. Only regular files are removed; a symbolic link, a directory or any other kind
// of file under such a name is left alone and reported, as is a file that cannot be removed.
std::vector<LeftoverPage> RemoveLeftoverPages(const std::string& path, int page_count);

}  // namespace traxen
