// traxen-cli check: each job computed as the report would, summarised as text, JSON or CSV.
#include <fmt/format.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <iostream>
#include <streambuf>
#include <vector>

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

// Standard output gathered into large writes while the jobs are checked: a batch of thousands
// of jobs makes a few hundred system calls instead of several per job. Standard error stays
// tied to it, so that a message still follows the results before it wherever both go; a
// terminal sees every job as soon as it is checked.
class BatchOutput : public std::streambuf {
 public:
  BatchOutput() : buffer_(64 * 1024), interactive_(::isatty(::fileno(stdout)) == 1) {
    setp(buffer_.data(), buffer_.data() + buffer_.size());
    std::cout.flush();
    previous_ = std::cout.rdbuf(this);
  }
  ~BatchOutput() override {
    std::cout.flush();
    std::cout.rdbuf(previous_);
  }
  BatchOutput(const BatchOutput&) = delete;
  BatchOutput& operator=(const BatchOutput&) = delete;

  void JobDone() {
    if (interactive_) std::cout.flush();
  }

 protected:
  int_type overflow(int_type c) override {
    if (!Drain()) return traits_type::eof();
    if (!traits_type::eq_int_type(c, traits_type::eof())) {
      *pptr() = traits_type::to_char_type(c);
      pbump(1);
    }
    return traits_type::not_eof(c);
  }
  int sync() override { return Drain() && std::fflush(stdout) == 0 ? 0 : -1; }

 private:
  bool Drain() {
    const auto size = static_cast<std::size_t>(pptr() - pbase());
    const bool written = size == 0 || std::fwrite(pbase(), 1, size, stdout) == size;
    setp(buffer_.data(), buffer_.data() + buffer_.size());
    return written;
  }
  std::vector<char> buffer_;
  bool interactive_;
  std::streambuf* previous_ = nullptr;
};

}  // namespace

int RunCheck(const CheckOptions& options, const LibraryOptions& library_options) {
  JobLibrary library(library_options.library_dir, library_options.executable_dir);
  bool any_error = false, all_passed = true;
  BatchOutput output;
  CheckJsonDocument json;
  std::string piece;  // one job's JSON, its room kept from job to job
  if (options.format == CheckFormat::kJson) {
    json.Begin(piece);
    std::cout << piece;
  }
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
        case CheckFormat::kJson:
          piece.clear();
          json.Job(piece, path, summary);
          std::cout << piece;
          break;
        case CheckFormat::kText: std::cout << TextLine(path, summary) << "\n"; break;
        case CheckFormat::kCsv:
          for (const ResistanceVerdict& v : summary.verdicts)
            std::cout << CsvText(path) << "," << CsvText(summary.family) << "," << v.brace << "," << CsvText(v.mode)
                      << "," << CsvText(ModeName(summary, v)) << "," << CsvNumber(v.N_Ed) << ","
                      << CsvNumber(v.N_Rd) << "," << CsvNumber(Utilisation(v)) << ","
                      << (v.passed ? "true" : "false") << "," << WeldThroat(summary, v.brace) << "\r\n";
          break;
      }
      output.JobDone();
    });
  }
  if (options.format == CheckFormat::kJson) {
    piece.clear();
    json.End(piece);
    std::cout << piece;
  }
  std::cout.flush();
  if (!std::cout) {
    std::cerr << "traxen-cli: cannot write to standard output\n";
    return kExitError;
  }
  if (any_error) return kExitError;
  return all_passed ? kExitOk : kExitNotPassed;
}

}  // namespace traxen::cli
