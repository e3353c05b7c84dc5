#pragma once

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
};

// The system's ANSI code page on Windows (936 on a Chinese system); elsewhere
// GB18030, which reads everything code page 936 (GBK) wrote and holds every
// Unicode character.
std::unique_ptr<CodePage> systemCodePage();

}  // namespace zor
