#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

namespace zor {

// How the text files store text. Bytes that do not decode become U+FFFD.
// No input makes it fail.
//
// Characters the code page cannot hold, lone surrogates among them: GB18030
// holds every character and writes a lone surrogate as U+FFFD would be.
// Windows writes each such UTF-16 unit as its code page's default
// character, "?" in code page 936 (a character outside the Basic
// Multilingual Plane as "??"), never as a look-alike. Code page 936 on
// Windows writes the private-use U+F8F5 as the byte 0xFF, which does not
// read back: 0xFF starts no character.
class CodePage {
 public:
  virtual ~CodePage() = default;
  virtual std::string encode(std::u16string_view text) const = 0;
  virtual std::u16string decode(std::string_view bytes) const = 0;

  // Decodes the bytes, which begin at a character, up to a character that
  // may go on past their end, and tells in `used` how many bytes that took:
  // pieces decoded so, one after another, give the text of the whole. This
  // one cuts after the last byte below 0x30, which stands alone in every
  // code page the program meets, and takes nothing when there is none.
  virtual std::u16string decodeStart(std::string_view bytes, std::size_t& used) const;
};

// The system's ANSI code page on Windows (936 on a Chinese system); elsewhere
// GB18030, which reads everything code page 936 (GBK) wrote and holds every
// Unicode character.
std::unique_ptr<CodePage> systemCodePage();

}  // namespace zor
