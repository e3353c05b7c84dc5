#pragma once

#include "interpreter/CommandSet.h"

#include <string_view>

namespace zor {

inline constexpr char16_t kEnter = 13;

// A line that Enter leaves alone: empty, or only blanks. Only character 32
// counts as a blank; a tab makes the line count as input.
bool isBlankLine(std::u16string_view line);

// Text2_KeyPress: called for every character key typed into the input box,
// before the character reaches the box. Only Enter on a line that holds more
// than blanks does anything.
void text2KeyPress(Console& console, const CommandSet& commands, char16_t keyCode);

}  // namespace zor
