#pragma once

#include "interpreter/KeyPress.h"

namespace zor {

// The console's command table, in the order its rows are tested, and the
// procedure that answers lines in AI mode.
const Interpreter& commands();

}  // namespace zor
