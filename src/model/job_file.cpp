// Job files by extension.
#include "model/job_file.h"

#include <fmt/format.h>

#include "base/file_suffix.h"
#include "model/confirm_job.h"
#include "model/job_file_reader.h"
#include "model/job_family.h"
#include "model/json_job.h"
#include "model/project_file.h"
#include "sections/library_dir.h"
#include "sections/section_library.h"

namespace traxen {

LoadError ReadWholeFile(const std::string& path, std::string& content) { return ReadJobFileBytes(path, content); }

JobLibrary::JobLibrary(std::string library_dir, std::string executable_dir)
    : library_dir_(std::move(library_dir)), executable_dir_(std::move(executable_dir)) {}

JobLibrary::~JobLibrary() = default;

LoadError JobLibrary::Get(const std::string& for_file, const SectionLibrary*& library) {
  if (!library_) {
    std::string dir;
    if (LibraryError e = FindLibraryDir(LibrarySearchFromEnvironment(library_dir_, executable_dir_), dir))
      return Fail(Message(MessageId::kText, e.Text()).About(for_file));
    library_ = std::make_unique<SectionLibrary>(dir, true);
  }
  library = library_.get();
  return {};
}

namespace {

// A project file as File Open reads it, then its family's joint dialog confirmed.
LoadError LoadProjectJob(const std::string& path, JobLibrary& library, LoadedJob& out) {
  LoadedJob loaded;
  int dialog = 0;
  if (LoadError e = ReadProjectFile(path, loaded.job, loaded.working, loaded.last_dialog, dialog)) return e;
  if (dialog != 0) {
    const SectionLibrary* sections = nullptr;
    if (LoadError e = library.Get(path, sections)) return e;
    if (LoadError e = ConfirmProjectFamily(dialog, *sections, path, loaded.job, loaded.last_dialog)) return e;
  }
  out = std::move(loaded);
  return {};
}

}  // namespace

LoadError LoadJsonJobText(std::string_view text, const std::string& name, LoadedJob& out) {
  JsonJob parsed;
  if (LoadError e = ReadJsonJob(text, name, parsed)) return e;
  LoadedJob loaded;
  std::vector<Message> warnings;
  ConfirmJsonJob(parsed.job, parsed.present, nullptr, &warnings);
  for (const Message& w : warnings) {
    Message warning = Message(MessageId::kWarning, w).About(name);
    loaded.warnings.push_back(warning.English());
    loaded.warning_messages.push_back(std::move(warning));
  }
  loaded.job = std::move(parsed.job);
  // A JSON job reads as its family's dialog confirmed it.
  const JobFamilyInfo* family = FamilyOf(loaded.job);
  loaded.last_dialog = family ? family->dialog : 0;
  out = std::move(loaded);
  return {};
}

LoadError LoadJobFile(const std::string& path, JobLibrary& library, LoadedJob& out) {
  if (HasFileSuffix(path, ".trx")) return LoadProjectJob(path, library, out);
  if (!HasFileSuffix(path, ".json")) return Fail(Message(MessageId::kUnknownJobType).About(path));
  std::string text;
  if (LoadError e = ReadWholeFile(path, text)) return e;
  return LoadJsonJobText(text, path, out);
}

LoadError LoadJobFile(const std::string& path, const std::string& library_dir, LoadedJob& out,
                      const std::string& executable_dir) {
  JobLibrary library(library_dir, executable_dir);
  return LoadJobFile(path, library, out);
}

}  // namespace traxen
