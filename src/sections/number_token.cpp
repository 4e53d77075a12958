// Locale-free number tokens through std::from_chars.
#include "sections/number_token.h"

#include <charconv>
#include <cstdint>

namespace traxen {

namespace {
// from_chars takes no leading '+'; "%lf" readers do, so accept it here ("+-4" stays invalid).
std::string_view WithoutPlus(std::string_view t) {
  if (t.size() > 1 && t[0] == '+' && t[1] != '-' && t[1] != '+') t.remove_prefix(1);
  return t;
}

// "-52.000000", "4644.200000", as "%lf" writes them: at most 15 digits in all make a whole
// number below 2^53 and the fraction's power of ten is exact too, so one division rounds the
// value once, correctly, as from_chars does. False for any other form, which from_chars reads.
bool ExactDecimalToken(std::string_view t, double& value) {
  static constexpr double kPowers[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                       1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
  const char* at = t.data();
  const char* const end = at + t.size();
  const bool negative = at != end && *at == '-';
  at += negative;
  std::uint64_t digits = 0;
  const char* const start = at;
  for (; at != end && static_cast<unsigned>(*at - '0') < 10; ++at) digits = digits * 10 + static_cast<unsigned>(*at - '0');
  const char* const point = at;
  if (at != end && *at == '.') {
    for (++at; at != end && static_cast<unsigned>(*at - '0') < 10; ++at)
      digits = digits * 10 + static_cast<unsigned>(*at - '0');
  }
  const long count = (at - start) - (point != at);
  const long fraction = point == at ? 0 : at - point - 1;
  // "-", "5." and long ones, and anything with an exponent, are from_chars's.
  if (at != end || count == 0 || count > 15 || (point != at && fraction == 0)) return false;
  const double magnitude = static_cast<double>(digits) / kPowers[fraction];
  value = negative ? -magnitude : magnitude;
  return true;
}

}  // namespace

bool ParseNumberToken(std::string_view token, double& value) {
  const std::string_view t = WithoutPlus(token);
  if (t.empty()) return false;
  if (ExactDecimalToken(t, value)) return true;
  double v = 0;
  const auto [end, ec] = std::from_chars(t.data(), t.data() + t.size(), v, std::chars_format::general);
  if (ec != std::errc() || end != t.data() + t.size()) return false;
  value = v;
  return true;
}

bool ParseIntToken(std::string_view token, int& value) {
  const std::string_view t = WithoutPlus(token);
  if (t.empty()) return false;
  int v = 0;
  const auto [end, ec] = std::from_chars(t.data(), t.data() + t.size(), v, 10);
  if (ec != std::errc() || end != t.data() + t.size()) return false;
  value = v;
  return true;
}

}  // namespace traxen
