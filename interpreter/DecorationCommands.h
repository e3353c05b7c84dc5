#pragma once

#include "interpreter/CommandTable.h"

namespace zor {

// loadaddhead: the text put before every line of a decorated copy.
void loadAddHeadCommand(Console& console, const Invocation& call);
// loadaddend: the text put after every line of a decorated copy.
void loadAddEndCommand(Console& console, const Invocation& call);
// loadaddsave: argument + ".txt" copied to argument + "-Done.txt" with every
// line decorated.
void loadAddSaveCommand(Console& console, const Invocation& call);

}  // namespace zor
