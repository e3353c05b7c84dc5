#pragma once

#include "interpreter/CommandTable.h"

namespace zor {

// Commands that act on the window and the log without touching a file.
void clearCommand(Console& console, const Invocation& call);
void stopCommand(Console& console, const Invocation& call);
void titleCommand(Console& console, const Invocation& call);
void topCommand(Console& console, const Invocation& call);
void sayCommand(Console& console, const Invocation& call);
void hideCommand(Console& console, const Invocation& call);

}  // namespace zor
