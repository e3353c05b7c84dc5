#pragma once

#include "interpreter/Console.h"

namespace zor {

// What every front-end calls for a character key typed into the input box:
// the key handler run against the console's command set. No exception
// leaves it: a command that fails unforeseen ends in the one log line
// "命令执行失败！" and the reason.
void handleKey(Console& console, char16_t keyCode);

}  // namespace zor
