// Fuzzes the section library readers. The first byte chooses the file: a type file of one
// of the five kinds, or the list file; the rest is its text. Rows that read are completed,
// classified and selected as the dialogs do.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "sections/library_reader.h"
#include "sections/section_class.h"
#include "sections/section_completion.h"
#include "sections/section_library.h"

using namespace traxen;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);
  const int choice = data[0] % 6;
  if (choice == 5) {
    std::vector<std::string> names;
    (void)ParseTypeList(text, "profdeftraxen.txt", names);
    return 0;
  }
  const auto kind = static_cast<SectionKind>(choice);
  SectionTable table;
  if (!ParseSectionTable(text, "fuzz.prf", kind, table).empty()) return 0;
  const int rows = static_cast<int>(table.size());
  for (int previous : {-1, 0, 1, rows - 1, rows, 41}) {
    const int p = RestoredListPosition(previous, rows);
    if (p >= rows) __builtin_trap();
  }
  for (SectionProperties row : table) {
    CompleteSectionRow(kind, row);
    const int cls = LibrarySectionClass(kind, row, 355.0);
    if (cls < 1 || cls > 4) __builtin_trap();
  }
  return 0;
}
