#pragma once

#include <cstddef>
#include <string_view>

namespace zor {

// UTF-16 surrogates: a high one followed by a low one is one character
// beyond the Basic Multilingual Plane; any other is a lone surrogate.
constexpr bool isHighSurrogate(char32_t c) { return c >= 0xD800 && c <= 0xDBFF; }
constexpr bool isLowSurrogate(char32_t c) { return c >= 0xDC00 && c <= 0xDFFF; }
constexpr bool isSurrogate(char32_t c) { return c >= 0xD800 && c <= 0xDFFF; }

// Whether the character at `i` is a pair of surrogates, two units long.
constexpr bool startsSurrogatePair(std::u16string_view text, std::size_t i) {
  return isHighSurrogate(text[i]) && i + 1 < text.size() && isLowSurrogate(text[i + 1]);
}

// The character that the pair starting at `i` stands for.
constexpr char32_t pairAt(std::u16string_view text, std::size_t i) {
  return 0x10000 + ((static_cast<char32_t>(text[i]) - 0xD800) << 10) +
         (static_cast<char32_t>(text[i + 1]) - 0xDC00);
}

}  // namespace zor
