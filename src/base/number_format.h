// printf-style number formatting that never depends on the process locale: the report
// and the project file always print a decimal point ("52.0", never "52,0").
#pragma once

#include <string>
#include <string_view>

namespace traxen {

// Formats one double with a printf format such as "%3.1lf kN" or "%3.0lf".
// Infinities and NaN print as "inf" and "nan"; a malformed format prints "?".
std::string FormatNumber(std::string_view format, double value);

// As FormatNumber for a sketch label, where the text must fit beside the drawing: a number of
// twelve or more digits before the point (a hostile input such as a force of 1e308 kN) is
// written in exponent form ("-1.000e+308") instead of hundreds of digits.
std::string FormatSketchNumber(std::string_view format, double value);

// Formats one int with a printf format such as "%d".
std::string FormatInt(std::string_view format, int value);

// A cross-section class as the reports print it: "I" to "IV"; any other stored value
// prints as its number, so a bad class stays visible instead of being hidden.
std::string ClassNumeral(int section_class);

}  // namespace traxen
