#pragma once

#include "interpreter/Console.h"

#include <span>
#include <string>
#include <string_view>

namespace zor {

// "[hh:mm:ss]" on the 24-hour clock, whatever the locale.
std::u16string timePrefix(const Clock& clock);

// The prefix a handler takes once, at its start: the time while the time
// display is on ("1"), else empty.
std::u16string linePrefix(const Console& console);

// One output line: prefix + text + CR LF at the end of the log, then the
// caret to the end.
void writeLine(Console& console, std::u16string_view prefix, std::u16string_view text);

// Several output lines with the same prefix, then the caret to the end once.
void writeLines(Console& console, std::u16string_view prefix,
                std::span<const std::u16string_view> lines);

}  // namespace zor
