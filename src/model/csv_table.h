// Comma- or semicolon-separated tables as spreadsheets write them (RFC 4180 quoting, UTF-8
// with or without a byte order mark), and the quoting of a text field written to one.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace traxen {

struct CsvRecord {
  int row = 0;  // the spreadsheet's row number: the first record is row 1
  std::vector<std::string> cells;
};

struct CsvTable {
  char separator = ',';
  std::vector<CsvRecord> records;  // blank lines left out
  std::string error;               // "row 4: a quoted cell is not closed", "" when read whole
};

// The separator of the table: a semicolon when the first record holds more semicolons than
// commas outside quotes (spreadsheets in locales with a decimal comma write those), else a comma.
char DetectCsvSeparator(std::string_view text);

// Reads the whole table. Cells keep their text as written, quotes removed; a line break
// inside quotes belongs to the cell.
CsvTable ReadCsvTable(std::string_view text);

// A text field for a CSV file: one that a spreadsheet would take for a formula (it starts
// with =, +, -, @, a tab or a carriage return) gets a leading apostrophe so that it stays
// text; then, by RFC 4180, a field holding the separator, a quote or a line break is quoted
// with its quotes doubled. Numbers are written as numbers and never pass through here.
std::string CsvText(std::string_view text, char separator = ',');

}  // namespace traxen
