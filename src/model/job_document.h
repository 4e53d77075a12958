// The job document: what one open job is, independent of any window. The Job record, the
// report's working values that belong to the job (restored by reading a project file and
// written back by saving a job that has no family yet), which joint dialog was confirmed
// last, the file it came from and whether it changed since. The desktop program keeps one
// per document and `traxen-cli` one per job file; per-view state (zoom, scroll, the view's
// own dialog marker) stays with the views.
#pragma once

#include <string>
#include <vector>

#include "model/job.h"
#include "model/load_result.h"
#include "model/report_inputs.h"

namespace traxen {

struct JobDocument {
  Job job;                        // a new job: the defaults of the Job record
  ReportInputs working;           // zero in a new document
  int last_confirmed_dialog = 0;  // 0 none, 1 T/Y/X, 2 K/N
  std::string path;               // "" until a file command names it
  bool modified = false;
};

// Reads a project file (*.trx) or a JSON job (*.json) as File Open does. On success the
// document is replaced by a new one holding the file's job, working values and path,
// unmodified; `dialog_to_confirm` names the joint dialog that must confirm the read job (1 T/Y/X, 2 K/N,
// 0 none: a JSON job is confirmed while it is read). A JSON job's given values that differ
// from what they are derived from are replaced by the derived ones, each with a line in
// `warnings` ("PATH: warning: ...") and as data in `warning_messages`. On failure nothing changes.
LoadError OpenJobDocument(JobDocument& doc, const std::string& path, int& dialog_to_confirm,
                          std::vector<std::string>* warnings = nullptr,
                          std::vector<Message>* warning_messages = nullptr);

// Confirms a read job without a window, as `traxen-cli` does: each member's section is
// restored from the library by its stored list positions, then the family's derivations run
// and the family flags are set. `library_dir` "" searches as usual (TRAXEN_LIBRARY,
// ./Profiilid, the copy installed beside `executable_dir`). On failure nothing changes.
LoadError ConfirmJobDocument(JobDocument& doc, int dialog, const std::string& library_dir = "",
                             const std::string& executable_dir = "");

// Writes the document to `path` as a project file, or as a JSON job when `path` ends in
// ".json" (a job opened from JSON is saved as JSON again, never as project-file text under
// its JSON name), without ever losing the file it replaces; on success the path becomes the
// document's path and the document is unmodified. On failure nothing changes.
LoadError SaveJobDocument(JobDocument& doc, const std::string& path);

}  // namespace traxen
