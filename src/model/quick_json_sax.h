// A quick pass over the JSON text of a job file, giving a SAX handler the events nlohmann's
// sax_parse would give it. Job files are plain JSON: strings without escapes, numbers a
// double reads exactly. For them this pass costs a fraction of nlohmann's lexer, which reads
// a character at a time and builds every number's text before converting it.
//
// It gives up, returning false, at anything else: an escape, a syntax error, a byte order
// mark, an integer of more than 18 digits, a number that underflows or overflows, nesting
// deeper than any job, or a handler that refuses an event. The caller then parses the text
// again with nlohmann on a fresh handler, so that every refusal and every syntax error is
// said in nlohmann's words, as before. When it returns true, the handler has seen exactly the
// events sax_parse would have given it, with the same values.
#pragma once

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>
#include <system_error>

#include "base/utf8.h"

namespace traxen {

template <class Sax>
class QuickJsonSax {
 public:
  QuickJsonSax(std::string_view text, Sax& sax) : at_(text.data()), end_(text.data() + text.size()), sax_(sax) {}

  bool Parse() {
    SkipBlanks();
    if (!Value()) return false;
    SkipBlanks();
    return at_ == end_;
  }

 private:
  // nlohmann gives no element count at the start of an object or array.
  static constexpr std::size_t kUnknownSize = static_cast<std::size_t>(-1);
  static constexpr int kMaxDepth = 8;  // a job nests two levels; deeper is nlohmann's to refuse

  bool Value() {
    if (at_ == end_) return false;
    switch (*at_) {
      case '{': return Object();
      case '[': return Array();
      case '"': return ReadString() && String();
      case 't': return Literal("true") && sax_.boolean(true);
      case 'f': return Literal("false") && sax_.boolean(false);
      case 'n': return Literal("null") && sax_.null();
      default: return Number();
    }
  }

  bool Object() {
    if (++depth_ > kMaxDepth || !sax_.start_object(kUnknownSize)) return false;
    ++at_;
    SkipBlanks();
    if (at_ != end_ && *at_ == '}') return Close();
    for (;;) {
      if (at_ == end_ || *at_ != '"' || !ReadString() || !Key()) return false;
      SkipBlanks();
      if (at_ == end_ || *at_ != ':') return false;
      ++at_;
      SkipBlanks();
      if (!Value()) return false;
      SkipBlanks();
      if (at_ == end_) return false;
      if (*at_ == '}') return Close();
      if (*at_ != ',') return false;
      ++at_;
      SkipBlanks();
    }
  }
  bool Close() {
    ++at_;
    --depth_;
    return sax_.end_object();
  }

  // A handler that takes a key as a view (key_view) is spared its copy.
  bool Key() {
    if constexpr (requires(Sax& sax, std::string_view view) { sax.key_view(view); })
      return sax_.key_view(std::string_view(text_start_, text_size_));
    text_.assign(text_start_, text_size_);
    return sax_.key(text_);
  }

  bool Array() {
    if (++depth_ > kMaxDepth || !sax_.start_array(kUnknownSize)) return false;
    ++at_;
    SkipBlanks();
    if (at_ == end_ || *at_ != ']') {
      for (;;) {
        if (!Value()) return false;
        SkipBlanks();
        if (at_ == end_) return false;
        if (*at_ == ']') break;
        if (*at_ != ',') return false;
        ++at_;
        SkipBlanks();
      }
    }
    ++at_;
    --depth_;
    return sax_.end_array();
  }

  // The string at `at_` (its opening quote), its bytes left in place (text_start_,
  // text_size_); false for an escape, a control character, bytes that are not UTF-8 or no
  // closing quote.
  bool ReadString() {
    const char* start = ++at_;
    unsigned char high = 0;  // any byte from 0x80 up leaves its top bit here
    for (; at_ != end_ && kPlainStringByte[static_cast<unsigned char>(*at_)]; ++at_)
      high |= static_cast<unsigned char>(*at_);
    if (at_ == end_ || *at_ != '"') return false;
    text_start_ = start;
    text_size_ = static_cast<std::size_t>(at_ - start);
    ++at_;
    return high < 0x80 || IsValidUtf8(std::string_view(text_start_, text_size_));
  }
  bool String() {
    text_.assign(text_start_, text_size_);
    return sax_.string(text_);
  }

  bool Literal(std::string_view word) {
    if (static_cast<std::size_t>(end_ - at_) < word.size() || std::string_view(at_, word.size()) != word) return false;
    at_ += word.size();
    return true;
  }

