// Any UTF-16 text, lone surrogates included: encoding it whole gives the
// bytes of encoding it one character at a time.

#include "platform/Surrogates.h"
#include "tests/fuzz/FuzzSupport.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::u16string text(size / 2, u'\0');
  std::memcpy(text.data(), data, text.size() * 2);
  const zor::CodePage& page = zor::fuzz::codePage();

  std::string oneByOne;
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t length = zor::startsSurrogatePair(text, i) ? 2 : 1;
    const std::string bytes = page.encode(std::u16string_view(text).substr(i, length));
    zor::fuzz::check(!bytes.empty(), "every character gives bytes");
    oneByOne += bytes;
    i += length;
  }
  zor::fuzz::check(page.encode(text) == oneByOne, "the whole text encodes as its characters");
  return 0;
}
