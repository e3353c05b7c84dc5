#pragma once

namespace zor {

// Exit statuses of a run without a window.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1;         // the input or the output failed midway
inline constexpr int kExitUsage = 2;          // bad arguments or an unreadable input file
inline constexpr int kExitInterrupted = 130;  // Ctrl+C, as shells report it

}  // namespace zor
