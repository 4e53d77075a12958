// CSV reading and text-field quoting.
#include "model/csv_table.h"

#include <fmt/format.h>

#include <algorithm>

namespace traxen {

namespace {

std::string_view WithoutByteOrderMark(std::string_view text) {
  if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
  return text;
}

bool IsBlank(const CsvRecord& r) {
  return std::all_of(r.cells.begin(), r.cells.end(), [](const std::string& c) {
    return c.find_first_not_of(" \t") == std::string::npos;
  });
}

}  // namespace

char DetectCsvSeparator(std::string_view text) {
  text = WithoutByteOrderMark(text);
  int commas = 0, semicolons = 0;
  bool quoted = false;
  for (char c : text) {
    if (c == '"') quoted = !quoted;
    if (quoted) continue;
    if (c == '\n' || c == '\r') break;
    commas += c == ',';
    semicolons += c == ';';
  }
  return semicolons > commas ? ';' : ',';
}

CsvTable ReadCsvTable(std::string_view text) {
  CsvTable table;
  text = WithoutByteOrderMark(text);
  table.separator = DetectCsvSeparator(text);
  CsvRecord record{1, {std::string()}};
  int row = 1;
  bool quoted = false, after_quote = false;
  auto finish_record = [&] {
    if (!IsBlank(record)) table.records.push_back(std::move(record));
    record = CsvRecord{++row, {std::string()}};
  };
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (quoted) {
      if (c != '"') {
        record.cells.back() += c;
      } else if (i + 1 < text.size() && text[i + 1] == '"') {
        record.cells.back() += '"';
        ++i;
      } else {
        quoted = false;
        after_quote = true;
      }
      continue;
    }
    if (c == table.separator) {
      record.cells.emplace_back();
      after_quote = false;
    } else if (c == '\n' || c == '\r') {
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      finish_record();
      after_quote = false;
    } else if (c == '"' && !after_quote &&
               record.cells.back().find_first_not_of(" \t") == std::string::npos) {
      record.cells.back().clear();  // blanks before an opening quote are not part of the cell
      quoted = true;
    } else if (after_quote && (c == ' ' || c == '\t')) {
      // blanks after a closing quote are not part of the cell either
    } else if (after_quote) {
      table.error = fmt::format("row {}: text after the closing quote of a cell", record.row);
      return table;
    } else {
      record.cells.back() += c;
    }
  }
  if (quoted) {
    table.error = fmt::format("row {}: a quoted cell is not closed", record.row);
    return table;
  }
  finish_record();
  return table;
}

std::string CsvText(std::string_view text, char separator) {
  std::string field(text);
  if (!field.empty() && std::string_view("=+-@\t\r").find(field.front()) != std::string_view::npos)
    field.insert(0, 1, '\'');
  const char specials[] = {separator, '"', '\r', '\n', '\0'};
  if (field.find_first_of(specials) == std::string::npos) return field;
  std::string quoted = "\"";
  for (char c : field) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
  return quoted + "\"";
}

}  // namespace traxen
