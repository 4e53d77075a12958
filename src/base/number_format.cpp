// Locale-free printf formatting through {fmt}'s printf implementation.
#include "base/number_format.h"

#include <fmt/printf.h>

#include <cmath>

namespace traxen {

std::string FormatNumber(std::string_view format, double value) {
  try {
    return fmt::sprintf(fmt::string_view(format.data(), format.size()), value);
  } catch (const fmt::format_error&) {
    return "?";
  }
}

std::string FormatSketchNumber(std::string_view format, double value) {
  if (!(std::abs(value) >= 1e12) || std::isinf(value)) return FormatNumber(format, value);
  // Replace the one conversion ("%3.1f", "%3.0lf", "%2.1f") by "%.3e", keeping the text
  // around it.
  const size_t start = format.find('%');
  const size_t end = start == std::string_view::npos ? start : format.find_first_of("feg", start);
  if (end == std::string_view::npos) return FormatNumber(format, value);
  std::string exponent_format(format.substr(0, start));
  exponent_format += "%.3e";
  exponent_format += format.substr(end + 1);
  return FormatNumber(exponent_format, value);
}

std::string FormatInt(std::string_view format, int value) {
  try {
    return fmt::sprintf(fmt::string_view(format.data(), format.size()), value);
  } catch (const fmt::format_error&) {
    return "?";
  }
}

std::string ClassNumeral(int section_class) {
  switch (section_class) {
    case 1: return "I";
    case 2: return "II";
    case 3: return "III";
    case 4: return "IV";
    default: return FormatInt("%d", section_class);
  }
}

}  // namespace traxen
