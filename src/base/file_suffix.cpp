// Case-insensitive file-name suffixes.
#include "base/file_suffix.h"

namespace traxen {

namespace {
char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }
}  // namespace

bool HasFileSuffix(std::string_view path, std::string_view suffix) {
  if (path.size() < suffix.size()) return false;
  const std::string_view tail = path.substr(path.size() - suffix.size());
  for (std::size_t i = 0; i < suffix.size(); ++i)
    if (LowerAscii(tail[i]) != LowerAscii(suffix[i])) return false;
  return true;
}

}  // namespace traxen
