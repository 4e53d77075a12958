// The section library in one directory: the list of section types and the type files, read
// afresh for every request (nothing is cached), as the joint dialogs use them.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "sections/library_error.h"
#include "sections/section_properties.h"
#include "sections/section_types.h"

namespace traxen {

inline constexpr const char* kListFileName = "profdeftraxen.txt";

// A member's section list after a type change: the labels, the standard line, the restored
// position (-1: no selection) and the row at that position, completed.
struct SectionList {
  std::vector<std::string> labels;
  std::string standard_line;
  int position = -1;
  std::optional<SectionProperties> row;
};

// A chosen row and its position in the list (a requested position beyond the end is the
// last row's).
struct SelectedSection {
  int position = 0;
  SectionProperties row;
};

// Position restored in a refilled list of `row_count` rows: 0 moves to 1, a position beyond
// the end moves to the last row; a negative position (no selection) stays as it is.
int RestoredListPosition(int previous, int row_count);

class SectionLibrary {
 public:
  explicit SectionLibrary(std::string dir) : dir_(std::move(dir)) {}
  // `read_once`: each file is read on first use and kept, for a batch of jobs that must not
  // pay for the library once per job (the joint dialogs read afresh to see edited files).
  SectionLibrary(std::string dir, bool read_once);

  const std::string& dir() const { return dir_; }
  std::string ListFilePath() const;
  std::string TypeFilePath(const SectionType& type) const;

  // The section type names of the list file, in file order.
  LibraryError LoadTypeList(std::vector<std::string>& names) const;

  // Every row of a type's file, as written (not completed).
  LibraryError ReadTable(std::string_view type_name, SectionTable& table) const;

  // Fills a member's list for `type_name` and selects the restored position (see
  // RestoredListPosition) and its row.
  LibraryError FillSectionList(std::string_view type_name, Member member, int previous_position,
                               SectionList& list) const;

  // The completed row at `position` of the type's list; a position beyond the end takes the
  // last row, a negative one (no selection) takes none and leaves `selected` empty.
  LibraryError SelectSection(std::string_view type_name, int position,
                             std::optional<SelectedSection>& selected) const;

 private:
  // The type's rows: the kept table of a library read once, else `read`, filled here.
  LibraryError ReadTypeTable(std::string_view type_name, const SectionType*& type, const SectionTable*& table,
                             SectionTable& read) const;

  struct Kept;  // the files read so far, when read once
  std::string dir_;
  std::shared_ptr<Kept> kept_;
};

}  // namespace traxen
