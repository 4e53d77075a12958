// Number tokens of the library and project files read as strtod reads them in the classic
// locale, whether the short "%lf" forms take the quick way or not.
#include "sections/number_token.h"

#include <fmt/format.h>
#include <fmt/printf.h>
#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <random>
#include <string>

namespace traxen {
namespace {

// What the token means to strtod, the reference; nullopt-like false for no number.
bool Reference(const std::string& token, double& value) {
  if (token.empty() || std::isspace(static_cast<unsigned char>(token[0]))) return false;
  if (token.size() > 1 && token[0] == '+' && (token[1] == '+' || token[1] == '-')) return false;
  const bool hex = token.find_first_of("xX") != std::string::npos;
  char* end = nullptr;
  value = std::strtod(token.c_str(), &end);
  return !hex && end == token.c_str() + token.size();
}

TEST(NumberToken, ReadsAsStrtodDoes) {
  for (const char* token : {"-52.000000", "4644.200000", "217650.000000", "0.000001", "-0.000000", "0", "-0", "12",
                            "+4", ".5", "-.5", "5.", "1e3", "1.5E-3", "123456789012345", "1234567890123456",
                            "999999999.999999", "0.1", "0.30000000000000004", "000000000000000123.5", "1.", ".",
                            "-", "+", "", "+-4", "--4", "4-", "1.2.3", "1,5", "nan", "inf", "-inf", "0x10", "1e",
                            "12a", " 12"}) {
    SCOPED_TRACE(token);
    double expected = 0, got = 12345;
    const bool ok = Reference(token, expected);
    EXPECT_EQ(ParseNumberToken(token, got), ok);
    if (ok && !std::isnan(expected)) {
      EXPECT_EQ(got, expected);
      EXPECT_EQ(std::signbit(got), std::signbit(expected));
    }
  }
}

// Every value a project file writes reads back as strtod reads it, to the last bit.
TEST(NumberToken, EveryPrintedValueReadsBackExactly) {
  std::mt19937_64 random(20261211);
  std::uniform_real_distribution<double> magnitude(-12, 12);
  for (int i = 0; i < 200000; ++i) {
    const double v = (i % 2 ? -1 : 1) * std::pow(10.0, magnitude(random));
    const std::string token = fmt::sprintf("%lf", v);
    double expected = 0, got = 0;
    ASSERT_TRUE(Reference(token, expected));
    ASSERT_TRUE(ParseNumberToken(token, got)) << token;
    ASSERT_EQ(got, expected) << token;
  }
}

}  // namespace
}  // namespace traxen
