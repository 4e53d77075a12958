// A job's name where the program shows it beyond the report: the placeholder a new job starts
// with, and the title a report's file is given.
#pragma once

#include <string>
#include <string_view>

namespace traxen {

// The name a new job has before the user gives it one: the Job record's Estonian default, or
// this in the English interface.
inline constexpr std::string_view kEnglishPlaceholderJobName = "....(job name)";

// Whether `name` is still a new job's placeholder, in either language.
bool IsPlaceholderJobName(std::string_view name);

// The title of a report's file (a PDF's title): the job's name, or the name of the job's file
// while the job name is the placeholder, which would tell one report from another by nothing.
std::string ReportDocumentTitle(const std::string& job_name, const std::string& file_name);

}  // namespace traxen
