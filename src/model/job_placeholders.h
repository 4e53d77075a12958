// The texts a new job's page header and footer hold until the user writes the job's own: one
// set per language (JobInfo{} holds the Estonian one). A report shows a text that is still a
// placeholder in its own language, so that no English report carries "....(töö nimi)".
#pragma once

#include <string>

#include "model/job.h"
#include "model/messages.h"

namespace traxen {

// The placeholder job texts of `language`.
JobInfo PlaceholderJobInfo(Language language);

// The job texts as a report in `language` shows them: a text that is a placeholder of any
// language becomes `language`'s placeholder of the same field; every other text stays.
JobInfo JobInfoShownIn(const JobInfo& info, Language language);

// Whether the job name is still a new job's placeholder in any language.
bool IsPlaceholderJobName(const std::string& name);

}  // namespace traxen
