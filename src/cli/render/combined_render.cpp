// traxen-cli render of several jobs or a joint table: one PDF with the truss's summary first
// and then every joint's report, page numbers running through and one bookmark per joint.
#include <fmt/format.h>

#include <algorithm>
#include <filesystem>
#include <iostream>
#include <vector>

#include "cli/render/combined_render.h"
#include "cli/job_input.h"
#include "families/truss_report.h"
#include "ui/qt/combined_report.h"

namespace traxen::cli {


int RunCombinedRender(const RenderOptions& options, const LibraryOptions& library_options, std::time_t when,
                      bool fixed_date, ReportLanguage language) {
  if (!HasSuffix(options.out, ".pdf")) {
    std::cerr << "traxen-cli: " << options.out << ": several joints go into one PDF (.pdf)\n";
    return kExitError;
  }
  JobLibrary library(library_options.library_dir, library_options.executable_dir);
  std::vector<TrussJoint> joints;
  bool unreadable = false;  // a job file, or a whole table, that cannot be read
  std::size_t refused = 0;  // rows of a table that cannot be read
  for (const std::string& name : options.jobs) {
    if (!OutputSparesInput(options.out, name)) return kExitError;
    const bool table = HasSuffix(name, ".csv");
    ForEachCommandJob(name, library, [&](const std::string& label, const LoadError& error, LoadedJob& loaded) {
      const bool row = table && label.size() > name.size();
      std::string joint = row ? label.substr(name.size() + 1) : std::filesystem::path(label).filename().string();
      if (error) {
        std::cerr << error.message << "\n";
        // A row the table could not give is part of the truss all the same: the summary
        // lists it with its reason.
        if (row) {
          joints.push_back({joint, {}, {}, 0, RefusedRowReason(error.message, name, joint)});
          ++refused;
        } else {
          unreadable = true;
        }
        return;
      }
      joints.push_back({std::move(joint), std::move(loaded.job), loaded.working, loaded.last_dialog});
    });
  }
  // A truss report with a job left out would look complete: written only when every job file
  // could be read.
  if (unreadable || joints.empty()) {
    std::cerr << "traxen-cli: " << options.out << ": not written" << (joints.empty() && !unreadable ? " (no joints)" : "")
              << "\n";
    return kExitError;
  }

  // The header and footer texts of the first joint that could be read.
  const auto first = std::find_if(joints.begin(), joints.end(), [](const TrussJoint& j) { return j.refusal.empty(); });
  JobInfo info = first != joints.end() ? first->job.info : JobInfo{};
  info.job_name = options.jobs.size() == 1 ? std::filesystem::path(options.jobs.front()).stem().string()
                                           : std::filesystem::path(options.out).stem().string();
  const std::vector<CombinedPart> parts = TrussReportParts(joints, info, when, !options.no_welds, {}, language);
  ReportFileOptions file_options;
  file_options.title = QString::fromStdString(info.job_name);
  file_options.reproducible = fixed_date;
  file_options.created = when;
  QString error;
  if (!WriteCombinedReportPdf(parts, QString::fromLocal8Bit(options.out.c_str()), &error, file_options)) {
    std::cerr << error.toLocal8Bit().toStdString() << "\n";
    return kExitError;
  }
  if (refused > 0) {
    std::cerr << "traxen-cli: " << options.out << ": written; its summary lists " << refused
              << (refused == 1 ? " row" : " rows") << " that cannot be read, without a report\n";
    return kExitError;
  }
  return kExitOk;
}

}  // namespace traxen::cli
