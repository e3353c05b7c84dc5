#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace zor {

// What separates a directory from the name inside it. On other systems
// than Windows "\" is an ordinary character of a file name.
inline constexpr std::u16string_view kPathSeparator =
    std::filesystem::path::preferred_separator == '\\' ? u"\\" : u"/";

// A path spelt in UTF-16 as the system wants it: UTF-16 on Windows, UTF-8
// elsewhere (a lone surrogate becomes U+FFFD).
std::filesystem::path nativePath(std::u16string_view text);

}  // namespace zor
