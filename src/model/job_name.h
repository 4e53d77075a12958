// The title a report's file is given (a PDF's title metadata).
#pragma once

#include <string>

namespace traxen {

// The title of a report's file (a PDF's title): the job's name, or the name of the job's file
// while the job name is the placeholder, which would tell one report from another by nothing.
std::string ReportDocumentTitle(const std::string& job_name, const std::string& file_name);

}  // namespace traxen
