// Where a whole-file write may go, and the temporary file it goes through. Both writers of
// whole files (model/atomic_file for reports and traxen-cli's output, model/saved_file for
// documents) take their target and their temporary from here, so one rule holds for both:
//
// - A name that does not exist becomes a new regular file; an existing regular file is
//   replaced. A folder, a pipe, a device or a socket is refused, never replaced.
// - A symbolic link is written through (the link stays) only to a regular file, or to a file
//   not yet there in a folder that is. A link into a missing folder, a loop of links and a
//   link to anything else are refused.
// - A read-only file is refused: one this user may not write, and one without any write
//   permission bit, which its owner made read-only even for root.
//
// The temporary is ".NAME.traxen-tmp.PID.XXXXXX" beside the file it replaces: NAME the file's
// name, PID the writer's process id. A writer killed before its rename leaves it behind; the
// next write of the same file removes such a temporary once its writer no longer runs and
// it has not changed for a minute (a writer on another machine sharing the folder may run
// under a PID this machine does not know, so the age counts as well).
#pragma once

#include <sys/stat.h>

#include <functional>
#include <string>
#include <string_view>

#include "model/messages.h"

namespace traxen {

struct WriteTarget {
  std::string path;     // as given, for messages
  std::string file;     // the file replaced or created: `path`, or where its links lead
  bool exists = false;  // `file` is a regular file now
  struct stat old {};   // `file`'s mode and owner when it exists
};

// Resolves `path` by the rule above. Empty when it may be written, else the reason for
// "PATH: cannot write: REASON" ("it is a folder", "the file is read-only", ...).
Message ResolveWriteTarget(const std::string& path, WriteTarget& target);

// Creates the temporary file for `target` in its folder, mode 0600, after removing the stale
// temporaries of the same file. Returns the open descriptor and sets `temp`; -1 with errno
// set on failure.
int CreateTemporary(const WriteTarget& target, std::string& temp);

// Removes the stale temporaries in `dir` (see above) of every file whose name `belongs`
// accepts.
void RemoveStaleTemporaries(const std::string& dir, const std::function<bool(std::string_view name)>& belongs);

// True when `name` is a temporary of this program's writers (of any file).
bool IsWriteTemporary(std::string_view name);

// Gives the file open as `fd` the owner and group of the file it replaces. False when the
// owner cannot be kept (the group is kept where the system permits).
bool KeepOwner(int fd, const WriteTarget& target);

// "" unless writing `out` would write over `in`, the file being read (the same file by
// device and inode, whatever links or names lead to it); else the reason in words.
std::string WritingOverInput(const std::string& out, const std::string& in);

// Makes a rename in `dir` durable.
void SyncFolder(const std::string& dir);

}  // namespace traxen
