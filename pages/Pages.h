#pragma once

#include "interpreter/Console.h"

namespace zor {

// The fixed pages, each appended to the log whole. The time prefix is taken
// once, so every line of a page shows the same time.
void help(Console& console);
void information(Console& console);
void minecraft(Console& console);

}  // namespace zor
