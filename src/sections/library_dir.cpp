// The library directory search.
#include "sections/library_dir.h"

#include <fmt/format.h>
#include <fmt/ranges.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string_view>
#include <system_error>

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

bool IsAbsolute(std::string_view path) { return !path.empty() && path.front() == '/'; }

// The library below an XDG data directory.
std::string BelowDataDir(const std::string& data_dir) {
  return (fs::path(data_dir) / "traxen" / "Profiilid").lexically_normal().string();
}

// The installed copy beside the program: <prefix>/share/traxen/Profiilid for <prefix>/bin.
std::string BesideProgram(const std::string& executable_dir) {
  fs::path bin = fs::path(executable_dir);
  if (!bin.has_filename()) bin = bin.parent_path();  // "/usr/bin/" is "/usr/bin"
  return (bin.parent_path() / "share" / "traxen" / "Profiilid").lexically_normal().string();
}

}  // namespace

XdgDataDirs XdgDataDirsFrom(const char* xdg_data_home, const char* home, const char* xdg_data_dirs) {
  XdgDataDirs out;
  if (xdg_data_home && IsAbsolute(xdg_data_home)) {
    out.home = xdg_data_home;
  } else if (home && IsAbsolute(home)) {  // unset, empty or relative: the default
    out.home = (fs::path(home) / ".local" / "share").string();
  }
  const std::string_view list = xdg_data_dirs && *xdg_data_dirs ? xdg_data_dirs : "/usr/local/share/:/usr/share/";
  std::size_t start = 0;
  while (start <= list.size()) {
    std::size_t end = list.find(':', start);
    if (end == std::string_view::npos) end = list.size();
    const std::string_view entry = list.substr(start, end - start);
    if (IsAbsolute(entry)) out.dirs.emplace_back(entry);
    start = end + 1;
  }
  return out;
}

LibrarySearch LibrarySearchFromEnvironment(std::string explicit_dir, std::string executable_dir) {
  LibrarySearch s;
  s.explicit_dir = std::move(explicit_dir);
  if (const char* env = std::getenv(kLibraryEnvironmentVariable)) s.env_dir = env;
  std::error_code ec;
  s.working_dir = fs::current_path(ec).string();
  s.executable_dir = std::move(executable_dir);
  XdgDataDirs xdg = XdgDataDirsFrom(std::getenv("XDG_DATA_HOME"), std::getenv("HOME"), std::getenv("XDG_DATA_DIRS"));
  s.data_home = std::move(xdg.home);
  s.data_dirs = std::move(xdg.dirs);
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

  std::vector<std::string> places{(fs::path(search.working_dir) / "Profiilid").string()};
  if (!search.data_home.empty()) places.push_back(BelowDataDir(search.data_home));
  if (!search.executable_dir.empty()) places.push_back(BesideProgram(search.executable_dir));
  for (const std::string& data_dir : search.data_dirs) places.push_back(BelowDataDir(data_dir));

  std::vector<std::string> looked;  // each place once: /usr/bin's copy is also /usr/share's
  for (const std::string& place : places) {
    if (std::find(looked.begin(), looked.end(), place) != looked.end()) continue;
    if (HoldsListFile(place)) {
      dir = place;
      return {};
    }
    looked.push_back(place);
  }
  return Missing(fmt::format("{} (name the library with --library DIR or {})", fmt::join(looked, " or "),
                             kLibraryEnvironmentVariable));
}

}  // namespace traxen
