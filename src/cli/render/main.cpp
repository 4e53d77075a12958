// traxen-render: the part of traxen-cli that draws. `traxen-cli render ...` becomes this
// program with the same arguments (see cli/render_options.h), so that the other commands
// never load Qt; started by hand, it takes the same arguments as traxen-cli, from "render" on.
#include <CLI/CLI.hpp>
#include <filesystem>
#include <iostream>

#include "cli/commands.h"
#include "cli/program_dir.h"
#include "cli/render_options.h"

namespace {

// traxen-cli's directory, where the section library is looked for as traxen-cli looks for it:
// this program lies at a fixed place from it.
std::string CliDir(const char* argv0) {
  const std::string own = traxen::cli::ProgramDir(nullptr);
  if (own.empty()) return traxen::cli::ProgramDir(argv0);  // argv[0] is traxen-cli's
  return (std::filesystem::path(own) / TRAXEN_BIN_DIR_FROM_RENDER).lexically_normal().string();
}

}  // namespace

int main(int argc, char** argv) {
  using namespace traxen::cli;
  CLI::App app{"traxen-render: writes the report of `traxen-cli render`", "traxen-cli"};
  app.require_subcommand(1);
  LibraryOptions library;
  library.executable_dir = CliDir(argv[0]);
  RenderOptions render;
  AddRenderCommand(app, render, library);
  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& e) {
    if (e.get_exit_code() == static_cast<int>(CLI::ExitCodes::Success)) return app.exit(e);
    std::cerr << "traxen-cli: " << e.what() << "\nRun 'traxen-cli --help' for the commands and their options.\n";
    return kExitError;
  }
  return RunRender(render, library, argv[0]);
}
