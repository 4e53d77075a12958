// Opening, confirming and saving a job document on top of the job-file readers and writers.
#include "model/job_document.h"

#include <fmt/format.h>

#include "model/confirm_job.h"
#include "model/job_file.h"
#include "model/json_job.h"
#include "model/project_file.h"
#include "sections/library_dir.h"
#include "sections/section_library.h"

namespace traxen {

namespace {
bool HasSuffix(const std::string& path, std::string_view suffix) {
  if (path.size() < suffix.size()) return false;
  for (std::size_t i = 0; i < suffix.size(); ++i) {
    const char c = path[path.size() - suffix.size() + i];
    if (std::tolower(static_cast<unsigned char>(c)) != suffix[i]) return false;
  }
  return true;
}
}  // namespace

LoadError OpenJobDocument(JobDocument& doc, const std::string& path, int& dialog_to_confirm) {
  JobDocument read = doc;
  int dialog = 0;
  if (HasSuffix(path, ".json")) {
    std::string text;
    if (LoadError e = ReadWholeFile(path, text)) return e;
    JsonJob parsed;
    if (LoadError e = ReadJsonJob(text, path, parsed)) return e;
    ConfirmJsonJob(parsed.job, parsed.present);
    read.job = std::move(parsed.job);
    read.last_confirmed_dialog = read.job.family.is_tyx == 1 ? 1 : read.job.family.is_kn == 1 ? 2 : 0;
  } else {
    ViewState view{read.working, read.last_confirmed_dialog};
    if (LoadError e = ReadProjectFile(path, read.job, view, dialog)) return e;
    read.working = view.inputs;
    read.last_confirmed_dialog = view.last_dialog;
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
    return {fmt::format("{}: {}", doc.path, e.Text())};
  Job job = doc.job;
  ViewState view{doc.working, doc.last_confirmed_dialog};
  if (LoadError e = ConfirmProjectFamily(dialog, SectionLibrary(dir), doc.path, job, view)) return e;
  doc.job = std::move(job);
  doc.working = view.inputs;
  doc.last_confirmed_dialog = view.last_dialog;
  return {};
}

LoadError SaveJobDocument(JobDocument& doc, const std::string& path) {
  const ViewState view{doc.working, doc.last_confirmed_dialog};
  if (LoadError e = SaveProjectFile(path, doc.job, view)) return e;
  doc.path = path;
  doc.modified = false;
  return {};
}

}  // namespace traxen
