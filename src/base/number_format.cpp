// Locale-free printf formatting through {fmt}'s printf implementation.
#include "base/number_format.h"

#include <fmt/printf.h>

namespace traxen {

std::string FormatNumber(std::string_view format, double value) {
  try {
    return fmt::sprintf(fmt::string_view(format.data(), format.size()), value);
  } catch (const fmt::format_error&) {
    return "?";
  }
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
