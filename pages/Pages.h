#pragma once

#include "interpreter/CommandTable.h"

namespace zor {

// The fixed pages, each appended to the log whole.
void help(Console& console);
void information(Console& console);
void minecraft(Console& console);

// The same pages as command-table actions.
void helpCommand(Console& console, const Invocation& call);
void informationCommand(Console& console, const Invocation& call);
void minecraftCommand(Console& console, const Invocation& call);

}  // namespace zor
