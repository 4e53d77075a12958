// Opening a job file as the desktop program would confirm it: a JSON job (*.json) or a
// project file (*.trx), followed by the confirmation of its family's joint dialog.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "model/job.h"
#include "model/load_result.h"
#include "model/report_inputs.h"

namespace traxen {

class SectionLibrary;

struct LoadedJob {
  Job job;
  int last_dialog = 0;                // 1 T/Y/X, 2 K/N, 0 neither
  ReportInputs working;               // the working values a project file restored (zero for JSON)
  std::vector<std::string> warnings;  // complete lines naming the file and the key
  std::vector<Message> warning_messages;  // the same as data
};

// The section library as a run of several job files uses it: found when the first project
// file needs it (a run of JSON jobs needs none) and each library file read once per run.
// `library_dir` "" searches as usual (TRAXEN_LIBRARY, ./Profiilid, the copy installed beside
// `executable_dir`, the directory of the running program).
class JobLibrary {
 public:
  JobLibrary(std::string library_dir, std::string executable_dir);
  ~JobLibrary();
  // The library; the error names `for_file` and every place looked at.
  LoadError Get(const std::string& for_file, const SectionLibrary*& library);

 private:
  std::string library_dir_, executable_dir_;
  std::unique_ptr<SectionLibrary> library_;
};

// On failure `out` is unchanged.
LoadError LoadJobFile(const std::string& path, JobLibrary& library, LoadedJob& out);
LoadError LoadJobFile(const std::string& path, const std::string& library_dir, LoadedJob& out,
                      const std::string& executable_dir = "");

// A JSON job given as text (standard input); `name` serves the messages.
LoadError LoadJsonJobText(std::string_view text, const std::string& name, LoadedJob& out);

// Reads a whole job file, refusing directories, pipes and devices and anything larger than a
// job can be; the error names the file and the system's reason.
LoadError ReadWholeFile(const std::string& path, std::string& content);

}  // namespace traxen
