// Footer dates.
#include "cli/render/report_date.h"

#include <charconv>
#include <cstdlib>

namespace traxen::cli {

namespace {

bool Number(std::string_view text, long long& value) {
  if (text.empty()) return false;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  return ec == std::errc() && end == text.data() + text.size();
}

}  // namespace

std::optional<std::time_t> ParseReportDate(const std::string& text) {
  long long v = 0;
  if (!text.empty() && text[0] == '@') {
    if (!Number(std::string_view(text).substr(1), v) || v < 0) return std::nullopt;
    return static_cast<std::time_t>(v);
  }
  // YYYY-MM-DD[( |T)HH:MM[:SS]]
  const std::string_view t = text;
  auto field = [&](std::size_t at, std::size_t len, long long& out) {
    return at + len <= t.size() && Number(t.substr(at, len), out);
  };
  long long year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
  if (!(t.size() >= 10 && field(0, 4, year) && t[4] == '-' && field(5, 2, month) && t[7] == '-' &&
        field(8, 2, day)))
    return std::nullopt;
  if (t.size() > 10) {
    if (!((t[10] == ' ' || t[10] == 'T') && t.size() >= 16 && field(11, 2, hour) && t[13] == ':' &&
          field(14, 2, minute)))
      return std::nullopt;
    if (t.size() > 16 && !(t.size() == 19 && t[16] == ':' && field(17, 2, second))) return std::nullopt;
    if (t.size() != 16 && t.size() != 19) return std::nullopt;
  }
  if (year < 1970 || month < 1 || month > 12 || day < 1 || day > 31 || hour > 23 || minute > 59 || second > 59)
    return std::nullopt;
  std::tm tm{};
  tm.tm_year = static_cast<int>(year - 1900);
  tm.tm_mon = static_cast<int>(month - 1);
  tm.tm_mday = static_cast<int>(day);
  tm.tm_hour = static_cast<int>(hour);
  tm.tm_min = static_cast<int>(minute);
  tm.tm_sec = static_cast<int>(second);
  const std::time_t when = timegm(&tm);
  std::tm back{};
  gmtime_r(&when, &back);
  // timegm rolls 2026-02-30 over into March: such a date is not one.
  if (back.tm_mday != static_cast<int>(day) || back.tm_mon != static_cast<int>(month - 1)) return std::nullopt;
  return when;
}

std::string ReportTime(const std::string& date_option, std::time_t& when, bool& fixed) {
  fixed = false;
  std::optional<std::time_t> given;
  if (!date_option.empty()) {
    given = ParseReportDate(date_option);
    if (!given)
      return "--date '" + date_option + "': expected YYYY-MM-DD, 'YYYY-MM-DD HH:MM[:SS]' or @SECONDS";
  } else if (const char* epoch = std::getenv("SOURCE_DATE_EPOCH"); epoch && *epoch) {
    given = ParseReportDate(std::string("@") + epoch);
    if (!given) return std::string("SOURCE_DATE_EPOCH '") + epoch + "': expected whole seconds since 1970";
  }
  if (!given) {
    when = std::time(nullptr);
    return {};
  }
  ::setenv("TZ", "UTC0", 1);
  ::tzset();
  when = *given;
  fixed = true;
  return {};
}

}  // namespace traxen::cli
