#pragma once

#include "interpreter/CommandSet.h"

namespace zor {

// The console's command table, in the order its rows are tested, and the
// procedure that answers lines in AI mode.
const CommandSet& consoleCommands();

}  // namespace zor
