#pragma once

#include <filesystem>
#include <system_error>

namespace zor {

// The parts of File that each system does its own way (File_posix.cpp,
// File_win32.cpp).

// The reason why opening `path` just failed, from errno.
std::error_code openFailure(const std::filesystem::path& path);

// Puts the file `from` in the place of `to` in one step; a directory of that
// name is not replaced.
std::error_code replaceNative(const std::filesystem::path& from, const std::filesystem::path& to);

}  // namespace zor
