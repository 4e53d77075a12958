// The one UTF-8 walker: validating a sequence, validating a text and decoding code points.
#pragma once

#include <cstddef>
#include <string_view>

namespace traxen {

// Length of the valid UTF-8 sequence at `i` (1 to 4), or 0 when the bytes there are not one
// (a stray continuation byte, an overlong form, a surrogate, beyond U+10FFFF, cut short).
std::size_t Utf8SequenceLength(std::string_view text, std::size_t i);

bool IsValidUtf8(std::string_view text);

// Decodes the code point at `i` and moves `i` past it; a byte that starts no valid sequence
// is one U+FFFD replacement character.
char32_t NextCodePoint(std::string_view text, std::size_t& i);

}  // namespace traxen
