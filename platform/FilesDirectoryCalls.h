#pragma once

#include "platform/FilesDirectory.h"

#include <filesystem>

namespace zor {

// The parts of the files directory rule that each system decides its own
// way (FilesDirectory_posix.cpp, FilesDirectory_win32.cpp).

// Whether a program unpacked into a folder of the user's own lies there,
// so that it keeps its files beside it.
bool keepsFilesBesideIt(const std::filesystem::path& programDirectory,
                        const Environment& environment);

// The user's documents folder.
std::filesystem::path documentsDirectory(const Environment& environment);

}  // namespace zor
