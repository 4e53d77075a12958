// traxen-cli render of several jobs or a joint table: one PDF with the truss's summary first
// and then every joint's report, page numbers running through and one bookmark per joint.
#include <fmt/format.h>

#include <cmath>
#include <filesystem>
#include <iostream>
#include <limits>
#include <memory>
#include <vector>

#include "cli/combined_render.h"
#include "cli/job_input.h"
#include "report/dispatch.h"
#include "report/truss_summary.h"
#include "ui/qt/combined_report.h"

namespace traxen::cli {

namespace {

struct Joint {
  std::string name;
  LoadedJob loaded;
  int page_count = 1;
};

}  // namespace

int RunCombinedRender(const RenderOptions& options, const LibraryOptions& library_options, std::time_t when,
                      bool fixed_date) {
  if (!HasSuffix(options.out, ".pdf")) {
    std::cerr << "traxen-cli: " << options.out << ": several joints go into one PDF (.pdf)\n";
    return kExitError;
  }
  JobLibrary library(library_options.library_dir, library_options.executable_dir);
  std::vector<Joint> joints;
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
      joints.push_back({std::move(joint), std::move(loaded), 1});
    });
  }
  // A truss report with a joint left out would look complete: write it only whole.
  if (any_error || joints.empty()) {
    std::cerr << "traxen-cli: " << options.out << ": not written"
              << (joints.empty() && !any_error ? " (no joints)" : "") << "\n";
    return kExitError;
  }

  TrussSummary summary;
  summary.info = joints.front().loaded.job.info;
  summary.info.job_name = options.jobs.size() == 1 ? std::filesystem::path(options.jobs.front()).stem().string()
                                                   : std::filesystem::path(options.out).stem().string();
  summary.now = when;
  // The page count of each report is known only from its layout: laid out once to count,
  // again to paint, so that no joint's report is kept while the others are drawn.
  int next_page = TrussSummaryPageCount(joints.size()) + 1;
  for (Joint& j : joints) {
    j.page_count = LayOutReport(j.loaded.job, j.loaded.working, j.loaded.last_dialog, when, !options.no_welds).page_count;
    TrussJointLine line = SummarizeJoint(
        j.name, j.loaded.job, CheckJob(j.loaded.job, j.loaded.working, j.loaded.last_dialog));
    line.first_page = next_page;
    next_page += j.page_count;
    summary.joints.push_back(std::move(line));
  }

  std::vector<CombinedPart> parts;
  parts.push_back({"Kokkuvõte", TrussSummaryPageCount(joints.size()),
                   [&](int, int total) { return LayOutTrussSummary(summary, total); }});
  for (const Joint& j : joints)
    parts.push_back({j.name, j.page_count, [&j, &options, when](int first, int total) {
                       return LayOutReport(j.loaded.job, j.loaded.working, j.loaded.last_dialog, when,
                                           !options.no_welds, first, total);
                     }});
  ReportFileOptions file_options;
  file_options.title = QString::fromStdString(summary.info.job_name);
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
