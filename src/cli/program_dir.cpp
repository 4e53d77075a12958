// The running program's directory.
#include "cli/program_dir.h"

#include <unistd.h>

#include <climits>
#include <filesystem>

namespace traxen::cli {

std::string ProgramDir(const char* argv0) {
  char buffer[PATH_MAX];
  const ssize_t n = ::readlink("/proc/self/exe", buffer, sizeof buffer - 1);
  std::filesystem::path exe = n > 0 ? std::filesystem::path(std::string(buffer, static_cast<std::size_t>(n)))
                                    : std::filesystem::path(argv0 ? argv0 : "");
  if (n <= 0 && exe.string().find('/') == std::string::npos) return {};  // found on PATH: unknown
  return exe.parent_path().string();
}

}  // namespace traxen::cli
