#pragma once

#include <string>
#include <string_view>

namespace zor {

// UTF-8 is how file names are spelled on POSIX systems; it is not the code
// page of the text files (see CodePage.h). Bytes that do not decode and
// lone surrogates become U+FFFD.
std::u16string fromUtf8(std::string_view bytes);
std::string toUtf8(std::u16string_view text);

}  // namespace zor
