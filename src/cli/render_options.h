// The options of `traxen-cli render`, defined once for the two programs that parse them:
// traxen-cli, which checks them and shows the help, and the render program it hands the work
// to, which reads them again from the same arguments.
#pragma once

#include <CLI/CLI.hpp>

#include "cli/commands.h"

namespace traxen::cli {

// --library DIR into `library`.
void AddLibraryOption(CLI::App& command, LibraryOptions& library);

// The subcommand "render" of `app`, its options going into `render` and `library`.
CLI::App* AddRenderCommand(CLI::App& app, RenderOptions& render, LibraryOptions& library);

// Hands `traxen-cli render` over to the render program beside traxen-cli (in
// `executable_dir`): the process becomes that program with the same arguments, standard
// input and output, so that its exit status is the command's. Returns only when the program
// cannot be started, having said why; the exit status is then 2.
int HandOverRender(char** argv, const std::string& executable_dir);

}  // namespace traxen::cli
