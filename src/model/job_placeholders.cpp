#include "model/job_placeholders.h"

#include <array>

namespace traxen {

namespace {

constexpr std::array kLanguages = {Language::kEstonian, Language::kEnglish};

// One field of the job texts, the same for every language's set.
using Field = std::string JobInfo::*;
constexpr std::array<Field, 4> kFields = {&JobInfo::job_name, &JobInfo::client, &JobInfo::calculated_by,
                                          &JobInfo::owner};

bool IsPlaceholderOf(Field field, const std::string& text) {
  for (const Language language : kLanguages)
    if (text == PlaceholderJobInfo(language).*field) return true;
  return false;
}

}  // namespace

JobInfo PlaceholderJobInfo(Language language) {
  if (language == Language::kEstonian) return JobInfo{};
  return {.job_name = "....(job name)", .client = "....(client)", .calculated_by = "Example Engineer",
          .owner = "Example Project Ltd"};
}

JobInfo JobInfoShownIn(const JobInfo& info, Language language) {
  JobInfo shown = info;
  const JobInfo placeholders = PlaceholderJobInfo(language);
  for (const Field field : kFields)
    if (IsPlaceholderOf(field, info.*field)) shown.*field = placeholders.*field;
  return shown;
}

bool IsPlaceholderJobName(const std::string& name) { return IsPlaceholderOf(&JobInfo::job_name, name); }

}  // namespace traxen
