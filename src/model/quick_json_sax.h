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
      case '"': return ReadString() && sax_.string(text_);
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
      if (at_ == end_ || *at_ != '"' || !ReadString() || !sax_.key(text_)) return false;
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

  // The string at `at_` (its opening quote) into text_; false for an escape, a control
  // character, bytes that are not UTF-8 or no closing quote.
  bool ReadString() {
    const char* start = ++at_;
    bool ascii = true;
    for (; at_ != end_ && *at_ != '"'; ++at_) {
      const auto byte = static_cast<unsigned char>(*at_);
      if (byte < 0x20 || byte == '\\') return false;
      if (byte >= 0x80) ascii = false;
    }
    if (at_ == end_) return false;
    text_.assign(start, at_);
    ++at_;
    return ascii || IsValidUtf8(text_);
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
    bool real = false;
    if (at_ != end_ && *at_ == '.') {
      ++at_;
      if (at_ == end_ || !IsDigit(*at_)) return false;
      SkipDigits();
      real = true;
    }
    if (at_ != end_ && (*at_ == 'e' || *at_ == 'E')) {
      ++at_;
      if (at_ != end_ && (*at_ == '+' || *at_ == '-')) ++at_;
      if (at_ == end_ || !IsDigit(*at_)) return false;
      SkipDigits();
      real = true;
    }
    if (!real) {
      if (integer_end - digits > 18) return false;  // nlohmann's range checks decide
      std::uint64_t value = 0;
      for (const char* d = digits; d != integer_end; ++d) value = value * 10 + static_cast<unsigned>(*d - '0');
      if (negative) return sax_.number_integer(-static_cast<std::int64_t>(value));
      return sax_.number_unsigned(value);
    }
    double value = 0;
    const auto [stop, error] = std::from_chars(start, at_, value);
    if (error != std::errc() || stop != at_ || !std::isfinite(value)) return false;
    text_.assign(start, at_);
    return sax_.number_float(value, text_);
  }

  static bool IsDigit(char c) { return c >= '0' && c <= '9'; }
  void SkipDigits() {
    while (at_ != end_ && IsDigit(*at_)) ++at_;
  }
  void SkipBlanks() {
    while (at_ != end_ && (*at_ == ' ' || *at_ == '\n' || *at_ == '\r' || *at_ == '\t')) ++at_;
  }

  const char* at_;
  const char* end_;
  Sax& sax_;
  std::string text_;  // the last string or number read, its room kept from one to the next
  int depth_ = 0;
};

// True when `text` was read to its end and the handler took every event; false when the
// text must be parsed again by nlohmann (see above).
template <class Sax>
bool QuickSaxParse(std::string_view text, Sax& sax) {
  return QuickJsonSax<Sax>(text, sax).Parse();
}

}  // namespace traxen
