// The library directory search.
#include "sections/library_dir.h"

#include <fmt/format.h>
#include <fmt/ranges.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <vector>

#include "sections/section_library.h"

namespace traxen {

namespace {

namespace fs = std::filesystem;

bool HoldsListFile(const fs::path& dir) {
  std::error_code ec;
  return fs::is_regular_file(dir / kListFileName, ec);
}

LibraryError Missing(const std::string& where) {
  return {kListFileMissing, fmt::format("no {} in {}", kListFileName, where)};
}

}  // namespace

LibrarySearch LibrarySearchFromEnvironment(std::string explicit_dir, std::string executable_dir) {
  LibrarySearch s;
  s.explicit_dir = std::move(explicit_dir);
  if (const char* env = std::getenv(kLibraryEnvironmentVariable)) s.env_dir = env;
  std::error_code ec;
  s.working_dir = fs::current_path(ec).string();
  s.executable_dir = std::move(executable_dir);
  return s;
}

LibraryError FindLibraryDir(const LibrarySearch& search, std::string& dir) {
  if (!search.explicit_dir.empty()) {
    if (!HoldsListFile(search.explicit_dir)) return Missing(fmt::format("{} (--library)", search.explicit_dir));
    dir = search.explicit_dir;
    return {};
  }
  if (!search.env_dir.empty()) {
    if (!HoldsListFile(search.env_dir))
      return Missing(fmt::format("{} ({})", search.env_dir, kLibraryEnvironmentVariable));
    dir = search.env_dir;
    return {};
  }
  std::vector<std::string> looked;
  const fs::path below_working = fs::path(search.working_dir) / "Profiilid";
  if (HoldsListFile(below_working)) {
    dir = below_working.string();
    return {};
  }
  looked.push_back(below_working.string());
  if (!search.executable_dir.empty()) {
    fs::path bin = fs::path(search.executable_dir);
    if (!bin.has_filename()) bin = bin.parent_path();  // "/usr/bin/" is "/usr/bin"
    const fs::path installed = bin.parent_path() / "share" / "traxen" / "Profiilid";
    if (HoldsListFile(installed)) {
      dir = installed.string();
      return {};
    }
    looked.push_back(installed.string());
  }
  return Missing(fmt::format("{} (name the library with --library DIR or {})", fmt::join(looked, " or "),
                             kLibraryEnvironmentVariable));
}

}  // namespace traxen
