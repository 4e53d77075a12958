// The footer date of a rendered report: fixed by --date or SOURCE_DATE_EPOCH so that an
// archived report can be rebuilt byte for byte, else the current time.
#pragma once

#include <ctime>
#include <optional>
#include <string>

namespace traxen::cli {

// "YYYY-MM-DD", "YYYY-MM-DD HH:MM[:SS]" (or with a T) and "@SECONDS", all UTC; nullopt when
// the text is none of these or not a real date.
std::optional<std::time_t> ParseReportDate(const std::string& text);

// The footer time: `date_option` when given, else SOURCE_DATE_EPOCH when set, else now. A
// fixed date also switches the process to UTC so the footer prints it as given. The error
// (empty on success) says which text is wrong.
std::string ReportTime(const std::string& date_option, std::time_t& when, bool& fixed);

}  // namespace traxen::cli
