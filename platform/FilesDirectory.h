#pragma once

#include "platform/ProgramDirectory.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <system_error>

namespace zor {

// Looks one variable up in the environment: nothing when it is unset or
// empty.
using Environment = std::function<std::optional<std::filesystem::path>(const char* name)>;

// The environment of this process.
Environment systemEnvironment();

// The directory that holds the console's files, chosen once at start-up:
// - ZOR_HOME, when it is set (made when missing);
// - else the program directory, when the user may write into it: a program
//   unpacked into a folder of the user's own keeps its files beside it.
//   Outside Windows a directory on the command search path (PATH), such as
//   /usr/bin, is no folder of the user's own, even for root; on Windows a
//   folder that the setup program installed into (marked by the file
//   zor-installed.txt) is none either;
// - else the folder ZOR in the user's documents folder, made when missing.
//   The documents folder follows the XDG user-dirs rule (XDG_DOCUMENTS_DIR
//   in $XDG_CONFIG_HOME/user-dirs.dirs, else ~/Documents); on Windows it is
//   the Documents known folder.
// The result has no trailing separator. A folder that cannot be made is
// still returned: every file command then reports its own failure.
std::filesystem::path filesDirectory(const std::filesystem::path& programDirectory,
                                     const Environment& environment);

// The files directory of this program: the rule above over the directory
// the executable lies in and this process's environment. Empty, with `error`
// set, when the system cannot tell where the program lies.
ProgramDirectory filesDirectory(std::error_code& error);

}  // namespace zor
