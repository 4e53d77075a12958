// The render command's options, and the hand-over to the program that draws.
#include "cli/render_options.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <iostream>

#include "cli/help_texts.h"

namespace traxen::cli {

void AddLibraryOption(CLI::App& command, LibraryOptions& library) {
  command.add_option("--library", library.library_dir, "Section library directory (see below)")->type_name("DIR");
}

CLI::App* AddRenderCommand(CLI::App& app, RenderOptions& render, LibraryOptions& library) {
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
  AddLibraryOption(*render_cmd, library);
  render_cmd->footer(Footer({"A PDF has one A4 sheet per report page and the job name as its title (the job\n"
                             "file's name while the job keeps a new job's placeholder name); a PNG is one\n"
                             "image per page (NAME-1.png, NAME-2.png, ... when there are several);\n"
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
                             "the document (\"Leht 3 / 41\") and one bookmark per joint. A row of a table that\n"
                             "cannot be read is listed in the summary with its reason, in red and without a\n"
                             "report, and the exit status is 2; a job file that cannot be read stops the PDF.\n"
                             "--lang en writes the whole report in English (the summary too), with the same\n"
                             "formulas and numbers; without --lang the TRAXEN_LANG variable is used.\n"
                             "The footer date: --date, else SOURCE_DATE_EPOCH (seconds since 1970) when\n"
                             "set, else now. A fixed date gives the same bytes every time, so an archived\n"
                             "report can be rebuilt exactly.",
                             kLibraryNote, kExitCodes}));
  return render_cmd;
}

int HandOverRender(char** argv, const std::string& executable_dir) {
  // Only drawing needs Qt, and only the render program loads it: every other command starts
  // as quickly as a program that reads a file can.
  if (executable_dir.empty()) {
    std::cerr << "traxen-cli: cannot find the report writer: the folder of traxen-cli is not known\n";
    return kExitError;
  }
  const std::string program =
      (std::filesystem::path(executable_dir) / TRAXEN_RENDER_DIR_FROM_BIN / "traxen-render").lexically_normal().string();
  std::cout.flush();
  ::execv(program.c_str(), argv);
  std::cerr << "traxen-cli: cannot start the report writer " << program << ": " << std::strerror(errno)
            << " (it is installed with traxen-cli)\n";
  return kExitError;
}

}  // namespace traxen::cli
