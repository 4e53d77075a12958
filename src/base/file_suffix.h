// File-name suffixes compared the way users expect on every platform: ".PDF", ".Pdf" and
// ".pdf" are the same suffix.
#pragma once

#include <string_view>

namespace traxen {

// Whether `path` ends in `suffix` (for example ".trx"), ignoring ASCII case.
bool HasFileSuffix(std::string_view path, std::string_view suffix);

}  // namespace traxen
