#pragma once

#include "interpreter/Console.h"

#include <array>
#include <optional>
#include <span>
#include <string_view>

namespace zor {

// What a matching row hands its action: the prefix taken by the key handler
// and the argument (empty for exact commands).
struct Invocation {
  std::u16string_view prefix;
  std::u16string_view argument;
};

using Action = void (*)(Console&, const Invocation&);

enum class CommandKind {
  Exact,     // the line is the keyword and nothing else
  Argument,  // the keyword, one blank, then the argument as typed
};

// One row of the command table. A row has one keyword, or a few alternative
// keywords of the same length; unused slots stay empty.
struct CommandRow {
  std::array<std::u16string_view, 3> keywords;
  CommandKind kind;
  Action action;
};

// The two-step match of one row: the keyword test on the first characters,
// then the rest test. On a match, returns the argument (a view into line).
std::optional<std::u16string_view> matchRow(const CommandRow& row, std::u16string_view line);

// Tests every row in order and runs each one that matches; a match does not
// end the run, only the stop command does. Returns the command flag: whether
// any row matched.
bool runCommandTable(Console& console, std::span<const CommandRow> table, std::u16string_view line,
                     std::u16string_view prefix);

}  // namespace zor
