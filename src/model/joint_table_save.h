// Writing a truss's joint table back after its joints were checked and edited: each joint
// as few keys as read back to the same job, and a row that could not be read kept as it was
// written, so that saving over the table never loses a row.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "model/job.h"
#include "model/joint_table.h"

namespace traxen {

// `job` as a table row's JSON job: the keys whose values differ from a new job's, less those
// that reading the row derives again (the chord's A0 and Wel0, the section classes, the brace 2
// values a dialog mirrors or derives) when the job reads back the same without them. The
// desktop program's internal slots (the arrays) are left out.
std::string TableJobJson(const Job& job);

// One row of a table being written back.
struct SavedRow {
  TableJob job;      // a joint that was read, written from its JSON
  int kept_row = 0;  // else this row of the original table, written back as it was
};

// The table of `rows` in their order: the joints' columns as WriteJointTable gives them, then
// any further column of the original header that a kept row fills. A kept row's cells stay as
// written (a decimal comma of a semicolon table becomes a point). `original` is the table as
// read (`original_name` serves the messages). Errors name the file and the row.
std::string WriteJointTableKeepingRows(const std::vector<SavedRow>& rows, std::string_view original,
                                       const std::string& original_name, std::string& error);

}  // namespace traxen
