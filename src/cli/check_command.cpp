// traxen-cli check: each job computed as the report would, summarised as text, JSON or CSV.
#include <fmt/format.h>

#include <cmath>
#include <iostream>

#include "base/display_text.h"
#include "cli/check_json.h"
#include "cli/commands.h"
#include "cli/job_input.h"
#include "model/csv_table.h"
#include "families/dispatch.h"

namespace traxen::cli {

namespace {

std::string Verdict(const CheckSummary& s) {
  return s.passed() ? "passed" : !s.valid ? "invalid" : s.verdicts.empty() ? "no checks" : "failed";
}

std::string Eta(double eta) { return std::isfinite(eta) ? fmt::format("{:.2f}", eta) : std::string("inf"); }

// "job.json tyx passed: eta = 0.45 (brace 1, mode 1 chord face failure)"; a control
// character in the file name is spelt out, so that every job keeps its one line.
std::string TextLine(const std::string& job, const CheckSummary& s) {
  std::string line = fmt::format("{} {} {}", EscapedControls(job), s.family, Verdict(s));
  if (!s.valid) {
    line += fmt::format(": {} failed condition{}", s.failed_conditions, s.failed_conditions == 1 ? "" : "s");
    if (!s.failed_condition_names.empty()) {
      line += " (";
      for (std::size_t i = 0; i < s.failed_condition_names.size(); ++i)
        line += (i ? "; " : "") + s.failed_condition_names[i];
      line += ")";
    }
  } else if (const ResistanceVerdict* v = GoverningVerdict(s)) {
    line += fmt::format(": max eta = {} (brace {}, mode {}: {})", Eta(Utilisation(*v)), v->brace, v->mode,
                        ModeName(s, *v));
  }
  return line;
}

std::string CsvNumber(double v) { return std::isfinite(v) ? fmt::format("{}", v) : std::string(); }

// The throat of the brace's full-strength weld, or an empty field when the job has none.
std::string WeldThroat(const CheckSummary& s, int brace) {
  for (const WeldSummary& w : s.welds)
    if (w.brace == brace) return CsvNumber(w.a_min);
  return {};
}

// `text` (a dump at indent 2) as it sits `levels` × 2 blanks deep in the whole document.
std::string Indented(const std::string& text, int levels) {
  const std::string pad(static_cast<std::size_t>(2 * levels), ' ');
  std::string out;
  out.reserve(text.size() + text.size() / 8);
  std::size_t from = 0;
  for (std::size_t nl = text.find('\n'); nl != std::string::npos; nl = text.find('\n', from)) {
    out.append(text, from, nl + 1 - from).append(pad);
    from = nl + 1;
  }
  return out.append(text, from);
}

// The JSON result is written job by job as each is checked, so that a batch of any size
// needs the memory of one job; the bytes are those of the whole document dumped at once.
class JsonStream {
 public:
  void Begin() { std::cout << "{\n  \"units\": " << Indented(Dump(CheckUnitsJson()), 1) << ",\n  \"jobs\": ["; }
  void Job(const nlohmann::ordered_json& job) {
    std::cout << (count_++ ? ",\n    " : "\n    ") << Indented(Dump(job), 2);
  }
  void End() { std::cout << (count_ ? "\n  ]\n}\n" : "]\n}\n"); }

 private:
  // A file name that is not valid UTF-8 is written with its bad bytes replaced (U+FFFD):
  // the batch's output is never lost for one name.
  static std::string Dump(const nlohmann::ordered_json& j) {
    return j.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
  }
  int count_ = 0;
};

}  // namespace

int RunCheck(const CheckOptions& options, const LibraryOptions& library_options) {
  JobLibrary library(library_options.library_dir, library_options.executable_dir);
  bool any_error = false, all_passed = true;
  JsonStream json;
  if (options.format == CheckFormat::kJson) json.Begin();
  if (options.format == CheckFormat::kCsv)
    std::cout << "job,family,brace,mode,mode_name,N_Ed_kN,N_Rd_kN,utilisation,passed,a_min_mm\r\n";
  for (const std::string& name : options.jobs) {
    ForEachCommandJob(name, library, [&](const std::string& path, const LoadError& error, LoadedJob& loaded) {
      if (error) {
        std::cerr << error.message << "\n";
        any_error = true;
        return;
      }
      const CheckSummary summary = CheckJob(loaded.job, loaded.working, loaded.last_dialog);
      all_passed = all_passed && summary.passed();
      switch (options.format) {
        case CheckFormat::kJson: json.Job(CheckSummaryToJson(path, summary)); break;
        case CheckFormat::kText: std::cout << TextLine(path, summary) << "\n"; break;
        case CheckFormat::kCsv:
          for (const ResistanceVerdict& v : summary.verdicts)
            std::cout << CsvText(path) << "," << CsvText(summary.family) << "," << v.brace << "," << CsvText(v.mode)
                      << "," << CsvText(ModeName(summary, v)) << "," << CsvNumber(v.N_Ed) << ","
                      << CsvNumber(v.N_Rd) << "," << CsvNumber(Utilisation(v)) << ","
                      << (v.passed ? "true" : "false") << "," << WeldThroat(summary, v.brace) << "\r\n";
          break;
      }
    });
  }
  if (options.format == CheckFormat::kJson) json.End();
  std::cout.flush();
  if (!std::cout) {
    std::cerr << "traxen-cli: cannot write to standard output\n";
    return kExitError;
  }
  if (any_error) return kExitError;
  return all_passed ? kExitOk : kExitNotPassed;
}

}  // namespace traxen::cli
