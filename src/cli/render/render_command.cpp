// traxen-cli render: one job's report as PDF, PNG or text, written whole or not at all.
#include <QGuiApplication>
#include <QHashFunctions>

#include <malloc.h>

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <memory>
#include <vector>

#include "cli/render/combined_render.h"
#include "cli/commands.h"
#include "cli/job_input.h"
#include "cli/language_option.h"
#include "cli/render/report_date.h"
#include "model/atomic_file.h"
#include "model/job_name.h"
#include "model/page_files.h"
#include "families/dispatch.h"
#include "base/display_text.h"
#include "families/report_text.h"
#include "report/pages.h"
#include "ui/qt/report_export.h"

namespace traxen::cli {

namespace {

// Qt's own diagnostics ("QPainter::begin(): Returned false", "XDG_RUNTIME_DIR not set") say
// nothing a user of this program can act on: failures are reported by the program itself.
void QuietQtMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtFatalMsg) std::cerr << message.toStdString() << "\n";
}

// Only drawing needs fonts: the GUI machinery starts here and nowhere else, once per run.
std::unique_ptr<QGuiApplication> StartGui(char* argv0, bool fixed_date) {
  // Qt's PDF writer takes two blocks of 16 MiB for every page it compresses, most of them
  // never touched. The C library would move such blocks into its heap after the first was
  // freed, and the pages touched there stay with the process: a truss of a thousand joints
  // then ends several MiB larger than one of a hundred. A fixed threshold keeps every large
  // block a mapping of its own, given back as soon as it is freed.
  mallopt(M_MMAP_THRESHOLD, 1 << 20);
  qInstallMessageHandler(QuietQtMessages);
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // Fonts are embedded in the order of a hash table: a fixed seed keeps that order too.
  if (fixed_date) QHashSeed::setDeterministicGlobalSeed();
  static int qt_argc = 1;  // Qt keeps references to these for the application's life
  static char* qt_argv[] = {argv0, nullptr};
  return std::make_unique<QGuiApplication>(qt_argc, qt_argv);
}

}  // namespace

int RunRender(const RenderOptions& options, const LibraryOptions& library_options, char* argv0) {
  ReportLanguage language = ReportLanguage::kEstonian;
  if (!ChooseReportLanguage(options.lang, language)) return kExitError;
  const std::string& out_path = options.out;
  const bool pdf = HasSuffix(out_path, ".pdf"), png = HasSuffix(out_path, ".png"), txt = HasSuffix(out_path, ".txt");
  if (!pdf && !png && !txt) {
    std::cerr << "traxen-cli: " << out_path << ": the report file must end in .pdf, .png or .txt\n";
    return kExitError;
  }
  std::time_t when = 0;
  bool fixed_date = false;
  if (std::string e = ReportTime(options.date, when, fixed_date); !e.empty()) {
    std::cerr << "traxen-cli: " << e << "\n";
    return kExitError;
  }

  const bool combined = options.jobs.size() > 1 || HasSuffix(options.jobs.front(), ".csv");
  if (combined) {
    if (!pdf) {
      std::cerr << "traxen-cli: " << out_path << ": several joints go into one PDF (.pdf)\n";
      return kExitError;
    }
    const auto app = StartGui(argv0, fixed_date);
    return RunCombinedRender(options, library_options, when, fixed_date, language);
  }
  const std::string& job = options.jobs.front();

  JobLibrary library(library_options.library_dir, library_options.executable_dir);
  LoadedJob loaded;
  if (LoadError e = LoadCommandJob(job, library, loaded)) {
    std::cerr << e.message << "\n";
    return kExitError;
  }

  if (txt) {
    if (!OutputSparesInput(out_path, job)) return kExitError;
    if (LoadError e = WriteFileAtomically(out_path, RenderReportText(loaded.job, loaded.working, loaded.last_dialog, !options.no_welds, language))) {
      std::cerr << e.message << "\n";
      return kExitError;
    }
    return kExitOk;
  }

  const auto app = StartGui(argv0, fixed_date);
  const auto report =
      std::make_unique<LaidOutReport>(LayOutReport(loaded.job, loaded.working, loaded.last_dialog, when, !options.no_welds, 1, 0, language));
  for (int page = 1; page <= (png ? report->page_count : 1); ++page)
    if (!OutputSparesInput(png ? PageFileName(out_path, page, report->page_count) : out_path, job))
      return kExitError;
  QString error;
  const QString out = QString::fromLocal8Bit(out_path.c_str());
  ReportFileOptions file_options;
  // A job still named by the placeholder is told apart by its file's name.
  const std::string file_name = std::filesystem::path(job == kStandardInput ? out_path : job).filename().string();
  file_options.title = QString::fromStdString(ReportDocumentTitle(loaded.job.info.job_name, file_name));
  file_options.reproducible = fixed_date;
  file_options.created = when;
  std::vector<LeftoverPage> leftovers;
  const bool ok =
      pdf ? WriteReportPdf(*report, out, &error, file_options) : WriteReportPng(*report, out, &error, &leftovers);
  if (!ok) {
    std::cerr << error.toLocal8Bit().toStdString() << "\n";
    return kExitError;
  }
  // The new report is complete either way; a page that stays is named so that nobody takes it
  // for one of this report's.
  for (const LeftoverPage& page : leftovers) {
    if (page.removed)
      std::cerr << page.path << ": removed, left from an earlier render\n";
    else
      std::cerr << page.path << ": left from an earlier render, not removed: " << page.reason << "\n";
  }
  return kExitOk;
}

}  // namespace traxen::cli
