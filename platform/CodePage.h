#pragma once

#include <memory>
#include <string>
#include <string_view>

namespace zor {

// How the text files store text. Bytes that do not decode become U+FFFD;
// characters the code page cannot hold, lone surrogates among them, are
// written as U+FFFD would be. No input makes it fail.
class CodePage {
 public:
  virtual ~CodePage() = default;
  virtual std::string encode(std::u16string_view text) const = 0;
  virtual std::u16string decode(std::string_view bytes) const = 0;
};

// The system's ANSI code page on Windows; elsewhere GB18030, which reads
// everything code page 936 (GBK) wrote and holds every Unicode character.
std::unique_ptr<CodePage> systemCodePage();

}  // namespace zor
