// Printable and escaped forms of job texts.
#include "base/display_text.h"

#include <fmt/format.h>

#include "base/utf8.h"

namespace traxen {

namespace {

bool IsBidiControl(char32_t c) {
  return (c >= 0x202A && c <= 0x202E) ||  // embeddings and overrides
         (c >= 0x2066 && c <= 0x2069) ||  // isolates
         c == 0x200E || c == 0x200F || c == 0x061C;  // marks
}

bool IsControl(char32_t c) { return c < 0x20 || c == 0x7F || (c >= 0x80 && c <= 0x9F); }

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

}  // namespace

std::string PrintableText(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    const char32_t c = NextCodePoint(text, i);
    if (c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f' || c == 0x85) {
      out += ' ';
    } else if (!IsControl(c) && !IsBidiControl(c)) {
      AppendUtf8(out, c);
    }
  }
  return out;
}

std::string EscapedControls(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t length = Utf8SequenceLength(text, i);
    if (length == 0) {  // not UTF-8: kept as it is
      out += text[i++];
      continue;
    }
    std::size_t next = i;
    const char32_t c = NextCodePoint(text, next);
    if (c == '\t') out += "\\t";
    else if (c == '\n') out += "\\n";
    else if (c == '\r') out += "\\r";
    else if (c < 0x20 || c == 0x7F) out += fmt::format("\\x{:02x}", static_cast<unsigned>(c));
    else if (c >= 0x80 && c <= 0x9F) out += fmt::format("\\u{:04x}", static_cast<unsigned>(c));
    else out.append(text.substr(i, next - i));
    i = next;
  }
  return out;
}

}  // namespace traxen