  // JSON's number grammar; an integer goes to the handler as nlohmann's lexer gives it
  // (unsigned, or signed with a minus), anything with a fraction or exponent as a double
  // rounded from its decimal text as strtod rounds it.
  bool Number() {
    const char* start = at_;
    const bool negative = *at_ == '-';
    if (negative) ++at_;
    const char* digits = at_;
    if (at_ == end_) return false;
    if (*at_ == '0') {
      ++at_;
    } else if (IsDigit(*at_)) {
      SkipDigits();
    } else {
      return false;
    }
    const char* integer_end = at_;
    const char* fraction = at_;
    if (at_ != end_ && *at_ == '.') {
      fraction = ++at_;
      if (at_ == end_ || !IsDigit(*at_)) return false;
      SkipDigits();
    }
    const char* fraction_end = at_;
    const char* exponent = at_;
    bool exponent_negative = false;
    if (at_ != end_ && (*at_ == 'e' || *at_ == 'E')) {
      ++at_;
      if (at_ != end_ && (*at_ == '+' || *at_ == '-')) exponent_negative = *at_++ == '-';
      exponent = at_;
      if (at_ == end_ || !IsDigit(*at_)) return false;
      SkipDigits();
    }
    const bool real = fraction_end != integer_end || exponent != at_;
    if (!real) {
      if (integer_end - digits > 18) return false;  // nlohmann's range checks decide
      const std::uint64_t value = DigitsValue(digits, integer_end, 0);
      if (negative) return sax_.number_integer(-static_cast<std::int64_t>(value));
      return sax_.number_unsigned(value);
    }
    double value = 0;
    if (!ExactDecimal(digits, integer_end, fraction, fraction_end, exponent, at_, exponent_negative, value)) {
      const auto [stop, error] = std::from_chars(start, at_, value);
      if (error != std::errc() || stop != at_ || !std::isfinite(value)) return false;
    } else if (negative) {
      value = -value;
    }
    // A handler that takes the value alone (number_value) is spared a copy of its text.
    if constexpr (requires(Sax& sax, double v) { sax.number_value(v); }) return sax_.number_value(value);
    text_.assign(start, at_);
    return sax_.number_float(value, text_);
  }

  static std::uint64_t DigitsValue(const char* begin, const char* end, std::uint64_t value) {
    for (; begin != end; ++begin) value = value * 10 + static_cast<unsigned>(*begin - '0');
    return value;
  }

  // The magnitude of a decimal whose digits make an integer of at most 2^53 and whose power of
  // ten is within 10^±22: both are doubles exactly, so one multiplication or division
  // rounds the result once, correctly, as strtod does. False for any other.
  static bool ExactDecimal(const char* integer, const char* integer_end, const char* fraction,
                           const char* fraction_end, const char* exponent, const char* exponent_end,
                           bool exponent_negative, double& value) {
    static constexpr double kPowers[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                         1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    const auto integer_digits = integer_end - integer, fraction_digits = fraction_end - fraction;
    if (integer_digits + fraction_digits > 19 || exponent_end - exponent > 3) return false;
    const std::uint64_t mantissa = DigitsValue(fraction, fraction_end, DigitsValue(integer, integer_end, 0));
    if (mantissa > (std::uint64_t{1} << 53)) return false;
    const long long written = static_cast<long long>(DigitsValue(exponent, exponent_end, 0));
    const long long power = (exponent_negative ? -written : written) - fraction_digits;
    if (power < -22 || power > 22) return false;
    const double m = static_cast<double>(mantissa);
    value = power < 0 ? m / kPowers[-power] : m * kPowers[power];
    return true;
  }

  static bool IsDigit(char c) { return c >= '0' && c <= '9'; }
  void SkipDigits() {
    while (at_ != end_ && IsDigit(*at_)) ++at_;
  }
  void SkipBlanks() {
    while (at_ != end_ && kBlank[static_cast<unsigned char>(*at_)]) ++at_;
  }

  using ByteTable = std::array<bool, 256>;
  // JSON's white space.
  static constexpr ByteTable kBlank = [] {
    ByteTable t{};
    t[' '] = t['\n'] = t['\r'] = t['\t'] = true;
    return t;
  }();
  // The bytes a string may hold as they stand: no control character, quote or backslash.
  static constexpr ByteTable kPlainStringByte = [] {
    ByteTable t{};
    for (int c = 0x20; c < 0x100; ++c) t[static_cast<std::size_t>(c)] = c != '"' && c != '\\';
    return t;
  }();

  const char* at_;
  const char* end_;
  Sax& sax_;
  const char* text_start_ = nullptr;  // the last string read, in the text
  std::size_t text_size_ = 0;
  std::string text_;  // what the handler is given of a string or number, its room kept from one to the next
  int depth_ = 0;
};

// True when `text` was read to its end and the handler took every event; false when the
// text must be parsed again by nlohmann (see above).
template <class Sax>
bool QuickSaxParse(std::string_view text, Sax& sax) {
  return QuickJsonSax<Sax>(text, sax).Parse();
}

}  // namespace traxen
