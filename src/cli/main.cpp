// traxen-cli: the desktop program's headless twin. Reads the same job files, computes the
// same checks and draws the same report into PDF, PNG or text; never opens a window. This
// file only parses the command line and hands each command its options.
#include <unistd.h>

#include <CLI/CLI.hpp>
#include <algorithm>
#include <climits>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "families/joint_family.h"
#include "version.h"

namespace {

using namespace traxen::cli;

// The directory of this program, where the installed section library is looked for
// (../share/traxen/Profiilid): from /proc/self/exe, else from argv[0] when it holds a path.
std::string ExecutableDir(const char* argv0) {
  char buffer[PATH_MAX];
  const ssize_t n = ::readlink("/proc/self/exe", buffer, sizeof buffer - 1);
  std::filesystem::path exe = n > 0 ? std::filesystem::path(std::string(buffer, static_cast<std::size_t>(n)))
                                    : std::filesystem::path(argv0 ? argv0 : "");
  if (n <= 0 && exe.string().find('/') == std::string::npos) return {};  // found on PATH: unknown
  return exe.parent_path().string();
}

constexpr const char* kExitCodes =
    "Exit codes: 0 done (check: every job passed), 1 a check did not pass (a failed\n"
    "resistance or an invalid joint), 2 an error: bad arguments, a job that cannot be read\n"
    "(the message names the file and the key or line), a file that cannot be written.";

constexpr const char* kLibraryNote =
    "Section library (needed for .trx project files only): --library DIR, else the\n"
    "environment variable TRAXEN_LIBRARY, else ./Profiilid, else the copy installed with\n"
    "the program (../share/traxen/Profiilid beside its bin directory).";

constexpr const char* kUnits =
    "Units: mm for sections and plates, m for member lengths, kN for forces (tension\n"
    "positive, compression negative), kNm for moments, MPa for strengths, degrees for angles.";

constexpr const char* kJointTable =
    "A joint table holds a truss's joints, one per row, after a header row of job keys as\n"
    "'traxen-cli keys' lists them (tyx.N1, kn.theta1, steel.fy0, ...) and the columns joint\n"
    "(the joint's name, the job name when info.job_name is not given), family (tyx, x, kn,\n"
    "chs_tyx, chs_x, chs_kn, rc_tyx, rc_x or rc_kn) and chord, brace1, brace2 (a hollow\n"
    "section by name, such as 160x160x8, looked up in the section library for its h, b and t,\n"
    "or for a circular member a tube such as 88.9x5 for its d and t). An empty cell keeps\n"
    "the default. Comma or semicolon separated, UTF-8 with or without a byte order mark; with\n"
    "semicolons a decimal comma is read as a decimal point. 'traxen-cli new table' writes one\n"
    "to start from.";

std::string Footer(std::initializer_list<const char*> parts) {
  std::string text;
  for (const char* p : parts) text += std::string("\n") + p + "\n";
  return text;
}

// "tyx (a T or Y joint), x (an X joint), kn (a K or N joint), or table (a joint table)"
std::string NewFamilyHelp() {
  std::string help;
  for (const traxen::JointFamily& f : traxen::JointFamilies()) help += std::string(f.new_help) + ", ";
  return help + "or table (a joint table)";
}

std::vector<std::string> NewFamilyNames() {
  std::vector<std::string> names;
  // "chs_kn" is also accepted as "chs-kn", as command-line names are usually written.
  for (std::string_view name : traxen::FamilyNames()) {
    names.emplace_back(name);
    if (name.find('_') != std::string_view::npos) {
      std::string hyphenated(name);
      std::replace(hyphenated.begin(), hyphenated.end(), '_', '-');
      names.push_back(hyphenated);
    }
  }
  names.emplace_back("table");
  return names;
}

}  // namespace

