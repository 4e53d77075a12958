// Opening, confirming and saving a job document on top of the job-file readers and writers.
#include "model/job_document.h"

#include <fmt/format.h>

#include "base/file_suffix.h"
#include "model/job_file.h"
#include "model/json_job.h"
#include "model/project_file.h"
#include "model/saved_file.h"
#include "sections/library_dir.h"
#include "sections/section_library.h"

namespace traxen {

LoadError OpenJobDocument(JobDocument& doc, const std::string& path, int& dialog_to_confirm,
                          std::vector<std::string>* warnings, std::vector<Message>* warning_messages) {
  // An opened file makes a new document: nothing of the one it replaces carries over.
  JobDocument read;
  int dialog = 0;
  if (HasFileSuffix(path, ".json")) {
    // Read, checked and confirmed as traxen-cli reads it, with the same warnings.
    std::string text;
    if (LoadError e = ReadWholeFile(path, text)) return e;
    LoadedJob loaded;
    if (LoadError e = LoadJsonJobText(text, path, loaded)) return e;
    if (warnings) warnings->insert(warnings->end(), loaded.warnings.begin(), loaded.warnings.end());
    if (warning_messages)
      warning_messages->insert(warning_messages->end(), loaded.warning_messages.begin(), loaded.warning_messages.end());
    read.job = std::move(loaded.job);
    read.last_confirmed_dialog = loaded.last_dialog;
  } else {
    if (LoadError e = ReadProjectFile(path, read.job, read.working, read.last_confirmed_dialog, dialog)) return e;
  }
  read.path = path;
  read.modified = false;
  doc = std::move(read);
  dialog_to_confirm = dialog;
  return {};
}

LoadError ConfirmJobDocument(JobDocument& doc, int dialog, const std::string& library_dir,
                             const std::string& executable_dir) {
  if (dialog == 0) return {};
  std::string dir;
  if (LibraryError e = FindLibraryDir(LibrarySearchFromEnvironment(library_dir, executable_dir), dir))
    return Fail(Message(MessageId::kText, e.Text()).About(doc.path));
  Job job = doc.job;
  int last_dialog = doc.last_confirmed_dialog;
  if (LoadError e = ConfirmProjectFamily(dialog, SectionLibrary(dir), doc.path, job, last_dialog)) return e;
  doc.job = std::move(job);
  doc.last_confirmed_dialog = last_dialog;
  return {};
}

LoadError SaveJobDocument(JobDocument& doc, const std::string& path) {
  if (HasFileSuffix(path, ".json")) {
    if (LoadError e = SaveFileContent(path, WriteJsonJob(doc.job))) return e;
  } else if (LoadError e = SaveProjectFile(path, doc.job, doc.working, doc.last_confirmed_dialog)) {
    return e;
  }
  doc.path = path;
  doc.modified = false;
  return {};
}

}  // namespace traxen
