#pragma once

#include "interpreter/CommandTable.h"

namespace zor {

// html: argument + ".txt" turned into the page argument + ".html", one
// paragraph per line, the argument as its title.
void htmlCommand(Console& console, const Invocation& call);

}  // namespace zor
