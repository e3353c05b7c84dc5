#pragma once

#include "interpreter/CommandTable.h"

#include <span>
#include <string_view>

namespace zor {

// What a command line is run against: the command table in command mode,
// the AI procedure in AI mode.
struct Interpreter {
  std::span<const CommandRow> table;
  void (*ai)(Console&, std::u16string_view question);
};

inline constexpr char16_t kEnter = 13;

// Text2_KeyPress: called for every character key typed into the input box,
// before the character reaches the box. Only Enter on a line that holds more
// than blanks does anything.
void text2KeyPress(Console& console, const Interpreter& interpreter, char16_t keyCode);

}  // namespace zor
