#pragma once

#include "interpreter/CommandTable.h"

#include <span>
#include <string_view>

namespace zor {

// What a command line is run against: the command table in command mode,
// the AI procedure in AI mode.
struct CommandSet {
  std::span<const CommandRow> table;
  void (*ai)(Console&, std::u16string_view question);
};

}  // namespace zor
