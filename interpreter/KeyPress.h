#pragma once

#include "interpreter/CommandSet.h"

namespace zor {

inline constexpr char16_t kEnter = 13;

// Text2_KeyPress: called for every character key typed into the input box,
// before the character reaches the box. Only Enter on a line that holds more
// than blanks does anything.
void text2KeyPress(Console& console, const CommandSet& commands, char16_t keyCode);

}  // namespace zor