int main(int argc, char** argv) {
  CLI::App app{"traxen-cli " TRAXEN_VERSION
               ": checks welded planar truss joints of rectangular hollow sections\n"
               "(EN 1993-1-8 chapter 7) and writes the calculation report, without a window.",
               "traxen-cli"};
  app.set_version_flag("--version", std::string("traxen-cli ") + TRAXEN_VERSION + "\n" + TRAXEN_LICENSE,
                       "Print the version and the licence, then exit");
  app.require_subcommand(1);
  app.footer(Footer({"Run 'traxen-cli COMMAND --help' for a command's options.\n"
                     "A job is a JSON job (*.json; '-' reads one from standard input) or a project\n"
                     "file of the desktop program (*.trx). 'traxen-cli new' writes a complete JSON\n"
                     "job to start from; 'traxen-cli keys' lists its keys. '--' ends the options.",
                     kUnits, kLibraryNote, kExitCodes}));

  LibraryOptions library;
  library.executable_dir = ExecutableDir(argv[0]);
  auto add_library = [&](CLI::App* command) {
    command->add_option("--library", library.library_dir, "Section library directory (see below)")
        ->type_name("DIR");
  };

  RenderOptions render;
  CLI::App* render_cmd = app.add_subcommand("render", "Write the calculation report of one job");
  render_cmd
      ->add_option("JOB", render.jobs,
                   "Job file (.json or .trx), or - for a JSON job on standard input; several jobs or a joint "
                   "table (.csv) make one PDF")
      ->required();
  render_cmd
      ->add_option("-o,--output", render.out, "Report file: .pdf, .png or .txt (any letter case)")
      ->type_name("OUT")
      ->required();
  render_cmd
      ->add_option("--date", render.date, "Fixed footer date: YYYY-MM-DD, 'YYYY-MM-DD HH:MM[:SS]' or @SECONDS (UTC)")
      ->type_name("TEXT");
  render_cmd->add_flag("--no-welds", render.no_welds,
                       "Leave out the closing section with the full-strength weld of every brace");
  render_cmd
      ->add_option("--lang", render.lang,
                   "Report language: et (Estonian) or en (English); default TRAXEN_LANG, else et")
      ->type_name("LANG");
  add_library(render_cmd);
  render_cmd->footer(Footer({"A PDF has one A4 sheet per report page and the job name as its title; a PNG\n"
                             "is one image per page (NAME-1.png, NAME-2.png, ... when there are several);\n"
                             "a text file holds the report's text. The file is written whole or not at\n"
                             "all: an existing file is replaced only when the new one is complete, and\n"
                             "keeps its mode and owner. A link is written through only to a regular file\n"
                             "(or a new one in a folder that exists); a folder, pipe, device, read-only\n"
                             "file, another user's file or the job being read is refused.\n"
                             "Once the new PNG pages are all on disk, what they do not replace of an\n"
                             "earlier render to the same name is removed and named on stderr: the pages\n"
                             "after the new last one (up to the first missing number), an earlier\n"
                             "NAME-1.png, ... set beside a one-page NAME.png, an earlier NAME.png beside a\n"
                             "set of several. Only regular files are removed: a symbolic link, or a file\n"
                             "that cannot be removed, is named with the reason and stays. The earlier\n"
                             "pages go before the new ones are renamed in, so the names never hold pages\n"
                             "of two reports. A failed render removes nothing.\n"
                             "Several jobs, or a joint table (.csv), make one PDF: a summary of the joints\n"
                             "first (family, sections, governing check, largest utilisation, verdict and\n"
                             "the page of each joint's report, then the verdict of the whole truss), then\n"
                             "each joint's report on pages of its own, the page numbers running through\n"
                             "the document (\"Leht 3 / 41\") and one bookmark per joint. It is written only\n"
                             "when every job can be read.\n"
                             "--lang en writes the whole report in English (the summary too), with the same\n"
                             "formulas and numbers; without --lang the TRAXEN_LANG variable is used.\n"
                             "The footer date: --date, else SOURCE_DATE_EPOCH (seconds since 1970) when\n"
                             "set, else now. A fixed date gives the same bytes every time, so an archived\n"
                             "report can be rebuilt exactly.",
                             kLibraryNote, kExitCodes}));

  CheckOptions check;
  CLI::App* check_cmd = app.add_subcommand("check", "Compute jobs and print each verdict, without a report");
  check_cmd
      ->add_option("JOB", check.jobs,
                   "Job files (.json or .trx) or joint tables (.csv); - reads a JSON job from standard input")
      ->required();
  bool as_json = false, as_csv = false;
  CLI::Option* json_flag = check_cmd->add_flag("--json", as_json, "Print every computed value as one JSON object");
  check_cmd
      ->add_flag("--csv", as_csv, "Print one CSV row per verdict, after a header row")
      ->excludes(json_flag);
  add_library(check_cmd);
  check_cmd->footer(Footer({"Text: one line per job: file, family, verdict (passed, failed, invalid or no\n"
                            "checks), then the largest utilisation eta = |N_Ed| / N_Rd with its brace and\n"
                            "mode, or the number and names of the failed validity conditions.\n"
                            "--json: {\"units\": ..., \"jobs\": [...]}, per job the family, title, gap values,\n"
                            "validity, failed_condition_names and every verdict with N_Ed, N_Rd (kN),\n"
                            "utilisation and mode_name, and per brace the full-strength weld (welds:\n"
                            "brace, beta_w, a_over_t, a_min in mm); numbers that are not finite are null.\n"
                            "--csv: job,family,brace,mode,mode_name,N_Ed_kN,N_Rd_kN,utilisation,passed,\n"
                            "a_min_mm (the throat of the brace's full-strength weld, empty without one);\n"
                            "a text field starting with = + - @, a tab or a CR gets a leading ' so that a\n"
                            "spreadsheet keeps it as text. Control characters in file names are spelt\n"
                            "out (\\t, \\n, \\x1b) in the text lines.\n"
                            "A joint table (.csv) is checked row by row, each row named FILE:JOINT (or\n"
                            "FILE:row N); a bad row is reported and the others are still checked.\n"
                            "Warnings and errors go to standard error.",
                            kLibraryNote, kExitCodes}));

  NewOptions new_options;
  CLI::App* new_cmd = app.add_subcommand("new", "Write a complete JSON job of a family, every key at its default");
  new_cmd
      ->add_option("FAMILY", new_options.family, NewFamilyHelp())
      ->required()
      ->check(CLI::IsMember(NewFamilyNames()));
  new_cmd->add_option("-o,--output", new_options.out, "File to write (default: standard output)")->type_name("FILE");
  new_cmd->add_flag("--force", new_options.force, "Replace FILE when it exists");
  new_cmd
      ->add_option("--lang", new_options.lang,
                   "Language of the job's placeholder texts (job name, client, engineer, owner): et or en; "
                   "default TRAXEN_LANG, else et")
      ->type_name("LANG");
  new_cmd->footer(Footer({"Edit the member sizes and the design actions: a job must give them all.", kUnits,
                          kExitCodes}));

  SplitOptions split;
  CLI::App* split_cmd = app.add_subcommand("split", "Write one JSON job per joint of a joint table");
  split_cmd->add_option("TABLE", split.table, "Joint table (.csv)")->required();
  split_cmd->add_option("-o,--output", split.out_dir, "Folder for the jobs (made when missing)")
      ->type_name("DIR")
      ->required();
  split_cmd->add_flag("--force", split.force, "Replace jobs that exist");
  add_library(split_cmd);
  split_cmd->footer(Footer({kJointTable, kLibraryNote, kExitCodes}));

  TableOptions table;
  CLI::App* table_cmd = app.add_subcommand("table", "Write a joint table of JSON jobs, one row per job");
  table_cmd->add_option("JOB", table.jobs, "JSON jobs (.json)")->required();
  table_cmd->add_option("-o,--output", table.out, "Joint table to write (.csv)")->type_name("OUT")->required();
  table_cmd->add_flag("--force", table.force, "Replace OUT when it exists");
  table_cmd->footer(Footer({"Each job's file name (without .json) is its joint name; its info.job_name\n"
                            "is left out when it only repeats that name. The table has a column for\n"
                            "every key any job gives. A job that cannot be read is named and the table\n"
                            "is not written.",
                            kJointTable, kExitCodes}));

  CLI::App* keys_cmd = app.add_subcommand("keys", "List every key of a JSON job with its unit, default and meaning");
  keys_cmd->footer(Footer({kUnits, kExitCodes}));

  ConvertOptions convert;
  CLI::App* convert_cmd = app.add_subcommand("convert", "Convert a job between a .trx project file and a .json job");
  convert_cmd->add_option("IN", convert.in, "Job to read (.trx or .json)")->required();
  convert_cmd->add_option("-o,--output", convert.out, "Job to write (.json or .trx, the other kind)")
      ->type_name("OUT")
      ->required();
  convert_cmd->add_flag("--force", convert.force, "Replace OUT when it exists");
  add_library(convert_cmd);
  convert_cmd->footer(Footer({"A project file is read and confirmed as 'check' does and written as a\n"
                              "complete JSON job. A JSON job is written as a project file whose section\n"
                              "list positions are found in the section library by each member's\n"
                              "h x b x t; a size the library lacks is an error naming the member.",
                              kLibraryNote, kExitCodes}));

  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& e) {
    if (e.get_exit_code() == static_cast<int>(CLI::ExitCodes::Success)) return app.exit(e);  // --help, --version
    std::cerr << "traxen-cli: " << e.what() << "\nRun 'traxen-cli --help' for the commands and their options.\n";
    return kExitError;
  }

  if (*render_cmd) return RunRender(render, library, argv[0]);
  if (*check_cmd) {
    check.format = as_json ? CheckFormat::kJson : as_csv ? CheckFormat::kCsv : CheckFormat::kText;
    return RunCheck(check, library);
  }
  if (*new_cmd) return RunNew(new_options);
  if (*keys_cmd) return RunKeys();
  if (*split_cmd) return RunSplit(split, library);
  if (*table_cmd) return RunTable(table);
  if (*convert_cmd) return RunConvert(convert, library);
  return kExitError;
}
