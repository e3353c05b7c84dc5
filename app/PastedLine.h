#pragma once

#include "app/InputLine.h"

#include <cstddef>
#include <optional>
#include <string_view>

namespace zor {

// A one-line box never holds a line break: of a text put into it (a paste,
// a drop), only what comes before its first CR or LF is kept. `after` is the
// box's text once the text was put in, `caret` the end of what was put in.
// Gives the text to keep, the caret behind the kept part, or nothing when
// `after` holds no line break.
std::optional<LineBox> cutAtLineBreak(std::u16string_view after, std::size_t caret);

}  // namespace zor
