// A job's name outside its report.
#include "model/job_name.h"

#include "model/job_placeholders.h"

namespace traxen {

std::string ReportDocumentTitle(const std::string& job_name, const std::string& file_name) {
  return IsPlaceholderJobName(job_name) && !file_name.empty() ? file_name : job_name;
}

}  // namespace traxen
