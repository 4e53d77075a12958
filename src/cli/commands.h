// The commands of traxen-cli, each a function of its parsed options returning the exit code:
// 0 success (for check: every job passed), 1 a check that did not pass, 2 an error (bad
// arguments, a job that cannot be read, a file that cannot be written).
#pragma once

#include <string>
#include <vector>

namespace traxen::cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitNotPassed = 1;
inline constexpr int kExitError = 2;

// Where the section library is looked for (see sections/library_dir.h).
struct LibraryOptions {
  std::string library_dir;     // --library, "" = the usual search
  std::string executable_dir;  // this program's directory
};

struct RenderOptions {
  // One job (a path, or "-" for a JSON job on standard input), or several and joint tables
  // (*.csv) for one combined PDF.
  std::vector<std::string> jobs;
  std::string out;  // .pdf, .png or .txt, any case
  std::string date;  // --date, "" = SOURCE_DATE_EPOCH or now
  bool no_welds = false;  // --no-welds: the report without its closing brace-weld section
  std::string lang;       // --lang: et or en, "" = TRAXEN_LANG, else et
};
int RunRender(const RenderOptions& options, const LibraryOptions& library, char* argv0);

enum class CheckFormat { kText, kJson, kCsv };
struct CheckOptions {
  std::vector<std::string> jobs;
  CheckFormat format = CheckFormat::kText;
};
int RunCheck(const CheckOptions& options, const LibraryOptions& library);

struct NewOptions {
  std::string family;  // tyx, x or kn, or table for a joint table
  std::string out;     // "" = standard output
  bool force = false;
  std::string lang;    // --lang: the job texts' placeholders, et or en; "" = TRAXEN_LANG, else et
};
int RunNew(const NewOptions& options);

int RunKeys();

struct ConvertOptions {
  std::string in, out;
  bool force = false;
};
int RunConvert(const ConvertOptions& options, const LibraryOptions& library);

struct SplitOptions {
  std::string table;    // the joint table (*.csv)
  std::string out_dir;  // one JSON job per joint is written here
  bool force = false;
};
int RunSplit(const SplitOptions& options, const LibraryOptions& library);

struct TableOptions {
  std::vector<std::string> jobs;  // JSON jobs
  std::string out;                // the joint table (*.csv)
  bool force = false;
};
int RunTable(const TableOptions& options);

}  // namespace traxen::cli
