#pragma once

#include <span>
#include <string>
#include <string_view>

namespace zor {

enum class StartMode { Window, Batch, Help, Version, Invalid };

// What the command line asks for. No argument at all opens the window.
struct Arguments {
  StartMode mode = StartMode::Window;
  std::string file;   // batch input as given; empty or "-" for standard input
  std::string error;  // why the arguments are invalid, one line
};

// The arguments after the program's name, in UTF-8.
Arguments parseArguments(std::span<const std::string_view> arguments);
Arguments parseArguments(int argc, const char* const argv[]);

extern const std::string_view kUsage;

// Prints the usage, the version, or why the arguments are invalid, and
// gives the exit status.
int answerArguments(const Arguments& arguments);

}  // namespace zor
