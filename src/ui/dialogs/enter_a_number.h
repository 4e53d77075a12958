// The one message every dialog shows for an edit that does not hold a number.
#pragma once

namespace traxen {

inline constexpr const char* kEnterANumber = "Enter a number.";

}  // namespace traxen
