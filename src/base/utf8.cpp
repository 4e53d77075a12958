// UTF-8 validation and decoding.
#include "base/utf8.h"

#include <cstdint>
#include <cstring>

namespace traxen {

std::size_t Utf8SequenceLength(std::string_view s, std::size_t i) {
  const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
  const unsigned char c = byte(i);
  if (c < 0x80) return 1;
  std::size_t n = 0;
  unsigned min = 0;
  unsigned cp = 0;
  if (c >= 0xC2 && c <= 0xDF) n = 2, cp = c & 0x1F, min = 0x80;
  else if (c >= 0xE0 && c <= 0xEF) n = 3, cp = c & 0x0F, min = 0x800;
  else if (c >= 0xF0 && c <= 0xF4) n = 4, cp = c & 0x07, min = 0x10000;
  else return 0;
  if (i + n > s.size()) return 0;
  for (std::size_t k = 1; k < n; ++k) {
    if ((byte(i + k) & 0xC0) != 0x80) return 0;
    cp = (cp << 6) | (byte(i + k) & 0x3F);
  }
  if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
  return n;
}

bool IsValidUtf8(std::string_view s) {
  for (std::size_t i = 0; i < s.size();) {
    // Plain ASCII, the most of every file, eight bytes at a time.
    while (i + 8 <= s.size()) {
      std::uint64_t word;
      std::memcpy(&word, s.data() + i, sizeof word);
      if (word & 0x8080808080808080u) break;
      i += 8;
    }
    if (i == s.size()) break;
    const std::size_t n = Utf8SequenceLength(s, i);
    if (n == 0) return false;
    i += n;
  }
  return true;
}

char32_t NextCodePoint(std::string_view text, std::size_t& i) {
  const std::size_t n = Utf8SequenceLength(text, i);
  if (n == 0) {
    ++i;
    return 0xFFFD;
  }
  const auto c = static_cast<unsigned char>(text[i]);
  char32_t cp = n == 1 ? c : n == 2 ? c & 0x1F : n == 3 ? c & 0x0F : c & 0x07;
  for (std::size_t k = 1; k < n; ++k) cp = (cp << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
  i += n;
  return cp;
}

}  // namespace traxen
