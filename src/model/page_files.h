// The file names of a report written as one file per page (PNG images), writing such a set,
// and the clean-up after a new set: no page of an earlier report may stay beside the new pages
// under the same name, or someone printing "all of NAME-*.png" would sign pages of a
// different job.
#pragma once

#include <string>
#include <vector>

#include "model/load_result.h"

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

// Writes a report's pages (`pages[i]` the bytes of page i + 1) to `path` by PageFileName so
// that a reader never finds pages of two reports under the set's names:
//   1. every page goes to its temporary file beside its name and is flushed to disk (each
//      name by the rule of model/write_target.h); a failure here changes nothing;
//   2. the earlier set's pages are removed, the last page first: those the new set does not
//      replace as RemoveLeftoverPages does (reported in `leftovers`), and, for a set of several
//      pages, those it replaces as well;
//   3. the new pages are renamed into place, the first page first.
// At every moment the names hold the first pages of one report, the earlier one or the new
// one: a render killed in steps 2 or 3 leaves fewer pages, never a mix. Before step 1 the
// temporaries that killed renders of any page of the set left behind are removed.
LoadError WritePageFiles(const std::string& path, const std::vector<std::string>& pages,
                         std::vector<LeftoverPage>& leftovers);

}  // namespace traxen
