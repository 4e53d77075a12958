// Locale-free number tokens through std::from_chars.
#include "sections/number_token.h"

#include <charconv>

namespace traxen {

namespace {
// from_chars takes no leading '+'; "%lf" readers do, so accept it here ("+-4" stays invalid).
std::string_view WithoutPlus(std::string_view t) {
  if (t.size() > 1 && t[0] == '+' && t[1] != '-' && t[1] != '+') t.remove_prefix(1);
  return t;
}
}  // namespace

bool ParseNumberToken(std::string_view token, double& value) {
  const std::string_view t = WithoutPlus(token);
  if (t.empty()) return false;
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
