// traxen-cli render of several jobs or a joint table: one PDF with the truss's summary first
// and then every joint's report, page numbers running through and one bookmark per joint.
#include <fmt/format.h>

#include <filesystem>
#include <iostream>
#include <vector>

#include "cli/combined_render.h"
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
  bool any_error = false;
  for (const std::string& name : options.jobs) {
    if (!OutputSparesInput(options.out, name)) return kExitError;
    const bool table = HasSuffix(name, ".csv");
    ForEachCommandJob(name, library, [&](const std::string& label, const LoadError& error, LoadedJob& loaded) {
      if (error) {
        std::cerr << error.message << "\n";
        any_error = true;
        return;
      }
      std::string joint = table ? label.substr(name.size() + 1) : std::filesystem::path(label).filename().string();
      joints.push_back({std::move(joint), std::move(loaded.job), loaded.working, loaded.last_dialog});
    });
  }
  // A truss report with a joint left out would look complete: write it only whole.
  if (any_error || joints.empty()) {
    std::cerr << "traxen-cli: " << options.out << ": not written"
              << (joints.empty() && !any_error ? " (no joints)" : "") << "\n";
    return kExitError;
  }

  JobInfo info = joints.front().job.info;
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
  return kExitOk;
}

}  // namespace traxen::cli
