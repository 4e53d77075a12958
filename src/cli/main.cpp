// traxen-cli: the desktop program's headless twin. Reads the same job files, computes the
// same checks and draws the same report into PDF, PNG or text; never opens a window. This
// file only parses the command line and hands each command its options. It links no Qt:
// drawing is the render program's, which `render` hands its work to.
#include <CLI/CLI.hpp>
#include <algorithm>
#include <iostream>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "cli/help_texts.h"
#include "cli/program_dir.h"
#include "cli/render_options.h"
#include "families/joint_family.h"
#include "version.h"

namespace {

using namespace traxen::cli;

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
  library.executable_dir = ProgramDir(argv[0]);
  auto add_library = [&](CLI::App* command) { AddLibraryOption(*command, library); };

  RenderOptions render;
  CLI::App* render_cmd = AddRenderCommand(app, render, library);

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

  if (*render_cmd) return HandOverRender(argv, library.executable_dir);
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
