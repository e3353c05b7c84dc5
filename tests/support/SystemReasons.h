#pragma once

#include <string_view>

namespace zor::test {

// What the system says of a path that goes on below a plain file as if the
// file were a directory: POSIX systems say just that, Windows finds no such
// path.
#ifdef _WIN32
inline constexpr std::u16string_view kBelowAFile = u"No such file or directory";
#else
inline constexpr std::u16string_view kBelowAFile = u"Not a directory";
#endif

}  // namespace zor::test
