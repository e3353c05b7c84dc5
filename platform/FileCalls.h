#pragma once

#include <filesystem>
#include <system_error>

namespace zor {

// The parts of File that each system does its own way (File_posix.cpp,
// File_win32.cpp).

// The reason why opening `path` just failed, from errno.
std::error_code openFailure(const std::filesystem::path& path);

// Refuses a name that the system would take for something other than a
// file of its own.
std::error_code refusedName(const std::filesystem::path& path);

// The path under which the system keeps the file that `path` names, every
// link and junction on the way resolved; `path` itself when it names
// nothing yet or the system cannot tell.
std::filesystem::path finalPath(const std::filesystem::path& path);

// Refuses to write a file that is marked read-only.
std::error_code refusedForWriting(const std::filesystem::path& path);

// Puts the file `from` in the place of `to` in one step; a directory of that
// name is not replaced.
std::error_code replaceNative(const std::filesystem::path& from, const std::filesystem::path& to);

}  // namespace zor
