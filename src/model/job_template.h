// Complete JSON jobs as `traxen-cli new` and `convert` write them.
#pragma once

#include <string>
#include <string_view>

#include "model/job.h"

namespace traxen {

// A sound example job of the family ("tyx", "x", "kn", "chs_tyx", "chs_x" or "chs_kn"): every
// member size and design action set, the rest at its default.
Job TemplateJob(std::string_view family);

// The job as JSON text with the keys a user edits (`new`): the common groups and the family's
// own, without derived or internal keys.
std::string TemplateJobText(Job job);

// The job as JSON text with every key of the common groups and of its family's group, the
// derived and internal ones included, so that converting back loses nothing.
std::string CompleteJobText(Job job);

}  // namespace traxen
