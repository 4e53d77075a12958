// Opening a job file as the desktop program would confirm it: a JSON job (*.json) or a
// project file (*.trx), followed by the confirmation of its family's joint dialog. A thin
// wrapper over the job document (model/job_document.h) for the command line.
#pragma once

#include <string>

#include "model/job.h"
#include "model/load_result.h"
#include "model/report_inputs.h"

namespace traxen {

struct LoadedJob {
  Job job;
  int last_dialog = 0;   // 1 T/Y/X, 2 K/N, 0 neither
  ReportInputs working;  // the working values a project file restored (zero for JSON)
};

// `library_dir` is the section library folder for project files ("" = the usual search:
// TRAXEN_LIBRARY, "Profiilid" below the working directory, then the copy installed beside
// `executable_dir`, the directory of the running program). On failure `out` is unchanged.
LoadError LoadJobFile(const std::string& path, const std::string& library_dir, LoadedJob& out,
                      const std::string& executable_dir = "");

// Reads a whole file; the error names the file and the system's reason.
LoadError ReadWholeFile(const std::string& path, std::string& content);

}  // namespace traxen
