#pragma once

#include "interpreter/Console.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

namespace zor {

// A file in the program directory, named by a command's argument as typed
// and a fixed ending such as ".txt".
struct ProgramFile {
  std::u16string name;  // argument + ending: how the messages name the file
  std::filesystem::path path;
};

// Program directory, separator, argument, ending, as the log and the media
// device see it. The argument is neither trimmed nor checked, so a relative
// sub-path in it names a file below the program directory.
std::u16string programPath(const Console& console, std::u16string_view argument,
                           std::u16string_view ending);

// The same path, ready to open: the directory as the system named it, the
// rest converted. With the name the messages give the file.
ProgramFile programFile(const Console& console, std::u16string_view argument,
                        std::u16string_view ending);

// The one line that tells of a file that could not be opened, read or
// written: "文件操作失败！", the file's name, ": " and the system's reason.
void reportFileError(Console& console, std::u16string_view prefix, std::u16string_view name,
                     const std::error_code& error);

}  // namespace zor
