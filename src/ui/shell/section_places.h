// A job typed as sizes (a JSON job, a row of a joint table) names its sections by h × b × t,
// while the joint dialogs pick sections by their place in the library's lists. The places
// are found by size when such a job is opened; otherwise its dialog would show, and its OK
// write over the job, the lists' first choices instead of the job's own sections.
#pragma once

#include <string>

#include "model/job.h"

namespace traxen {

// Sets the list places of the job's members from their sizes in the section library found
// as the program finds it. "" when found (or the job has no family), else the reason.
std::string PlaceSectionsBySize(Job& job, const std::string& for_file);

}  // namespace traxen
