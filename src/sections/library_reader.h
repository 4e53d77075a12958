// Parsers of the library's two file formats, from text already in memory: the list file
// (header word, count, then one "TYPE WORD" entry per line) and a type file (row count, then
// rows of a designation and the numbers of its kind). Tokens are separated by white space;
// a row may continue over several lines but ends at the end of a line, so a row with too
// few or too many numbers is reported instead of shifting every later row.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "sections/section_properties.h"

namespace traxen {

// On failure return the reason, starting with `file_name` and the line ("" = success);
// the outputs are then left as they were.
std::string ParseTypeList(std::string_view text, std::string_view file_name, std::vector<std::string>& names);
std::string ParseSectionTable(std::string_view text, std::string_view file_name, SectionKind kind,
                              SectionTable& table);

}  // namespace traxen
