#pragma once

#include "interpreter/Console.h"

#include <span>
#include <string_view>

namespace zor {

// Appends a page to the log: the time prefix is taken once, so every line of
// the page shows the same time, and the caret moves to the end once, after
// the last line.
void writePage(Console& console, std::span<const std::u16string_view> lines);

}  // namespace zor
