// Reading the library files from disk.
#include "sections/section_library.h"

#include <fmt/format.h>

#include <algorithm>
#include <map>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>

#include "sections/library_reader.h"
#include "sections/section_completion.h"

namespace traxen {

namespace {

// Reads a whole file; on failure returns the system's reason.
std::string ReadFileText(const std::string& path, std::string& text) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::strerror(errno);
  std::ostringstream buffer;
  buffer << in.rdbuf();
  if (in.bad()) return std::strerror(errno);
  text = buffer.str();
  return {};
}

std::string JoinPath(const std::string& dir, std::string_view file) {
  if (dir.empty()) return std::string(file);
  if (dir.back() == '/') return dir + std::string(file);
  return dir + "/" + std::string(file);
}

}  // namespace

int RestoredListPosition(int previous, int row_count) {
  int p = previous;
  if (p == 0) p = 1;
  if (p > row_count - 1) p = row_count - 1;
  return p;
}

struct SectionLibrary::Kept {
  std::optional<std::pair<LibraryError, std::vector<std::string>>> type_list;
  std::map<std::string, std::pair<LibraryError, SectionTable>, std::less<>> tables;
};

SectionLibrary::SectionLibrary(std::string dir, bool read_once)
    : dir_(std::move(dir)), kept_(read_once ? std::make_shared<Kept>() : nullptr) {}

std::string SectionLibrary::ListFilePath() const { return JoinPath(dir_, kListFileName); }

std::string SectionLibrary::TypeFilePath(const SectionType& type) const { return JoinPath(dir_, type.file); }

LibraryError SectionLibrary::LoadTypeList(std::vector<std::string>& names) const {
  if (kept_) {
    if (!kept_->type_list) {
      std::vector<std::string> read;
      const LibraryError e = SectionLibrary(dir_).LoadTypeList(read);
      kept_->type_list.emplace(e, std::move(read));
    }
    if (kept_->type_list->first) return kept_->type_list->first;
    names = kept_->type_list->second;
    return {};
  }
  const std::string path = ListFilePath();
  std::string text;
  if (std::string reason = ReadFileText(path, text); !reason.empty())
    return {kListFileMissing, fmt::format("{}: cannot open: {}", path, reason)};
  if (std::string error = ParseTypeList(text, path, names); !error.empty()) return {kListFileMalformed, error};
  return {};
}

LibraryError SectionLibrary::ReadTypeTable(std::string_view type_name, const SectionType*& type,
                                           const SectionTable*& table, SectionTable& read) const {
  type = FindSectionType(type_name);
  if (!type)
    return {kTypeFileUnreadable,
            fmt::format("{}: the section type '{}' has no type file", ListFilePath(), type_name)};
  if (kept_) {
    auto kept = kept_->tables.find(type_name);
    if (kept == kept_->tables.end()) {
      SectionTable first;
      const SectionType* unused = nullptr;
      const SectionTable* unused_table = nullptr;
      const LibraryError e = SectionLibrary(dir_).ReadTypeTable(type_name, unused, unused_table, first);
      kept = kept_->tables.emplace(std::string(type_name), std::make_pair(e, std::move(first))).first;
    }
    if (kept->second.first) return kept->second.first;
    table = &kept->second.second;  // a batch looks rows up without a copy of the table
    return {};
  }
  const std::string path = TypeFilePath(*type);
  std::string text;
  if (std::string reason = ReadFileText(path, text); !reason.empty())
    return {kTypeFileUnreadable, fmt::format("{}: cannot open: {}", path, reason)};
  if (std::string error = ParseSectionTable(text, path, type->kind, read); !error.empty())
    return {kTypeFileMalformed, error};
  table = &read;
  return {};
}

LibraryError SectionLibrary::ReadTable(std::string_view type_name, SectionTable& table) const {
  const SectionType* type = nullptr;
  const SectionTable* rows = nullptr;
  SectionTable read;
  if (LibraryError e = ReadTypeTable(type_name, type, rows, read)) return e;
  table = rows == &read ? std::move(read) : *rows;
  return {};
}

LibraryError SectionLibrary::FillSectionList(std::string_view type_name, Member member, int previous_position,
                                             SectionList& list) const {
  const SectionType* type = nullptr;
  const SectionTable* rows = nullptr;
  SectionTable read;
  if (LibraryError e = ReadTypeTable(type_name, type, rows, read)) return e;
  const SectionTable& table = *rows;
  SectionList result;
  result.standard_line = StandardLine(*type, member);
  for (const SectionProperties& row : table) result.labels.push_back(SectionLabel(*type, row.name));
  result.position = RestoredListPosition(previous_position, static_cast<int>(table.size()));
  if (result.position >= 0) {
    result.row = table[static_cast<std::size_t>(result.position)];
    CompleteSectionRow(type->kind, *result.row);
  }
  list = std::move(result);
  return {};
}

LibraryError SectionLibrary::SelectSection(std::string_view type_name, int position,
                                           std::optional<SelectedSection>& selected) const {
  const SectionType* type = nullptr;
  const SectionTable* rows = nullptr;
  SectionTable read;
  if (LibraryError e = ReadTypeTable(type_name, type, rows, read)) return e;
  const SectionTable& table = *rows;
  if (position < 0) {
    selected.reset();
    return {};
  }
  // Rows are taken in order up to the position: one beyond the end stops at the last row.
  const std::size_t index = std::min(static_cast<std::size_t>(position), table.size() - 1);
  SelectedSection result{static_cast<int>(index), table[index]};
  CompleteSectionRow(type->kind, result.row);
  selected = std::move(result);
  return {};
}

}  // namespace traxen
