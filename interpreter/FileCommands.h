#pragma once

#include "interpreter/CommandTable.h"

namespace zor {

// save: the whole log into argument + ".txt".
void saveCommand(Console& console, const Invocation& call);
// load: argument + ".txt" into the log, between two frame lines.
void loadCommand(Console& console, const Invocation& call);

}  // namespace zor
