// A truss's joints as one table: a header row of job keys (as `traxen-cli keys` lists them)
// plus `joint` (the joint's name), `family` (tyx, x or kn) and the section names `chord`,
// `brace1`, `brace2`; one row per joint. Each row becomes a JSON job and is read by the one
// JSON job reader, so a row means exactly what the same job in its own file means.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace traxen {

class JobLibrary;

struct JointRow {
  int row = 0;         // the spreadsheet's row number (the header is row 1)
  std::string joint;   // as written; may be empty
  std::string json;    // the row as a JSON job, when `error` is empty
  std::string error;   // names the file, the row, the column and the reason
};

struct JointTable {
  char separator = ',';
  std::string error;  // the table as a whole is refused (a bad header); names the file
  std::vector<JointRow> rows;
};

// The joint's name for messages and file names: `joint`, else "row N".
std::string JointLabel(const JointRow& row);

// Reads a table. A bad row carries its error and never stops the others; the section
// library is asked for only when a row names a section.
JointTable ReadJointTable(std::string_view text, const std::string& file_name, JobLibrary& library);

// One job for a table: its name and its JSON text as written in its file.
struct TableJob {
  std::string joint;
  std::string json;
  std::string file;  // for messages
};

// The table of `jobs`: `joint`, `family` and every key any job gives, in the order
// `traxen-cli keys` lists them; a job's name goes to `joint` and its `info.job_name` column
// is left out when it only repeats the joint's name. Errors name the job's file.
std::string WriteJointTable(const std::vector<TableJob>& jobs, std::string& error);

// A table to start from: the header of every key a T/Y/X and a K/N job need and two
// example rows.
std::string JointTableTemplate();

}  // namespace traxen
