// Numbers of the text files (section library, project files) read with the classic-locale
// rules: a decimal point, whatever the process locale says; the whole token must be a number.
#pragma once

#include <string_view>

namespace traxen {

// A decimal floating-point number as "%lf" writes it ("-52.000000", "1e3", ".5", "+4",
// "inf", "nan"). Hexadecimal forms are not accepted. False when the token is not a number.
bool ParseNumberToken(std::string_view token, double& value);

// A decimal integer that fits an int ("%d"): "12", "-1", "+3". False otherwise.
bool ParseIntToken(std::string_view token, int& value);

}  // namespace traxen
